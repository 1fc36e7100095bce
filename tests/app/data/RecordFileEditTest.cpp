// Changing the database file as one operation: which step fails, what stays on disk.
#include "app/data/RecordFileEdit.h"

#include "TestProgramFolder.h"
#include "platform/AtomicFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

TEST(RecordFileEdit, ChangesAndSavesOnlyWhenEveryStepWorks)
{
    const QString methan = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    struct Case {
        const char *what;
        std::function<void(TestProgramFolder &)> spoil; // runs after the database is written
        QString removed;
        bool fullDisk;
        RecordFileStep failedStep;
        DataFileError error;
    };
    const Case cases[] = {
        {"removes the first equal line", {}, methan, false, RecordFileStep::None, DataFileError::None},
        {"record not there", {}, QStringLiteral("fehlt"), false, RecordFileStep::Change, DataFileError::None},
        {"missing file", [](TestProgramFolder &f) { QFile::remove(f.filePath(kDatabaseFile)); }, methan, false,
         RecordFileStep::Load, DataFileError::Unreadable},
        {"damaged file",
         [](TestProgramFolder &f) {
             QByteArray data;
             readWholeFile(f.filePath(kDatabaseFile), &data);
             data[30] = char(data[30] ^ 0x10);
             writeFileAtomically(f.filePath(kDatabaseFile), data);
         },
         methan, false, RecordFileStep::Load, DataFileError::Damaged},
        {"full disk", {}, methan, true, RecordFileStep::Save, DataFileError::NotWritten},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestProgramFolder folder;
        folder.writeDatabase({w2000Record(), methan, methan});
        if (c.spoil)
            c.spoil(folder);
        QByteArray before;
        readWholeFile(folder.filePath(kDatabaseFile), &before);

        RecordFileEditResult result;
        {
            std::optional<FileSizeLimit> fullDisk;
            if (c.fullDisk)
                fullDisk.emplace();
            result = editDatabaseFile(removingFirstRecord(c.removed));
        }
        EXPECT_EQ(result.failedStep, c.failedStep);
        EXPECT_EQ(result.error, c.error);
        QByteArray after;
        readWholeFile(folder.filePath(kDatabaseFile), &after);
        if (result.ok()) {
            EXPECT_EQ(folder.databaseLines().mid(3), (QStringList{w2000Record(), methan}));
        } else {
            EXPECT_EQ(after, before) << "a failed edit writes nothing";
        }
        // The file opened as "TENSO20.DAD" lies as "tenso20.dad": that is the name reported.
        if (c.failedStep != RecordFileStep::Load)
            EXPECT_EQ(result.filePath, folder.filePath(kDatabaseFile));
    }
}
