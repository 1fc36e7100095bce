// A full disk for the time of a scope: files cannot grow beyond a few bytes (a file-size limit;
// root ignores permissions, not this).
#pragma once

#include <sys/resource.h>

class FileSizeLimit
{
public:
    FileSizeLimit();
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};
