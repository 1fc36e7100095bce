// PBKDF2 with HMAC-SHA1, the key derivation of encrypted containers.
#include "DeriveKeyPbkdf2.h"

#include <openssl/evp.h>

#include <climits>

bool DeriveKeyPbkdf2(const unsigned char *password, std::size_t passwordLength, const unsigned char *salt,
                     std::size_t saltLength, int iterations, unsigned char *out, std::size_t outLength)
{
    if (passwordLength > INT_MAX || saltLength > INT_MAX || outLength > INT_MAX || iterations < 1)
        return false;
    // An empty password is legal; OpenSSL only wants a non-null pointer for it.
    static const char kEmpty[1] = {};
    const char *passwordChars = password ? reinterpret_cast<const char *>(password) : kEmpty;
    return PKCS5_PBKDF2_HMAC(passwordChars, static_cast<int>(passwordLength), salt, static_cast<int>(saltLength),
                             iterations, EVP_sha1(), static_cast<int>(outLength), out)
        == 1;
}
