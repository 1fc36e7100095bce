// The number of points of each diagram curve.
#include "app/core/DiagramPoints.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The text as a whole number; more digits than 64 bits hold count as the largest number of
// their sign. None when the text is no whole number. A typographic minus, as pasted from a
// document, is a minus.
std::optional<qlonglong> wholeNumber(QStringView text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed().toString().replace(QChar(0x2212), u'-');
    if (!digits.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (ok)
        return value;
    return trimmed.startsWith(u'-') ? std::numeric_limits<qlonglong>::min() : std::numeric_limits<qlonglong>::max();
}

} // namespace

bool isValidDiagramPoints(QStringView text)
{
    const std::optional<qlonglong> count = wholeNumber(text);
    return count && *count >= kMinDiagramPoints && *count <= kMaxDiagramPoints;
}

int diagramPointCount(QStringView text)
{
    const std::optional<qlonglong> count = wholeNumber(text);
    if (!count)
        return kDefaultDiagramPoints;
    return int(std::clamp<qlonglong>(*count, kMinDiagramPoints, kMaxDiagramPoints));
}
