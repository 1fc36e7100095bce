// Entropy from the operating system's random source, for the salt generator.
#include "SystemEntropy.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/random.h>
#endif

// A clock counter was once the source here, which made salts predictable; only the OS source is used now.
int systemEntropy(unsigned char *buffer, int length)
{
    if (length <= 0)
        return 0;
#if defined(__linux__)
    for (;;) {
        const ssize_t got = getrandom(buffer, static_cast<size_t>(length), 0);
        if (got > 0)
            return static_cast<int>(got);
        if (got < 0 && errno != EINTR)
            break; // old kernel without the call: fall back to the device
    }
#endif
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    ssize_t got;
    do {
        got = ::read(fd, buffer, static_cast<size_t>(length));
    } while (got < 0 && errno == EINTR);
    ::close(fd);
    return got > 0 ? static_cast<int>(got) : 0;
}
