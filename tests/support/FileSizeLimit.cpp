// The file-size limit of a test scope; writing past it fails with EFBIG instead of a signal.
#include "FileSizeLimit.h"

#include <csignal>

#include <gtest/gtest.h>

FileSizeLimit::FileSizeLimit()
{
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_saved), 0);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = m_saved;
    tiny.rlim_cur = 8;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
}
