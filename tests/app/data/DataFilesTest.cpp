// Data files: text lines through the encrypted container, and what a damaged file gives.
#include "app/data/DataFiles.h"

#include "TestProgramFolder.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString kPassword = QStringLiteral("abcdefgh");
}

TEST(DataFiles, SplitsTextAtEveryKindOfLineEnd)
{
    EXPECT_EQ(textLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(textLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(textLines(""), QStringList{});
    EXPECT_EQ(textLines("Wässrig\tÄ"), QStringList{QStringLiteral("Wässrig\tÄ")});
    EXPECT_EQ(linesText({QStringLiteral("a"), QStringLiteral("ü")}), QByteArray("a\r\n\xc3\xbc\r\n"));
}

TEST(DataFiles, LinesSurviveSaveAndLoadUnderAnyCaseOfTheName)
{
    TestProgramFolder folder;
    const QStringList lines = {QStringLiteral("Kopf\tTEST"), QString(), QStringLiteral("Wasser\t999")};
    ASSERT_EQ(saveCryptFile(QStringLiteral("TENSO20.DAD"), kPassword, lines), DataFileError::None);
    QStringList loaded;
    ASSERT_EQ(loadCryptFile(QStringLiteral("tenso20.dad"), kPassword, &loaded), DataFileError::None);
    EXPECT_EQ(loaded, lines);
    // Saving under the other case replaces the same file instead of making a second one.
    ASSERT_EQ(saveCryptFile(QStringLiteral("tenso20.dad"), kPassword, {QStringLiteral("neu")}), DataFileError::None);
    ASSERT_EQ(loadCryptFile(QStringLiteral("TENSO20.DAD"), kPassword, &loaded), DataFileError::None);
    EXPECT_EQ(loaded, QStringList{QStringLiteral("neu")});
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("tenso20.dad"))));
}

TEST(DataFiles, AMissingOrDamagedFileGivesAnErrorAndNoLines)
{
    TestProgramFolder folder;
    QStringList loaded{QStringLiteral("old")};
    EXPECT_EQ(loadCryptFile(QStringLiteral("fehlt.dad"), kPassword, &loaded), DataFileError::Unreadable);
    EXPECT_TRUE(loaded.isEmpty());

    ASSERT_EQ(saveCryptFile(QStringLiteral("x.dad"), kPassword, {QStringLiteral("Zeile eins"), QStringLiteral("zwei")}),
              DataFileError::None);
    loaded = {QStringLiteral("old")};
    EXPECT_EQ(loadCryptFile(QStringLiteral("x.dad"), QStringLiteral("falsch!!"), &loaded), DataFileError::Damaged);
    EXPECT_TRUE(loaded.isEmpty());

    // One altered byte of the text: decrypting still works, but the tag does not match.
    QByteArray container;
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("x.dad")), &container));
    container[12] = char(container[12] ^ 0x01);
    ASSERT_TRUE(writeFileAtomically(folder.filePath(QStringLiteral("x.dad")), container));
    EXPECT_EQ(loadCryptFile(QStringLiteral("x.dad"), kPassword, &loaded), DataFileError::Damaged);
    EXPECT_TRUE(loaded.isEmpty());

    // A truncated file likewise.
    ASSERT_TRUE(writeFileAtomically(folder.filePath(QStringLiteral("x.dad")), container.left(15)));
    EXPECT_EQ(loadCryptFile(QStringLiteral("x.dad"), kPassword, &loaded), DataFileError::Damaged);
}

TEST(DataFiles, AFailedSaveLeavesTheOldFile)
{
    TestProgramFolder folder;
    ASSERT_EQ(saveCryptFile(QStringLiteral("a.dad"), kPassword, {QStringLiteral("alt")}), DataFileError::None);
    QByteArray before;
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("a.dad")), &before));

    // A full disk in the same folder: the new content cannot be written, which is said, and the
    // old file stays whole.
    DataFileError error = DataFileError::None;
    {
        const FileSizeLimit fullDisk;
        error = saveCryptFile(QStringLiteral("a.dad"), kPassword, {QStringLiteral("neu, und länger als zuvor")});
    }
    EXPECT_EQ(error, DataFileError::NotWritten);

    QByteArray after;
    ASSERT_TRUE(readWholeFile(folder.filePath(QStringLiteral("a.dad")), &after));
    EXPECT_EQ(after, before);
    QStringList loaded;
    ASSERT_EQ(loadCryptFile(QStringLiteral("a.dad"), kPassword, &loaded), DataFileError::None);
    EXPECT_EQ(loaded, QStringList{QStringLiteral("alt")});
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("a.dad*")}, QDir::Files), QStringList{QStringLiteral("a.dad")});

    // A program folder that is gone is reported the same way.
    qputenv("TENSIMO_PROGRAM_DIR", folder.filePath(QStringLiteral("gibt es nicht")).toUtf8());
    EXPECT_EQ(saveCryptFile(QStringLiteral("a.dad"), kPassword, {QStringLiteral("neu")}), DataFileError::NotWritten);
    qputenv("TENSIMO_PROGRAM_DIR", folder.path().toUtf8());
}
