// Date steps, text fields, palette, hit tests, sorting and geometry routines.
#include "PlotGeometry.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "ScopedLocale.h"
#include "TChartPen.h"

#include <QImage>
#include <QLocale>
#include <QObject>

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

using namespace PlotProcs;

namespace {

double dateValue(int y, int m, int d, int h = 0) { return toDateValue(QDateTime(QDate(y, m, d), QTime(h, 0))); }

} // namespace

TEST(TimeSteps, LookupAndNextStep)
{
    EXPECT_EQ(FindTimeStepIndex(1.0), 16);
    EXPECT_EQ(FindTimeStepIndex(0.5), 15);
    EXPECT_EQ(FindTimeStepIndex(0.3), kNoTimeStep);
    EXPECT_EQ(FindTimeStepIndex(365.0), 26);
    EXPECT_EQ(NextTimeStep(1.0), 2.0);
    EXPECT_EQ(NextTimeStep(400), 365.0);
    EXPECT_EQ(NextTimeStep(1e-12), 365.0);
}

TEST(TimeSteps, RoundDateToStep)
{
    const double t = dateValue(2024, 3, 20, 10);
    EXPECT_EQ(RoundDateToStep(20, t), dateValue(2024, 3, 15));
    EXPECT_EQ(RoundDateToStep(20, dateValue(2024, 3, 9, 4)), dateValue(2024, 3, 1));
    EXPECT_EQ(RoundDateToStep(23, t), dateValue(2024, 3, 1));
    EXPECT_EQ(RoundDateToStep(26, t), dateValue(2024, 1, 1));
    EXPECT_EQ(RoundDateToStep(3, t), dateValue(2024, 3, 20));
    EXPECT_EQ(RoundDateToStep(26, 1.5), 1.5);
    // No calendar reaches 1e19 days: the value stays, and a calendar step becomes a plain one.
    EXPECT_EQ(RoundDateToStep(26, 1e19), 1e19);
    double far = 1e19;
    StepDateTime(true, false, far, 26, 4e18);
    EXPECT_EQ(far, 6e18);
}

