// Rows of the value tables: ranges, unit fallback, number texts, failures.
#include "app/core/TableRows.h"

#include "TestRecords.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/VapourPressure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const RowFormat kGermanFixed{false, false, u'D', u'.'};

PressureAtTemperature recordPressure(const QString &record)
{
    return [c = readVapourPressureCoefficients(record)](long double T) { return vapourPressureBar(c, T); };
}

TemperatureAtPressure recordBoilingTemperature(const QString &record)
{
    return [c = readVapourPressureCoefficients(record)](long double p) { return boilingTemperatureK(c, p); };
}

StepRange w2000CelsiusRange()
{
    const std::optional<StepRange> range = wholeStepRange(274.15L - 273.15L, 373.15L - 273.15L);
    EXPECT_TRUE(range.has_value());
    return range.value_or(StepRange{});
}

} // namespace

TEST(TableRows, StepRangeLeavesOutAWholeLowerLimitAndNeverPassesTheUpperOne)
{
    struct Case {
        long double lower;
        long double upper;
        qint64 first;
        qint64 last;
    };
    const Case cases[] = {
        {250.0L, 300.0L, 251, 300}, // whole lower limit left out, whole upper limit kept
        {-5.3L, 10.7L, -4, 10}, // truncation toward zero at the lower end
        {-250.0L, -146.95L, -249, -147}, // a cryogenic upper limit in °C: never -146
        {0.25L, 0.75L, 1, 0}, // no whole step: empty
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << double(c.lower) << " .. " << double(c.upper));
        const std::optional<StepRange> range = wholeStepRange(c.lower, c.upper);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(range->first, c.first);
        EXPECT_EQ(range->last, c.last);
    }
    EXPECT_TRUE(wholeStepRange(-250.0L, -146.95L)->last <= -146.95L);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_FALSE(wholeStepRange(nan, 300.0L).has_value());
    EXPECT_FALSE(wholeStepRange(1.0L, std::numeric_limits<long double>::infinity()).has_value());
    EXPECT_FALSE(wholeStepRange(1.0L, 1.0e30L).has_value());
}

TEST(TableRows, TemperatureTableOfW2000InCelsiusAndBar)
{
    const TableRows table
        = buildTemperatureRows(w2000CelsiusRange(), QStringLiteral("°C"), QStringLiteral("bar"), recordPressure(w2000Record()), kGermanFixed);
    EXPECT_FALSE(table.failedAt.has_value());
    ASSERT_EQ(table.rows.size(), 99);
    EXPECT_EQ(table.rows.first(), QStringLiteral("2\t0,007"));
    EXPECT_EQ(table.rows.last(), QStringLiteral("100\t1,013"));
    EXPECT_EQ(table.rows.at(48), QStringLiteral("50\t0,123"));
}

TEST(TableRows, TenthStepsScientificNotationAndEnglishTexts)
{
    const QString record = w2000Record();
    const TableRows tenth = buildTemperatureRows(w2000CelsiusRange(), QStringLiteral("°C"), QStringLiteral("bar"),
                                                 recordPressure(record), {true, false, u'D', u'.'});
    ASSERT_EQ(tenth.rows.size(), 981);
    EXPECT_EQ(tenth.rows.first(), QStringLiteral(" 2,0\t0,007"));
    EXPECT_EQ(tenth.rows.at(3), QStringLiteral(" 2,3\t0,007")); // 23 / 10, not 23 x 0.1
    EXPECT_EQ(tenth.rows.last(), QStringLiteral(" 100,0\t1,013"));

    const TableRows scientific = buildTemperatureRows(w2000CelsiusRange(), QStringLiteral("°C"), QStringLiteral("bar"),
                                                      recordPressure(record), {false, true, u'D', u'.'});
    EXPECT_EQ(scientific.rows.at(1), QStringLiteral("3\t7.52052e-03"));
    // Scientific texts take the system's separator whatever the language.
    const TableRows commaSystem = buildTemperatureRows(w2000CelsiusRange(), QStringLiteral("°C"), QStringLiteral("bar"),
                                                       recordPressure(record), {false, true, u'E', u','});
    EXPECT_EQ(commaSystem.rows.at(1), QStringLiteral("3\t7,52052e-03"));

    const TableRows english = buildTemperatureRows(w2000CelsiusRange(), QStringLiteral("°C"), QStringLiteral("mbar"),
                                                   recordPressure(record), {true, false, u'E', u','});
    EXPECT_EQ(english.rows.first(), QStringLiteral(" 2.0\t7.001"));
}

