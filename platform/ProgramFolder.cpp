// The program folder and case-insensitive file lookup.
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder()
{
    const QString configured = qEnvironmentVariable(kProgramFolderVariable);
    if (!configured.isEmpty())
        return QDir(configured).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString findFileIgnoringCase(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

QString programFilePath(const QString &fileName)
{
    return findFileIgnoringCase(programFolder(), fileName);
}
