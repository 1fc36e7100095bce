// Changing the database file as one operation: which step fails, what stays on disk.
#include "app/data/RecordFileEdit.h"

#include "TestProgramFolder.h"
#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <optional>

TEST(RecordFileEdit, ChangesAndSavesOnlyWhenEveryStepWorks)
{
    const QString methan = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    struct Case {
        const char *what;
        QString removed;
        bool damaged;
        bool fullDisk;
        RecordFileStep failedStep;
        DataFileError error;
    };
    const Case cases[] = {
        {"removes the first equal line", methan, false, false, RecordFileStep::None, DataFileError::None},
        {"record not there", QStringLiteral("fehlt"), false, false, RecordFileStep::Change, DataFileError::None},
        {"damaged file", methan, true, false, RecordFileStep::Load, DataFileError::Damaged},
        {"full disk", methan, false, true, RecordFileStep::Save, DataFileError::NotWritten},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestProgramFolder folder;
        folder.writeDatabase({w2000Record(), methan, methan});
        const QString file = folder.filePath(kDatabaseFile);
        QByteArray before;
        readWholeFile(file, &before);
        if (c.damaged) {
            before[30] = char(before[30] ^ 0x10);
            writeFileAtomically(file, before);
        }
        RecordFileEditResult result;
        {
            std::optional<FileSizeLimit> fullDisk;
            if (c.fullDisk)
                fullDisk.emplace();
            result = editDatabaseFile(removingFirstRecord(c.removed));
        }
        EXPECT_EQ(result.failedStep, c.failedStep);
        EXPECT_EQ(result.error, c.error);
        // Opened as "TENSO20.DAD", the file lies as "tenso20.dad": that is the name reported.
        EXPECT_EQ(result.filePath, file);
        QByteArray after;
        readWholeFile(file, &after);
        if (result.ok()) {
            EXPECT_EQ(folder.databaseLines().mid(3), (QStringList{w2000Record(), methan}));
        } else {
            EXPECT_EQ(after, before) << "a failed edit writes nothing";
        }
    }
}
