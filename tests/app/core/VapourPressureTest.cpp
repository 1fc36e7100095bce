// Vapour pressure and boiling temperature from record lines, for every equation code.
#include "TestRecords.h"

#include "app/core/VapourPressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

QString text(long double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", x);
    return QString::fromLatin1(buffer);
}

// The record fields read by the equations.
struct Fields
{
    Fields(const QString &codeText, long double a = 0, long double b = 0, long double c = 0, long double d = 0,
           long double e = 0)
        : code(codeText), A(a), B(b), C(c), D(d), E(e)
    {
    }
    QString code;
    long double A, B, C, D, E;
    QString Tm = QStringLiteral("273.15");
    QString Tb = QStringLiteral("373.15");
    QString Tmin;
    QString Tmax;
    QString Tc = QStringLiteral("647.096");
    QString Pc = QStringLiteral("220.64");
};

QString record(const Fields &f)
{
    return makeRecord({{1, QStringLiteral("Wasser")}, {13, f.Tm}, {14, f.Tb}, {15, f.code}, {16, text(f.A)},
                       {17, text(f.B)}, {18, text(f.C)}, {19, text(f.D)}, {20, text(f.E)}, {21, f.Tmin}, {22, f.Tmax},
                       {23, f.Tc}, {24, f.Pc}});
}

// Water by ln(p/Pa) = 73.649 - 7258.2/T - 7.3037 ln T (Perry's DIPPR set without its T^2 term),
// which the forms "2", "4", "5" and "6" can all express exactly.
constexpr long double kA = 73.649L, kB = 7258.2L, kC = -7.3037L;
const long double kLn10 = std::log(10.0L);

long double reducedWaterBar(long double T)
{
    return std::exp(kA - kB / T + kC * std::log(T)) / 100000.0L;
}

Fields code2(long double D = 0) { return {QStringLiteral("2"), kA - std::log(100000.0L), kB, kC, D}; }
// D of code "2" (K^2/bar, natural log) carried over to code "4" (K^2/kPa, decimal log).
Fields code4(long double D = 0)
{
    return {QStringLiteral("4"), (kA - std::log(1000.0L)) / kLn10, -kB / kLn10, kC, D / (100.0L * kLn10)};
}
Fields code5(long double D = 0) { return {QStringLiteral("5"), kA, -kB, kC, D}; }
Fields code101(long double D = 0, long double E = 6) { return {QStringLiteral("101"), kA, -kB, kC, D, E}; }
Fields code6() { return {QStringLiteral("6"), -kB / kLn10, kC, 0, kA / kLn10 - 2.0L}; }

// McGarry's Wagner 3-6 set for water, as in the reference vectors.
Fields wagner(const QString &code)
{
    Fields f{code, -7.76451L, 1.45838L, -2.7758L, -1.23303L};
    f.Tc = QStringLiteral("647.35");
    f.Pc = QStringLiteral("221.223");
    return f;
}

long double unlimitedWagnerBar(const Fields &f, long double T)
{
    const long double Tc = f.Tc.toDouble();
    const long double tau = 1.0L - T / Tc;
    const long double sum = f.A * tau + f.B * std::pow(tau, 1.5L) + f.C * std::pow(tau, 3.0L) + f.D * std::pow(tau, 6.0L);
    return f.Pc.toDouble() * std::exp(Tc / T * sum);
}

void expectRelative(long double actual, long double expected, double tolerance)
{
    EXPECT_NEAR(double(actual / expected), 1.0, tolerance) << double(actual) << " vs " << double(expected);
}

} // namespace

TEST(VapourPressure, ReproducesTheReferenceVectorsOfEveryCode)
{
    const QList<QStringList> rows = readFixtureRows(QStringLiteral("app/code_vectors.tsv"));
    ASSERT_EQ(rows.size(), 342);
    for (const QStringList &row : rows) {
        const QString line = makeRecord({{1, row[0]}, {15, row[3]}, {16, row[4]}, {17, row[5]}, {18, row[6]},
                                         {19, row[7]}, {20, row[8]}, {21, row[11]}, {22, row[12]},
                                         {23, row[9]}, {24, row[10]}});
        const long double T = row[13].toDouble();
        const long double expected = row[14].toDouble();
        SCOPED_TRACE(testing::Message() << row[0].toStdString() << " code " << row[3].toStdString() << " at " << row[13].toStdString() << " K");
        const long double p = calcRecordPressure(line, T);
        expectRelative(p, expected, 1e-7);
        if (row[3] == u"3" || row[3] == u"1.8" || row[3] == u"2000")
            expectRelative(calcRecordBoilingTemperature(line, p), T, 1e-12);
    }
}

TEST(VapourPressure, CommaDecimalsInTheRecordReadLikePoints)
{
    const QString point = makeRecord({{15, QStringLiteral("1.8")}, {16, QStringLiteral("7.11564")}, {17, QStringLiteral("1687.537")}, {18, QStringLiteral("-42.98")}});
    const QString comma = makeRecord({{15, QStringLiteral("1.8")}, {16, QStringLiteral("7,11564")}, {17, QStringLiteral("1687,537")}, {18, QStringLiteral("-42,98")}});
    EXPECT_EQ(calcRecordPressure(comma, 373.2L), calcRecordPressure(point, 373.2L));
    expectRelative(calcRecordPressure(point, 373.2L), 1.01227476L, 1e-8);
}

