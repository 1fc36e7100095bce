// The diagram window: curves from the calculation core in the chosen units, axis titles, the
// logarithmic pressure axis, unit lists and headings by the mode, the point count of the
// settings, and the picker's list from showing to closing.
#include "app/diagram/TKurveDlg.h"

#include "FakePrinterService.h"
#include "MainWindowFixture.h"
#include "PdfReader.h"
#include "RecordingCanvas.h"
#include "ScopedLocale.h"
#include "TestRecords.h"
#include "WhileShown.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/TFlueFlueDlg.h"
#include "platform/SettingsStore.h"

#include "chart/core/PlotConst.h"
#include "chart/editor/TChartPreview.h"
#include "chart/editor/TChartPreviewer.h"
#include "chart/editor/TPlotPreviewPanel.h"
#include "chart/engine/PlotEngine.h"
#include "chart/engine/TChartAxis.h"
#include "chart/engine/TChartAxisTitle.h"
#include "chart/engine/TChartSeries.h"
#include "chart/export/NativeChartFile.h"
#include "chart/series/PixelColumnCache.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartLegend.h"
#include "chart/series/TChartTitle.h"
#include "chart/series/TCursorTool.h"
#include "chart/series/TPageNumTool.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

class DiagramWindow : public MainWindowFixture
{
protected:
    TKurveDlg *window = nullptr;

    void startWith(const QStringList &records)
    {
        start(records);
        window = form->diagramWindow();
        ASSERT_NE(window, nullptr);
    }

    static QStringList items(const QComboBox *box)
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    }

    TChartSeries *series(int index) const { return window->Chart1->GetSeries(index); }

    static void selectUnit(QComboBox *box, const char *unit) { box->setCurrentText(QString::fromUtf8(unit)); }

    // Runs a command; the caption of the diagram window it opened (closed again at once), or
    // nothing when none opened.
    std::optional<QString> opensDiagram(const std::function<void()> &command)
    {
        std::optional<QString> caption;
        whileShown(window, command, [&] { caption = window->windowTitle(); });
        return caption;
    }

    // Runs a command that opens the diagram, the steps while it is shown, then closes it.
    void whileOpen(const std::function<void()> &command, const std::function<void()> &steps)
    {
        EXPECT_TRUE(whileShown(window, command, steps));
    }

    std::vector<double> values(int index, bool abscissa) const
    {
        std::vector<double> list;
        for (int j = 0; j < series(index)->Count(); ++j)
            list.push_back(abscissa ? series(index)->GetXValue(j) : series(index)->GetYValue(j));
        return list;
    }

    // Opens the vapour-pressure diagram, presses its print button, runs the steps on the preview
    // dialog and closes both.
    void inPrintPreview(const std::function<void(TChartPreview &)> &steps)
    {
        bool previewed = false;
        QTimer::singleShot(0, window, [&] {
            const auto shown = QObject::connect(window->ChartPreviewer1, &TCustomChartEditor::OnShow, [&](QWidget *form) {
                auto *preview = qobject_cast<TChartPreview *>(form);
                QTimer::singleShot(0, preview, [&, preview] {
                    previewed = true;
                    steps(*preview);
                    preview->BClose->click();
                });
            });
            window->BitBtn1->click();
            QObject::disconnect(shown);
            window->reject();
        });
        form->Diagramm1->trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(previewed);
    }

    // Prints the diagram from its preview, after the steps there, into a PDF in the folder; its path.
    QString printFromPreview(const QTemporaryDir &dir, const std::function<void(TChartPreview &)> &steps = {})
    {
        FakePrinterService printers;
        const QString file = dir.filePath(QStringLiteral("diagramm.pdf"));
        printers.setOutputFile(file);
        inPrintPreview([&](TChartPreview &preview) {
            if (steps)
                steps(preview);
            preview.BPrint->click();
        });
        return file;
    }

    QStringList picked() const
    {
        QStringList lines;
        for (int row = 0; row < form->mediumPicker()->ListBox2->count(); ++row)
            lines.append(form->mediumPicker()->ListBox2->item(row)->text());
        return lines;
    }
};

} // namespace

