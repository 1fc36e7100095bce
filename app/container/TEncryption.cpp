// Encrypted container: salt, password verifier, AES counter-mode ciphertext and a truncated HMAC-SHA1 tag.
#include "TEncryption.h"

#include <QIODevice>

#include <openssl/crypto.h>

#include <algorithm>

namespace {

// Reads until max bytes or the end of the source; -1 on a read error.
qint64 readUpTo(QIODevice *device, unsigned char *data, qint64 max)
{
    qint64 total = 0;
    while (total < max) {
        const qint64 got = device->read(reinterpret_cast<char *>(data) + total, max - total);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

bool writeAll(QIODevice *device, const unsigned char *data, qint64 length)
{
    return length == 0 || device->write(reinterpret_cast<const char *>(data), length) == length;
}

} // namespace

TEncryption::TEncryption(const QString &password, int bufferSize, EntropySource entropy)
    : TCrypt(password, bufferSize)
{
    m_saltGenerator.Init(std::move(entropy)); // a failure shows when a salt is drawn
}

TEncryption::~TEncryption()
{
    m_saltGenerator.Clear();
}

void TEncryption::raiseProgress(quint8 kind, qint64 count)
{
    if (OnProgress)
        OnProgress(this, kind, count);
}

bool TEncryption::EncryptStream(QIODevice *source, QIODevice *destination)
{
    QByteArray salt(saltLengthForMode(Mode()), '\0');
    if (!m_saltGenerator.Random(reinterpret_cast<unsigned char *>(salt.data()), int(salt.size())))
        return false;
    return EncryptStreamWithSalt(source, destination, salt);
}

bool TEncryption::EncryptStreamWithSalt(QIODevice *source, QIODevice *destination, const QByteArray &salt)
{
    if (!source || !destination || salt.size() != saltLengthForMode(Mode()))
        return false;
    // A stream that throws ends the operation with False; nothing escapes to the caller.
    try {
        return encrypt(source, destination, salt);
    } catch (...) {
        return false;
    }
}

bool TEncryption::encrypt(QIODevice *source, QIODevice *destination, const QByteArray &salt)
{
    const auto *saltBytes = reinterpret_cast<const unsigned char *>(salt.constData());
    const QByteArray password = passwordBytes();
    unsigned char verifier[kVerifierLength];
    if (InitCipherContext(Context(), Mode(), reinterpret_cast<const unsigned char *>(password.constData()),
                          std::size_t(password.size()), saltBytes, verifier)
        != 0) {
        return false;
    }
    if (!writeAll(destination, saltBytes, salt.size()) || !writeAll(destination, verifier, kVerifierLength))
        return false;

    qint64 total = 0;
    for (;;) {
        const qint64 n = readUpTo(source, Buffer(), BufferSize());
        if (n < 0)
            return false;
        total += n;
        raiseProgress(4, total);
        if (!Context().transform(Buffer(), std::size_t(n)) || !Context().authenticate(Buffer(), std::size_t(n))
            || !writeAll(destination, Buffer(), n)) {
            return false;
        }
        if (n < BufferSize())
            break;
    }

    unsigned char digest[CipherContext::kDigestSize];
    return Context().finishAuthentication(digest) && writeAll(destination, digest, kTagLength);
}

bool TEncryption::DecryptStream(QIODevice *source, QIODevice *destination, qint64 size)
{
    if (!source)
        return false;
    try {
        return decrypt(source, destination, size);
    } catch (...) {
        return false;
    }
}

bool TEncryption::decrypt(QIODevice *source, QIODevice *destination, qint64 size)
{
    raiseProgress(1, -source->size());
    const int saltLength = saltLengthForMode(Mode());
    // A truncated container: stop before reading anything that is not there.
    if (size < saltLength + kVerifierLength + kTagLength)
        return false;

    unsigned char salt[16];
    if (readUpTo(source, salt, saltLength) != saltLength)
        return false;
    const QByteArray password = passwordBytes();
    unsigned char verifier[kVerifierLength];
    if (InitCipherContext(Context(), Mode(), reinterpret_cast<const unsigned char *>(password.constData()),
                          std::size_t(password.size()), salt, verifier)
        != 0) {
        return false;
    }
    unsigned char storedVerifier[kVerifierLength];
    if (readUpTo(source, storedVerifier, kVerifierLength) != kVerifierLength
        || CRYPTO_memcmp(storedVerifier, verifier, kVerifierLength) != 0) {
        return false; // wrong password: nothing written
    }

    qint64 remaining = size - saltLength - kVerifierLength - kTagLength;
    qint64 total = 0;
    while (remaining > 0) {
        const qint64 n = readUpTo(source, Buffer(), std::min<qint64>(BufferSize(), remaining));
        if (n <= 0)
            return false; // the source ends before the stated size
        total += n;
        raiseProgress(5, total);
        if (!Context().authenticate(Buffer(), std::size_t(n)) || !Context().transform(Buffer(), std::size_t(n)))
            return false;
        if (destination && !writeAll(destination, Buffer(), n))
            return false;
        remaining -= n;
    }

    unsigned char digest[CipherContext::kDigestSize];
    unsigned char storedTag[kTagLength];
    return Context().finishAuthentication(digest) && readUpTo(source, storedTag, kTagLength) == kTagLength
        && CRYPTO_memcmp(digest, storedTag, kTagLength) == 0;
}