TEST(VapourPressure, CodeTextMustMatchExactly)
{
    for (const char16_t *code : {u"1,8", u" 3", u"3 ", u"", u"7", u"01"}) {
        SCOPED_TRACE(QString::fromUtf16(code).toStdString());
        Fields f{QString::fromUtf16(code), 7.11564L, 1687.537L, -42.98L};
        EXPECT_TRUE(std::isnan(calcRecordPressure(record(f), 373.2L)));
        EXPECT_TRUE(std::isnan(calcRecordBoilingTemperature(record(f), 1.0L)));
    }
}

TEST(VapourPressure, FormsOfTheSameCurveAgree)
{
    for (const long double T : {280.0L, 330.0L, 373.15L, 450.0L, 600.0L}) {
        SCOPED_TRACE(double(T));
        const long double expected = reducedWaterBar(T);
        expectRelative(calcRecordPressure(record(code2()), T), expected, 1e-9);
        expectRelative(calcRecordPressure(record(code4()), T), expected, 1e-9);
        expectRelative(calcRecordPressure(record(code5()), T), expected, 1e-12);
        expectRelative(calcRecordPressure(record(code6()), T), expected, 1e-12);
        EXPECT_EQ(calcRecordPressure(record(code5(1e-17L)), T), calcRecordPressure(record(code101(1e-17L)), T));
        expectRelative(calcRecordPressure(record(code4(2000.0L)), T), calcRecordPressure(record(code2(2000.0L)), T), 1e-9);
    }
}

TEST(VapourPressure, ImplicitFormsSatisfyTheirEquation)
{
    const long double D = 2000.0L; // K^2 per bar: a visible pressure term
    for (const long double T : {300.0L, 373.15L, 500.0L}) {
        SCOPED_TRACE(double(T));
        const Fields f2 = code2(D);
        const long double p = calcRecordPressure(record(f2), T);
        EXPECT_NEAR(double(f2.A - f2.B / T + f2.C * std::log(T) + f2.D * p / (T * T) - std::log(p)), 0.0, 1e-9);
        const Fields f4 = code4(D);
        const long double P = 100.0L * calcRecordPressure(record(f4), T);
        EXPECT_NEAR(double(f4.A + f4.B / T + f4.C * std::log10(T) + f4.D * P / (T * T) - std::log10(P)), 0.0, 1e-9);
    }
}

TEST(VapourPressure, ImplicitCodesRoundTripDownToVeryLowPressures)
{
    // At 150 K the curve is at 1e-10 bar, where a tolerance of 1e-8 bar or kPa is none at all.
    for (const Fields &f : {code2(), code2(2000.0L), code4(), code4(2000.0L)}) {
        for (const long double T : {150.0L, 170.0L, 200.0L, 300.0L, 500.0L}) {
            SCOPED_TRACE(testing::Message() << "code " << f.code.toStdString() << " D " << double(f.D) << " at "
                                            << double(T) << " K");
            const long double p = calcRecordPressure(record(f), T);
            if (f.D == 0.0L)
                expectRelative(p, reducedWaterBar(T), 1e-9);
            EXPECT_NEAR(double(calcRecordBoilingTemperature(record(f), p)), double(T), 1e-6);
        }
    }
}

TEST(VapourPressure, WagnerFormsGiveExactlyPcFromPointNineNineNineTc)
{
    for (const char16_t *code : {u"1", u"42"}) {
        const QString line = record(wagner(QString::fromUtf16(code)));
        for (const long double Tr : {0.9995L, 1.0L, 2.0L}) {
            SCOPED_TRACE(testing::Message() << QString::fromUtf16(code).toStdString() << " Tr " << double(Tr));
            EXPECT_EQ(calcRecordPressure(line, Tr * 647.35L), 221.223L);
        }
        EXPECT_LT(calcRecordPressure(line, 0.998L * 647.35L), 221.223L);
        EXPECT_EQ(calcRecordBoilingTemperature(line, 221.223L), 647.35L);
        EXPECT_EQ(calcRecordBoilingTemperature(line, 300.0L), 647.35L);
        // Just below Pc the inverse iterates, to a root above 0.999 Tc where the forward
        // form already answers Pc; the unlimited equation must hold there.
        const long double T = calcRecordBoilingTemperature(line, 0.99999L * 221.223L);
        EXPECT_GT(T, 0.999L * 647.35L);
        EXPECT_LT(T, 647.35L);
        expectRelative(unlimitedWagnerBar(wagner(QString::fromUtf16(code)), T), 0.99999L * 221.223L, 1e-9);
    }
}

