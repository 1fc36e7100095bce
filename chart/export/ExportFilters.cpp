// Save-dialog filters.
#include "ExportFilters.h"

#include <QFileInfo>

namespace ExportFilters {

QStringList nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList titles;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        titles.append(parts.at(i));
    return titles;
}

QString extension(const QString &filter, int index)
{
    const QStringList parts = filter.split(u'|');
    const qsizetype pattern = 2 * qsizetype(index) - 1;
    if (index < 1 || pattern >= parts.size())
        return {};
    const QString &text = parts.at(pattern);
    const qsizetype dot = text.indexOf(u'.');
    return dot < 0 ? QString() : text.mid(dot + 1).toLower();
}

QString withExtension(const QString &path, const QString &extension)
{
    if (!QFileInfo(path).suffix().isEmpty() || extension.isEmpty())
        return path;
    return path + u'.' + extension.toLower();
}

} // namespace ExportFilters
