// Entropy from the operating system's random source, for the salt generator.
#pragma once

// Fills up to length bytes from the OS random source; returns the number filled, 0 when the source fails.
int systemEntropy(unsigned char *buffer, int length);