TEST_F(DiagramWindow, UnitListsAndHeadingsFollowTheModeAndTheSettingsIndexes)
{
    startWith({w2000Record()});
    setUnits(2, 8); // K and "m WS", which the diagram lists as "m H2O"
    struct Case
    {
        CalculationMode mode;
        QStringList list1, list2;
        QString unit1, unit2, label1, label2, caption;
    };
    const Case cases[] = {
        {CalculationMode::VapourPressure, temperatureUnitTexts(), pressureUnitTexts(), "K", "m H2O", "Temperatur",
         "Dampfdruck", "Tensimo-Diagramm"},
        {CalculationMode::BoilingPoint, pressureUnitTexts(), temperatureUnitTexts(), "m H2O", "K", "Druck",
         "Temperatur", "Siedepunkts-Diagramm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        form->ComboBox2->setCurrentIndex(int(c.mode));
        window->show();
        EXPECT_EQ(items(window->ComboBox1), c.list1);
        EXPECT_EQ(items(window->ComboBox2), c.list2);
        EXPECT_EQ(window->ComboBox1->currentText(), c.unit1);
        EXPECT_EQ(window->ComboBox2->currentText(), c.unit2);
        EXPECT_EQ(window->Label1->text(), c.label1);
        EXPECT_EQ(window->Label2->text(), c.label2);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_EQ(window->CheckBox1->text(), QStringLiteral("Logarithmische Achse"));
        EXPECT_EQ(window->BitBtn2->text(), QStringLiteral("Medium hinzufügen"));
        EXPECT_EQ(window->BitBtn3->text(), QStringLiteral("&Schließen"));
        EXPECT_TRUE(window->BitBtn2->isVisible());
        window->BitBtn3->click();
    }
    // With the mixture dialog open only the mixture is drawn: nothing can be added.
    form->mixtureDialog()->show();
    window->show();
    EXPECT_FALSE(window->BitBtn2->isVisible());
    window->BitBtn3->click();
    form->mixtureDialog()->hide();
}

TEST_F(DiagramWindow, ThePointCountOfTheSettingsIsHeldWithinItsBounds)
{
    startWith({w2000Record()});
    struct Case
    {
        const char *text;
        int count;
    };
    for (const Case &c : {Case{"1", 2}, Case{"0", 2}, Case{"-5", 2}, Case{"1000000000", 100000}, Case{"abc", 250},
                          Case{" 300 ", 300}}) {
        SCOPED_TRACE(c.text);
        form->settingsDialog()->Edit1->setText(QString::fromUtf8(c.text));
        window->show();
        EXPECT_EQ(window->pointCount(), c.count);
        window->BitBtn3->click();
    }
}

TEST_F(DiagramWindow, EachShowingStartsThePickerWithTheCurrentMediumOnly)
{
    startWith({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    const QString current = DiagramHost(*form).currentMedium();
    window->show();
    form->mediumPicker()->ListBox2->addItem(form->ListBox1->item(1)->text());
    EXPECT_EQ(picked().size(), 2);
    window->BitBtn3->click();
    EXPECT_TRUE(picked().isEmpty());
    window->show();
    EXPECT_EQ(picked(), QStringList{current});
    window->BitBtn3->click();

    // Without a substance there is no current medium to add.
    folder.writeDatabase({});
    form->LoadDatabase();
    window->show();
    EXPECT_TRUE(picked().isEmpty());
    window->BitBtn3->click();
}

TEST_F(DiagramWindow, CurvesAreTheCalculationCoresValuesInTheChosenUnits)
{
    startWith({w2000Record()});
    const QString record = form->currentRecord();
    form->settingsDialog()->Edit1->setText(QStringLiteral("100"));
    struct Case
    {
        CalculationMode mode;
        const char *temperatureList; // ComboBox1 or ComboBox2 by the mode
        TChartAxis *(TChart::*pressureAxis)() const;
    };
    for (const Case &c : {Case{CalculationMode::VapourPressure, "ComboBox1", &TChart::LeftAxis},
                          Case{CalculationMode::BoilingPoint, "ComboBox2", &TChart::BottomAxis}}) {
        SCOPED_TRACE(int(c.mode));
        form->ComboBox2->setCurrentIndex(int(c.mode));
        window->show();
        const bool vapour = c.mode == CalculationMode::VapourPressure;
        QComboBox *temperatures = window->findChild<QComboBox *>(QString::fromLatin1(c.temperatureList));
        QComboBox *pressures = vapour ? window->ComboBox2 : window->ComboBox1;
        selectUnit(temperatures, "K");
        for (const char *unit : {"bar", "Torr"}) {
            SCOPED_TRACE(unit);
            selectUnit(pressures, unit);
            ASSERT_EQ(window->Chart1->SeriesCount(), 1);
            TChartSeries *curve = series(0);
            EXPECT_EQ(curve->Title(), QStringLiteral("Testwasser"));
            ASSERT_EQ(curve->Count(), 100);
            for (int j = 0; j < curve->Count(); ++j) {
                const double kelvin = vapour ? curve->GetXValue(j) : curve->GetYValue(j);
                const double pressure = vapour ? curve->GetYValue(j) : curve->GetXValue(j);
                const long double expected = TForm1::BarToPressureUnit(
                    QString::fromUtf8(unit), TForm1::CalcRecordPressure(record, kelvin));
                EXPECT_NEAR(pressure / double(expected), 1.0, 1e-12) << j;
            }
        }
        // The pressure axis alone becomes logarithmic, and back; the points stay.
        const double first = series(0)->GetYValue(0);
        window->CheckBox1->click();
        EXPECT_TRUE((window->Chart1->*c.pressureAxis)()->Logarithmic());
        EXPECT_FALSE((vapour ? window->Chart1->BottomAxis() : window->Chart1->LeftAxis())->Logarithmic());
        EXPECT_EQ(series(0)->GetYValue(0), first);
        EXPECT_FALSE(window->Chart1->grab().isNull()); // the logarithmic axis draws
        window->CheckBox1->click();
        EXPECT_FALSE((window->Chart1->*c.pressureAxis)()->Logarithmic());
        window->BitBtn3->click();
    }

    // In °C the test substance's points lie on the whole degrees 1 to 100.
    form->ComboBox2->setCurrentIndex(int(CalculationMode::VapourPressure));
    setUnits(0, 0);
    window->show();
    for (int j = 0; j < 100; ++j)
        EXPECT_NEAR(series(0)->GetXValue(j), j + 1.0, 1e-9);
    EXPECT_EQ(window->Chart1->BottomAxis()->Title()->Caption(), QStringLiteral("Temperatur in °C"));
    EXPECT_EQ(window->Chart1->LeftAxis()->Title()->Caption(), QStringLiteral("Dampfdruck in bar"));
    EXPECT_EQ(window->Chart1->Title()->Text(), QStringList{QStringLiteral("Korvex Tensimo 3.0 - Dampfdruckkurven")});
    EXPECT_EQ(window->Chart1->Foot()->Text(),
              QStringList{form->globalText(GlobalText::DiagramFoot1) + u' ' + form->globalText(GlobalText::DiagramFoot2)});
    window->BitBtn3->click();
}

TEST_F(DiagramWindow, ItsChartCarriesAnInactivePageNumberThatDrawsNothing)
{
    startWith({w2000Record()});
    TChart &chart = *window->Chart1;
    ASSERT_EQ(chart.Tools().Count(), 1);
    auto *tool = qobject_cast<TPageNumTool *>(chart.Tools()[0]);
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool, window->ChartTool1);
    EXPECT_EQ(tool->objectName(), QStringLiteral("ChartTool1"));
    EXPECT_FALSE(tool->Active());
    EXPECT_FALSE(tool->Callout()->Arrow()->Visible());
    EXPECT_FALSE(tool->IsFormatStored());
    whileOpen([&] { form->Diagramm1->trigger(); }, [&] {
        const QImage withTool = chart.grab().toImage();
        tool->SetParentChart(nullptr);
        const QImage without = chart.grab().toImage();
        tool->SetParentChart(&chart);
        EXPECT_EQ(withTool, without);
    });
}

TEST_F(DiagramWindow, ThePickersRedrawDrawsEveryPickedSubstanceOrNone)
{
    const QString methane = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    startWith({w2000Record(), withField(withField(methane, 21, QStringLiteral("300")), 22, QStringLiteral("320"))});
    setUnits(2, 0);
    window->show();
    TMeddazuDlg *picker = form->mediumPicker();
    picker->show();
    picker->ListBox1->setCurrentRow(1);
    picker->SpeedButton1->click();
    picker->BitBtn2->click();
    ASSERT_EQ(window->Chart1->SeriesCount(), 2);
    EXPECT_EQ(series(0)->Title(), QStringLiteral("Methan"));
    EXPECT_EQ(series(1)->Title(), QStringLiteral("Testwasser"));
    // Each over its own range, with the settings' count.
    const double ranges[][2] = {{300, 320}, {274.15, 373.15}};
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(series(i)->Count(), 250);
        EXPECT_DOUBLE_EQ(series(i)->GetXValue(0), ranges[i][0]);
        EXPECT_DOUBLE_EQ(series(i)->GetXValue(249), ranges[i][1]);
    }
    // Compared curves are told apart by a legend of their names above the plot.
    const TChartLegend *legend = window->Chart1->Legend();
    EXPECT_TRUE(legend->Visible());
    EXPECT_EQ(legend->Alignment(), laTop);
    EXPECT_EQ(legend->LegendStyle(), lsSeries);
    window->Chart1->grab();
    EXPECT_EQ(legend->TotalItems(), 2);
    picker->ListBox2->clear();
    picker->BitBtn2->click();
    EXPECT_EQ(window->Chart1->SeriesCount(), 0);
    window->BitBtn3->click();
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(DiagramWindow, ItsCurvesAreNamedSoThatASavedChartKeepsWhatLinksToThem)
{
    setUpChartLibrary(); // the program's registry, which reads chart files
    const QString methane = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    startWith({w2000Record(), methane});
    window->show();
    TMeddazuDlg *picker = form->mediumPicker();
    picker->show();
    picker->ListBox1->setCurrentRow(1);
    picker->SpeedButton1->click();
    for (int redraw = 0; redraw < 2; ++redraw) {
        SCOPED_TRACE(redraw);
        picker->BitBtn2->click();
        ASSERT_EQ(window->Chart1->SeriesCount(), 2);
        // Every rebuild names its curves afresh.
        EXPECT_EQ(series(0)->objectName(), QStringLiteral("LineSeries1"));
        EXPECT_EQ(series(1)->objectName(), QStringLiteral("LineSeries2"));
    }
    // A cursor on the second curve, as the chart editor makes it, is still on it after a save.
    const auto cursor = std::make_unique<TCursorTool>();
    window->Chart1->Tools().Add(cursor.get());
    cursor->SetSeries(series(1));
    const auto back = ReadChartFromBytes(SaveChartToBytes(*window->Chart1, false, true));
    ASSERT_EQ(back->Tools().Count(), 2);
    auto *cursorBack = qobject_cast<TCursorTool *>(back->Tools().Item(1));
    ASSERT_NE(cursorBack, nullptr);
    EXPECT_EQ(cursorBack->Series(), back->GetSeries(1));
    window->BitBtn3->click();
}

TEST_F(DiagramWindow, EveryCallerOpensItInItsModeOnlyWithSomethingToDraw)
{
    startWith({w2000Record()});
    const QString vapour = QStringLiteral("Tensimo-Diagramm");
    const QString boiling = QStringLiteral("Siedepunkts-Diagramm");
    struct Case
    {
        QAction *command;
        QString caption;
    };
    for (const Case &c : {Case{form->Diagramm2, boiling}, Case{form->Diagramm1, vapour},
                          Case{form->SiedepunktsDiagramm1, boiling}, Case{form->TensimoDiagramm1, vapour}}) {
        SCOPED_TRACE(c.command->objectName().toStdString());
        EXPECT_EQ(opensDiagram([&] { c.command->trigger(); }), c.caption);
        EXPECT_EQ(form->ComboBox2->currentIndex(), int(c.caption == vapour ? CalculationMode::VapourPressure
                                                                          : CalculationMode::BoilingPoint));
    }
    // A double click keeps the current mode.
    form->ComboBox2->setCurrentIndex(int(CalculationMode::BoilingPoint));
    const QPoint item = form->ListBox1->visualItemRect(form->ListBox1->item(0)).center();
    EXPECT_EQ(opensDiagram([&] {
                  QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, item);
                  QTest::mouseDClick(form->ListBox1->viewport(), Qt::LeftButton, {}, item);
              }),
              boiling);

    // A mixture's button runs the table button's checks first.
    TFlueFlueDlg *mixture = form->mixtureDialog();
    mixture->show();
    mixture->ListBox1->setCurrentRow(0);
    mixture->SpeedButton1->click();
    mixture->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("50"));
    ASSERT_TRUE(mixture->BitBtn1->isEnabled());
    EXPECT_EQ(opensDiagram([&] { mixture->BitBtn1->click(); }), std::nullopt);
    EXPECT_EQ(messages.shown().size(), 1);
    mixture->StringGrid1->item(0, CompositionGrid::kPercentColumn)->setText(QStringLiteral("100"));
    mixture->ComboBox2->setCurrentIndex(int(CalculationMode::VapourPressure));
    EXPECT_EQ(opensDiagram([&] { mixture->BitBtn1->click(); }), vapour);
    mixture->hide();

    // Nothing selected, nothing drawn.
    folder.writeDatabase({});
    form->LoadDatabase();
    EXPECT_EQ(opensDiagram([&] { form->Diagramm1->trigger(); }), std::nullopt);
}