TEST(TimeSteps, CalendarStepping)
{
    const struct { bool up; int index; double from; double to; } cases[] = {
        {false, 25, dateValue(2024, 3, 15), dateValue(2023, 9, 1)},
        {true, 25, dateValue(2024, 9, 15), dateValue(2025, 3, 1)},
        {true, 21, dateValue(2024, 12, 31), dateValue(2025, 1, 1)},
        {false, 26, dateValue(2024, 2, 29), dateValue(2023, 2, 28)},
        {false, 20, dateValue(2024, 3, 20), dateValue(2024, 3, 15)},
        {false, 20, dateValue(2024, 3, 15), dateValue(2024, 3, 1)},
        {false, 20, dateValue(2024, 3, 1), dateValue(2024, 2, 15)},
        {true, 20, dateValue(2024, 3, 1), dateValue(2024, 3, 15)},
        {true, 20, dateValue(2024, 3, 15), dateValue(2024, 4, 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << (c.up ? " up from " : " down from ") << fromDateValue(c.from).toString().toStdString());
        double v = c.from;
        StepDateTime(true, c.up, v, c.index, 0);
        EXPECT_EQ(v, c.to);
    }
    double v = 10.0;
    StepDateTime(false, true, v, 25, 0.25);
    EXPECT_EQ(v, 10.25);
}

TEST(TextFields, CountExtractReplace)
{
    const QString sep = QStringLiteral(";");
    EXPECT_EQ(CountFields(QStringLiteral("a;b;c"), sep), 3);
    EXPECT_EQ(CountFields(QString(), sep), 0);
    EXPECT_EQ(ExtractField(QStringLiteral("a;b;c"), 2, sep), QStringLiteral("b"));
    EXPECT_EQ(ExtractField(QStringLiteral("a;b;c"), 5, sep), QStringLiteral("c"));
    EXPECT_EQ(ExtractField(QString(), 1, sep), QString());
    EXPECT_EQ(ExtractField(QStringLiteral("a;b"), 0, sep), QString());
    EXPECT_EQ(ReplaceChar(QStringLiteral("a,b,c"), u',', u'.'), QStringLiteral("a.b.c"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("a,b,c"), u',', QChar()), QStringLiteral("abc"));
}

TEST(TextFields, UniqueNames)
{
    QObject owner;
    auto *a = new QObject(&owner);
    a->setObjectName(QStringLiteral("Series1"));
    auto *b = new QObject(&owner);
    b->setObjectName(QStringLiteral("Series2"));
    EXPECT_EQ(GetUniqueName(&owner, QStringLiteral("Series")), QStringLiteral("Series3"));
    EXPECT_EQ(GetUniqueName(nullptr, QStringLiteral("Series")), QStringLiteral("Series1"));
    const auto taken = [](const QString &name) { return name == u"Pen1" || name == u"Pen2"; };
    EXPECT_EQ(GetUniqueName(taken, QStringLiteral("Pen")), QStringLiteral("Pen3"));
}

TEST(TextFields, NewComponentsAreNamedAfterTheirClassWithoutItsT)
{
    QObject owner;
    TChartPen first(&owner);
    first.setObjectName(newComponentName(&owner, first));
    const TChartPen second(&owner);
    EXPECT_EQ(first.objectName(), QStringLiteral("ChartPen1"));
    EXPECT_EQ(newComponentName(&owner, second), QStringLiteral("ChartPen2"));
    // A class without the leading T keeps its whole name.
    EXPECT_EQ(newComponentName(nullptr, owner), QStringLiteral("QObject1"));
}

TEST(TextFields, LocalSeparatorsRoundTrip)
{
    {
        const ScopedLocale german(QLocale(QLocale::German));
        EXPECT_EQ(FormatToLocalSeparators(QStringLiteral("#,##0.###")), QStringLiteral("#.##0,###"));
        EXPECT_EQ(FormatFromLocalSeparators(QStringLiteral("#.##0,###")), QStringLiteral("#,##0.###"));
    }
    {
        // French groups with a (narrow) no-break space, beyond Latin-1 but one character: swapped and back.
        const ScopedLocale french(QLocale(QLocale::French));
        const QString group = QLocale().groupSeparator();
        ASSERT_EQ(group.size(), 1);
        ASSERT_GT(group.at(0).unicode(), 0x7F);
        const QString format = QStringLiteral("#") + group + QStringLiteral("##0,###");
        EXPECT_EQ(FormatToLocalSeparators(QStringLiteral("#,##0.###")), format);
        EXPECT_EQ(FormatFromLocalSeparators(format), QStringLiteral("#,##0.###"));
    }
    const ScopedLocale c(QLocale::c());
    EXPECT_EQ(FormatToLocalSeparators(QStringLiteral("#,##0.###")), QStringLiteral("#,##0.###"));
}

TEST(Palette, DefaultColoursWrapAndCanBeReplaced)
{
    const struct { int index; TColor color; } cases[] = {{0, 0x0000FF}, {3, 0xFF0000}, {19, 0xA4A0A0}, {20, 0x0000FF}, {-1, 0xA4A0A0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(GetDefaultColor(c.index), c.color);
    }
    SetDefaultPalette({0x111111, 0x222222}, 1);
    EXPECT_EQ(GetDefaultColor(3), 0x222222u);
    SetDefaultPalette({0x111111}, 0);
    EXPECT_EQ(GetDefaultColor(3), 0xFF0000u);
}

TEST(HitTests, LinePolygonEllipse)
{
    const struct { TPoint p; bool in; } line[] = {{{5, 1}, true}, {{5, 2}, false}, {{11, 0}, true}, {{12, 0}, false}, {{0, 0}, true}};
    for (const auto &c : line) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(PointInLine(c.p, 0, 0, 10, 0), c.in);
    }
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(PointInPolygon({5, 5}, square, 3));
    EXPECT_TRUE(PointInPolygon({0, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({10, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({5, 5}, square, -1));
    EXPECT_TRUE(PointInEllipse({20, 5}, 0, 0, 20, 10));
    EXPECT_FALSE(PointInEllipse({20, 6}, 0, 0, 20, 10));
    EXPECT_FALSE(PointInEllipse({0, 5}, 0, 0, 0, 10));
    EXPECT_TRUE(PointInTriangle({5, 2}, 0, 10, 0, 10));
    EXPECT_FALSE(PointInTriangle({1, 9}, 0, 10, 0, 10));
}

TEST(HitTests, FarApartCornersDoNotOverflow)
{
    // Points of a zoomed series lie far outside the panel; their differences exceed 32 bits.
    const int big = 2000000000;
    const TPoint triangle[] = {{-big, -10}, {big, 10}, {-big, 10}};
    EXPECT_TRUE(PointInPolygon({0, 5}, triangle, 2));
    EXPECT_FALSE(PointInPolygon({1500000000, 5}, triangle, 2)); // the slanted edge is at x = 1e9
    EXPECT_TRUE(PointInEllipse({1750000000, 5}, 1500000000, 0, big, 10));
    EXPECT_FALSE(PointInEllipse({-1750000000, 5}, 1500000000, 0, big, 10));
    EXPECT_TRUE(PointInTriangle({1750000000, 9}, 1500000000, big, 0, 10));
    EXPECT_TRUE(PointInHorizTriangle({9, 1750000000}, 1500000000, big, 0, 10));
}

TEST(PlotSort, SortsEveryKindOfArray)
{
    std::mt19937 rng(7);
    std::vector<std::vector<int>> arrays = {{}, {1}, {2, 1}, {5, 5, 5, 5}};
    for (int n = 0; n <= 50; ++n) {
        std::vector<int> v(static_cast<std::size_t>(n));
        for (int &x : v)
            x = int(rng() % 5);
        arrays.push_back(v);
        std::vector<int> sorted(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            sorted[std::size_t(i)] = i;
        arrays.push_back(sorted);
        arrays.emplace_back(sorted.rbegin(), sorted.rend());
    }
    for (std::vector<int> v : arrays) {
        SCOPED_TRACE(v.size());
        std::vector<int> expected = v;
        std::sort(expected.begin(), expected.end());
        if (!v.empty())
            PlotSort(0, int(v.size()) - 1, [&](int a, int b) { return v[std::size_t(a)] - v[std::size_t(b)]; },
                     [&](int a, int b) { std::swap(v[std::size_t(a)], v[std::size_t(b)]); });
        EXPECT_EQ(v, expected);
    }
}

TEST(Geometry, PointAtDistanceGoesBackTowardTheStart)
{
    const struct { TPoint p0, p1; int d; TPoint out; } cases[] = {
        {{0, 0}, {10, 0}, 4, {6, 0}}, {{0, 10}, {0, 0}, 4, {0, 4}}, {{0, 0}, {6, 8}, 5, {3, 4}}, {{6, 8}, {0, 0}, 5, {3, 4}},
        {{0, 0}, {0, 10}, 4, {0, 6}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.p0.x << "," << c.p0.y << " -> " << c.p1.x << "," << c.p1.y);
        EXPECT_EQ(PlotGeometry::PointAtDistance(c.p0, c.p1, c.d), c.out);
    }
}

TEST(Geometry, RoundingHullAndOrientation)
{
    EXPECT_EQ(plotRound(2.5), 2);
    EXPECT_EQ(plotRound(-2.5), -2);
    EXPECT_EQ(plotRound(3.5), 4);
    EXPECT_EQ(plotRound(std::nan("")), 0);
    EXPECT_EQ(plotRound(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(mulDiv(16, 96, 72), 21);
    EXPECT_EQ(mulDiv(-3, 1, 2), -2); // half away from zero
    int cx = 0, cy = 0;
    PlotGeometry::RectCenter({-5, -5, 0, 0}, cx, cy);
    EXPECT_EQ(cx, -2);
    EXPECT_TRUE(PlotGeometry::IsClockwise({0, 10}, {0, 0}, {10, 0}) != PlotGeometry::IsClockwise({10, 0}, {0, 0}, {0, 10}));
    const TPointArray hull = PlotGeometry::ConvexHull({{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 2}});
    EXPECT_EQ(hull.size(), 4u);
    for (const TPoint &p : hull)
        EXPECT_TRUE((p.x == 0 || p.x == 10) && (p.y == 0 || p.y == 10));
    EXPECT_EQ(PlotGeometry::OrientRect({10, 20, 0, 5}), (TRect{0, 5, 10, 20}));
}

TEST(Geometry, InlineRoundingMatchesTheLibrarysTiesToEven)
{
    // Halves of both parities, neighbours of halves, the edges of the 2^52 shortcut, and a spread
    // of pixel-sized values.
    std::vector<double> values{0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 1e-300, 4503599627370495.5, 4503599627370496.0,
                               -4503599627370495.5, 9007199254740993.0, 1e300, -1e300};
    for (const double half : {0.5, 1048575.5, 2147483647.5})
        values.insert(values.end(), {std::nextafter(half, 0.0), std::nextafter(half, 1e9), -std::nextafter(half, 0.0)});
    for (int k = -4000; k <= 4000; ++k)
        values.push_back(k * 0.37 + k * 1e-7);
    for (const double v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(nearbyIntegral(v), std::nearbyint(v));
        EXPECT_EQ(plotRound(v), int(std::clamp(std::nearbyint(v), -2147483648.0, 2147483647.0)));
    }
    EXPECT_TRUE(std::isnan(nearbyIntegral(std::nan(""))));
    EXPECT_EQ(nearbyIntegral(-std::numeric_limits<double>::infinity()), -std::numeric_limits<double>::infinity());
}

TEST(Geometry, OrientationOfFarApartCornersDoesNotOverflow)
{
    // The differences alone exceed 32 bits: projected corners far outside the picture.
    const int big = 2000000000;
    EXPECT_TRUE(PlotGeometry::IsClockwiseTriangle({TPoint{-big, big}, TPoint{big, big}, TPoint{big, -big}})
                != PlotGeometry::IsClockwiseTriangle({TPoint{big, -big}, TPoint{big, big}, TPoint{-big, big}}));
    EXPECT_FALSE(PlotGeometry::IsClockwise({-big, 0}, {0, 0}, {big, 0})); // collinear
}

TEST(UnitServices, DefaultFormatFollowsTheStepInTheLibraryCodes)
{
    // Qt's short formats "HH:mm", "dd.MM.yy" and "h:mm AP", "M/d/yy" in the chart's own codes.
    const struct { QLocale locale; const char *time; const char *date; } cases[] = {
        {QLocale(QLocale::German), "hh:nn", "dd.mm.yy"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "h:nn ampm", "m/d/yy"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const ScopedLocale locale(c.locale);
        EXPECT_EQ(DateTimeDefaultFormat(0.5), QLatin1StringView(c.time));
        EXPECT_EQ(DateTimeDefaultFormat(1.0), QLatin1StringView(c.time));
        EXPECT_EQ(DateTimeDefaultFormat(2.0), QLatin1StringView(c.date));
    }
    EXPECT_EQ(DateTimeFormatFromQt(QStringLiteral("HH:mm:ss t")), QStringLiteral("hh:nn:ss"));
    EXPECT_EQ(DateTimeFormatFromQt(QStringLiteral("d 'de' MMMM")), QStringLiteral("d 'de' mmmm"));
}

TEST(UnitServices, EnableControlsSkipsAbsentOnes)
{
    // Any object with an "enabled" property stands in for a control.
    QObject first;
    QObject second;
    first.setProperty("enabled", true);
    second.setProperty("enabled", true);
    EnableControls(false, {&first, nullptr, &second});
    EXPECT_FALSE(first.property("enabled").toBool());
    EXPECT_FALSE(second.property("enabled").toBool());
    EnableControls(true, {&second});
    EXPECT_FALSE(first.property("enabled").toBool());
    EXPECT_TRUE(second.property("enabled").toBool());
}

TEST(UnitServices, DeviceAspectRatioAndRectangleForms)
{
    QImage wide(400, 200, QImage::Format_RGB32);
    wide.setDotsPerMeterX(3780);
    wide.setDotsPerMeterY(3780);
    EXPECT_NEAR(GetDeviceAspectRatio(&wide), 2.0, 0.02);
    EXPECT_EQ(GetDeviceAspectRatio(nullptr), 0.0);
    EXPECT_EQ(PlotIntToStr(-42), QStringLiteral("-42"));
    EXPECT_TRUE(PointInEllipseRect({20, 5}, {0, 0, 20, 10}));
    EXPECT_FALSE(PointInEllipseRect({20, 6}, {0, 0, 20, 10}));
    EXPECT_TRUE(PointInLineTolerancePoints({5, 3}, {0, 0}, {10, 0}, 2));
    EXPECT_FALSE(PointInLinePoints({5, 3}, {0, 0}, {10, 0}));
}
