// Windows-1252 text for the file formats that need it (spreadsheet labels, WMF texts both ways).
#pragma once

#include <QByteArray>
#include <QString>

// One byte per character; "?" for a character the code page does not have.
QByteArray toCp1252(const QString &text);
// The text of Windows-1252 bytes; U+FFFD for the five bytes the code page leaves empty.
QString fromCp1252(const QByteArray &bytes);