TEST_F(DiagramWindow, ItsPrintButtonPreviewsTheDiagramOnALandscapeSheetAndPrintsIt)
{
    startWith({w2000Record()});
    QTemporaryDir dir;
    const QString file = printFromPreview(dir, [&](TChartPreview &preview) {
        EXPECT_TRUE(window->BitBtn1->isEnabled());
        EXPECT_EQ(preview.PlotPreviewPanel1->Panel(), window->Chart1);
        for (const QSpinBox *margin : {preview.SETopMa, preview.SELeftMa, preview.SEBotMa, preview.SERightMa})
            EXPECT_EQ(margin->value(), 10);
        EXPECT_EQ(preview.OrientationItems->checkedId(), 1);
    });
    const PdfInfo info = pdfInfo(file);
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.pageSizePoints.width(), info.pageSizePoints.height());
    QStringList words;
    for (const PdfWord &word : pdfWords(file))
        words.append(word.text);
    EXPECT_TRUE(words.join(u' ').contains(QStringLiteral("Die angeg. Daten sind Rechenwerte,"))) << words.join(u' ').toStdString();
}

// The walls left the canvas opaque in the chart's silver: the printout had a grey box behind every
// axis label and title, where the screen shows silver on silver.
TEST_F(DiagramWindow, ThePrintedDiagramIsWhiteBehindItsAxisLabels)
{
    startWith({w2000Record()});
    QTemporaryDir dir;
    const QString file = printFromPreview(dir);
    constexpr int dpi = 144;
    const QImage page = pdfPageImage(file, dpi);
    ASSERT_FALSE(page.isNull());
    int checked = 0;
    for (const PdfWord &word : pdfWords(file)) {
        bool number = false;
        QString(word.text).replace(u',', u'.').toDouble(&number);
        if (!number && word.text != QStringLiteral("Temperatur"))
            continue;
        SCOPED_TRACE(word.text.toStdString());
        const QRectF box = word.boxPoints;
        const QRect pixels(QPoint(int(box.left() * dpi / 72), int(box.top() * dpi / 72)),
                           QPoint(int(box.right() * dpi / 72), int(box.bottom() * dpi / 72)));
        int white = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                white += qGray(page.pixel(x, y)) >= 245 ? 1 : 0;
        // Glyphs cover far less than half of their box; the rest is the paper.
        EXPECT_GT(white, pixels.width() * pixels.height() / 2);
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST_F(DiagramWindow, ShowingItMakesTheChartLibraryGermanButLeavesItsOwnCaptions)
{
    setUpChartLibrary();
    startWith({w2000Record()});
    ASSERT_EQ(form->languageLetter(), u'D');
    FakePrinterService printers;
    QString margins;
    inPrintPreview([&](TChartPreview &preview) {
        margins = preview.GBMargins->title();
        EXPECT_EQ(window->BitBtn1->text(), QStringLiteral("Diagramm drucken"));
        EXPECT_EQ(window->CheckBox1->text(), QStringLiteral("Logarithmische Achse"));
    });
    EXPECT_EQ(PlotConst::message(PlotConst::msgGalleryExtended), QStringLiteral("Erweitert"));
    EXPECT_EQ(margins, QStringLiteral("Rand (%)"));
    PlotEngine::ShowErrorBoxHook() = nullptr;
}

TEST_F(DiagramWindow, AtWholeDegreesTheCurveReadsAsTheSingleValueCalculation)
{
    startWith({w2000Record()});
    useFixedNotation();
    setUnits(0, 0);
    form->settingsDialog()->Edit1->setText(QStringLiteral("100"));
    const QStringList degrees{QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100")};
    QStringList drawn;
    whileOpen([&] { form->Diagramm1->trigger(); }, [&] {
        ASSERT_EQ(series(0)->Count(), 100);
        for (const QString &celsius : degrees) {
            const int j = celsius.toInt() - 1; // the points lie on 1, 2, … 100 °C
            EXPECT_NEAR(series(0)->GetXValue(j), celsius.toDouble(), 1e-9);
            drawn.append(form->FormatResult(series(0)->GetYValue(j)).trimmed());
        }
    });
    QStringList calculated;
    for (const QString &celsius : degrees) {
        form->Edit1->setText(celsius);
        form->BitBtn1->click();
        calculated.append(form->Label16->text().trimmed());
    }
    EXPECT_EQ(drawn, calculated);
    EXPECT_EQ(calculated.at(1), QStringLiteral("0,123"));
}

TEST_F(DiagramWindow, TheLogarithmicPressureAxisIsLabelledInDecades)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    startWith({w2000Record()});
    setUnits(0, 0);
    window->show();
    TChartAxis *left = window->Chart1->LeftAxis();
    QStringList labels;
    left->SetOnDrawLabel([&](TChartAxis *, int &, int &, int &, QString &text, bool &) {
        if (text != left->Title()->Caption())
            labels.append(text);
    });
    window->CheckBox1->click();
    ASSERT_TRUE(left->Logarithmic());
    window->Chart1->grab();
    EXPECT_TRUE(labels.contains(QStringLiteral("0,1"))) << labels.join(u' ').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("1"))) << labels.join(u' ').toStdString();
    const QLocale locale;
    for (const QString &label : labels) {
        bool number = false;
        const double exponent = std::log10(locale.toDouble(label, &number));
        EXPECT_TRUE(number && exponent == std::nearbyint(exponent)) << label.toStdString();
    }
    // Linear again: labels between the decades.
    labels.clear();
    window->CheckBox1->click();
    window->Chart1->grab();
    EXPECT_FALSE(left->Logarithmic());
    EXPECT_TRUE(labels.contains(QStringLiteral("0,2"))) << labels.join(u' ').toStdString();
    left->SetOnDrawLabel(nullptr);
    window->BitBtn3->click();
}

