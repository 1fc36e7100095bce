// Printed value tables: header, frame, columns and pages on a recording surface, and a real
// print job into a PDF file.
#include "app/core/TableLayout.h"

#include "FakePrinterService.h"
#include "PdfReader.h"
#include "RecordingPrintSurface.h"
#include "TestRecords.h"
#include "app/data/LanguageTables.h"
#include "app/print/TXPrint.h"
#include "app/print/TablePrinter.h"
#include "TChartPreview.h"
#include "TComboFlat.h"
#include "TPlotPreviewPanel.h"

#include <QFile>
#include <QLine>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A4 between margins of 20 and 15 mm, in 0.1 mm.
constexpr int kA4Width = 1700;
constexpr int kA4Height = 2670;
constexpr int kColumn = 283; // 1700 / 6 rounded

const TableHeaderTexts kHeader{QStringLiteral("Korvex Tensimo 3.0 - Tabellenausdruck"), QStringLiteral("s1"),
                               QStringLiteral("s2"), QStringLiteral("s3"), QStringLiteral("s4")};

QStringList numberedRows(int count)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows.append(QString::number(i) + u'\t' + QString::number(i * 7 % 1000) + QStringLiteral(",125"));
    return rows;
}

// The texts of the rows (the right-hand fields) in the order they were drawn.
QList<RecordingPrintSurface::Text> rowTexts(const RecordingPrintSurface &surface, int headerBottom)
{
    QList<RecordingPrintSurface::Text> rows;
    for (const RecordingPrintSurface::Text &text : surface.texts) {
        if (text.y >= headerBottom && text.text.contains(u','))
            rows.append(text);
    }
    return rows;
}

} // namespace

TEST(TableLayout, PureSubstanceHeaderAndFrame)
{
    RecordingPrintSurface surface(kA4Width, kA4Height);
    ASSERT_TRUE(surface.beginDocument());
    EXPECT_EQ(layOutTable(surface, {}, TableHeaderKind::PureSubstance, kHeader), 1);

    // An empty table prints one page with the header and the frame.
    ASSERT_EQ(surface.texts.size(), 3);
    const RecordingPrintSurface::Text title = surface.texts.at(0);
    EXPECT_EQ(title.text, QStringLiteral("Korvex Tensimo 3.0 - Tabellenausdruck"));
    EXPECT_EQ(QPoint(title.x, title.y), QPoint(0, 0));
    EXPECT_EQ(title.points, 12);
    EXPECT_EQ(surface.texts.at(1).text, QStringLiteral("s4"));
    EXPECT_EQ(QPoint(surface.texts.at(1).x, surface.texts.at(1).y), QPoint(0, 70));
    EXPECT_EQ(surface.texts.at(1).points, 12);
    EXPECT_EQ(surface.texts.at(2).text, QStringLiteral("s3"));
    EXPECT_EQ(surface.texts.at(2).y, 140);
    EXPECT_EQ(surface.texts.at(2).points, 8);

    ASSERT_EQ(surface.lines.size(), 9);
    const auto line = [&](int i) {
        const RecordingPrintSurface::Line &l = surface.lines.at(i);
        return QLine(l.x1, l.y1, l.x2, l.y2);
    };
    EXPECT_EQ(line(0), QLine(0, 170, kA4Width, 170));
    EXPECT_EQ(line(1), QLine(kA4Width, 170, kA4Width, kA4Height));
    EXPECT_EQ(line(2), QLine(kA4Width, kA4Height, 0, kA4Height));
    EXPECT_EQ(line(3), QLine(0, kA4Height, 0, 170));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(line(3 + i), QLine(i * kColumn, 170, i * kColumn, kA4Height));
}

