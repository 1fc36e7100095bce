// Container round trips, known answers, tampering, truncation and stream failures.
#include "ContainerTestData.h"
#include "TEncryption.h"

#include <QBuffer>
#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace ContainerTestData;

namespace {

constexpr int kProgramChunk = 262144;

QByteArray patternText(int length)
{
    QByteArray text(length, '\0');
    for (int i = 0; i < length; ++i)
        text[i] = char((i * 7) & 0xff);
    return text;
}

// A device whose reads or writes fail after a number of bytes, to stand for a broken file or a full disk.
class FailingDevice : public QIODevice
{
public:
    enum class Failure { ReturnError, Throw };
    FailingDevice(QByteArray content, qint64 failAfter, Failure failure)
        : m_content(std::move(content)), m_failAfter(failAfter), m_failure(failure)
    {
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_read >= m_failAfter)
            return fail();
        const qint64 n = std::min({maxSize, m_failAfter - m_read, qint64(m_content.size()) - m_read});
        std::copy_n(m_content.constData() + m_read, n, data);
        m_read += n;
        return n;
    }
    qint64 writeData(const char *, qint64 maxSize) override
    {
        if (m_written + maxSize > m_failAfter)
            return fail();
        m_written += maxSize;
        return maxSize;
    }

private:
    qint64 fail()
    {
        if (m_failure == Failure::Throw)
            throw std::runtime_error("device failure");
        return -1;
    }

    QByteArray m_content;
    qint64 m_failAfter;
    Failure m_failure;
    qint64 m_read = 0;
    qint64 m_written = 0;
};

} // namespace

TEST(TEncryption, EncryptsTheKnownAnswers)
{
    EXPECT_EQ(encryptWithSalt(latin1(kPassword), kProgramChunk, kPlaintext, kSalt).toHex(), kContainer.toHex());
    EXPECT_EQ(encryptWithSalt(latin1(kPassword), kProgramChunk, {}, kSalt).toHex(), kEmptyContainer.toHex());
}

TEST(TEncryption, DecryptsTheKnownAnswers)
{
    const Decrypted text = decrypt(latin1(kPassword), kProgramChunk, kContainer);
    EXPECT_TRUE(text.ok);
    EXPECT_EQ(text.plaintext, kPlaintext);

    const Decrypted empty = decrypt(latin1(kPassword), kProgramChunk, kEmptyContainer);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.plaintext.isEmpty());
}

TEST(TEncryption, LongerPasswordsSelectLargerKeysAndSalts)
{
    struct Case { QByteArray password; int mode; QByteArray expected; };
    const QByteArray salt16 = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10");
    // Known answers for the two larger key sizes, computed independently.
    const Case cases[] = {
        {QByteArray(31, 'a'), 1, {}},
        {QByteArray(32, 'a'), 2, {}},
        {QByteArray(40, 'x'), 2,
         QByteArray::fromHex("0102030405060708090a0b0cee3ed6b45a755fe86c1cdc01f211b9e6c34e691f3e37166b44ff1c9a658337cf"
                             "59f56e08")},
        {QByteArray(47, 'a'), 2, {}},
        {QByteArray(48, 'a'), 3, {}},
        {QByteArray(56, 'y'), 3,
         QByteArray::fromHex("0102030405060708090a0b0c0d0e0f104e014470e6244011170bfae699db96916f3c1822daf233a89e2471"
                             "1a884602eb6ac9f867")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.password.size() << " characters");
        const TEncryption encryption(latin1(c.password), kProgramChunk);
        EXPECT_EQ(encryption.Mode(), c.mode);
        const int saltLength = saltLengthForMode(c.mode);

        const QByteArray fixedSalt = encryptWithSalt(latin1(c.password), kProgramChunk, kPlaintext,
                                                     salt16.left(saltLength));
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(fixedSalt.toHex(), c.expected.toHex());
        }

        bool ok = false;
        const QByteArray container = encrypt(latin1(c.password), kProgramChunk, kPlaintext, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(container.size(), kPlaintext.size() + saltLength + 12);
        const Decrypted back = decrypt(latin1(c.password), kProgramChunk, container);
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.plaintext, kPlaintext);
    }
}

