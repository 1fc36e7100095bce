// The measured-values file as shipped (data/tenso7.tsv): every line names its source and has
// ascending points, its names find exactly one substance of the database, its points lie within
// 50 % of that record where it holds, and the computed water line agrees with the program's own
// saturation pressure.
#include "DataListCheck.h"

#include "app/core/RecordFields.h"
#include "app/core/VapourPressure.h"
#include "app/data/SubstanceDatabase.h"
#include "app/core/WaterSaturation.h"

#include <gtest/gtest.h>

#include <QHash>

#include <cmath>
#include <limits>

namespace {

constexpr int kHeaderLines = 10;
constexpr int kSource = 11;
constexpr int kFirstPoint = 12;

QStringList measuredLines()
{
    return sourceLines(QStringLiteral("data/tenso7.tsv")).mid(kHeaderLines);
}

QStringList databaseRecords()
{
    return splitDatabaseFile(sourceLines(QStringLiteral("data/tenso20.tsv"))).records;
}

struct Point
{
    long double celsius = 0;
    long double kPa = 0;
};

// The points up to the first empty temperature, as the window reads them.
QList<Point> points(QStringView line)
{
    QList<Point> out;
    const auto fields = line.split(u'\t');
    for (qsizetype i = kFirstPoint - 1; i < fields.size() && !fields.at(i).isEmpty(); i += 2)
        out.append({dataNumber(fields.at(i)), i + 1 < fields.size() ? dataNumber(fields.at(i + 1)) : std::numeric_limits<long double>::quiet_NaN()});
    return out;
}

// A source, at least two points, temperatures strictly ascending, pressures numbers > 0.
QStringList lineProblems(QStringView line)
{
    QStringList problems;
    if (getField(line, kSource).trimmed().isEmpty())
        problems << QStringLiteral("no source");
    const QList<Point> list = points(line);
    if (list.size() < 2)
        problems << QStringLiteral("%1 points").arg(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!(list.at(i).kPa > 0))
            problems << QStringLiteral("point %1: pressure not a number > 0").arg(i + 1);
        if (!std::isfinite(list.at(i).celsius) || (i > 0 && !(list.at(i).celsius > list.at(i - 1).celsius)))
            problems << QStringLiteral("point %1: temperature not above the one before").arg(i + 1);
    }
    return problems;
}

// The German and the other-language list texts (name TAB formula) each equal those of exactly one
// record, and of the same one.
QStringList nameProblems(const QString &line, const QStringList &records)
{
    int german = 0;
    int other = 0;
    int both = 0;
    for (const QString &record : records) {
        const bool d = listItemText(record, u'D') == listItemText(line, u'D');
        const bool e = listItemText(record, u'E') == listItemText(line, u'E');
        german += d;
        other += e;
        both += d && e;
    }
    if (german == 1 && other == 1 && both == 1)
        return {};
    return {QStringLiteral("\"%1\" / \"%2\": %3, %4 and %5 records")
                .arg(listItemText(line, u'D'), listItemText(line, u'E'))
                .arg(german).arg(other).arg(both)};
}

// Each point of the water line within 1e-5 of IAPWS-IF97 as the program computes it.
QStringList waterProblems(QStringView line)
{
    QStringList problems;
    for (const Point &p : points(line)) {
        const long double programKPa = 100.0L * waterSaturationPressureBar(p.celsius + 273.15L);
        if (!(std::fabs(p.kPa / programKPa - 1.0L) <= 1e-5L))
            problems << QStringLiteral("%1 °C: %2 kPa, the program %3 kPa")
                            .arg(double(p.celsius)).arg(double(p.kPa)).arg(double(programKPa), 0, 'g', 9);
    }
    return problems;
}

QString waterLine(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (getField(line, 3) == u"7732-18-5")
            return line;
    }
    return {};
}

} // namespace

TEST(ShippedMeasuredValues, EveryLineHasASourceAndAscendingPoints)
{
    const QStringList lines = measuredLines();
    EXPECT_GE(lines.size(), 2);
    for (const QString &line : lines) {
        SCOPED_TRACE(getField(line, 5).toString().toStdString());
        EXPECT_EQ(lineProblems(line), QStringList());
    }
}

TEST(ShippedMeasuredValues, NamesFindExactlyOneDatabaseRecord)
{
    const QStringList records = databaseRecords();
    for (const QString &line : measuredLines())
        EXPECT_EQ(nameProblems(line, records), QStringList());
}

TEST(ShippedMeasuredValues, WaterLineIsTheProgramsSaturationPressure)
{
    const QString water = waterLine(measuredLines());
    ASSERT_FALSE(water.isEmpty());
    EXPECT_GE(points(water).size(), 30);
    EXPECT_EQ(waterProblems(water), QStringList());
}

TEST(ShippedMeasuredValues, ChecksReportBrokenLines)
{
    const QString water = waterLine(measuredLines());
    ASSERT_FALSE(water.isEmpty());
    // Water's points start 0,01 / 0,611657; 10 / 1,22818; 20 / 2,33921.
    struct Case { const char *what; QString line; };
    const Case cases[] = {
        {"no source", withField(water, kSource, QString())},
        {"one point", water.section(QLatin1Char('\t'), 0, kFirstPoint).append(QLatin1Char('\t'))},
        {"repeated temperature", withField(water, kFirstPoint + 2, QStringLiteral("0,01"))},
        {"zero pressure", withField(water, kFirstPoint + 1, QStringLiteral("0"))},
        {"unreadable pressure", withField(water, kFirstPoint + 3, QStringLiteral("1,2x"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(lineProblems(c.line).isEmpty());
    }
    const QStringList records = databaseRecords();
    EXPECT_FALSE(nameProblems(withField(water, 9, QStringLiteral("HO2")), records).isEmpty());
    EXPECT_FALSE(nameProblems(withField(water, 7, QStringLiteral("Dihydrogen oxide")), records).isEmpty());
    EXPECT_FALSE(nameProblems(water, records + QStringList{water}).isEmpty()); // two records of that name
    EXPECT_FALSE(waterProblems(withField(water, kFirstPoint + 3, QStringLiteral("1,22830"))).isEmpty());
}

TEST(ShippedMeasuredValues, PointsLieWithinHalfOfTheirRecordWhereItIsValid)
{
    QHash<QString, QString> byCas;
    for (const QString &record : databaseRecords())
        byCas.insert(getField(record, 3).toString(), record);
    int checked = 0;
    for (const QString &line : measuredLines()) {
        const QString record = byCas.value(getField(line, 3).toString());
        ASSERT_FALSE(record.isEmpty());
        SCOPED_TRACE(getField(line, 5).toString().toStdString());
        for (const Point &p : points(line)) {
            const long double kelvin = p.celsius + 273.15L;
            if (kelvin < numericField(record, 21) || kelvin > numericField(record, 22))
                continue;
            ++checked;
            const long double ratio = 100.0L * calcRecordPressure(record, kelvin) / p.kPa;
            EXPECT_TRUE(ratio >= 0.5L && ratio <= 1.5L) << double(p.celsius) << " °C: the record gives " << double(ratio)
                                                        << " times the point";
        }
    }
    EXPECT_GT(checked, 250);
}
