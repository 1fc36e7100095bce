// The measured points of a data line: which are read, how the list shows them, and the
// interpolation on the stored values.
#include "TestRecords.h"

#include "app/core/MeasuredPoints.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString measuredLine(const QStringList &points)
{
    return measuredLine(QStringLiteral("Wasser-Test"), QStringLiteral("Testdaten"), points);
}

const QString kWaterTest = measuredLine({"20", "2,339", "40", "7,385", "60", "19,946"});

QStringList pointTexts(const QString &line, QChar letter = u'D')
{
    QStringList texts;
    for (const MeasuredPoint &point : measuredPoints(line))
        texts.append(measuredPointText(point, letter, u'.'));
    return texts;
}

} // namespace

TEST(MeasuredPoints, ReadsThePointsUpToTheFirstEmptyTemperatureAndSkipsUnusableOnes)
{
    struct Case
    {
        const char *what;
        QString line;
        QStringList texts;
    };
    const Case cases[] = {
        {"three points", kWaterTest, {"20\t0,023", "40\t0,074", "60\t0,199"}},
        {"repeated temperature, p = 0", measuredLine({"10", "1", "10", "2", "20", "0", "30", "3"}),
         {"10\t0,010", "30\t0,030"}},
        {"unreadable or falling temperature, negative or missing pressure",
         measuredLine({"1x", "1", "5", "1", "4", "2", "6", "-2", "7", "", "8", "3"}), {"5\t0,010", "8\t0,030"}},
        {"ends at an empty temperature", measuredLine({"10", "1", "", "2", "30", "3"}), {"10\t0,010"}},
        {"no points", measuredLine({}), {}},
        {"below 0,0005 bar: the exponent form", measuredLine({"-187,62", "0,00017", "-100", "0,06"}),
         {"-187,62\t1,70000e-06", "-100\t0,001"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pointTexts(c.line), c.texts);
    }
    EXPECT_EQ(pointTexts(kWaterTest, u'E').first(), QStringLiteral("20\t0.023"));
}

TEST(MeasuredPoints, InterpolatesLogPressureOverInverseTemperatureOnTheStoredValues)
{
    const QList<MeasuredPoint> points = measuredPoints(kWaterTest);
    struct Case
    {
        long double kelvin;
        long double bar;
    };
    // 30 °C from the shown pressures (0,023 and 0,074 bar) would be 0.042058 bar.
    const Case cases[] = {{293.15L, 0.02339L},          {303.15L, 0.0423570682062L}, {313.15L, 0.07385L},
                          {323.15L, 0.123247950318L}, {333.15L, 0.19946L},         {293.15L - 1e-10L, 0.02339L}};
    for (const Case &c : cases) {
        SCOPED_TRACE(double(c.kelvin));
        EXPECT_NEAR(double(interpolateMeasuredPressureBar(points, c.kelvin) / c.bar), 1.0, 1e-11);
    }
    const RangeLimits range = measuredTemperatureRange(points);
    EXPECT_EQ(double(range.TminK), double(293.15L));
    EXPECT_EQ(double(range.TmaxK), double(333.15L));
    EXPECT_TRUE(std::isnan(interpolateMeasuredPressureBar(points, 292.15L)));
    EXPECT_TRUE(std::isnan(interpolateMeasuredPressureBar(points, 334.15L)));
    EXPECT_TRUE(std::isnan(interpolateMeasuredPressureBar({}, 300.0L)));
    EXPECT_TRUE(std::isnan(measuredPointsModel(points).temperatureKAt(0.05L)));
    EXPECT_EQ(double(measuredPointsModel(points).pressureBarAt(313.15L)), double(interpolateMeasuredPressureBar(points, 313.15L)));
}