TEST(TableLayout, OtherHeaderKindsStartTheRowsLower)
{
    struct Case {
        TableHeaderKind kind;
        int firstRowY;
        QList<int> headerYs;
        QList<int> headerPoints;
    };
    const Case cases[] = {
        {TableHeaderKind::PureSubstance, 190, {0, 70, 140}, {12, 12, 8}},
        {TableHeaderKind::Mixture, 270, {0, 70, 140, 190, 220}, {12, 12, 8, 8, 8}},
        {TableHeaderKind::SolidInLiquid, 220, {0, 70, 140, 170}, {12, 10, 8, 8}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.kind));
        RecordingPrintSurface surface(kA4Width, kA4Height);
        surface.beginDocument();
        layOutTable(surface, {QStringLiteral("12\t0,5")}, c.kind, kHeader);
        const qsizetype headerCount = c.headerYs.size();
        ASSERT_EQ(surface.texts.size(), headerCount + 2);
        for (qsizetype i = 0; i < headerCount; ++i) {
            EXPECT_EQ(surface.texts.at(i).y, c.headerYs.at(i)) << i;
            EXPECT_EQ(surface.texts.at(i).points, c.headerPoints.at(i)) << i;
        }
        EXPECT_EQ(surface.texts.at(headerCount).y, c.firstRowY);
        EXPECT_EQ(surface.texts.at(headerCount).points, 9);
        EXPECT_EQ(surface.lines.at(0).y1, c.firstRowY - 20);
    }
}

TEST(TableLayout, RowsAreRightAlignedInSixColumnsOf82Rows)
{
    RecordingPrintSurface surface(kA4Width, kA4Height);
    surface.beginDocument();
    EXPECT_EQ(layOutTable(surface, numberedRows(83), TableHeaderKind::PureSubstance, kHeader), 1);
    const int x1 = 142 - 50; // round(283 / 2), ties to even
    const int x2 = kColumn - 30;
    QList<RecordingPrintSurface::Text> firstFields;
    QList<RecordingPrintSurface::Text> secondFields;
    for (qsizetype i = 3; i < surface.texts.size(); i += 2) {
        firstFields.append(surface.texts.at(i));
        secondFields.append(surface.texts.at(i + 1));
    }
    ASSERT_EQ(firstFields.size(), 83);
    for (int row = 0; row < 82; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(firstFields.at(row).y, 190 + 30 * row);
        EXPECT_EQ(firstFields.at(row).x + surface.textWidth(firstFields.at(row).text), x1);
        EXPECT_EQ(secondFields.at(row).x + surface.textWidth(secondFields.at(row).text), x2);
    }
    EXPECT_EQ(firstFields.at(0).text, QStringLiteral("1"));
    EXPECT_EQ(secondFields.at(0).text, QStringLiteral("7,125"));
    // Row 83 starts the second column at the top.
    EXPECT_EQ(firstFields.at(82).y, 190);
    EXPECT_EQ(firstFields.at(82).x + surface.textWidth(firstFields.at(82).text), x1 + kColumn);
    EXPECT_EQ(secondFields.at(82).x + surface.textWidth(secondFields.at(82).text), x2 + kColumn);
}

TEST(TableLayout, PagesHold492RowsAndTheLastPageIsNeverEmpty)
{
    struct Case {
        int rows;
        int pages;
    };
    const Case cases[] = {{0, 1}, {492, 1}, {493, 2}, {984, 2}, {985, 3}, {2000, 5}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        RecordingPrintSurface surface(kA4Width, kA4Height);
        surface.beginDocument();
        EXPECT_EQ(layOutTable(surface, numberedRows(c.rows), TableHeaderKind::PureSubstance, kHeader), c.pages);
        EXPECT_EQ(surface.pages(), c.pages);
        // Every page has its header and its rows.
        for (int page = 1; page <= c.pages; ++page) {
            int titles = 0;
            int rows = 0;
            for (const RecordingPrintSurface::Text &text : surface.texts) {
                if (text.page != page)
                    continue;
                titles += text.y == 0 ? 1 : 0;
                rows += text.y >= 190 && text.text.contains(u',') ? 1 : 0;
            }
            EXPECT_EQ(titles, 1) << "page " << page;
            EXPECT_EQ(rows, c.rows == 0 ? 0 : std::min(492, c.rows - (page - 1) * 492)) << "page " << page;
        }
    }
}

