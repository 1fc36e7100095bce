// Whole-file writes replace the old file completely or not at all.
#include "platform/AtomicFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>

TEST(AtomicFile, ReplacesTheOldContentAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tenso20.dad"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("old content, longer than the new one")));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("new")));
    QByteArray data;
    ASSERT_TRUE(readWholeFile(path, &data));
    EXPECT_EQ(data, QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tenso20.dad")});
}

TEST(AtomicFile, AFailedWriteIsReportedAndLeavesNoTrace)
{
    QTemporaryDir dir;
    // A folder stands where the file should go: the final rename must fail.
    const QString path = dir.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked")));
    QString error;
    EXPECT_FALSE(writeFileAtomically(path, QByteArray("data"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});

    error.clear();
    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("missing/folder/file")), QByteArray("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(AtomicFile, ReadingAMissingFileFailsWithAReason)
{
    QTemporaryDir dir;
    QByteArray data("unchanged");
    QString error;
    EXPECT_FALSE(readWholeFile(dir.filePath(QStringLiteral("none")), &data, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(AtomicFile, AShortWriteIsReportedAndTheOldFileStaysWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tenso20.dad"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("the old, complete content")));

    // A full disk, made with a file-size limit (root ignores permissions, not this limit).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    QString error;
    const bool written = writeFileAtomically(path, QByteArray("a new content that does not fit"), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    QByteArray data;
    ASSERT_TRUE(readWholeFile(path, &data));
    EXPECT_EQ(data, QByteArray("the old, complete content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tenso20.dad")});
}
