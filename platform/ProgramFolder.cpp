// The program folder and case-insensitive file lookup.
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    const QString configured = qEnvironmentVariable(kProgramFolderVariable);
    if (!configured.isEmpty())
        return QDir(configured).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString findFileIgnoringCase(const QString &folder, const QString &fileName)
{
    // Every spelling of a name must reach the same file: the database is read as "tenso20.dad" and
    // saved as "TENSO20.DAD", and with two files that differ only in case a save would go to the
    // file the list never reads. So the first match in name order wins, whatever case was asked for.
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(fileName);
}

QString programFilePath(const QString &fileName)
{
    return findFileIgnoringCase(programFolder(), fileName);
}
