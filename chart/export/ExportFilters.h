// The library's save-dialog filters ("Bitmaps (*.bmp)|*.bmp|...": titles and patterns in turn)
// as a file dialog takes them.
#pragma once

#include <QString>
#include <QStringList>

namespace ExportFilters {

// One name filter per title: "Bitmaps (*.bmp)".
QStringList nameFilters(const QString &filter);
// The extension, lower case and without dot, of the 1-based filter's pattern ("*.bmp" gives
// "bmp"); empty for an index out of range.
QString extension(const QString &filter, int index);
// The path with ".extension" added when its file name has no extension.
QString withExtension(const QString &path, const QString &extension);

} // namespace ExportFilters
