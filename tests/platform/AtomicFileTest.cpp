// Whole-file writes replace the old file completely or not at all.
#include "platform/AtomicFile.h"

#include <QDir>
#include <QTemporaryDir>

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
