// BIFF2 spreadsheet records, little-endian.
#include "TSeriesDataXLS.h"

#include "Cp1252.h"
#include "PlotExceptions.h"
#include "TChartSeries.h"
#include "TChartValueList.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

// Labels are written in Windows-1252.
constexpr quint16 kLabelCodePage = 1252;

enum Record : quint16 { BOF = 0x0809, CODEPAGE = 0x0042, DIMENSIONS = 0x0200, NUMBER = 0x0003, LABEL = 0x0004, BLANK = 0x0001, EOF_ = 0x000A };

class RecordWriter
{
public:
    explicit RecordWriter(QByteArray &out)
        : m_out(out)
    {
    }
    void u16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        m_out.append(bytes, 2);
    }
    void header(Record record, int length)
    {
        u16(record);
        u16(quint16(length));
    }
    void cell(Record record, int length, int row, int column)
    {
        header(record, 7 + length);
        u16(quint16(row));
        u16(quint16(column));
        m_out.append(3, '\0');
    }
    void number(int row, int column, double value)
    {
        cell(NUMBER, 8, row, column);
        char bytes[8];
        qToLittleEndian(value, bytes);
        m_out.append(bytes, 8);
    }
    void label(int row, int column, const QString &text)
    {
        const QByteArray bytes = TSeriesDataXLS::labelBytes(text);
        cell(LABEL, 1 + int(bytes.size()), row, column);
        m_out.append(char(bytes.size()));
        m_out.append(bytes);
    }
    void blank(int row, int column) { cell(BLANK, 0, row, column); }

private:
    QByteArray &m_out;
};

} // namespace

QByteArray TSeriesDataXLS::labelBytes(const QString &text)
{
    // Cut after encoding: the length byte counts code-page bytes.
    return toCp1252(text).left(255);
}

QByteArray TSeriesDataXLS::Records() const
{
    prepare();
    const int flags = exportFormat();
    const std::vector<TChartSeries *> &all = exportedSeries();
    const int dataRows = std::max(MaxCount(), 0);
    const qint64 rowLimit = qint64(dataRows) + (IncludeHeader ? 1 : 0);
    qint64 columnLimit = IncludeIndex ? 1 : 0;
    const int optional = ((flags & sfLabels) ? 1 : 0) + ((flags & sfColors) ? 1 : 0) + ((flags & sfXValues) ? 1 : 0);
    for (const TChartSeries *series : all)
        columnLimit += optional + qint64(series->ValueLists().size()) - 1;
    // Rows and columns are 16-bit: more would wrap round and overwrite the first cells.
    if (rowLimit > kMaxRows)
        throw ChartException(QStringLiteral("A spreadsheet holds at most %1 rows; this export has %2")
                                 .arg(kMaxRows)
                                 .arg(rowLimit));
    if (columnLimit > kMaxColumns)
        throw ChartException(QStringLiteral("A spreadsheet holds at most %1 columns; this export has %2")
                                 .arg(kMaxColumns)
                                 .arg(columnLimit));

    QByteArray out;
    RecordWriter w(out);
    w.header(BOF, 8);
    for (quint16 v : {0, 0x0010, 0, 0})
        w.u16(v);
    // The labels' code page: without it a strict reader (xlrd) refuses any label beyond ASCII.
    w.header(CODEPAGE, 2);
    w.u16(kLabelCodePage);
    w.header(DIMENSIONS, 10);
    for (qint64 v : {qint64(0), rowLimit, qint64(0), columnLimit, qint64(0)})
        w.u16(quint16(v));

    if (IncludeHeader) {
        int column = 0;
        if (IncludeIndex)
            w.label(0, column++, QStringLiteral("Index"));
        for (const TChartSeries *series : all) {
            if (flags & sfLabels)
                w.label(0, column++, QStringLiteral("Text"));
            if (flags & sfColors)
                w.label(0, column++, QStringLiteral("Colors"));
            if (flags & sfXValues)
                w.label(0, column++, series->NotMandatoryValueList()->Name());
            for (const TChartValueList *list : valueListsAfterX(*series))
                w.label(0, column++, list->Name());
        }
    }
    const int first = IncludeHeader ? 1 : 0;
    for (int index = 0; index < dataRows; ++index) {
        const int row = first + index;
        int column = 0;
        if (IncludeIndex)
            w.number(row, column++, index);
        for (const TChartSeries *series : all) {
            const std::vector<const TChartValueList *> values = valueListsAfterX(*series);
            if (index >= series->Count()) {
                if (flags & sfLabels)
                    w.label(row, column++, {});
                if (flags & sfColors)
                    w.label(row, column++, {});
                if (flags & sfXValues)
                    w.blank(row, column++);
                for (std::size_t i = 0; i < values.size(); ++i)
                    w.blank(row, column++);
                continue;
            }
            if (flags & sfLabels)
                w.label(row, column++, series->Labels().GetLabel(index));
            if (flags & sfColors)
                w.label(row, column++, colorText(series->GetValueColor(index)));
            if (flags & sfXValues)
                w.number(row, column++, series->NotMandatoryValueList()->Value(index));
            const bool null = series->IsNull(index);
            for (const TChartValueList *list : values) {
                if (null)
                    w.blank(row, column++);
                else
                    w.number(row, column++, list->Value(index));
            }
        }
    }
    w.header(EOF_, 0);
    return out;
}

bool TSeriesDataXLS::SaveToStream(QIODevice &stream) const
{
    const QByteArray bytes = Records();
    return stream.write(bytes) == bytes.size();
}
