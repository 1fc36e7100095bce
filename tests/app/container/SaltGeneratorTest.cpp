// The salt generator's pool mixing and its entropy sources.
#include "SaltGenerator.h"
#include "Sha1Compress.h"
#include "SystemEntropy.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

TEST(Sha1Compress, OneBlockGivesTheDigestOfAbc)
{
    std::uint32_t state[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
    unsigned char block[64] = {'a', 'b', 'c', 0x80};
    block[63] = 24; // message length in bits
    sha1Compress(state, block);
    QByteArray digest;
    for (const std::uint32_t word : state) {
        for (int shift = 24; shift >= 0; shift -= 8)
            digest.append(char(word >> shift));
    }
    EXPECT_EQ(digest.toHex(), QCryptographicHash::hash("abc", QCryptographicHash::Sha1).toHex());
}

TEST(SaltGenerator, CounterEntropyGivesTheIndependentlyComputedStream)
{
    // A source that hands out a 64-bit counter 8 bytes at a time, like a clock would.
    std::uint64_t counter = 0;
    int calls = 0;
    const EntropySource source = [&](unsigned char *buffer, int length) {
        ++counter;
        ++calls;
        const int n = std::min(length, 8);
        for (int i = 0; i < n; ++i)
            buffer[i] = static_cast<unsigned char>(counter >> (8 * i));
        return n;
    };
    SaltGenerator generator;
    ASSERT_TRUE(generator.Init(source));

    unsigned char salt[8];
    ASSERT_TRUE(generator.Random(salt, sizeof salt));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(salt), 8).toHex(), QByteArray("864da36243774124"));

    // Crossing the end of the output buffer refreshes the pool once more.
    unsigned char more[300];
    ASSERT_TRUE(generator.Random(more, sizeof more));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(more + 250), 20).toHex(),
              QByteArray("130e8d7beaeaa192a1a700410137fb9b1886cfae"));
    EXPECT_EQ(calls, 99); // three refills of 33 calls
}

TEST(SaltGenerator, FailingSourceStopsInsteadOfSpinning)
{
    struct Case { const char *name; int goodBytes; };
    // Fails at once, and fails during the second refill.
    for (const Case c : {Case {"at once", 0}, Case {"later", 300}}) {
        SCOPED_TRACE(c.name);
        int given = 0;
        int calls = 0;
        const EntropySource source = [&](unsigned char *buffer, int length) {
            ++calls;
            const int n = std::min(length, c.goodBytes - given);
            std::memset(buffer, 0x33, std::size_t(std::max(n, 0)));
            given += std::max(n, 0);
            return n;
        };
        SaltGenerator generator;
        EXPECT_FALSE(generator.Init(source));
        unsigned char salt[8];
        EXPECT_FALSE(generator.Random(salt, sizeof salt));
        EXPECT_LE(calls, 4);
    }
}

TEST(SystemEntropy, FillsTheRequestAndDiffersBetweenCalls)
{
    unsigned char first[64] = {};
    unsigned char second[64] = {};
    ASSERT_EQ(systemEntropy(first, sizeof first), 64);
    ASSERT_EQ(systemEntropy(second, sizeof second), 64);
    EXPECT_NE(std::memcmp(first, second, sizeof first), 0);
    EXPECT_EQ(systemEntropy(first, 0), 0);
}
