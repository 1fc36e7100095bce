// The data files of the solid-liquid and aqueous dialogs as the tests write them: their header
// lines, then a few solids, solutes and coefficient groups of round numbers.
#pragma once

#include "TestRecords.h"

#include <QString>
#include <QStringList>

// tenso4: five header lines, then sodium chloride without a limit and a test salt up to 350 K.
inline QStringList solidsFileLines()
{
    return {QStringLiteral("Feststoffe"), QStringLiteral("H2"), QStringLiteral("H3"), QStringLiteral("H4"),
            QStringLiteral("H5"),
            makeLine(10, {{1, QStringLiteral("S001")}, {2, QStringLiteral("Natriumchlorid")},
                          {4, QStringLiteral("Sodium chloride")}, {6, QStringLiteral("NaCl")},
                          {9, QStringLiteral("58.44")}}),
            makeLine(10, {{1, QStringLiteral("S002")}, {2, QStringLiteral("Testsalz-350")},
                          {4, QStringLiteral("Test salt 350")}, {6, QStringLiteral("XY")}, {9, QStringLiteral("100")},
                          {10, QStringLiteral("350")}})};
}

// A TENSO5 solute line from fields 3 to 12.
inline QString soluteLine(const QStringList &fields3to12)
{
    QStringList fields{QStringLiteral("A00"), QStringLiteral("TEST")};
    fields += fields3to12;
    while (fields.size() < 12)
        fields.append(QString());
    return fields.join(u'\t');
}

// A TENSO6 coefficient line: key (empty on later group lines), thresholds by mass % and by
// temperature, c1; c2..c6 are 0.
inline QString coefficientLine(const QString &key, const QString &massThreshold, const QString &temperatureThreshold,
                               const QString &c1)
{
    return makeLine(16, {{5, key}, {7, massThreshold}, {9, temperatureThreshold}, {11, c1}, {12, QStringLiteral("0")},
                         {13, QStringLiteral("0")}, {14, QStringLiteral("0")}, {15, QStringLiteral("0")},
                         {16, QStringLiteral("0")}});
}

// TENSO5: eleven header lines, then NaCl, KCl (25 °C only), TB (three lines by mass %), TC (two
// lines by temperature), R2080 (20 to 80 °C) and R90 (90 to 100 °C).
inline QStringList aqueousSoluteFileLines()
{
    QStringList lines;
    for (int i = 1; i <= 11; ++i)
        lines << QStringLiteral("H%1").arg(i);
    const auto s = [](const char *text) { return soluteLine(QString::fromUtf8(text).split(u'|')); };
    lines << s("Natriumchlorid|Sodium chloride|NaCl|58.44|A|0|26|0|100")
          << s("Kaliumchlorid|Potassium chloride|KCl|74.55|A|0|25|*||25") << s("Typ B|Type B|TB|100|B|0|30|0|100")
          << s("Typ C|Type C|TC|100|C|0|30|0|100") << s("Bereichstest|Range test|R2080|100|A|0|30|20|80")
          << s("Heiß|Hot|R90|100|A|0|30|90|100");
    return lines;
}

// TENSO6: seven header lines, then the groups of the solutes above.
inline QStringList aqueousCoefficientFileLines()
{
    QStringList lines;
    for (int i = 1; i <= 7; ++i)
        lines << QStringLiteral("H%1").arg(i);
    const QString none;
    lines << coefficientLine(QStringLiteral("NaCl"), none, none, QStringLiteral("-0.0146"))
          << coefficientLine(QStringLiteral("KCl"), none, none, QStringLiteral("-0.0140"))
          << coefficientLine(QStringLiteral("TB"), QStringLiteral("10"), none, QStringLiteral("-0.01"))
          << coefficientLine(none, QStringLiteral("20"), none, QStringLiteral("-0.02"))
          << coefficientLine(none, QStringLiteral("99"), none, QStringLiteral("-0.03"))
          << coefficientLine(QStringLiteral("TC"), none, QStringLiteral("50"), QStringLiteral("-0.01"))
          << coefficientLine(none, none, QStringLiteral("999"), QStringLiteral("-0.02"))
          << coefficientLine(QStringLiteral("R2080"), none, none, QStringLiteral("-0.01"))
          << coefficientLine(QStringLiteral("R90"), none, none, QStringLiteral("-0.01"));
    return lines;
}
