// The solutes of the aqueous-solution dialog and their coefficient groups.
#include "app/data/AqueousFiles.h"

#include "app/core/RecordFields.h"
#include "app/data/GermanCollator.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int kKeyField = 5;
constexpr int kMassThresholdField = 7;
constexpr int kTemperatureThresholdField = 9;
constexpr int kFirstCoefficientField = 11;

bool isNumber(long double value)
{
    return std::isfinite(value);
}

std::optional<int> wholeNumber(QStringView field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<AqueousSolute> readSolute(QStringView line)
{
    const auto field = [&](int n) { return getField(line, n).trimmed(); };
    AqueousSolute solute;
    solute.germanName = field(3).toString();
    solute.englishName = field(4).toString();
    solute.key = field(kKeyField).toString();
    solute.molarMassGPerMol = fieldNumber(field(6));
    solute.selection = field(7) == u"B" ? CoefficientSelection::ByMassPercent
        : field(7) == u"C"             ? CoefficientSelection::ByTemperature
                                       : CoefficientSelection::Single;
    solute.massPercentMinText = field(8).toString();
    solute.massPercentMaxText = field(9).toString();
    solute.massPercentMin = fieldNumber(field(8));
    solute.massPercentMax = fieldNumber(field(9));
    solute.singleTemperature = field(10) == u"*";
    const std::optional<int> lower = wholeNumber(field(solute.singleTemperature ? 12 : 10));
    const std::optional<int> upper = wholeNumber(field(solute.singleTemperature ? 12 : 11));
    if (solute.germanName.isEmpty() || solute.englishName.isEmpty() || solute.key.isEmpty()
        || !(solute.molarMassGPerMol > 0.0L) || !isNumber(solute.molarMassGPerMol) || !isNumber(solute.massPercentMin)
        || !isNumber(solute.massPercentMax) || !lower || !upper)
        return std::nullopt;
    solute.lowerC = *lower;
    solute.upperC = *upper;
    return solute;
}

std::optional<CoefficientLine> readCoefficientLine(QStringView line)
{
    CoefficientLine coefficients;
    // A threshold that a group does not use may be empty; the groups that use it are checked below.
    coefficients.massPercentThreshold = fieldNumber(getField(line, kMassThresholdField).trimmed());
    coefficients.temperatureThresholdC = fieldNumber(getField(line, kTemperatureThresholdField).trimmed());
    for (int i = 0; i < 6; ++i) {
        coefficients.c[std::size_t(i)] = fieldNumber(getField(line, kFirstCoefficientField + i).trimmed());
        if (!isNumber(coefficients.c[std::size_t(i)]))
            return std::nullopt;
    }
    return coefficients;
}

// The groups by key: a line with a key starts one, the lines without a key after it belong to it.
std::optional<QHash<QString, CoefficientGroup>> readGroups(const QStringList &fileLines)
{
    QHash<QString, CoefficientGroup> groups;
    QString currentKey;
    for (qsizetype i = kAqueousCoefficientsHeaderLines; i < fileLines.size(); ++i) {
        const QString &line = fileLines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const QString key = getField(line, kKeyField).trimmed().toString();
        if (!key.isEmpty()) {
            if (groups.contains(key))
                return std::nullopt;
            currentKey = key;
            groups.insert(key, {});
        } else if (currentKey.isEmpty()) {
            return std::nullopt;
        }
        const std::optional<CoefficientLine> coefficients = readCoefficientLine(line);
        if (!coefficients)
            return std::nullopt;
        groups[currentKey].push_back(*coefficients);
    }
    return groups;
}

bool thresholdsReadable(const AqueousSolute &solute)
{
    return std::all_of(solute.group.begin(), solute.group.end(), [&](const CoefficientLine &line) {
        switch (solute.selection) {
        case CoefficientSelection::ByMassPercent:
            return isNumber(line.massPercentThreshold);
        case CoefficientSelection::ByTemperature:
            return isNumber(line.temperatureThresholdC);
        case CoefficientSelection::Single:
            break;
        }
        return true;
    });
}

} // namespace

AqueousData readAqueousData(const QStringList &soluteFileLines, const QStringList &coefficientFileLines,
                            QChar languageLetter)
{
    AqueousData data;
    for (qsizetype i = kAqueousSolutesHeaderLines; i < soluteFileLines.size(); ++i) {
        if (soluteFileLines.at(i).trimmed().isEmpty())
            continue;
        std::optional<AqueousSolute> solute = readSolute(soluteFileLines.at(i));
        const bool repeated = solute && std::any_of(data.solutes.begin(), data.solutes.end(), [&](const auto &s) {
                                  return s.key == solute->key;
                              });
        if (!solute || repeated)
            return {AqueousDataFault::Solutes, {}};
        data.solutes.push_back(std::move(*solute));
    }
    // A file no longer than its header lists nothing, as an empty solute file does.
    if (data.solutes.empty() || coefficientFileLines.size() <= kAqueousCoefficientsHeaderLines)
        return {};

    std::optional<QHash<QString, CoefficientGroup>> groups = readGroups(coefficientFileLines);
    if (!groups || groups->size() != qsizetype(data.solutes.size()))
        return {AqueousDataFault::Coefficients, {}};
    for (AqueousSolute &solute : data.solutes) {
        const auto group = groups->constFind(solute.key);
        if (group == groups->cend())
            return {AqueousDataFault::Coefficients, {}};
        solute.group = *group;
        if (int(solute.group.size()) != coefficientGroupSize(solute.selection) || !thresholdsReadable(solute))
            return {AqueousDataFault::Coefficients, {}};
    }

    if (languageLetter != u'D') {
        const GermanCollator collator;
        std::stable_sort(data.solutes.begin(), data.solutes.end(), [&](const auto &a, const auto &b) {
            return collator(a.name(languageLetter), b.name(languageLetter));
        });
    }
    return data;
}
