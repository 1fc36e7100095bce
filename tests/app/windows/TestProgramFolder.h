// A program folder of its own for a test: language tables, a test database, settings.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Record of a water-like test substance with a Torr/°C Antoine equation, valid 1-100 °C.
QString w2000Record();
// The same record with other name, CAS, atom counts, code and coefficients.
QString testRecord(const QString &name, const QString &cas, int carbon, int hydrogen, const QString &code = QStringLiteral("2000"),
                   const QString &source = QStringLiteral("T001"));

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
    // The database file's decrypted lines.
    QStringList databaseLines() const;

    static QStringList shippedSourceLines(const QString &sourceName);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldFolder;
};
