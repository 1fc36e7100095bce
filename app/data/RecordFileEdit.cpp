// Changing the substance database file.
#include "app/data/RecordFileEdit.h"

#include "app/container/DataPasswords.h"
#include "app/core/RecordFields.h"
#include "app/data/SubstanceDatabase.h"
#include "platform/ProgramFolder.h"

#include <algorithm>

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

RecordFileChange savingUserRecord(const QString &oldLine, const QString &newLine, int nameField,
                                  UserRecordRefusal *refusal)
{
    return [=](QStringList &lines) {
        *refusal = UserRecordRefusal::None;
        const QStringView name = getField(newLine, nameField);
        for (qsizetype i = kDatabaseHeaderLines; i < lines.size(); ++i) {
            const QString &line = lines.at(i);
            if (line != oldLine && getField(line, nameField) == name) {
                *refusal = UserRecordRefusal::DuplicateName;
                return false;
            }
        }
        if (oldLine.isEmpty()) {
            lines.append(newLine);
            return true;
        }
        if (!lines.contains(oldLine)) {
            *refusal = UserRecordRefusal::RecordMissing;
            return false;
        }
        std::replace(lines.begin(), lines.end(), oldLine, newLine);
        return true;
    };
}
