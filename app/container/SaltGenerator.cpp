// SHA-1 pool generator that draws the salts of encrypted containers.
#include "SaltGenerator.h"

#include "Sha1Compress.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t loadLittleEndian(const unsigned char *bytes)
{
    return std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) | (std::uint32_t(bytes[2]) << 16)
        | (std::uint32_t(bytes[3]) << 24);
}

void storeLittleEndian(std::uint32_t value, unsigned char *bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

} // namespace

SaltGenerator::~SaltGenerator()
{
    Clear();
}

void SaltGenerator::Mix(std::array<unsigned char, kPoolSize> &buffer)
{
    constexpr int kDigest = 20;
    for (int i = 0; i < kPoolSize; i += kDigest) {
        // The chaining words are the previous slot as it stands now, so every slot depends on all before it.
        const int previous = (i + kPoolSize - kDigest) % kPoolSize;
        std::uint32_t state[5];
        for (int w = 0; w < 5; ++w)
            state[w] = loadLittleEndian(buffer.data() + previous + 4 * w);
        unsigned char block[64];
        for (int j = 0; j < 64; ++j)
            block[j] = buffer[(i + j) % kPoolSize];
        sha1Compress(state, block);
        for (int w = 0; w < 5; ++w)
            storeLittleEndian(state[w], buffer.data() + i + 4 * w);
    }
}

bool SaltGenerator::Refresh()
{
    m_output = m_pool;
    int filled = 0;
    while (filled < kPoolSize) {
        const int got = m_source ? m_source(m_pool.data() + filled, kPoolSize - filled) : 0;
        if (got <= 0) {
            // A failed source would otherwise spin here for ever or hand out predictable salts.
            m_ready = false;
            return false;
        }
        filled += std::min(got, kPoolSize - filled);
    }
    for (int j = 0; j < kPoolSize; ++j)
        m_pool[j] ^= static_cast<unsigned char>(~m_output[j]);
    Mix(m_pool);
    Mix(m_output);
    m_outputPosition = 0;
    m_ready = true;
    return true;
}

bool SaltGenerator::Init(EntropySource source)
{
    Clear();
    m_source = std::move(source);
    if (!Refresh())
        return false;
    for (int i = 0; i < 20; ++i)
        Mix(m_pool);
    return Refresh();
}

bool SaltGenerator::Random(unsigned char *out, int count)
{
    if (!m_ready)
        return false;
    for (int i = 0; i < count; ++i) {
        if (m_outputPosition == kPoolSize && !Refresh())
            return false;
        out[i] = m_output[m_outputPosition++];
    }
    return true;
}

void SaltGenerator::Clear()
{
    OPENSSL_cleanse(m_pool.data(), m_pool.size());
    OPENSSL_cleanse(m_output.data(), m_output.size());
    m_outputPosition = kPoolSize;
    m_ready = false;
}
