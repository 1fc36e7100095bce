// Series data export: delimited text, XML, HTML and spreadsheet files, read back by Python's csv
// and xlrd and by xmllint.
#include "ExportTestSupport.h"
#include "FileSizeLimit.h"
#include "PlotExceptions.h"
#include "ScopedLocale.h"
#include "TBubbleSeries.h"
#include "TLineSeries.h"
#include "TSeriesDataHTML.h"
#include "TSeriesDataText.h"
#include "TSeriesDataXLS.h"
#include "TSeriesDataXML.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Debian's interpreter: python3-xlrd installs there.
const QString kPython = QStringLiteral("/usr/bin/python3");

QJsonArray pythonRows(const char *script, const QByteArray &input)
{
    const ToolResult result = runTool(kPython, {QStringLiteral("-c"), QString::fromLatin1(script)}, input);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return QJsonDocument::fromJson(result.out).array();
}

// Every row of a comma file as Python's csv module reads it.
QJsonArray csvRows(const QByteArray &text)
{
    return pythonRows("import csv, io, json, sys\n"
                      "rows = list(csv.reader(io.StringIO(sys.stdin.buffer.read().decode('utf-8'), newline='')))\n"
                      "print(json.dumps(rows))",
                      text);
}

// [[ctype, value], ...] per row of the first sheet, as xlrd reads the spreadsheet.
QJsonArray xlsRows(const QByteArray &xls)
{
    return pythonRows("import json, sys, xlrd\n"
                      "book = xlrd.open_workbook(file_contents=sys.stdin.buffer.read(), encoding_override='cp1252')\n"
                      "sheet = book.sheet_by_index(0)\n"
                      "print(json.dumps([[[c.ctype, c.value] for c in sheet.row(r)] for r in range(sheet.nrows)]))",
                      xls);
}

void expectXmllintAccepts(const QString &text, bool html)
{
    QStringList arguments{QStringLiteral("--noout")};
    if (html)
        arguments << QStringLiteral("--html");
    arguments << QStringLiteral("-");
    const ToolResult result = runTool(QStringLiteral("xmllint"), arguments, text.toLatin1());
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

QByteArray xlsBytes(const TSeriesDataXLS &data)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(data.SaveToStream(buffer));
    return buffer.data();
}

class DataExport : public ExportTest
{
protected:
    void SetUp() override { chart = makeLineChart(); }
    TLineSeries *series(int index) const { return static_cast<TLineSeries *>(chart->GetSeries(index)); }
    std::unique_ptr<TChart> chart;
};

} // namespace

TEST_F(DataExport, DelimitedTextColumnsFollowTheSwitches)
{
    series(0)->Labels().SetLabel(1, QStringLiteral("mid"));
    const struct { bool header, index, labels; QChar delimiter; const char *text; } cases[] = {
        {true, false, false, u'\t', "A\tB\r\n1\t2\r\n3\t1\r\n2\t4\r\n\r\n"},
        {false, true, false, u';', "0;1;2\r\n1;3;1\r\n2;2;4\r\n\r\n"},
        // An empty first field keeps its delimiter, so every line has as many.
        {true, true, true, u'\t', "Index\tText\tA\tB\r\n0\t\t1\t2\r\n1\tmid\t3\t1\r\n2\t\t2\t4\r\n\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        TSeriesDataText data(chart.get());
        data.IncludeHeader = c.header;
        data.IncludeIndex = c.index;
        data.IncludeLabels = c.labels;
        data.TextDelimiter = c.delimiter;
        EXPECT_EQ(data.AsString(), QString::fromLatin1(c.text));
    }
}

TEST_F(DataExport, DelimitedTextLinesHaveOneFieldPerColumnForUnequalSeries)
{
    addLineSeries(*chart, QStringLiteral("C"), {5, 6, 7, 8, 9});
    chart->GetSeries(2)->AddXY(20, 1, QString(), clRed); // own X values and a colour: not the first series
    series(0)->SetSeriesColor(clBlue);
    series(0)->AddXY(7, 5, QStringLiteral("seven"), clGreen);
    TSeriesDataText data(chart.get());
    data.IncludeHeader = data.IncludeIndex = data.IncludeColors = true;
    const QStringList lines = data.AsString().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{QString(), QString()})); // ends CR LF CR LF
    const qsizetype fields = lines.front().count(u'\t');
    EXPECT_EQ(lines.front(), QStringLiteral("Index\tText\tColors\tX\tA\tX\tB\tX\tC"));
    for (const QString &line : lines.mid(0, lines.size() - 2)) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(line.count(u'\t'), fields);
    }
    EXPECT_EQ(lines[4], QStringLiteral("3\tseven\t#008000\t7\t5\t\t\t3\t8"));
    EXPECT_EQ(lines[6], QStringLiteral("5\t\t#000000\t\t\t\t\t20\t1"));
}

