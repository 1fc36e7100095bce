// Windows-1252 text for the file formats that need it (spreadsheet labels, WMF texts).
#pragma once

#include <QByteArray>
#include <QString>

// One byte per character; "?" for a character the code page does not have.
QByteArray toCp1252(const QString &text);
