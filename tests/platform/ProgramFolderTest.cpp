// The program folder and the case-insensitive lookup of data files.
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Sets the folder variable for one test and restores the old value afterwards.
struct ScopedProgramFolder {
    QByteArray old = qgetenv(kProgramFolderVariable);
    explicit ScopedProgramFolder(const QString &folder) { qputenv(kProgramFolderVariable, folder.toUtf8()); }
    ~ScopedProgramFolder()
    {
        if (old.isEmpty())
            qunsetenv(kProgramFolderVariable);
        else
            qputenv(kProgramFolderVariable, old);
    }
};

} // namespace

TEST(ProgramFolder, IsTheExecutablesFolderUnlessTheVariableNamesAnother)
{
    {
        ScopedProgramFolder unset(QString{});
        qunsetenv(kProgramFolderVariable);
        EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
    }
    QTemporaryDir dir;
    ScopedProgramFolder folder(dir.path());
    EXPECT_EQ(programFolder(), QDir(dir.path()).absolutePath());
}

TEST(ProgramFolder, FindsDataFilesWhateverTheCaseOfTheirNames)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("TENSO20.DAD")));
    ScopedProgramFolder folder(dir.path());
    for (const char *asked : {"tenso20.dad", "TENSO20.DAD", "Tenso20.Dad"}) {
        SCOPED_TRACE(asked);
        EXPECT_EQ(programFilePath(QString::fromLatin1(asked)), dir.filePath(QStringLiteral("TENSO20.DAD")));
    }
    // A file that is not there keeps the name its caller gave, so it can be created.
    EXPECT_EQ(programFilePath(QStringLiteral("neu.dad")), dir.filePath(QStringLiteral("neu.dad")));
}

TEST(ProgramFolder, EverySpellingReachesOneFileWhenTwoDifferOnlyInCase)
{
    // The list reads "tenso20.dad" and the record editor saves "TENSO20.DAD": both must be one file.
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("tenso20.dad")));
    touch(dir.filePath(QStringLiteral("TENSO20.DAD")));
    const QString found = findFileIgnoringCase(dir.path(), QStringLiteral("tenso20.dad"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("TENSO20.DAD")), found);
    EXPECT_EQ(findFileIgnoringCase(dir.path(), QStringLiteral("Tenso20.dad")), found);
}
