// A program folder of its own for a test: language tables, a test database, settings.
#pragma once

#include "FileSizeLimit.h"
#include "TestRecords.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestProgramFolder
{
public:
    // Points the program folder and the user settings at a fresh temporary folder and writes
    // the shipped language tables into it.
    TestProgramFolder();
    ~TestProgramFolder();

    TestProgramFolder(const TestProgramFolder &) = delete;
    TestProgramFolder &operator=(const TestProgramFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Writes the database file: three header lines (label in field 2 of the first), then records.
    void writeDatabase(const QStringList &records, const QString &label = QStringLiteral("TEST"));
    // Writes a data file of the program folder (header lines included) under its password.
    void writeDataFile(const QString &name, const QString &password, const QStringList &lines);
    // The database file's decrypted lines.
    QStringList databaseLines() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldFolder;
};
