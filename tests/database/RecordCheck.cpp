// Checks one shipped substance record: layout, numbers, and the behaviour of its equation.
#include "RecordCheck.h"

#include "app/core/RecordFields.h"
#include "app/core/VapourPressure.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const QStringList kCodes = {QStringLiteral("3"), QStringLiteral("1.8"), QStringLiteral("2000"), QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("101"), QStringLiteral("42"), QStringLiteral("999")};
// Codes whose iteration starts at the normal boiling point.
const QStringList kNeedTb = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("101"), QStringLiteral("42"), QStringLiteral("6")};
// Codes that read Tc and Pc (Wagner forms, and the start value of the iterated forms).
const QStringList kNeedCritical = {QStringLiteral("1"), QStringLiteral("42"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("101")};

// A count of atoms: a plain non-negative integer (the list filter converts it with toInt).
bool isCount(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0;
}

bool isNumber(QStringView text)
{
    return !text.isEmpty() && parseNumber(text).ok();
}

} // namespace

QStringList recordLayoutProblems(QStringView line)
{
    QStringList problems;
    const auto fields = line.split(u'\t');
    if (fields.size() != 24) {
        problems << QStringLiteral("%1 fields instead of 24").arg(fields.size());
        return problems;
    }
    const auto field = [&](int n) { return fields.at(n - 1); };
    if (field(2) == u"E001" || field(2).isEmpty())
        problems << QStringLiteral("source code E001 or empty");
    if (field(5).trimmed().isEmpty())
        problems << QStringLiteral("German name empty");
    if (!isCount(field(10)))
        problems << QStringLiteral("C atoms not a non-negative integer");
    if (!isCount(field(11)))
        problems << QStringLiteral("H atoms not a non-negative integer");
    if (!isNumber(field(12)) || parseNumber(field(12)).value <= 0)
        problems << QStringLiteral("molar mass not positive");
    for (const int n : {13, 14}) {
        if (field(n) != kNotKnown && !isNumber(field(n)))
            problems << QStringLiteral("field %1 neither a number nor k.A.").arg(n);
    }
    const QString code = field(15).toString();
    if (!kCodes.contains(code))
        problems << QStringLiteral("code \"%1\" unknown").arg(code);
    for (int n = 16; n <= 24; ++n) {
        if (!isNumber(field(n)))
            problems << QStringLiteral("field %1 not a number").arg(n);
    }
    if (!problems.isEmpty())
        return problems;
    const long double tmin = parseNumber(field(21)).value;
    const long double tmax = parseNumber(field(22)).value;
    const long double tc = parseNumber(field(23)).value;
    const long double pc = parseNumber(field(24)).value;
    if (!(tmin < tmax))
        problems << QStringLiteral("Tmin not below Tmax");
    if (kNeedTb.contains(code) && !isNumber(field(14)))
        problems << QStringLiteral("code needs a numeric Tb");
    if (code == u"6" && !isNumber(field(13)))
        problems << QStringLiteral("code 6 needs a numeric Tm");
    if (kNeedCritical.contains(code) && !(tc > 0 && pc > 0))
        problems << QStringLiteral("code needs Tc > 0 and Pc > 0");
    if ((code == u"1" || code == u"42") && tmax > tc)
        problems << QStringLiteral("Wagner range ends above Tc");
    return problems;
}

QStringList recordEquationProblems(QStringView line)
{
    QStringList problems;
    const long double tmin = numericField(line, 21);
    const long double tmax = numericField(line, 22);
    for (const long double t : {tmin, tmax}) {
        const long double p = calcRecordPressure(line, t);
        if (!std::isfinite(p) || p <= 0) {
            problems << QStringLiteral("p(%1 K) = %2").arg(double(t)).arg(double(p));
            continue;
        }
        const long double back = calcRecordBoilingTemperature(line, p);
        if (!(std::fabs(back - t) < 1e-4L))
            problems << QStringLiteral("T(p(%1 K)) = %2 K").arg(double(t), 0, 'g', 12).arg(double(back), 0, 'g', 12);
    }
    long double last = 0;
    for (int i = 0; i < 20; ++i) {
        const long double t = tmin + (tmax - tmin) * i / 19;
        const long double p = calcRecordPressure(line, t);
        if (!(p > last)) {
            problems << QStringLiteral("pressure does not rise at %1 K").arg(double(t));
            break;
        }
        last = p;
    }
    return problems;
}

namespace {

constexpr long double kAtmBar = 1.01325L;

// ln p linear in 1/T through the pressures at the range ends, evaluated at t.
long double chordPressureBar(QStringView line, long double tmin, long double tmax, long double t)
{
    const long double lnLow = std::log(calcRecordPressure(line, tmin));
    const long double lnHigh = std::log(calcRecordPressure(line, tmax));
    const long double slope = (lnHigh - lnLow) / (1.0L / tmax - 1.0L / tmin);
    return std::exp(lnLow + slope * (1.0L / t - 1.0L / tmin));
}

} // namespace