TEST_F(DataExport, CommaFieldsReadBackWithPythonsCsv)
{
    series(0)->SetTitle(QStringLiteral("1,2-Dichlorethan"));
    series(1)->Labels().SetLabel(0, QStringLiteral("say \"hi\""));
    series(1)->MandatoryValueList()->SetValue(2, 2.5);
    const ScopedLocale german(QLocale(QLocale::German));
    for (const QString &quotes : {QString(), QStringLiteral("'"), QStringLiteral("\"")}) {
        SCOPED_TRACE(quotes.toStdString());
        TSeriesDataText data(chart.get());
        data.TextDelimiter = u',';
        data.TextQuotes = quotes;
        data.IncludeHeader = true;
        const QJsonArray rows = csvRows(data.AsString().toUtf8());
        ASSERT_EQ(rows.size(), 5); // header, three points; the closing empty line gives no row
        const QString q = quotes == QLatin1String("'") ? quotes : QString();
        EXPECT_EQ(rows[0].toArray().toVariantList(),
                  (QVariantList{QStringLiteral("Text").prepend(q).append(q), q + QStringLiteral("1,2-Dichlorethan") + q,
                                q + QStringLiteral("B") + q}));
        EXPECT_EQ(rows[1].toArray()[0].toString(), q + QStringLiteral("say \"hi\"") + q);
        EXPECT_EQ(rows[3].toArray()[2].toString(), QStringLiteral("2,5"));
        EXPECT_EQ(rows[4].toArray().size(), 0);
    }
}

TEST_F(DataExport, XmlOfOneSeriesIsExactAndEscapesItsTexts)
{
    TChart one;
    TLineSeries *s = addLineSeries(one, QStringLiteral("S"), {1, 2.5});
    s->SetSeriesColor(clRed);
    const ScopedLocale german(QLocale(QLocale::German)); // XML numbers keep "."
    TSeriesDataXML data(&one);
    EXPECT_EQ(data.AsString().toStdString(),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<chart>\r\n"
                             "<series title=\"S\" type=\"Line\" color=\"#ff0000\">\r\n<points count=\"2\">\r\n"
                             "<point  Y=\"1\"/>\r\n<point  Y=\"2.5\"/>\r\n</points>\r\n</series>\r\n\r\n</chart>").toStdString());
    s->SetTitle(QStringLiteral("A & <B> \"q\" at 25 \u00B0C"));
    // With characters XML cannot hold even as references.
    s->Labels().SetLabel(0, QStringLiteral("<x>") + QChar(0xFFFE) + QChar(0xD800) + QChar(1));
    data.IncludeIndex = data.IncludeColors = true;
    const QString xml = data.AsString();
    EXPECT_TRUE(xml.contains(QStringLiteral("title=\"A &amp; &lt;B&gt; &quot;q&quot; at 25 &#176;C\""))) << xml.toStdString();
    expectXmllintAccepts(xml, false);
    TSeriesDataXML single(&one, s);
    EXPECT_TRUE(single.AsString().endsWith(QStringLiteral("</series>\r\n\r\n")));
}

TEST_F(DataExport, HtmlTableHasEqualRowsAndNamesBubbleLists)
{
    addLineSeries(*chart, QStringLiteral("long \u00B0C"), {1, 2, 3, 4, 5});
    auto *bubble = chart->AddSeriesOfClass<TBubbleSeries>();
    bubble->AddBubble(1, 2, 0.5);
    TSeriesDataHTML data(chart.get());
    data.IncludeHeader = data.IncludeIndex = true;
    const QString html = data.AsString();
    EXPECT_TRUE(html.startsWith(QStringLiteral("<table border=\"1\">\r\n")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("\r\n</table>")));
    expectXmllintAccepts(html, true);
    const QStringList rows = html.split(QStringLiteral("\r\n")).filter(QStringLiteral("<tr>"));
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], QStringLiteral("<tr><td>Index</td><td>A</td><td>B</td><td>long &#176;C</td>"
                                      "<td>Y</td><td>Radius</td></tr>"));
    for (const QString &row : rows)
        EXPECT_EQ(row.count(QStringLiteral("<td>")), 6) << row.toStdString();
    EXPECT_EQ(rows[4], QStringLiteral("<tr><td>3</td><td></td><td></td><td>4</td><td></td><td></td></tr>"));
    EXPECT_EQ(rows[5], QStringLiteral("<tr><td>4</td><td></td><td></td><td>5</td><td></td><td></td></tr>"));
}