TEST(TableLayout, FieldsTooWideForSixColumnsGetFewerWiderOnes)
{
    struct Case {
        const char *what;
        QString row; // every row of the table has its fields' widths
        int columns;
        int column; // PageWidth / columns, rounded
        int firstRight;
        int secondRight;
    };
    // At 9 points a character is 19 units wide and a blank 19: six columns of 283 give the second
    // field 253 - 92 = 161 units after the first field's edge.
    const Case cases[] = {
        {"fixed notation fits", QStringLiteral("100\t1,013"), 6, kColumn, 92, 253},
        {"%9.5e beside two or three digits", QStringLiteral("-40\t9,54003e-03"), 5, 340, 310 - 209 - 19, 310},
        {"%9.5e beside four digits", QStringLiteral("1000\t1,23457e+02"), 4, 425, 395 - 209 - 19, 395},
        {"pascal with tenth steps", QStringLiteral("100,5\t101325,000"), 4, 425, 395 - 190 - 19, 395},
        {"wider than a page", QStringLiteral("1\t") + QString(80, u'9'), 1, kA4Width, 1670 - 1524 - 19, 1670},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrintSurface surface(kA4Width, kA4Height);
        surface.beginDocument();
        const int perPage = 82 * c.columns;
        EXPECT_EQ(layOutTable(surface, QStringList(perPage + 1, c.row), TableHeaderKind::PureSubstance, kHeader), 2);
        const int column = c.column;
        QList<int> frameLines;
        for (const RecordingPrintSurface::Line &line : surface.lines) {
            if (line.page == 1 && line.x1 == line.x2 && line.x1 > 0 && line.x1 < kA4Width)
                frameLines.append(line.x1);
        }
        QList<int> expectedLines;
        for (int i = 1; i < c.columns; ++i)
            expectedLines.append(i * column);
        EXPECT_EQ(frameLines, expectedLines);

        QList<RecordingPrintSurface::Text> fields;
        for (const RecordingPrintSurface::Text &text : surface.texts) {
            if (text.points == 9)
                fields.append(text);
        }
        ASSERT_EQ(fields.size(), 2 * (perPage + 1));
        const int blank = surface.textWidth(QStringLiteral(" "));
        for (qsizetype i = 0; i < fields.size(); i += 2) {
            const RecordingPrintSurface::Text &first = fields.at(i);
            const RecordingPrintSurface::Text &second = fields.at(i + 1);
            const int left = first.x / column * column; // the column's left line
            SCOPED_TRACE(testing::Message() << "row " << i / 2 << " at x " << first.x);
            ASSERT_EQ(first.x + surface.textWidth(first.text), left + c.firstRight);
            ASSERT_EQ(second.x + surface.textWidth(second.text), left + c.secondRight);
            ASSERT_GE(second.x, first.x + surface.textWidth(first.text) + blank);
            ASSERT_LE(second.x + surface.textWidth(second.text), left + column);
        }
        EXPECT_EQ(fields.last().page, 2);
    }
}

TEST(TableLayout, RowsOfLaterPagesKeepTheirFontSize)
{
    RecordingPrintSurface surface(kA4Width, kA4Height);
    surface.beginDocument();
    layOutTable(surface, numberedRows(1200), TableHeaderKind::SolidInLiquid, kHeader);
    const QList<RecordingPrintSurface::Text> rows = rowTexts(surface, 220);
    ASSERT_EQ(rows.size(), 1200);
    for (const RecordingPrintSurface::Text &row : rows) {
        ASSERT_EQ(row.points, 9) << "page " << row.page << " y " << row.y;
    }
    EXPECT_EQ(rows.last().page, surface.pages());
    EXPECT_GT(surface.pages(), 2);
}