NormalBoilingCheck normalBoilingCheck(QStringView line)
{
    NormalBoilingCheck check;
    const ParsedNumber tb = parseNumber(getField(line, 14));
    if (!tb.ok())
        return check;
    check.known = true;
    const long double tmin = numericField(line, 21);
    const long double tmax = numericField(line, 22);
    check.inRange = tmin <= tb.value && tb.value <= tmax;
    if (check.inRange) {
        check.relativeDeviation = calcRecordPressure(line, tb.value) / kAtmBar - 1.0L;
        return check;
    }
    if (tb.value > tmax) {
        check.relativeDeviation = std::max(0.0L, calcRecordPressure(line, tmax) / kAtmBar - 1.0L);
        check.distanceK = tb.value - tmax;
    } else {
        check.relativeDeviation = std::min(0.0L, calcRecordPressure(line, tmin) / kAtmBar - 1.0L);
        check.distanceK = tmin - tb.value;
    }
    check.extrapolatedAtm = chordPressureBar(line, tmin, tmax, tb.value) / kAtmBar;
    return check;
}

long double pressureCeilingBar(long double criticalPressureBar)
{
    return criticalPressureBar > 0 ? 1.5L * criticalPressureBar : 1000.0L;
}

long double extrapolationBound(long double distanceK)
{
    const long double hundreds = distanceK / 100.0L;
    return std::min(2.0L * std::exp(0.6L * hundreds * hundreds), 30.0L);
}

QStringList recordPlausibilityProblems(QStringView line)
{
    QStringList problems;
    const long double tmax = numericField(line, 22);
    const long double ceiling = pressureCeilingBar(numericField(line, 24));
    const long double top = calcRecordPressure(line, tmax);
    if (!(top <= ceiling))
        problems << QStringLiteral("p(%1 K) = %2 bar above %3 bar").arg(double(tmax)).arg(double(top)).arg(double(ceiling));
    const NormalBoilingCheck check = normalBoilingCheck(line);
    if (check.known && !check.inRange) {
        const long double bound = extrapolationBound(check.distanceK);
        if (!(kExtrapolationFloorAtm <= check.extrapolatedAtm && check.extrapolatedAtm <= bound))
            problems << QStringLiteral("extrapolated p(Tb) = %1 atm, %2 K from the range, outside %3 to %4")
                            .arg(double(check.extrapolatedAtm))
                            .arg(double(check.distanceK))
                            .arg(double(kExtrapolationFloorAtm))
                            .arg(double(bound));
    }
    return problems;
}

std::optional<long double> criticalPressureMiss(QStringView line)
{
    const long double tmax = numericField(line, 22);
    const long double tc = numericField(line, 23);
    const long double pc = numericField(line, 24);
    if (!(tc > 0 && pc > 0) || getField(line, 15) == u"999" || tmax < tc - kCriticalReachK)
        return std::nullopt;
    return calcRecordPressure(line, std::min(tc, tmax)) / pc - 1.0L;
}

std::optional<long double> overruledCriticalPressureMiss(QStringView line, const QString &note)
{
    static const QRegularExpression overruled(QStringLiteral(
        "critical point: every correlation valid to Tc misses \\S+'s (\\S+) K, (\\S+) bar .*the correlations win over "
        "\\S+ Pc, which the record carries as published and is not held to; the record ships (\\S+) bar at Tc"));
    const QRegularExpressionMatch match = overruled.match(note);
    const long double tmax = numericField(line, 22);
    const long double tc = numericField(line, 23);
    if (!match.hasMatch() || parseNumber(match.captured(1)).value != tc
        || parseNumber(match.captured(2)).value != numericField(line, 24))
        return std::nullopt;
    return calcRecordPressure(line, std::min(tc, tmax)) / parseNumber(match.captured(3)).value - 1.0L;
}

bool isRegistryCode(QStringView name)
{
    static const QRegularExpression code(QStringLiteral("^(?=[^0-9]*[0-9])(?=[0-9]*[A-Za-z])[A-Za-z0-9]+$"));
    return code.match(name.trimmed()).hasMatch();
}

QStringList fitEvidenceProblems(QStringView line, const QList<FitEvidence> &evidence)
{
    QStringList problems;
    QList<FitEvidence> boiling;
    for (const FitEvidence &point : evidence) {
        if (point.kind == u"Tb") {
            boiling.append(point);
            continue;
        }
        const long double miss = calcRecordPressure(line, point.kelvin) / point.bar - 1.0L;
        if (!(std::fabs(miss) <= point.tolerance * (1.0L + 1e-6L)))
            problems << QStringLiteral("%1 %2 K: %3 % off, tolerance %4 %")
                            .arg(point.kind).arg(double(point.kelvin)).arg(double(100 * miss)).arg(double(100 * point.tolerance));
    }
    if (boiling.isEmpty())
        return problems;
    // p at the lowest listed Tb not above 1 atm and at the highest not below: 1 atm lies between them.
    const auto lowest = std::min_element(boiling.begin(), boiling.end(), [](const auto &a, const auto &b) { return a.kelvin < b.kelvin; });
    const auto highest = std::max_element(boiling.begin(), boiling.end(), [](const auto &a, const auto &b) { return a.kelvin < b.kelvin; });
    const long double low = calcRecordPressure(line, lowest->kelvin) / lowest->bar - 1.0L;
    const long double high = calcRecordPressure(line, highest->kelvin) / highest->bar - 1.0L;
    const bool between = low <= 0 && high >= 0;
    const long double nearest = std::min(std::fabs(low), std::fabs(high));
    if (!between && !(nearest <= lowest->tolerance * (1.0L + 1e-6L)))
        problems << QStringLiteral("Tb %1-%2 K: %3 % off 1 atm").arg(double(lowest->kelvin)).arg(double(highest->kelvin)).arg(double(100 * nearest));
    return problems;
}
