// Loading and saving the encrypted data files of the program folder as text lines.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The data files of the program folder, under the names the program opens them by; a file is
// found whatever the case of its name.
inline const QString kDatabaseFile = QStringLiteral("tenso20.dad");
// The record editor and the deletion load and save the database under this name.
inline const QString kDatabaseFileForEditing = QStringLiteral("TENSO20.DAD");
inline const QString kMeasuredValuesFile = QStringLiteral("tenso7.dad");
inline const QString kSolidsFile = QStringLiteral("tenso4.dad");
inline const QString kAqueousSolutesFile = QStringLiteral("TENSO5.DAD");
inline const QString kAqueousCoefficientsFile = QStringLiteral("TENSO6.DAD");
inline const QString kGlobalTextsFile = QStringLiteral("varglob.gru");
inline const QString kFormTextsFile = QStringLiteral("varsonst.gru");

// Chunk size of every container operation on a data file.
inline constexpr int kDataFileBufferSize = 262144;

// Splits decrypted text into lines at CR LF, CR or LF; a final line end adds no empty line.
QStringList textLines(const QByteArray &utf8Text);
// Joins lines, each followed by CR LF, as UTF-8.
QByteArray linesText(const QStringList &lines);

// What went wrong with a data file; the windows word it from the language table.
enum class DataFileError {
    None,
    Unreadable, // missing or not readable
    Damaged, // wrong password, truncated or altered
    NotWritten,
};

// Reads and decrypts a file of the program folder (name found whatever its case).
// On success lines holds its text lines. A missing file, a wrong password or a damaged
// container gives an error and an empty list: a damaged file must
// never be taken for data, least of all by a caller that saves the list again.
DataFileError loadCryptFile(const QString &fileName, const QString &password, QStringList *lines);

// Encrypts the lines with a fresh salt and replaces the file atomically: on failure the old
// file stays as it was.
DataFileError saveCryptFile(const QString &fileName, const QString &password, const QStringList &lines);
