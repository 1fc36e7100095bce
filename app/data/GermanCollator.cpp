// The order of substance names.
#include "app/data/GermanCollator.h"

#include <QLocale>
#include <QString>

namespace {

// The word sort that the substance list has always relied on passes over hyphens and
// apostrophes; every other mark, digit and bracket decides: "10,11-Dithiaeicosan" is not
// "1011...", while "Di-tert-butylperoxid" sorts as "Ditertbutylperoxid".
bool isIgnoredMark(QChar c)
{
    return c == u'-' || c == u'\'' || c == QChar(0x2010) || c == QChar(0x2019);
}

QString withoutIgnoredMarks(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isIgnoredMark(c))
            kept.append(c);
    }
    return kept;
}

} // namespace

GermanCollator::GermanCollator()
    : m_collator(QLocale(QLocale::German, QLocale::Germany))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

int GermanCollator::compare(QStringView a, QStringView b) const
{
    const int withoutMarks = m_collator.compare(withoutIgnoredMarks(a), withoutIgnoredMarks(b));
    // Names that differ only in their hyphens keep an order of their own.
    return withoutMarks != 0 ? withoutMarks : m_collator.compare(a, b);
}
