// A program folder of its own for a test.
#include "TestProgramFolder.h"

#include "app/DataFiles.h"
#include "app/container/DataPasswords.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFolder.h"

#include <QSettings>

#include <gtest/gtest.h>

QString testRecord(const QString &name, const QString &cas, int carbon, int hydrogen, const QString &code,
                   const QString &source)
{
    return QStringList{QStringLiteral("S"), source, cas, QStringLiteral("test"), name, QString(),
                       QStringLiteral("Test ") + name, QString(), QStringLiteral("H2O"), QString::number(carbon),
                       QString::number(hydrogen), QStringLiteral("18,015"), QStringLiteral("273,15"),
                       QStringLiteral("373,15"), code, QStringLiteral("8,07131"), QStringLiteral("1730,63"),
                       QStringLiteral("233,426"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("274,15"),
                       QStringLiteral("373,15"), QStringLiteral("647,3"), QStringLiteral("221,2")}
        .join(u'\t');
}

QString w2000Record()
{
    return QStringLiteral("S\tT001\t7732-18-5\ttest\tTestwasser\t\tTest water\t\tH2O\t0\t2\t18,015\t273,15\t373,15\t2000\t"
                          "8,07131\t1730,63\t233,426\t0\t0\t274,15\t373,15\t647,3\t221,2");
}

QStringList TestProgramFolder::shippedSourceLines(const QString &sourceName)
{
    QByteArray text;
    const QString path = QStringLiteral(TENSIMO_SOURCE_DIR "/data/") + sourceName;
    EXPECT_TRUE(readWholeFile(path, &text)) << path.toStdString();
    return textLines(text);
}

TestProgramFolder::TestProgramFolder()
    : m_oldFolder(qgetenv(kProgramFolderVariable))
{
    qputenv(kProgramFolderVariable, m_dir.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
    const QString password = QString::fromLatin1(DataPasswords::kLanguage);
    EXPECT_EQ(saveCryptFile(QStringLiteral("varglob.gru"), password, shippedSourceLines(QStringLiteral("varglob.tsv"))),
              DataFileError::None);
    EXPECT_EQ(saveCryptFile(QStringLiteral("varsonst.gru"), password, shippedSourceLines(QStringLiteral("varsonst.tsv"))),
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
    EXPECT_EQ(saveCryptFile(QStringLiteral("tenso20.dad"), QString::fromLatin1(DataPasswords::kDatabase), lines),
              DataFileError::None);
}

QStringList TestProgramFolder::databaseLines() const
{
    QStringList lines;
    EXPECT_EQ(loadCryptFile(QStringLiteral("TENSO20.DAD"), QString::fromLatin1(DataPasswords::kDatabase), &lines),
              DataFileError::None);
    return lines;
}