// The boiling-point diagram's pressure axis read "0,250,30,350,40,45…": its increment was sized by
// the end and middle labels ("0,2", "2", "1,1"), narrower than "0,25" and "1,05" between them.
TEST_F(DiagramWindow, NoTwoPressureLabelsOfABoilingPointDiagramTouch)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    // Water, and substances whose pressure labels ran together ("1,85" on "1,8", "0" on "0").
    QStringList records;
    for (const char16_t *cas : {u"7732-18-5", u"42023-59-6", u"584-84-9", u"7789-20-0", u"577-59-3"})
        records.append(shippedRecords(cas).value(0));
    startWith(records);
    ASSERT_EQ(form->ListBox1->count(), 5);
    // Digits of three widths, as fonts give them.
    for (const FakeMetrics metrics : {FakeMetrics{5, 12}, FakeMetrics{6, 12}, FakeMetrics{7, 12}}) {
        for (int row = 0; row < form->ListBox1->count(); ++row) {
            const QPoint item = form->ListBox1->visualItemRect(form->ListBox1->item(row)).center();
            QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, item);
            for (const char *unit : {"bar", "mbar"}) {
                SCOPED_TRACE(testing::Message() << form->Label5->text().toStdString() << " in " << unit << ", "
                                                << metrics.charWidth << " pixels a character");
                whileOpen([&] { form->Diagramm2->trigger(); }, [&] {
                    EXPECT_EQ(window->size(), QSize(692, 472));
                    selectUnit(window->ComboBox1, unit);
                    TChart &chart = *window->Chart1;
                    chart.SetCanvas(std::make_unique<RecordingCanvas>(metrics));
                    chart.Draw(nullptr, chart.GetRectangle());
                    const auto *canvas = dynamic_cast<const RecordingCanvas *>(chart.Canvas());
                    ASSERT_NE(canvas, nullptr);
                    // The bottom axis' labels are the centred, unrotated texts; its title lies below them.
                    std::vector<std::pair<QString, QRect>> labels;
                    for (const RecordedCall &call : canvas->calls(QStringLiteral("TextOut"))) {
                        if ((call.args[2] & TA_CENTER) != TA_CENTER || call.textAngleTenths != 0)
                            continue;
                        const int width = metrics.charWidth * int(call.text.size());
                        labels.emplace_back(call.text,
                                            QRect(call.args[0] - width / 2, call.args[1], width, metrics.height));
                    }
                    ASSERT_GE(labels.size(), 4u);
                    for (std::size_t i = 0; i < labels.size(); ++i)
                        for (std::size_t j = i + 1; j < labels.size(); ++j)
                            EXPECT_FALSE(labels[i].second.intersects(labels[j].second))
                                << labels[i].first.toStdString() << " and " << labels[j].first.toStdString();
                });
            }
        }
    }
}

