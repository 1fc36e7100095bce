// A program folder of its own for a test.
#include "TestProgramFolder.h"

#include "app/container/DataPasswords.h"
#include "app/data/DataFiles.h"
#include "platform/ProgramFolder.h"

#include <QSettings>


#include <gtest/gtest.h>

TestProgramFolder::TestProgramFolder()
    : m_oldFolder(qgetenv(kProgramFolderVariable))
{
    qputenv(kProgramFolderVariable, m_dir.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
    const QString password = QString::fromLatin1(DataPasswords::kLanguage);
    EXPECT_EQ(saveCryptFile(kGlobalTextsFile, password, shippedSourceLines(QStringLiteral("varglob.tsv"))),
              DataFileError::None);
    EXPECT_EQ(saveCryptFile(kFormTextsFile, password, shippedSourceLines(QStringLiteral("varsonst.tsv"))),
              DataFileError::None);
}

TestProgramFolder::~TestProgramFolder()
{
    if (m_oldFolder.isEmpty())
        qunsetenv(kProgramFolderVariable);
    else
        qputenv(kProgramFolderVariable, m_oldFolder);
}

void TestProgramFolder::writeDatabase(const QStringList &records, const QString &label)
{
    QStringList lines{QStringLiteral("H\t") + label, QStringLiteral("H"), QStringLiteral("H")};
    lines += records;
    writeDataFile(kDatabaseFile, QString::fromLatin1(DataPasswords::kDatabase), lines);
}

void TestProgramFolder::writeDataFile(const QString &name, const QString &password, const QStringList &lines)
{
    EXPECT_EQ(saveCryptFile(name, password, lines), DataFileError::None) << name.toStdString();
}

QStringList TestProgramFolder::databaseLines() const
{
    QStringList lines;
    EXPECT_EQ(loadCryptFile(kDatabaseFileForEditing, QString::fromLatin1(DataPasswords::kDatabase), &lines),
              DataFileError::None);
    return lines;
}