TEST(TableRows, PressureTableFallsBackToTheSmallerUnitOnce)
{
    struct Case {
        QString unit;
        long double pminBar;
        long double pmaxBar;
        QString tableUnit;
        qint64 first;
        qint64 last;
    };
    const Case cases[] = {
        {QStringLiteral("bar"), 0.25L, 0.75L, QStringLiteral("mbar"), 251, 750},
        {QStringLiteral("m H2O"), 0.02L, 0.05L, QStringLiteral("mm H2O"), 204, 509},
        {QStringLiteral("KPa"), 0.002555L, 0.007555L, QStringLiteral("Pa"), 256, 755},
        {QStringLiteral("MPa"), 0.25L, 0.75L, QStringLiteral("Pa"), 25001, 75000},
        {QStringLiteral("bar"), 0.5L, 2.5L, QStringLiteral("bar"), 1, 2}, // spans a whole bar: unchanged
        {QStringLiteral("Torr"), 0.2L, 0.201L, QStringLiteral("Torr"), 151, 150}, // no smaller unit: empty
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.unit.toStdString());
        const PressureTablePlan plan = planPressureTable(c.unit, c.pminBar, c.pmaxBar);
        EXPECT_EQ(plan.unit, c.tableUnit);
        EXPECT_EQ(plan.unitChanged, c.unit != c.tableUnit);
        ASSERT_TRUE(plan.range.has_value());
        EXPECT_EQ(plan.range->first, c.first);
        EXPECT_EQ(plan.range->last, c.last);
    }
    // Even the smaller unit may hold no step: the table stays empty.
    const PressureTablePlan tiny = planPressureTable(QStringLiteral("bar"), 0.2501L, 0.2502L);
    EXPECT_EQ(tiny.unit, QStringLiteral("mbar"));
    EXPECT_TRUE(tiny.range->isEmpty());
    EXPECT_FALSE(planPressureTable(QStringLiteral("bar"), std::nanl(""), 1.0L).range.has_value());
}

TEST(TableRows, SizeQuestionAndPageCountLimits)
{
    const long double pminBar = vapourPressureBar(readVapourPressureCoefficients(w2000Record()), 274.15L);
    const long double pmaxBar = vapourPressureBar(readVapourPressureCoefficients(w2000Record()), 373.15L);
    const PressureTablePlan mbar = planPressureTable(QStringLiteral("mbar"), pminBar, pmaxBar);
    ASSERT_TRUE(mbar.range.has_value());
    EXPECT_EQ(mbar.range->first, 7);
    EXPECT_EQ(mbar.range->last, 1013);
    EXPECT_TRUE(needsSizeQuestion(*mbar.range));
    EXPECT_FALSE(needsSizeQuestion({1, 1001})); // last - first = 1000
    EXPECT_TRUE(needsSizeQuestion({1, 1002}));

    // A million rows at the most: a builder refuses more without building any.
    EXPECT_FALSE(exceedsRowLimit({1, 100000}, true)); // 999 991 rows
    EXPECT_TRUE(exceedsRowLimit({0, 100000}, true));
    EXPECT_FALSE(exceedsRowLimit({1, 1000000}, false));
    const TableRows refused = buildPressureRows({0, 100000}, QStringLiteral("Pa"), QStringLiteral("K"),
                                                recordBoilingTemperature(w2000Record()), {true, false, u'D', u'.'});
    EXPECT_TRUE(refused.rowLimitExceeded);
    EXPECT_TRUE(refused.rows.isEmpty());

    EXPECT_FALSE(needsPrintQuestion(0));
    EXPECT_FALSE(needsPrintQuestion(499));
    EXPECT_TRUE(needsPrintQuestion(500));
    EXPECT_TRUE(needsPrintQuestion(2000));
}

TEST(TableRows, BoilingTemperatureRowsHaveOneDecimal)
{
    const QString record = w2000Record();
    const TemperatureAtPressure temperatureAt = recordBoilingTemperature(record);
    const TableRows bar = buildPressureRows({1, 1}, QStringLiteral("bar"), QStringLiteral("°C"), temperatureAt, kGermanFixed);
    EXPECT_EQ(bar.rows, QStringList{QStringLiteral("1\t 99,6")});

    const TableRows tenth
        = buildPressureRows({1, 2}, QStringLiteral("bar"), QStringLiteral("K"), temperatureAt, {true, false, u'D', u'.'});
    ASSERT_EQ(tenth.rows.size(), 11);
    EXPECT_EQ(tenth.rows.first(), QStringLiteral(" 1,0\t 372,8"));
    EXPECT_TRUE(tenth.rows.last().startsWith(QStringLiteral(" 2,0\t")));
    // The scientific flag has no say over temperatures.
    EXPECT_EQ(buildPressureRows({1, 1}, QStringLiteral("bar"), QStringLiteral("°C"), temperatureAt, {false, true, u'D', u'.'}).rows,
              bar.rows);
}

