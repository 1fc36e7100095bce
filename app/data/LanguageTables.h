// The two language tables: the 99 global texts and the per-window text blocks.
#pragma once

#include "app/data/GlobalTexts.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// The program shows German; the tables also carry English, French and Dutch columns.
inline constexpr QChar kLanguageLetter = u'D';

// Column of a language in both tables: 4 for 'D', 5 for 'E', 6 for 'F', 7 for 'H'.
int languageColumn(QChar languageLetter);

// Reads a window's block line by line. A missing block, or a read past the end of the
// table, gives empty texts, so the window keeps its own captions instead of failing.
class FormTextReader
{
public:
    FormTextReader(const QStringList *table, int firstLine, int column);

    bool found() const { return m_line >= 0; }
    QString next();
    // The next text, or the window's own text when the block is missing or used up.
    QString next(const QString &designText);

private:
    const QStringList *m_table = nullptr;
    int m_line = -1;
    int m_column = 4;
};

class LanguageTables
{
public:
    static constexpr int kGlobalTextCount = 99;
    // Lines 1-6 of the global table are a free header; line N + 6 holds global text N.
    static constexpr int kGlobalHeaderLines = 6;
    static constexpr int kGlobalTableMinimumLines = kGlobalHeaderLines + kGlobalTextCount;

    // Takes the decrypted tables. A global table shorter than 105 lines is refused (false):
    // the texts would shift or run out.
    bool setTables(const QStringList &formLines, const QStringList &globalLines,
                   QChar languageLetter = kLanguageLetter);

    QChar languageLetter() const { return m_languageLetter; }
    int column() const { return m_column; }

    // The global text of that name; empty before the tables are set.
    QString globalText(GlobalText text) const;

    // The block whose header line has the window's component name in field 1 (the first one
    // when two blocks share the name). Its first text is the header line's own.
    FormTextReader block(QStringView windowName) const;

    const QStringList &formTable() const { return m_formLines; }

private:
    QStringList m_formLines;
    QStringList m_globalTexts;
    QChar m_languageLetter = kLanguageLetter;
    int m_column = 4;
};

// A caption used as a label loses its accelerator: "&Diagramm" -> "Diagramm", "&&" -> "&".
QString withoutAccelerator(const QString &text);
