// Changing the substance database file.
#include "app/data/RecordFileEdit.h"

#include "app/container/DataPasswords.h"
#include "platform/ProgramFolder.h"

RecordFileEditResult editDatabaseFile(const RecordFileChange &change)
{
    const QString password = QString::fromLatin1(DataPasswords::kDatabase);
    RecordFileEditResult result;
    result.filePath = programFilePath(kDatabaseFileForEditing);
    QStringList lines;
    result.error = loadCryptFile(kDatabaseFileForEditing, password, &lines);
    if (result.error != DataFileError::None) {
        result.failedStep = RecordFileStep::Load;
        return result;
    }
    if (!change(lines)) {
        result.failedStep = RecordFileStep::Change;
        return result;
    }
    result.error = saveCryptFile(kDatabaseFileForEditing, password, lines);
    if (result.error != DataFileError::None)
        result.failedStep = RecordFileStep::Save;
    return result;
}

RecordFileChange removingFirstRecord(const QString &record)
{
    return [record](QStringList &lines) {
        const qsizetype at = lines.indexOf(record);
        if (at < 0)
            return false;
        lines.removeAt(at);
        return true;
    };
}
