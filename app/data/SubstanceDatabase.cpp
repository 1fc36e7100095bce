// The substance database as the main window lists it.
#include "app/data/SubstanceDatabase.h"

#include "app/core/RecordFields.h"
#include "app/data/GermanCollator.h"

#include <algorithm>

namespace {

int atomCount(QStringView record, int field)
{
    bool ok = false;
    const int count = getField(record, field).trimmed().toInt(&ok);
    return ok && count > 0 ? count : 0;
}

struct NameOrder {
    GermanCollator collator;
    QChar language;

    bool operator()(const QString &a, const QString &b) const
    {
        const int byName = collator.compare(displayName(a, language), displayName(b, language));
        if (byName != 0)
            return byName < 0;
        const int byRecord = collator.compare(a, b);
        if (byRecord != 0)
            return byRecord < 0;
        return a < b;
    }
};

} // namespace

SubstanceDatabase splitDatabaseFile(const QStringList &fileLines)
{
    SubstanceDatabase database;
    if (!fileLines.isEmpty())
        database.label = getField(fileLines.first(), 2).toString();
    for (qsizetype i = kDatabaseHeaderLines; i < fileLines.size(); ++i) {
        if (!fileLines.at(i).trimmed().isEmpty())
            database.records.append(fileLines.at(i));
    }
    return database;
}

QStringList filterRecords(const QStringList &records, SubstanceFilter filter)
{
    if (filter == SubstanceFilter::All)
        return records;
    QStringList kept;
    for (const QString &record : records) {
        const bool organic = atomCount(record, 10) > 0;
        if (organic == (filter == SubstanceFilter::Organic))
            kept.append(record);
    }
    return kept;
}

QString displayName(QStringView record, QChar languageLetter)
{
    return getField(record, languageLetter == u'D' ? 5 : 7).toString();
}

QString furtherName(QStringView record, QChar languageLetter)
{
    return getField(record, languageLetter == u'D' ? 6 : 8).toString();
}

QString listItemText(QStringView record, QChar languageLetter)
{
    return displayName(record, languageLetter) + u'\t' + getField(record, 9).toString();
}

QStringList sortByName(const QStringList &records, QChar languageLetter)
{
    QStringList sorted = records;
    std::stable_sort(sorted.begin(), sorted.end(), NameOrder{GermanCollator(), languageLetter});
    return sorted;
}

QStringList sortByFormula(const QStringList &records, QChar languageLetter)
{
    QStringList sorted = records;
    const NameOrder byName{GermanCollator(), languageLetter};
    std::stable_sort(sorted.begin(), sorted.end(), [&](const QString &a, const QString &b) {
        const int ca = atomCount(a, 10);
        const int cb = atomCount(b, 10);
        if (ca != cb)
            return ca < cb;
        const int ha = atomCount(a, 11);
        const int hb = atomCount(b, 11);
        if (ha != hb)
            return ha < hb;
        return byName(a, b);
    });
    return sorted;
}

QString elementCountText(const QString &label, int count)
{
    return QStringLiteral("Database %1 = %2 elements").arg(label).arg(count);
}

int findSubstance(const QStringList &records, const QString &text, SearchKey key, int current,
                  QChar languageLetter)
{
    // An empty text is found nowhere.
    if (text.isEmpty())
        return -1;
    const auto matches = [&](const QString &record) {
        if (key == SearchKey::Cas)
            return getField(record, 3) == text;
        return displayName(record, languageLetter).contains(text)
            || furtherName(record, languageLetter).contains(text);
    };
    for (int i = std::max(current + 1, 0); i < records.size(); ++i) {
        if (matches(records.at(i)))
            return i;
    }
    for (int i = 0; i < records.size(); ++i) {
        if (matches(records.at(i)))
            return i;
    }
    return -1;
}
