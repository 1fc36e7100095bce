// The dissolved solids of the solid-liquid dialog.
#include "app/data/SolidsFile.h"

#include "app/core/RecordFields.h"
#include "app/data/GermanCollator.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kGermanNameField = 2;
constexpr int kOtherNameField = 4;
constexpr int kFormulaField = 6;
constexpr int kMolarMassField = 9;
constexpr int kLimitField = 10;

std::optional<SolidEntry> readSolid(QStringView line, QChar languageLetter)
{
    SolidEntry solid;
    solid.name = getField(line, languageLetter == u'D' ? kGermanNameField : kOtherNameField).trimmed().toString();
    solid.formula = getField(line, kFormulaField).trimmed().toString();
    solid.molarMass = fieldNumber(getField(line, kMolarMassField).trimmed());
    const QStringView limit = getField(line, kLimitField).trimmed();
    if (!limit.isEmpty())
        solid.limitK = fieldNumber(limit);
    if (solid.name.isEmpty() || solid.formula.isEmpty() || !(solid.molarMass > 0.0L) || !std::isfinite(solid.molarMass)
        || !(solid.limitK > 0.0L) || !std::isfinite(solid.limitK))
        return std::nullopt;
    return solid;
}

} // namespace

SolidsList readSolids(const QStringList &fileLines, QChar languageLetter)
{
    SolidsList list;
    for (qsizetype i = kSolidsHeaderLines; i < fileLines.size(); ++i) {
        if (fileLines.at(i).trimmed().isEmpty())
            continue;
        const std::optional<SolidEntry> solid = readSolid(fileLines.at(i), languageLetter);
        if (!solid)
            return {true, {}};
        list.solids.push_back(*solid);
    }
    const GermanCollator collator;
    std::stable_sort(list.solids.begin(), list.solids.end(),
                     [&](const SolidEntry &a, const SolidEntry &b) { return collator(a.name, b.name); });
    return list;
}
