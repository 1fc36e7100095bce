// Keys, counter-mode AES keystream and HMAC-SHA1 state of one container operation.
#include "CipherContext.h"

#include "DeriveKeyPbkdf2.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

struct CipherContext::Impl
{
    Impl()
        : cipher(EVP_CIPHER_CTX_new())
        , mac(EVP_MAC_fetch(nullptr, "HMAC", nullptr))
        , macContext(mac ? EVP_MAC_CTX_new(mac) : nullptr)
    {
    }
    ~Impl()
    {
        EVP_MAC_CTX_free(macContext);
        EVP_MAC_free(mac);
        EVP_CIPHER_CTX_free(cipher);
    }
    Impl(const Impl &) = delete;
    Impl &operator=(const Impl &) = delete;

    EVP_CIPHER_CTX *cipher;
    EVP_MAC *mac;
    EVP_MAC_CTX *macContext;
};

namespace {

// Counter blocks encrypted per library call: the per-call overhead dominates with single blocks.
constexpr int kBatchBlocks = 256;

const EVP_CIPHER *blockCipherForMode(int mode)
{
    switch (mode) {
    case 1:
        return EVP_aes_128_ecb();
    case 2:
        return EVP_aes_192_ecb();
    default:
        return EVP_aes_256_ecb();
    }
}

std::uint64_t loadLittleEndian64(const unsigned char *bytes)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void storeLittleEndian64(std::uint64_t value, unsigned char *bytes)
{
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Word-wise: byte loops here and in the counter fill cost about a third of the throughput.
void xorInto(unsigned char *data, const unsigned char *keystream, std::size_t length)
{
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t a;
        std::uint64_t b;
        std::memcpy(&a, data + i, 8);
        std::memcpy(&b, keystream + i, 8);
        a ^= b;
        std::memcpy(data + i, &a, 8);
    }
    for (; i < length; ++i)
        data[i] ^= keystream[i];
}

} // namespace

CipherContext::CipherContext() = default;

CipherContext::~CipherContext()
{
    OPENSSL_cleanse(m_keystream, sizeof m_keystream);
}

bool CipherContext::transform(unsigned char *data, std::size_t length)
{
    if (!m_keyed)
        return false;
    std::size_t done = 0;
    while (done < length && m_position < kBlockSize)
        data[done++] ^= m_keystream[m_position++];

    unsigned char counters[kBatchBlocks * kBlockSize];
    unsigned char keystream[kBatchBlocks * kBlockSize];
    int usedBlocks = 0;
    while (done < length) {
        const std::size_t left = length - done;
        const int blocks = static_cast<int>(std::min<std::size_t>((left + kBlockSize - 1) / kBlockSize, kBatchBlocks));
        // Bytes 0..7 count as one little-endian integer; bytes 8..15 stay zero, so this is not the library's
        // CTR mode.
        std::uint64_t counter = loadLittleEndian64(m_counter);
        std::memset(counters, 0, std::size_t(blocks) * kBlockSize);
        for (int b = 0; b < blocks; ++b)
            storeLittleEndian64(++counter, counters + b * kBlockSize);
        storeLittleEndian64(counter, m_counter);
        usedBlocks = std::max(usedBlocks, blocks);
        int produced = 0;
        if (EVP_EncryptUpdate(m_impl->cipher, keystream, &produced, counters, blocks * kBlockSize) != 1
            || produced != blocks * kBlockSize) {
            return false;
        }
        const std::size_t take = std::min<std::size_t>(left, std::size_t(produced));
        xorInto(data + done, keystream, take);
        done += take;
        // Keep the last block: a later call goes on with its unused bytes.
        std::memcpy(m_keystream, keystream + (blocks - 1) * kBlockSize, kBlockSize);
        m_position = static_cast<int>(take - std::size_t(blocks - 1) * kBlockSize);
    }
    OPENSSL_cleanse(keystream, std::size_t(usedBlocks) * kBlockSize);
    return true;
}

bool CipherContext::authenticate(const unsigned char *data, std::size_t length)
{
    return m_keyed && (length == 0 || EVP_MAC_update(m_impl->macContext, data, length) == 1);
}

bool CipherContext::finishAuthentication(unsigned char digest[kDigestSize])
{
    if (!m_keyed)
        return false;
    std::size_t written = 0;
    return EVP_MAC_final(m_impl->macContext, digest, &written, kDigestSize) == 1 && written == kDigestSize;
}

int InitCipherContext(CipherContext &context, int mode, const unsigned char *password, std::size_t passwordLength,
                      const unsigned char *salt, unsigned char verifier[2])
{
    if (passwordLength > kMaxPasswordLength)
        return ERR_PASSWORD_TOO_LONG;
    if (mode < 1 || mode > 3)
        return ERR_BAD_MODE;

    context.m_keyed = false;
    context.m_mode = mode;
    context.m_position = CipherContext::kBlockSize;
    std::memset(context.m_counter, 0, sizeof context.m_counter);
    if (!context.m_impl)
        context.m_impl = std::make_unique<CipherContext::Impl>();
    CipherContext::Impl &impl = *context.m_impl;
    if (!impl.cipher || !impl.macContext)
        return ERR_KEY_SETUP_FAILED;

    // AES key, HMAC key, then the 2 verifier bytes.
    const int keyLength = keyLengthForMode(mode);
    unsigned char material[2 * 32 + 2];
    const std::size_t materialLength = std::size_t(2 * keyLength + 2);
    bool ok = DeriveKeyPbkdf2(password, passwordLength, salt, std::size_t(saltLengthForMode(mode)),
                              kPbkdf2Iterations, material, materialLength);
    ok = ok && EVP_EncryptInit_ex(impl.cipher, blockCipherForMode(mode), nullptr, material, nullptr) == 1
        && EVP_CIPHER_CTX_set_padding(impl.cipher, 0) == 1;
    if (ok) {
        char digestName[] = "SHA1";
        const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digestName, 0),
                                     OSSL_PARAM_construct_end()};
        ok = EVP_MAC_init(impl.macContext, material + keyLength, std::size_t(keyLength), params) == 1;
    }
    if (ok) {
        verifier[0] = material[2 * keyLength];
        verifier[1] = material[2 * keyLength + 1];
    }
    OPENSSL_cleanse(material, sizeof material);
    if (!ok)
        return ERR_KEY_SETUP_FAILED;
    context.m_keyed = true;
    return 0;
}