TEST(TXPrint, A4PageInTenthsOfAMillimetreAndItsSettings)
{
    QTemporaryDir dir;
    FakePrinterService printers;
    printers.setOutputFile(dir.filePath(QStringLiteral("page.pdf")));
    TXPrint print(printers);
    print.setA4Portrait();
    print.SetScaling(TScaling::pscMetric10);
    print.MarginLeft = 200;
    print.MarginRight = 200;
    print.MarginTop = 150;
    print.MarginBottom = 150;
    print.SetAngle10(3650);
    EXPECT_EQ(print.Angle10(), 50);

    ASSERT_TRUE(print.BeginDoc());
    EXPECT_NEAR(print.PageWidth, 1700, 1);
    EXPECT_TRUE(print.PageHeight == 2669 || print.PageHeight == 2670) << print.PageHeight;
    // The scaling stays while a document is open.
    print.SetScaling(TScaling::pscMetric100);
    EXPECT_EQ(print.Scaling(), TScaling::pscMetric10);
    EXPECT_EQ(print.MarginLeft, 200);
    // 9 points of a fixed-pitch font: ten characters are about 6 em = 19 mm wide.
    print.SetFontSize(9);
    EXPECT_NEAR(print.textWidth(QStringLiteral("0123456789")), 190, 10);
    EXPECT_TRUE(print.EndDoc());
    EXPECT_FALSE(print.printing());
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("page.pdf"))).size(), 0);
}

TEST(TablePrinter, PrintsA2000RowTableIntoAPdfFile)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed; setup.sh installs it";
    LanguageTables texts;
    ASSERT_TRUE(texts.setTables(shippedSourceLines(QStringLiteral("varsonst.tsv")),
                                shippedSourceLines(QStringLiteral("varglob.tsv"))));
    QTemporaryDir dir;
    const QString pdfFile = dir.filePath(QStringLiteral("table.pdf"));
    FakePrinterService printers;
    printers.setOutputFile(pdfFile);
    TablePrinter printer(texts, nullptr);
    QStringList rows = numberedRows(2000);
    rows.first() = QStringLiteral("-40\t0,00123");
    rows.last() = QStringLiteral("1959\t987,654");
    ASSERT_EQ(printer.PrintTable(rows, TableHeaderKind::PureSubstance, QString(), QString(),
                                 QStringLiteral("Alle Ergebnisse sind ohne Gewähr."),
                                 QStringLiteral("Testwasser (°C / bar)")),
              PrintOutcome::Printed);
    EXPECT_EQ(printers.printDialogs, 1);
    EXPECT_EQ(printers.lastJobTitle, QStringLiteral("Tenso"));

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(text.count(u'\f'), 5); // pdftotext ends every page with a form feed
    EXPECT_EQ(text.count(QStringLiteral("Korvex Tensimo 3.0 - Tabellenausdruck")), 5);
    EXPECT_TRUE(text.contains(QStringLiteral("Testwasser (°C / bar)")));
    EXPECT_TRUE(text.contains(QStringLiteral("0,00123")));
    EXPECT_TRUE(text.contains(QStringLiteral("987,654")));
    EXPECT_TRUE(text.contains(QStringLiteral("1959")));

    // A cancelled dialog prints nothing.
    QFile::remove(pdfFile);
    printers.acceptPrintDialog = false;
    EXPECT_EQ(printer.PrintTable(rows, TableHeaderKind::PureSubstance, {}, {}, {}, {}), PrintOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(pdfFile));
}

TEST(TablePrinter, EveryJobStartsOnA4Portrait)
{
    LanguageTables texts;
    QTemporaryDir dir;
    FakePrinterService printers;
    printers.setOutputFile(dir.filePath(QStringLiteral("table.pdf")));
    TablePrinter printer(texts, nullptr);
    // What a print preview in landscape on other paper leaves behind in the shared printer.
    printer.XPrint1->printer().setPageOrientation(QPageLayout::Landscape);
    printer.XPrint1->printer().setPageSize(QPageSize(QPageSize::Letter));
    ASSERT_EQ(printer.PrintTable({QStringLiteral("1\t2")}, TableHeaderKind::PureSubstance, {}, {}, {}, {}),
              PrintOutcome::Printed);
    EXPECT_NEAR(printer.XPrint1->PageWidth, 1700, 1);
    EXPECT_NEAR(printer.XPrint1->PageHeight, 2670, 1);
}