TEST_F(DiagramWindow, ACurveSpansItsSubstancesRangeWithTheSettingsPointCount)
{
    startWith({withField(withField(w2000Record(), 21, QStringLiteral("280,65")), 22, QStringLiteral("320,9"))});
    setUnits(0, 0);
    form->settingsDialog()->Edit1->setText(QStringLiteral("50"));
    whileOpen([&] { form->Diagramm1->trigger(); }, [&] {
        ASSERT_EQ(series(0)->Count(), 50);
        const QLocale german(QLocale::German);
        const struct
        {
            double x;
            long double kelvin;
            QLabel *label;
        } ends[] = {{series(0)->GetXValue(0), form->range().TminK, form->Label19},
                    {series(0)->GetXValue(49), form->range().TmaxK, form->Label20}};
        for (const auto &end : ends) {
            EXPECT_EQ(end.x, double(TForm1::KelvinToTemperatureUnit(QStringLiteral("°C"), end.kelvin)));
            bool number = false;
            EXPECT_NEAR(end.x, german.toDouble(end.label->text(), &number), 1.0);
            EXPECT_TRUE(number) << end.label->text().toStdString();
        }
    });
}

TEST_F(DiagramWindow, ShippedWaterBoilsAtOneAtmosphereOnTheCurve)
{
    const QStringList records = shippedRecords(u"7732-18-5");
    ASSERT_EQ(records.size(), 1);
    startWith(records);
    setUnits(0, 0);
    whileOpen([&] { form->Diagramm1->trigger(); }, [&] {
        ASSERT_EQ(window->Chart1->SeriesCount(), 1);
        EXPECT_EQ(series(0)->Title(), QStringLiteral("Wasser"));
        const std::vector<double> t = values(0, true), p = values(0, false);
        const auto above = std::upper_bound(t.begin(), t.end(), 100.0);
        ASSERT_TRUE(above != t.begin() && above != t.end());
        const std::size_t j = std::size_t(above - t.begin());
        const double at100 = p[j - 1] + (p[j] - p[j - 1]) * (100.0 - t[j - 1]) / (t[j] - t[j - 1]);
        EXPECT_NEAR(at100 / 1.01325, 1.0, 0.02) << at100;
    });
}

