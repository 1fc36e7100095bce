// Changing the substance database file as one operation: load, change the lines, save. It shows
// no box (this layer has no widgets); it says which step failed and on which file, and the
// window words it. Deleting a record and the record editor both go through it.
#pragma once

#include "app/data/DataFiles.h"

#include <QString>
#include <QStringList>

#include <functional>

// A change to the file's lines, its header lines included. False when it cannot be made (the
// record is not there); nothing is saved then.
using RecordFileChange = std::function<bool(QStringList &lines)>;

enum class RecordFileStep { None, Load, Change, Save };

struct RecordFileEditResult
{
    RecordFileStep failedStep = RecordFileStep::None;
    DataFileError error = DataFileError::None; // why the load or the save failed
    QString filePath; // the file in the program folder, its name as it lies there
    bool ok() const { return failedStep == RecordFileStep::None; }
};

// Loads the database (kDatabaseFileForEditing) through the loader that refuses a damaged or
// wrongly keyed file, applies the change and replaces the file atomically. A failed load or
// change writes nothing; a failed save leaves the old file as it was.
RecordFileEditResult editDatabaseFile(const RecordFileChange &change);

// The change that removes the first line equal to the record.
RecordFileChange removingFirstRecord(const QString &record);

// Why the record editor's change was not made.
enum class UserRecordRefusal {
    None,
    DuplicateName, // another record of the file has the name in the name field
    RecordMissing, // the record to be changed is no longer in the file
};

// The record editor's save. Without an old line it appends the new one; with one, it replaces
// every line equal to it (none there: RecordMissing). Either way it is refused when a record of
// the file (not one of those replaced) has the new line's name in nameField (5 in German, 7
// otherwise): lookups by name and formula would find the wrong record. The refusal is written to
// *refusal.
RecordFileChange savingUserRecord(const QString &oldLine, const QString &newLine, int nameField,
                                  UserRecordRefusal *refusal);
