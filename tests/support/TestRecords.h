// Record lines and readable data files for the application's tests.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

// A line of fieldCount tab-separated fields with the given fields (1-based) filled and the rest empty.
inline QString makeLine(int fieldCount, std::initializer_list<std::pair<int, QString>> fields)
{
    QStringList parts(fieldCount);
    for (const auto &[n, text] : fields)
        parts[n - 1] = text;
    return parts.join(u'\t');
}

// The line with field n (1-based) replaced.
inline QString withField(const QString &line, int n, const QString &value)
{
    QStringList fields = line.split(u'\t');
    fields[n - 1] = value;
    return fields.join(u'\t');
}

// A 24-field record line with the given fields (1-based) filled and the rest empty.
inline QString makeRecord(std::initializer_list<std::pair<int, QString>> fields)
{
    return makeLine(24, fields);
}

// Record of a water-like test substance with a Torr/°C Antoine equation, valid 1-100 °C.
inline QString w2000Record()
{
    return QStringLiteral("S\tT001\t7732-18-5\ttest\tTestwasser\t\tTest water\t\tH2O\t0\t2\t18,015\t273,15\t373,15\t2000\t"
                          "8,07131\t1730,63\t233,426\t0\t0\t274,15\t373,15\t647,3\t221,2");
}

// The same record with other name, CAS, atom counts, code and source.
inline QString testRecord(const QString &name, const QString &cas, int carbon, int hydrogen,
                          const QString &code = QStringLiteral("2000"), const QString &source = QStringLiteral("T001"))
{
    return QStringList{QStringLiteral("S"), source, cas, QStringLiteral("test"), name, QString(),
                       QStringLiteral("Test ") + name, QString(), QStringLiteral("H2O"), QString::number(carbon),
                       QString::number(hydrogen), QStringLiteral("18,015"), QStringLiteral("273,15"),
                       QStringLiteral("373,15"), code, QStringLiteral("8,07131"), QStringLiteral("1730,63"),
                       QStringLiteral("233,426"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("274,15"),
                       QStringLiteral("373,15"), QStringLiteral("647,3"), QStringLiteral("221,2")}
        .join(u'\t');
}

// A line of the measured-values file for a water-like test substance: CAS 7732-18-5, names `name` and
// "Test " + name, formula H2O, the source in field 11, then the points (temperature °C, pressure kPa).
inline QString measuredLine(const QString &name, const QString &source, const QStringList &points)
{
    return QStringList{QStringLiteral("M"), QStringLiteral("T"), QStringLiteral("7732-18-5"), QString(), name,
                       QString(), QStringLiteral("Test ") + name, QString(), QStringLiteral("H2O"),
                       QString::number(points.size() / 2), source}
               .join(u'\t')
        + u'\t' + points.join(u'\t');
}

// Water and ethanol with Torr/°C Antoine equations, for the mixture and solution tests.
inline QString waterTestRecord()
{
    return makeRecord({{5, QStringLiteral("Wasser-Test")}, {7, QStringLiteral("Water-Test")}, {9, QStringLiteral("H2O")},
                       {10, QStringLiteral("0")}, {11, QStringLiteral("2")}, {12, QStringLiteral("18.015")},
                       {13, QStringLiteral("273.15")}, {14, QStringLiteral("373.15")}, {15, QStringLiteral("2000")},
                       {16, QStringLiteral("8.07131")}, {17, QStringLiteral("1730.63")}, {18, QStringLiteral("233.426")},
                       {21, QStringLiteral("274.0")}, {22, QStringLiteral("373.0")}, {23, QStringLiteral("647.1")},
                       {24, QStringLiteral("220.64")}});
}

inline QString ethanolTestRecord(const QString &name = QStringLiteral("Ethanol-Test"),
                                 const QString &molarMass = QStringLiteral("46.07"))
{
    return makeRecord({{5, name}, {7, name}, {9, QStringLiteral("C2H6O")}, {10, QStringLiteral("2")},
                       {11, QStringLiteral("6")}, {12, molarMass}, {13, QStringLiteral("159.0")},
                       {14, QStringLiteral("351.44")}, {15, QStringLiteral("2000")}, {16, QStringLiteral("8.20417")},
                       {17, QStringLiteral("1642.89")}, {18, QStringLiteral("230.300")}, {21, QStringLiteral("250.3")},
                       {22, QStringLiteral("370.0")}, {23, QStringLiteral("513.9")}, {24, QStringLiteral("61.48")}});
}

// The lines of a UTF-8 text file (LF or CR LF; a final line end adds no empty line).
inline QStringList readTextLines(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// A readable source of the shipped data files, e.g. "varglob.tsv".
inline QStringList shippedSourceLines(const QString &sourceName)
{
    return readTextLines(QStringLiteral(TENSIMO_SOURCE_DIR "/data/") + sourceName);
}

// The shipped database's records of a CAS number (field 3).
inline QStringList shippedRecords(QStringView cas)
{
    QStringList records;
    for (const QString &line : shippedSourceLines(QStringLiteral("tenso20.tsv")).mid(3)) {
        if (line.section(u'\t', 2, 2) == cas)
            records.append(line);
    }
    return records;
}

// Rows of a tab-separated fixture below tests/data, header line and empty lines dropped.
inline QList<QStringList> readFixtureRows(const QString &relativePath)
{
    const QStringList lines = readTextLines(QStringLiteral(TENSIMO_TEST_DATA_DIR "/") + relativePath);
    QList<QStringList> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            rows.append(lines[i].split(u'\t'));
    }
    return rows;
}
