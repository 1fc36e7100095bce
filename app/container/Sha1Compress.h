// One SHA-1 compression step, for the salt generator's pool mixing.
#pragma once

#include <cstdint>

// Runs the 80 rounds of SHA-1 on one 64-byte block (message words big-endian) and adds the result into state.
void sha1Compress(std::uint32_t state[5], const unsigned char block[64]);