TEST_F(DiagramWindow, AnotherUnitRescalesTheCurveAndRetitlesItsAxis)
{
    startWith({w2000Record()});
    setUnits(0, 0);
    window->show();
    const std::vector<double> celsius = values(0, true), bar = values(0, false);
    struct Case
    {
        QComboBox *list;
        const char *unit;
        double scale, offset;
        const char *axisTitle;
    };
    const Case cases[] = {
        {window->ComboBox2, "mbar", 1000, 0, "Dampfdruck in mbar"},
        {window->ComboBox2, "Pa", 100000, 0, "Dampfdruck in Pa"},
        {window->ComboBox1, "K", 1, 273.15, "Temperatur in K"},
        {window->ComboBox1, "°F", 1.8, 32, "Temperatur in °F"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.unit);
        selectUnit(window->ComboBox1, "°C");
        selectUnit(window->ComboBox2, "bar");
        selectUnit(c.list, c.unit);
        ASSERT_EQ(window->Chart1->SeriesCount(), 1);
        const bool abscissa = c.list == window->ComboBox1;
        const std::vector<double> &base = abscissa ? celsius : bar;
        const std::vector<double> drawn = values(0, abscissa);
        ASSERT_EQ(drawn.size(), base.size());
        for (std::size_t j = 0; j < base.size(); ++j)
            EXPECT_NEAR(drawn[j] / (base[j] * c.scale + c.offset), 1.0, 1e-12) << j;
        // The other coordinate stays.
        EXPECT_EQ(values(0, !abscissa), abscissa ? bar : celsius);
        const TChartAxis *axis = abscissa ? window->Chart1->BottomAxis() : window->Chart1->LeftAxis();
        EXPECT_EQ(axis->Title()->Caption(), QString::fromUtf8(c.axisTitle));
    }
    window->BitBtn3->click();
}

