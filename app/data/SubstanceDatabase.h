// The substance database as the main window lists it: header, filter, the two orders, search.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// The radio group "Alle Medien", "Organische", "Anorganische", by index.
enum class SubstanceFilter {
    All = 0,
    Organic = 1, // more than 0 C atoms
    Inorganic = 2, // no C atom
};

// The database file starts with three header lines; the records follow.
inline constexpr int kDatabaseHeaderLines = 3;

struct SubstanceDatabase
{
    // Field 2 of the first header line, shown in the element count.
    QString label;
    // One record line per substance, the three header lines removed.
    QStringList records;
};

// The database file's lines: three header lines, then one record per line. Empty lines
// (a final line end, a blank line left by an editor) are no records.
SubstanceDatabase splitDatabaseFile(const QStringList &fileLines);

QStringList filterRecords(const QStringList &records, SubstanceFilter filter);

// Display name: field 5 in German, field 7 in every other language.
QString displayName(QStringView record, QChar languageLetter);
// Further name: field 6 in German, field 8 otherwise.
QString furtherName(QStringView record, QChar languageLetter);
// The list box line: display name, a tab, the formula.
QString listItemText(QStringView record, QChar languageLetter);

// By display name, German collation without regard to case; equal names are ordered by the
// whole record so the order never depends on the input order.
QStringList sortByName(const QStringList &records, QChar languageLetter);
// By C atoms, then H atoms, then name. A negative or unreadable count counts as 0, so no
// record can drop out of the list.
QStringList sortByFormula(const QStringList &records, QChar languageLetter);

// "Database <label> = <n> elements" with the number of substances listed.
QString elementCountText(const QString &label, int count);

enum class SearchKey {
    Name, // substring of the display name or the further name, case-sensitive
    Cas, // the CAS number exactly
};

// The next record after `current` that matches, else the first match from the top;
// -1 when none matches.
int findSubstance(const QStringList &records, const QString &text, SearchKey key, int current,
                  QChar languageLetter);
