// Key setup, key derivation and the counter-mode keystream of the container.
#include "CipherContext.h"
#include "ContainerTestData.h"
#include "DeriveKeyPbkdf2.h"

#include <gtest/gtest.h>

using namespace ContainerTestData;

namespace {

const unsigned char *bytes(const QByteArray &array)
{
    return reinterpret_cast<const unsigned char *>(array.constData());
}

} // namespace

TEST(DeriveKeyPbkdf2, MatchesPublishedHmacSha1Vectors)
{
    // RFC 6070 test vectors.
    struct Vector { QByteArray password; QByteArray salt; int iterations; QByteArray key; };
    const Vector vectors[] = {
        {"password", "salt", 1, QByteArray::fromHex("0c60c80f961f0e71f3a9b524af6012062fe037a6")},
        {"password", "salt", 2, QByteArray::fromHex("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957")},
        {"password", "salt", 4096, QByteArray::fromHex("4b007901b765489abead49d926f721d065a429c1")},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096,
         QByteArray::fromHex("3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038")},
    };
    for (const Vector &v : vectors) {
        SCOPED_TRACE(testing::Message() << v.password.constData() << " x " << v.iterations);
        QByteArray key(v.key.size(), '\0');
        ASSERT_TRUE(DeriveKeyPbkdf2(bytes(v.password), std::size_t(v.password.size()), bytes(v.salt),
                                    std::size_t(v.salt.size()), v.iterations,
                                    reinterpret_cast<unsigned char *>(key.data()), std::size_t(key.size())));
        EXPECT_EQ(key.toHex(), v.key.toHex());
    }
}

TEST(InitCipherContext, RefusesLongPasswordsAndUnknownModes)
{
    const QByteArray salt(16, '\x5a');
    struct Case { int mode; int passwordLength; int expected; };
    const Case cases[] = {
        {1, 128, 0}, {1, 129, ERR_PASSWORD_TOO_LONG}, {3, 1000, ERR_PASSWORD_TOO_LONG},
        {0, 8, ERR_BAD_MODE}, {4, 8, ERR_BAD_MODE}, {-1, 8, ERR_BAD_MODE}, {2, 0, 0}, {3, 8, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.passwordLength << " bytes");
        const QByteArray password(c.passwordLength, 'p');
        CipherContext context;
        unsigned char verifier[2] = {};
        EXPECT_EQ(InitCipherContext(context, c.mode, bytes(password), std::size_t(password.size()), bytes(salt),
                                    verifier),
                  c.expected);
        // A refused setup leaves a context that will not encrypt.
        unsigned char data[4] = {1, 2, 3, 4};
        EXPECT_EQ(context.transform(data, sizeof data), c.expected == 0);
    }
}

TEST(InitCipherContext, GivesTheVerifierOfTheKnownAnswer)
{
    CipherContext context;
    unsigned char verifier[2] = {};
    ASSERT_EQ(InitCipherContext(context, 1, bytes(kPassword), std::size_t(kPassword.size()), bytes(kSalt), verifier),
              0);
    EXPECT_EQ(verifier[0], 0x8a);
    EXPECT_EQ(verifier[1], 0x92);
}

TEST(CipherContext, KeystreamGoesOnAcrossCallsOfAnySize)
{
    const QByteArray salt(8, '\x11');
    const auto keyed = [&](CipherContext &context) {
        unsigned char verifier[2];
        ASSERT_EQ(InitCipherContext(context, 1, bytes(kPassword), 8, bytes(salt), verifier), 0);
    };
    CipherContext whole;
    keyed(whole);
    std::vector<unsigned char> expected(9000, 0);
    ASSERT_TRUE(whole.transform(expected.data(), expected.size()));

    // Pieces that end inside a block, on a block edge and beyond one batch of blocks.
    for (const std::vector<std::size_t> &pieces :
         {std::vector<std::size_t> {1, 15, 16, 17, 4096, 4855}, std::vector<std::size_t> {4097, 3, 4900},
          std::vector<std::size_t> {0, 9000}}) {
        SCOPED_TRACE(testing::Message() << pieces.size() << " pieces");
        CipherContext split;
        keyed(split);
        std::vector<unsigned char> data(9000, 0);
        std::size_t offset = 0;
        for (const std::size_t piece : pieces) {
            ASSERT_TRUE(split.transform(data.data() + offset, piece));
            offset += piece;
        }
        EXPECT_EQ(data, expected);
    }
}
