// Keys, counter-mode AES keystream and HMAC-SHA1 state of one container operation.
#pragma once

#include <cstddef>
#include <memory>

inline constexpr int ERR_PASSWORD_TOO_LONG = -100;
inline constexpr int ERR_BAD_MODE = -101;
// The crypto library refused to set up a key; not expected on a sound installation.
inline constexpr int ERR_KEY_SETUP_FAILED = -102;

inline constexpr std::size_t kMaxPasswordLength = 128; // bytes
inline constexpr int kPbkdf2Iterations = 1000;

// Mode 1..3 selects AES-128/192/256.
constexpr int saltLengthForMode(int mode) { return 4 * mode + 4; }
constexpr int keyLengthForMode(int mode) { return 8 * mode + 8; }

class CipherContext
{
public:
    static constexpr int kBlockSize = 16;
    static constexpr int kDigestSize = 20;

    CipherContext();
    ~CipherContext();
    CipherContext(const CipherContext &) = delete;
    CipherContext &operator=(const CipherContext &) = delete;

    // XORs the keystream into data; the counter and the keystream position carry over between calls.
    bool transform(unsigned char *data, std::size_t length);
    bool authenticate(const unsigned char *data, std::size_t length);
    bool finishAuthentication(unsigned char digest[kDigestSize]);

    int mode() const { return m_mode; }

private:
    friend int InitCipherContext(CipherContext &context, int mode, const unsigned char *password,
                                 std::size_t passwordLength, const unsigned char *salt, unsigned char verifier[2]);

    struct Impl;

    std::unique_ptr<Impl> m_impl;
    unsigned char m_counter[kBlockSize] {};
    unsigned char m_keystream[kBlockSize] {};
    int m_position = kBlockSize;
    int m_mode = 0;
    bool m_keyed = false;
};

// Derives the keys from password and salt (saltLengthForMode(mode) bytes) and returns the 2 verifier bytes.
// Returns 0, ERR_PASSWORD_TOO_LONG, ERR_BAD_MODE or ERR_KEY_SETUP_FAILED.
int InitCipherContext(CipherContext &context, int mode, const unsigned char *password, std::size_t passwordLength,
                      const unsigned char *salt, unsigned char verifier[2]);