TEST(TEncryption, ChunkSizeDoesNotChangeTheContainerOrThePlaintext)
{
    // 10000 bytes cross many keystream blocks and the cipher's internal batches at odd offsets.
    const QByteArray text = patternText(10000);
    const QByteArray expectedSha1 = QByteArray::fromHex("ba9e736f5eba7654fe5d91b01f231e0bc466ab1f");
    for (const int chunk : {1, 7, 16, 4097, kProgramChunk}) {
        SCOPED_TRACE(testing::Message() << "chunk " << chunk);
        const QByteArray container = encryptWithSalt(latin1(kPassword), chunk, text, kSalt);
        EXPECT_EQ(QCryptographicHash::hash(container, QCryptographicHash::Sha1).toHex(), expectedSha1.toHex());
        const Decrypted back = decrypt(latin1(kPassword), chunk, container);
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.plaintext, text);
    }
}

TEST(TEncryption, TamperedCiphertextWritesTheAlteredTextAndFails)
{
    for (int bit = 0; bit < kPlaintext.size() * 8; bit += 13) {
        SCOPED_TRACE(testing::Message() << "bit " << bit);
        QByteArray container = kContainer;
        container[10 + bit / 8] = char(container[10 + bit / 8] ^ (1 << (bit % 8)));
        const Decrypted back = decrypt(latin1(kPassword), kProgramChunk, container);
        EXPECT_FALSE(back.ok);
        QByteArray altered = kPlaintext;
        altered[bit / 8] = char(altered[bit / 8] ^ (1 << (bit % 8)));
        EXPECT_EQ(back.plaintext, altered);
    }
}

TEST(TEncryption, TamperedTagFails)
{
    for (int byte = 0; byte < TEncryption::kTagLength; ++byte) {
        SCOPED_TRACE(testing::Message() << "tag byte " << byte);
        QByteArray container = kContainer;
        container[container.size() - 1 - byte] = char(container[container.size() - 1 - byte] ^ 0x40);
        EXPECT_FALSE(decrypt(latin1(kPassword), kProgramChunk, container).ok);
    }
}

TEST(TEncryption, WrongPasswordFailsWithoutWriting)
{
    for (const char *password : {"abcdefgi", "ABCDEFGH", "abcdefg", ""}) {
        SCOPED_TRACE(password);
        const Decrypted back = decrypt(QString::fromLatin1(password), kProgramChunk, kContainer);
        EXPECT_FALSE(back.ok);
        EXPECT_TRUE(back.plaintext.isEmpty());
    }
}

TEST(TEncryption, WithoutDestinationOnlyChecks)
{
    QByteArray damaged = kContainer;
    damaged[12] = char(damaged[12] ^ 1);
    for (const auto &[container, expected] : {std::pair {kContainer, true}, std::pair {damaged, false}}) {
        TEncryption encryption(latin1(kPassword), kProgramChunk);
        QByteArray bytes = container;
        QBuffer source(&bytes);
        source.open(QIODevice::ReadOnly);
        EXPECT_EQ(encryption.DecryptStream(&source, nullptr, source.size()), expected);
    }
}

TEST(TEncryption, FreshSaltForEveryEncryption)
{
    const QByteArray first = encrypt(latin1(kPassword), kProgramChunk, kPlaintext);
    const QByteArray second = encrypt(latin1(kPassword), kProgramChunk, kPlaintext);
    EXPECT_NE(first.left(8), second.left(8));
    EXPECT_NE(first, second);
    for (const QByteArray &container : {first, second}) {
        const Decrypted back = decrypt(latin1(kPassword), kProgramChunk, container);
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.plaintext, kPlaintext);
    }
}

