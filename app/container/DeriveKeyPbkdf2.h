// PBKDF2 with HMAC-SHA1, the key derivation of encrypted containers.
#pragma once

#include <cstddef>

// Writes outLength bytes of key material; false when the crypto library refuses.
bool DeriveKeyPbkdf2(const unsigned char *password, std::size_t passwordLength, const unsigned char *salt,
                     std::size_t saltLength, int iterations, unsigned char *out, std::size_t outLength);