TEST_F(DiagramWindow, TheLogarithmicAxisBoxUndoesAMouseZoomFirst)
{
    startWith({w2000Record()});
    setUnits(0, 0);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    TChart *chart = window->Chart1;
    TChartAxis *bottom = chart->BottomAxis();
    TChartAxis *left = chart->LeftAxis();
    chart->grab(); // lays the axes out
    const double full[] = {bottom->Minimum(), bottom->Maximum(), left->Minimum(), left->Maximum()};
    for (const bool logarithmic : {true, false}) {
        SCOPED_TRACE(logarithmic);
        const QPoint from(bottom->ValueToPixel(20), left->ValueToPixel(0.8));
        const QPoint to(bottom->ValueToPixel(60), left->ValueToPixel(0.1));
        const double zoomed[] = {bottom->PixelToValue(from.x()), bottom->PixelToValue(to.x()),
                                 left->PixelToValue(to.y()), left->PixelToValue(from.y())};
        QTest::mousePress(chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
        ASSERT_TRUE(chart->Zoomed);
        EXPECT_DOUBLE_EQ(bottom->Minimum(), zoomed[0]);
        EXPECT_DOUBLE_EQ(bottom->Maximum(), zoomed[1]);
        EXPECT_DOUBLE_EQ(left->Minimum(), zoomed[2]);
        EXPECT_DOUBLE_EQ(left->Maximum(), zoomed[3]);

        window->CheckBox1->click();
        EXPECT_EQ(window->CheckBox1->isChecked(), logarithmic);
        EXPECT_EQ(left->Logarithmic(), logarithmic);
        EXPECT_FALSE(chart->Zoomed);
        EXPECT_TRUE(bottom->Automatic());
        EXPECT_TRUE(left->Automatic());
        chart->grab();
        EXPECT_DOUBLE_EQ(bottom->Minimum(), full[0]);
        EXPECT_DOUBLE_EQ(bottom->Maximum(), full[1]);
        // A logarithmic axis spans the same values.
        EXPECT_DOUBLE_EQ(left->Minimum(), full[2]);
        EXPECT_DOUBLE_EQ(left->Maximum(), full[3]);
    }
    window->BitBtn3->click();
}

TEST_F(DiagramWindow, AStoredPointCountOutsideItsBoundsDrawsTheDefault)
{
    folder.writeDatabase({w2000Record()});
    for (const char *stored : {"1", "0", "-5", "abc", "1000000000"}) {
        SCOPED_TRACE(stored);
        form.reset(); // a closing main window writes its settings
        SettingsStore(QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen"))
            .writeString(QStringLiteral("ABP"), QString::fromLatin1(stored));
        startAgain();
        window = form->diagramWindow();
        whileOpen([&] { form->Diagramm1->trigger(); }, [&] {
            ASSERT_EQ(window->Chart1->SeriesCount(), 1);
            EXPECT_EQ(series(0)->Count(), 250);
        });
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST_F(DiagramWindow, ItsCurvesRedrawnUnchangedZoomedOrLogarithmicShowWhatAFreshDrawingShows)
{
    startWith({w2000Record()});
    setUnits(0, 0);
    form->settingsDialog()->Edit1->setText(QStringLiteral("20000"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_EQ(window->pointCount(), 20000);
    TChart *chart = window->Chart1;
    const auto fresh = [chart] {
        PixelColumnCache::setEnabled(false);
        chart->Invalidate();
        const QImage image = chart->grab().toImage();
        PixelColumnCache::setEnabled(true);
        return image;
    };
    chart->grab();
    const std::uint64_t replays = PixelColumnCache::replays();
    chart->Invalidate(); // as an expose does
    const QImage kept = chart->grab().toImage();
    EXPECT_GT(PixelColumnCache::replays(), replays);
    EXPECT_EQ(kept, fresh());

    TChartAxis *bottom = chart->BottomAxis();
    TChartAxis *left = chart->LeftAxis();
    const QPoint from(bottom->ValueToPixel(20), left->ValueToPixel(0.8));
    const QPoint to(bottom->ValueToPixel(60), left->ValueToPixel(0.1));
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    ASSERT_TRUE(chart->Zoomed);
    const QImage zoomed = chart->grab().toImage();
    EXPECT_NE(zoomed, kept);
    EXPECT_EQ(zoomed, fresh());

    window->CheckBox1->click(); // logarithmic, unzoomed
    ASSERT_TRUE(left->Logarithmic());
    const QImage logarithmic = chart->grab().toImage();
    EXPECT_NE(logarithmic, kept);
    EXPECT_EQ(logarithmic, fresh());
    window->BitBtn3->click();
}
