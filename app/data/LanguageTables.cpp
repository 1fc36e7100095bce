// The two language tables.
#include "app/data/LanguageTables.h"

#include "app/core/RecordFields.h"

int languageColumn(QChar languageLetter)
{
    switch (languageLetter.unicode()) {
    case u'E':
        return 5;
    case u'F':
        return 6;
    case u'H':
        return 7;
    default:
        return 4;
    }
}

FormTextReader::FormTextReader(const QStringList *table, int firstLine, int column)
    : m_table(table)
    , m_line(firstLine)
    , m_column(column)
{
}

QString FormTextReader::next()
{
    if (!m_table || m_line < 0 || m_line >= m_table->size())
        return QString();
    return getField(m_table->at(m_line++), m_column).toString();
}

QString FormTextReader::next(const QString &designText)
{
    if (!m_table || m_line < 0 || m_line >= m_table->size())
        return designText;
    return next();
}

bool LanguageTables::setTables(const QStringList &formLines, const QStringList &globalLines, QChar languageLetter)
{
    if (globalLines.size() < kGlobalTableMinimumLines)
        return false;
    m_languageLetter = languageLetter;
    m_column = languageColumn(languageLetter);
    m_formLines = formLines;
    m_globalTexts.clear();
    for (int n = 1; n <= kGlobalTextCount; ++n)
        m_globalTexts.append(getField(globalLines.at(kGlobalHeaderLines + n - 1), m_column).toString());
    return true;
}

QString LanguageTables::globalText(GlobalText text) const
{
    const int n = int(text);
    if (n < 1 || n > m_globalTexts.size())
        return QString();
    return m_globalTexts.at(n - 1);
}

FormTextReader LanguageTables::block(QStringView windowName) const
{
    for (int i = 0; i < m_formLines.size(); ++i) {
        if (getField(m_formLines.at(i), 1) == windowName)
            return FormTextReader(&m_formLines, i, m_column);
    }
    return FormTextReader(&m_formLines, -1, m_column);
}

QString withoutAccelerator(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&') {
            if (i + 1 < text.size() && text.at(i + 1) == u'&') {
                result.append(u'&');
                ++i;
            }
            continue;
        }
        result.append(text.at(i));
    }
    return result;
}
