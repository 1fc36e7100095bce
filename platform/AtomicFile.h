// Whole-file writes that either replace the old file completely or leave it untouched.
#pragma once

#include <QByteArray>
#include <QString>

// Writes data to a temporary file beside path and renames it over path. On failure the
// old file is unchanged, false is returned and errorText (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *errorText = nullptr);

// Reads a whole file; false (with the reason) when it cannot be opened or read.
bool readWholeFile(const QString &path, QByteArray *data, QString *errorText = nullptr);