TEST(TableRows, AValueThatIsNotANumberEndsTheTableAtItsRow)
{
    // The model fails above 40 (a pole, as an equation has beyond its range).
    const PressureAtTemperature failingAbove40 = [](long double T) {
        return T - 273.15L > 40.5L ? std::numeric_limits<long double>::quiet_NaN() : 1.0L;
    };
    for (const bool scientific : {false, true}) {
        SCOPED_TRACE(scientific ? "scientific" : "fixed");
        const TableRows table = buildTemperatureRows({1, 100}, QStringLiteral("°C"), QStringLiteral("bar"),
                                                     failingAbove40, {false, scientific, u'D', u'.'});
        ASSERT_EQ(table.rows.size(), 40);
        ASSERT_TRUE(table.failedAt.has_value());
        EXPECT_EQ(double(*table.failedAt), 41.0);
        for (const QString &row : table.rows)
            EXPECT_FALSE(row.contains(u'n')) << row.toStdString();
    }
    const TemperatureAtPressure failingAt = [](long double p) {
        return p > 1.25L ? std::numeric_limits<long double>::infinity() : 300.0L;
    };
    const TableRows pressure
        = buildPressureRows({1, 2}, QStringLiteral("bar"), QStringLiteral("K"), failingAt, {true, false, u'D', u'.'});
    EXPECT_EQ(pressure.rows.size(), 3);
    ASSERT_TRUE(pressure.failedAt.has_value());
    EXPECT_EQ(firstColumnText(*pressure.failedAt, true, u'D'), QStringLiteral("1,3"));
    EXPECT_EQ(firstColumnText(-4.0L, false, u'D'), QStringLiteral("-4"));
}

TEST(TableRows, ClipboardTextEndsEveryRowWithCrLf)
{
    EXPECT_EQ(tableClipboardText({QStringLiteral("1\t2"), QStringLiteral("3\t4")}), QStringLiteral("1\t2\r\n3\t4\r\n"));
    EXPECT_EQ(tableClipboardText({}), QString());
}

TEST(TableRows, EveryShippedSubstanceGivesBothTablesInEveryUnit)
{
    const QStringList lines = shippedSourceLines(QStringLiteral("tenso20.tsv"));
    ASSERT_GT(lines.size(), 100);
    int records = 0;
    int tooWide = 0;
    for (const QString &record : lines) {
        if (!record.startsWith(u'S') || record.count(u'\t') < 23)
            continue;
        ++records;
        SCOPED_TRACE(record.left(60).toStdString());
        const VapourPressureCoefficients c = readVapourPressureCoefficients(record);
        const long double TminK = numericField(record, kFieldMinTemperatureK);
        const long double TmaxK = numericField(record, kFieldMinTemperatureK + 1);
        // Each temperature unit with a pressure unit that changes from record to record.
        for (int i = 0; i < int(kTemperatureUnits.size()); ++i) {
            const QString tUnit = kTemperatureUnits.at(std::size_t(i)).toString();
            const QString pUnit = kPressureUnits.at(std::size_t(records + 5 * i) % kPressureUnits.size()).text.toString();
            const std::optional<StepRange> range
                = wholeStepRange(kelvinToTemperatureUnit(tUnit, TminK), kelvinToTemperatureUnit(tUnit, TmaxK));
            ASSERT_TRUE(range.has_value());
            const TableRows table = buildTemperatureRows(
                *range, tUnit, pUnit, [&c](long double T) { return vapourPressureBar(c, T); }, kGermanFixed);
            ASSERT_FALSE(table.failedAt.has_value()) << double(*table.failedAt) << ' ' << tUnit.toStdString();
            ASSERT_EQ(table.rows.size(), range->wholeSteps());
        }
        const long double pminBar = vapourPressureBar(c, TminK);
        const long double pmaxBar = vapourPressureBar(c, TmaxK);
        for (const PressureUnit &pressureUnit : kPressureUnits) {
            ASSERT_TRUE(std::isfinite(pminBar) && std::isfinite(pmaxBar));
            const PressureTablePlan plan = planPressureTable(pressureUnit.text.toString(), pminBar, pmaxBar);
            if (!plan.range) {
                // Only a range too wide to step through has no steps (it is reported, not built).
                EXPECT_GT(barToPressureUnit(pressureUnit.text, pmaxBar), 1.0e15L);
                ++tooWide;
                continue;
            }
            // Both ends of the range, where the iterations start farthest from the normal boiling point.
            const StepRange low{plan.range->first, std::min(plan.range->last, plan.range->first + 9)};
            const StepRange high{std::max(plan.range->first, plan.range->last - 9), plan.range->last};
            for (const StepRange &range : {low, high}) {
                const TableRows table = buildPressureRows(range, plan.unit, QStringLiteral("°C"),
                                                          [&c](long double p) { return boilingTemperatureK(c, p); },
                                                          kGermanFixed);
                ASSERT_FALSE(table.failedAt.has_value()) << double(*table.failedAt) << ' ' << plan.unit.toStdString();
            }
        }
    }
    EXPECT_GT(records, 1000);
    EXPECT_LT(tooWide, 20);
}