TEST(VapourPressure, BoilingTemperatureRoundTripsForEveryIteratedCode)
{
    const Fields forms[] = {code2(), code2(2000.0L), code4(), code4(2000.0L), code5(1e-17L), code101(4.1653e-06L, 2.0L),
                            code6(), wagner(QStringLiteral("1")), wagner(QStringLiteral("42")), Fields{QStringLiteral("999")}};
    for (const Fields &f : forms) {
        const QString line = record(f);
        for (const long double p : {0.01L, 0.5L, 1.01325L, 5.0L, 20.0L}) {
            SCOPED_TRACE(testing::Message() << "code " << f.code.toStdString() << " D " << double(f.D) << " at " << double(p) << " bar");
            const long double T = calcRecordBoilingTemperature(line, p);
            ASSERT_TRUE(std::isfinite(T));
            if (p < 1.01325L) {
                EXPECT_LT(T, 373.15L); // converged downward from the start at Tb
            }
            expectRelative(calcRecordPressure(line, T), p, 1e-8);
        }
    }
}

TEST(VapourPressure, ABoilingTemperatureInsideThePressureRangeLiesInsideTheRange)
{
    // Perry's water without critical data: from Tb the iteration found a false root at 1715 K.
    Fields f = code101(4.1653e-06L, 2.0L);
    f.Tmin = QStringLiteral("273.16");
    f.Tmax = QStringLiteral("647.096");
    f.Tc = f.Pc = QStringLiteral("0");
    for (const long double T : {280.0L, 400.0L, 550.0L, 629.0L, 647.0L}) {
        SCOPED_TRACE(double(T));
        const long double p = calcRecordPressure(record(f), T);
        EXPECT_NEAR(double(calcRecordBoilingTemperature(record(f), p)), double(T), 1e-6);
    }
}

TEST(VapourPressure, WagnerInverseKeepsItsIterationBelowTc)
{
    // McGarry's cycloheptane: from Tb the plain iteration at 30 bar steps above Tc, where
    // ln tau is undefined.
    for (const char16_t *code : {u"1", u"42"}) {
        SCOPED_TRACE(QString::fromUtf16(code).toStdString());
        Fields f{QString::fromUtf16(code), -17.7962L, 26.8297L, -49.2838L, 150.067L};
        f.Tb = QStringLiteral("391.927");
        f.Tc = QStringLiteral("589");
        f.Pc = QStringLiteral("37.186");
        for (const long double p : {0.5L, 1.0L, 30.0L, 33.0L}) {
            SCOPED_TRACE(double(p));
            const long double T = calcRecordBoilingTemperature(record(f), p);
            ASSERT_TRUE(std::isfinite(T));
            expectRelative(calcRecordPressure(record(f), T), p, 1e-8);
        }
    }
}

TEST(VapourPressure, CodeSixStartsFromTminWhenTheMeltingPointIsMissing)
{
    for (const char16_t *meltingPoint : {u"", u"0", u"-5", u"n/a"}) {
        SCOPED_TRACE(QString::fromUtf16(meltingPoint).toStdString());
        Fields f = code6();
        f.Tm = QString::fromUtf16(meltingPoint);
        f.Tmin = QStringLiteral("280");
        const long double T = calcRecordBoilingTemperature(record(f), 0.2L);
        ASSERT_TRUE(std::isfinite(T));
        expectRelative(calcRecordPressure(record(f), T), 0.2L, 1e-8);
    }
}

TEST(VapourPressure, FaultsBecomeNaNInsteadOfInfinities)
{
    // exp overflows: NaN, not +inf.
    EXPECT_TRUE(std::isnan(calcRecordPressure(record({QStringLiteral("3"), 20000.0L, 1.0L, 0.0L}), 300.0L)));
    // A - ln p = 0 divides by zero in the closed-form inverse.
    EXPECT_TRUE(std::isnan(calcRecordBoilingTemperature(record({QStringLiteral("3"), 2.0L, 3000.0L, -40.0L}), std::exp(2.0L))));
    // A field the equation needs is missing: NaN, while fields it does not need do not matter.
    Fields noBoilingPoint = wagner(QStringLiteral("1"));
    noBoilingPoint.Tb.clear();
    EXPECT_TRUE(std::isnan(calcRecordBoilingTemperature(record(noBoilingPoint), 1.0L)));
    EXPECT_TRUE(std::isfinite(calcRecordPressure(record(noBoilingPoint), 400.0L)));
    Fields noCriticalData = code101(4.1653e-06L, 2.0L);
    noCriticalData.Tc = QStringLiteral("abc");
    noCriticalData.Pc.clear();
    const long double T = calcRecordBoilingTemperature(record(noCriticalData), 2.0L);
    ASSERT_TRUE(std::isfinite(T)) << "the iteration then starts at Tb";
    expectRelative(calcRecordPressure(record(noCriticalData), T), 2.0L, 1e-8);
}

TEST(VapourPressure, ParsedCoefficientsGiveTheSameNumbersAsTheRecordLine)
{
    const QString line = record(code4(2000.0L));
    const VapourPressureCoefficients c = readVapourPressureCoefficients(line);
    EXPECT_EQ(c.code, EquationCode::ImplicitLog10KPa);
    EXPECT_EQ(vapourPressureBar(c, 350.0L), calcRecordPressure(line, 350.0L));
    EXPECT_EQ(boilingTemperatureK(c, 0.3L), calcRecordBoilingTemperature(line, 0.3L));
}