TEST_F(DataExport, SpreadsheetRecordsOpenInXlrd)
{
    series(1)->SetValueColor(1, clNone);
    TSeriesDataXLS data(chart.get());
    data.IncludeHeader = true;
    const QByteArray xls = xlsBytes(data);
    EXPECT_EQ(xls.left(12), QByteArray::fromHex("090808000000100000000000"));
    EXPECT_EQ(xls.mid(12, 6), QByteArray::fromHex("42000200e404")); // code page 1252
    EXPECT_EQ(xls.mid(18, 4), QByteArray::fromHex("00020a00"));
    EXPECT_EQ(xls.right(4), QByteArray::fromHex("0a000000"));
    const QJsonArray rows = xlsRows(xls);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].toArray()[0].toArray()[1].toString(), QStringLiteral("Y")); // list names, not titles
    EXPECT_EQ(rows[0].toArray()[1].toArray()[1].toString(), QStringLiteral("Y"));
    EXPECT_EQ(rows[1].toArray()[0].toArray()[1].toDouble(), 1.0);
    EXPECT_EQ(rows[2].toArray()[1].toArray()[0].toInt(), 0); // the null point: a blank cell
    EXPECT_EQ(rows[3].toArray()[1].toArray()[1].toDouble(), 4.0);
}

TEST_F(DataExport, SpreadsheetLabelsAreCp1252AndCut)
{
    series(0)->Labels().SetLabel(0, QString(300, u'x'));
    series(0)->Labels().SetLabel(1, QStringLiteral("\u00B0C \u00E4 \u20AC"));
    addLineSeries(*chart, QStringLiteral("C"), {7});
    chart->GetSeries(2)->Labels().SetLabel(0, QStringLiteral("c"));
    TSeriesDataXLS data(chart.get());
    const QByteArray xls = xlsBytes(data);
    EXPECT_TRUE(xls.contains(QByteArray("\xff") + QByteArray(255, 'x') + QByteArray("\x03\x00", 2)));
    EXPECT_TRUE(xls.contains(QByteArray::fromHex("06b04320e42080")));
    EXPECT_EQ(TSeriesDataXLS::labelBytes(QStringLiteral("\u0394\u0080")), QByteArray("??"));
    const QJsonArray rows = xlsRows(xls);
    ASSERT_EQ(rows.size(), 3);
    // Every series brings its own label column; the short series gives an empty label and blanks.
    const QJsonArray second = rows[1].toArray();
    ASSERT_EQ(second.size(), 6);
    EXPECT_EQ(second[0].toArray()[1].toString(), QStringLiteral("\u00B0C \u00E4 \u20AC"));
    EXPECT_EQ(second[4].toArray()[1].toString(), QString());
    EXPECT_EQ(second[5].toArray()[0].toInt(), 0);
}

TEST_F(DataExport, SpreadsheetLabelsBeyondAsciiReadBackInXlrdByTheirCodePage)
{
    for (int i = 0; i < series(0)->Count(); ++i)
        series(0)->Labels().SetLabel(i, QStringLiteral("\u00C4thanol %1 \u00B0C").arg(i));
    TSeriesDataXLS data(chart.get(), series(0));
    data.IncludeHeader = true;
    // The code page as the file names it, no override.
    const QJsonArray rows = pythonRows("import json, sys, xlrd\n"
                                       "book = xlrd.open_workbook(file_contents=sys.stdin.buffer.read())\n"
                                       "sheet = book.sheet_by_index(0)\n"
                                       "print(json.dumps([book.encoding, sheet.cell_value(1, 0), sheet.cell_value(2, 0)]))",
                                       xlsBytes(data));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toString(), QStringLiteral("cp1252"));
    EXPECT_EQ(rows[1].toString(), QStringLiteral("\u00C4thanol 0 \u00B0C"));
    EXPECT_EQ(rows[2].toString(), QStringLiteral("\u00C4thanol 1 \u00B0C"));
}

TEST_F(DataExport, ChartWithoutSeriesGivesOnlyTheFrame)
{
    TChart empty;
    TSeriesDataText text(&empty);
    EXPECT_EQ(text.AsString(), QStringLiteral("\r\n"));
    text.IncludeHeader = true;
    EXPECT_EQ(text.AsString(), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(TSeriesDataXML(&empty).AsString(),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<chart>\r\n</chart>"));
}

TEST_F(DataExport, SpreadsheetBeyondItsRowsRaisesAndLeavesNoFile)
{
    TChart big;
    auto *series = big.AddSeriesOfClass<TLineSeries>();
    for (int i = 0; i < 70000; ++i)
        series->Add(i);
    TSeriesDataXLS data(&big);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.xls"));
    EXPECT_THROW((void)data.SaveToFile(path), ChartException);
    EXPECT_FALSE(QFile::exists(path));
    data.IncludeHeader = true;
    series->DeleteRange(TSeriesDataXLS::kMaxRows - 1, series->Count() - (TSeriesDataXLS::kMaxRows - 1));
    EXPECT_TRUE(data.SaveToFile(path)); // the largest sheet: 65534 rows and the header
}