TEST(TEncryption, TruncatedContainersFailWithoutReadingPastTheData)
{
    const QByteArray full = encryptWithSalt(latin1(kPassword), 16, patternText(100), kSalt);
    std::vector<int> lengths;
    for (int length = 0; length <= 8 + 12; ++length)
        lengths.push_back(length);
    for (const int length : {21, 30, 47, 100, 110, int(full.size()) - 1})
        lengths.push_back(length);
    for (const int length : lengths) {
        SCOPED_TRACE(testing::Message() << length << " of " << full.size() << " bytes");
        const QByteArray truncated = full.left(length);
        // The size stated as what is there, and as what the container should have had.
        EXPECT_FALSE(decrypt(latin1(kPassword), 16, truncated, truncated.size()).ok);
        EXPECT_FALSE(decrypt(latin1(kPassword), 16, truncated, full.size()).ok);
    }
}

TEST(TEncryption, StreamFailuresEndWithFalse)
{
    for (const auto failure : {FailingDevice::Failure::ReturnError, FailingDevice::Failure::Throw}) {
        for (const qint64 failAfter : {0, 5, 9, 12, 20, 30}) {
            SCOPED_TRACE(testing::Message() << "fail after " << failAfter << (failure == FailingDevice::Failure::Throw
                                                                                   ? " by throwing"
                                                                                   : " by error"));
            TEncryption encryption(latin1(kPassword), 4);
            FailingDevice brokenSource(kContainer, failAfter, failure);
            brokenSource.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            QByteArray plaintext;
            QBuffer destination(&plaintext);
            destination.open(QIODevice::WriteOnly);
            EXPECT_FALSE(encryption.DecryptStream(&brokenSource, &destination, kContainer.size()));

            QByteArray text = kPlaintext;
            QBuffer source(&text);
            source.open(QIODevice::ReadOnly);
            FailingDevice fullDisk({}, failAfter, failure);
            fullDisk.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            EXPECT_FALSE(encryption.EncryptStream(&source, &fullDisk));
        }
    }
}

TEST(TEncryption, ThrowingProgressHandlerEndsWithFalse)
{
    TEncryption encryption(latin1(kPassword), kProgramChunk);
    encryption.OnProgress = [](TEncryption *, quint8, qint64) { throw std::runtime_error("handler"); };
    QByteArray text = kPlaintext;
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    EXPECT_FALSE(encryption.EncryptStream(&source, &destination));
}

TEST(TEncryption, ReportsProgressPerChunk)
{
    struct Event { quint8 kind; qint64 count; bool operator==(const Event &) const = default; };
    std::vector<Event> events;
    TEncryption encryption(latin1(kPassword), 10);
    encryption.OnProgress = [&](TEncryption *sender, quint8 kind, qint64 count) {
        EXPECT_EQ(sender, &encryption);
        events.push_back({kind, count});
    };

    QByteArray text = kPlaintext; // 24 bytes: chunks of 10, 10 and 4
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    ASSERT_TRUE(encryption.EncryptStream(&source, &destination));
    EXPECT_EQ(events, (std::vector<Event> {{4, 10}, {4, 20}, {4, 24}}));

    events.clear();
    destination.close();
    destination.open(QIODevice::ReadOnly);
    ASSERT_TRUE(encryption.DecryptStream(&destination, nullptr, destination.size()));
    EXPECT_EQ(events, (std::vector<Event> {{1, -44}, {5, 10}, {5, 20}, {5, 24}}));
}

TEST(TEncryption, FailingEntropySourceRefusesToEncrypt)
{
    int calls = 0;
    TEncryption encryption(latin1(kPassword), kProgramChunk, [&](unsigned char *, int) {
        ++calls;
        return 0;
    });
    QByteArray text = kPlaintext;
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    EXPECT_FALSE(encryption.EncryptStream(&source, &destination));
    EXPECT_TRUE(container.isEmpty());
    EXPECT_LE(calls, 3); // gives up instead of spinning
}