TEST(TablePrinter, ATableAfterALandscapeChartPrintIsA4PortraitOnTheSamePrinter)
{
    LanguageTables texts;
    QTemporaryDir dir;
    FakePrinterService printers;
    TCustomPlotPanelExtended chart;
    chart.resize(400, 250);
    TPlotPreviewPanel preview;
    preview.SetPanel(&chart);
    preview.SetOrientation(TPlotPreviewPanel::ppoLandscape);
    const QString chartFile = dir.filePath(QStringLiteral("chart.pdf"));
    printers.setOutputFile(chartFile);
    preview.Print();

    TablePrinter printer(texts, nullptr);
    EXPECT_EQ(&printer.XPrint1->printer(), &printers.printer());
    const QString tableFile = dir.filePath(QStringLiteral("table.pdf"));
    printers.setOutputFile(tableFile);
    ASSERT_EQ(printer.PrintTable({QStringLiteral("1\t2")}, TableHeaderKind::PureSubstance, {}, {}, {}, {}),
              PrintOutcome::Printed);
    EXPECT_EQ(printers.jobs, 2);
    const QSizeF chartPage = pdfInfo(chartFile).pageSizePoints;
    EXPECT_GT(chartPage.width(), chartPage.height());
    const QSizeF tablePage = pdfInfo(tableFile).pageSizePoints;
    EXPECT_NEAR(tablePage.width(), 595.3, 1.0); // A4 portrait in points
    EXPECT_NEAR(tablePage.height(), 841.9, 1.0);
}

TEST(TablePrinter, ThePreviewPrintsOnThePrinterItShowsNeverIntoATablesFile)
{
    const struct { const char *what; bool chosenInTheBox; } cases[] = {
        {"the printer the box shows", false},
        {"a printer chosen in the box", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LanguageTables texts;
        QTemporaryDir dir;
        FakePrinterService printers;
        const QString laser = dir.filePath(QStringLiteral("laser.pdf"));
        const QString ink = dir.filePath(QStringLiteral("ink.pdf"));
        printers.setOutputFile(laser);
        printers.addPrinter(QStringLiteral("Tinte"), ink);
        printers.usePrinter(1);

        // The table goes into a file chosen in the print dialog.
        const QString tableFile = dir.filePath(QStringLiteral("table.pdf"));
        printers.printDialogFile = tableFile;
        TablePrinter table(texts, nullptr);
        ASSERT_EQ(table.PrintTable({QStringLiteral("1\t2")}, TableHeaderKind::PureSubstance, {}, {}, {}, {}),
                  PrintOutcome::Printed);
        QFile tablePdf(tableFile);
        ASSERT_TRUE(tablePdf.open(QIODevice::ReadOnly));
        const QByteArray printedTable = tablePdf.readAll();
        tablePdf.close();
        ASSERT_FALSE(printedTable.isEmpty());

        TCustomPlotPanelExtended chart;
        chart.resize(400, 250);
        TChartPreview preview;
        preview.TagPanel = &chart;
        preview.show();
        if (c.chosenInTheBox) {
            for (const int index : {0, 1}) {
                preview.CBPrinters->setCurrentIndex(index);
                Q_EMIT preview.CBPrinters->activated(index);
            }
        }
        ASSERT_EQ(preview.CBPrinters->currentText(), QStringLiteral("Tinte"));
        preview.BPrint->click();

        ASSERT_TRUE(tablePdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(tablePdf.readAll(), printedTable);
        EXPECT_EQ(printers.jobs, 2);
        EXPECT_EQ(pdfInfo(ink).pages, 1);
        EXPECT_FALSE(QFile::exists(laser));
    }
}
