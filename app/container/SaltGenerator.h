// SHA-1 pool generator that draws the salts of encrypted containers.
#pragma once

#include <array>
#include <functional>

// Fills up to length bytes of buffer and returns how many it filled; 0 or less means the source failed.
using EntropySource = std::function<int(unsigned char *buffer, int length)>;

class SaltGenerator
{
public:
    static constexpr int kPoolSize = 260; // 13 SHA-1 digests, the smallest multiple of 20 of at least 256

    SaltGenerator() = default;
    ~SaltGenerator();
    SaltGenerator(const SaltGenerator &) = delete;
    SaltGenerator &operator=(const SaltGenerator &) = delete;

    // Returns false when the entropy source fails; no salt may be drawn then.
    bool Init(EntropySource source);
    bool Random(unsigned char *out, int count);
    void Clear();

    // Chains one SHA-1 compression per 20-byte slot through the buffer, wrapping at its end.
    static void Mix(std::array<unsigned char, kPoolSize> &buffer);

private:
    bool Refresh();

    std::array<unsigned char, kPoolSize> m_pool {};
    std::array<unsigned char, kPoolSize> m_output {};
    int m_outputPosition = kPoolSize;
    EntropySource m_source;
    bool m_ready = false;
};
