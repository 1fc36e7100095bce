// The order of substance names.
#include "app/data/GermanCollator.h"

#include <QLocale>

GermanCollator::GermanCollator()
    : m_collator(QLocale(QLocale::German, QLocale::Germany))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    // Brackets and hyphens of systematic names do not decide the order: "(2-Bromethyl)benzol" goes under B.
    m_collator.setIgnorePunctuation(true);
}

int GermanCollator::compare(QStringView a, QStringView b) const
{
    return m_collator.compare(a, b);
}
