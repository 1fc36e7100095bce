// What the diagram shows: titles by the mode, one curve per picked substance over its own range,
// or one curve of the visible dialog's mixture or solution with its composition in the title.
#include "app/diagram/DiagramContent.h"

#include "SystemDialogFixture.h"
#include "app/core/DiagramPoints.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class DiagramContentTest : public SystemDialogFixture
{
protected:
    QString line(int row) const { return form->ListBox1->item(row)->text(); }

    static void expectRelative(double actual, long double expected)
    {
        EXPECT_NEAR(actual / double(expected), 1.0, 1e-12) << actual << " vs " << double(expected);
    }

    QString foot(GlobalText first, GlobalText second) const { return global(first) + u' ' + global(second); }
};

} // namespace

TEST_F(DiagramContentTest, ASubstanceIsDrawnFromItsEquationWithTheTitlesOfTheMode)
{
    start({w2000Record()});
    const QString record = form->currentRecord();
    const QString title = QStringLiteral("Korvex Tensimo 3.0 - Dampfdruckkurven");
    const QString foot12 = foot(GlobalText::DiagramFoot1, GlobalText::DiagramFoot2);
    struct Case
    {
        CalculationMode mode;
        QString list1, list2;
        QString caption, label1, label2, bottom, left;
    };
    const Case cases[] = {
        {CalculationMode::VapourPressure, "K", "Torr", "Tensimo-Diagramm", "Temperatur", "Dampfdruck",
         "Temperatur in K", "Dampfdruck in Torr"},
        {CalculationMode::BoilingPoint, "bar", "K", "Siedepunkts-Diagramm", "Druck", "Temperatur", "Druck in bar",
         "Siedepunkt in K"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        form->ComboBox2->setCurrentIndex(int(c.mode));
        const DiagramUnits units = diagramUnits(c.mode, c.list1, c.list2);
        const DiagramContent content = buildDiagram(DiagramHost(*form), {line(0)}, units, 100);
        EXPECT_EQ(content.caption, c.caption);
        EXPECT_EQ(content.label1, c.label1);
        EXPECT_EQ(content.label2, c.label2);
        EXPECT_EQ(content.bottomAxisTitle, c.bottom);
        EXPECT_EQ(content.leftAxisTitle, c.left);
        EXPECT_EQ(content.titleLines, QStringList{title});
        EXPECT_EQ(content.titleFontSize, 10);
        EXPECT_EQ(content.footLines, QStringList{foot12});
        EXPECT_TRUE(content.legendVisible);
        ASSERT_EQ(content.series.size(), 1u);
        const DiagramSeries &series = content.series.front();
        EXPECT_EQ(series.title, QStringLiteral("Testwasser"));
        ASSERT_EQ(series.x.size(), 100u);
        ASSERT_EQ(series.y.size(), 100u);
        // Boiling points put the pressure on the bottom axis.
        const std::vector<double> &kelvin = c.mode == CalculationMode::VapourPressure ? series.x : series.y;
        const std::vector<double> &pressure = c.mode == CalculationMode::VapourPressure ? series.y : series.x;
        EXPECT_DOUBLE_EQ(kelvin.front(), 274.15);
        EXPECT_DOUBLE_EQ(kelvin.back(), 373.15);
        for (std::size_t j = 0; j < kelvin.size(); ++j)
            expectRelative(pressure[j], TForm1::BarToPressureUnit(units.pressure,
                                                                  TForm1::CalcRecordPressure(record, kelvin[j])));
    }
}

TEST_F(DiagramContentTest, EachPickedLineOfTheMainListIsOneCurveOverItsOwnRange)
{
    const QString methaneRecord = testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4);
    start({w2000Record(), withField(withField(methaneRecord, 21, QStringLiteral("300")), 22, QStringLiteral("320"))});
    const QString methane = line(0);
    const QString water = line(1);
    ASSERT_TRUE(methane.startsWith(QStringLiteral("Methan\t")));
    const DiagramUnits units{QStringLiteral("K"), QStringLiteral("bar")};
    const QString statusBefore = form->StatusText->text();

    // The same substance twice draws it twice; a line the list does not hold draws nothing.
    const DiagramContent content = buildDiagram(
        DiagramHost(*form), {water, QStringLiteral("Unbekannt\tXY"), methane, water}, units, kDefaultDiagramPoints);
    ASSERT_EQ(content.series.size(), 3u);
    struct Expected
    {
        const char *title;
        double TminK, TmaxK;
    };
    const Expected expected[] = {{"Testwasser", 274.15, 373.15}, {"Methan", 300, 320}, {"Testwasser", 274.15, 373.15}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].title);
        EXPECT_EQ(content.series[i].title, QString::fromLatin1(expected[i].title));
        ASSERT_EQ(content.series[i].x.size(), std::size_t(kDefaultDiagramPoints));
        EXPECT_DOUBLE_EQ(content.series[i].x.front(), expected[i].TminK);
        EXPECT_DOUBLE_EQ(content.series[i].x.back(), expected[i].TmaxK);
    }
    // The main window shows the last substance drawn. Its status text cycles through three texts
    // on every click: three clicks, none for the unknown line, bring it round.
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Testwasser"));
    EXPECT_EQ(form->currentRecord(), form->databaseList().at(1));
    EXPECT_EQ(form->StatusText->text(), statusBefore);

    EXPECT_TRUE(buildDiagram(DiagramHost(*form), {}, units, 250).series.empty());
}

TEST_F(DiagramContentTest, TheVisibleDialogsSystemIsOneCurveWithItsCompositionInTheTitle)
{
    writeSolutionDataFiles();
    QStringList records{waterTestRecord()};
    for (const char *name : {"A", "B", "C", "D"})
        records.append(testRecord(QString::fromLatin1(name), QStringLiteral("1-1-1"), 1, 1));
    start(records);
    const DiagramHost host(*form);
    const DiagramUnits units{QStringLiteral("K"), QStringLiteral("bar")};
    const QString title = QStringLiteral("Korvex Tensimo 3.0 - Dampfdruckkurven");

    TFlueFlueDlg *mixture = form->mixtureDialog();
    open(mixture);
    for (const char *name : {"A", "B", "C", "D"})
        addComponent(mixture, QString::fromLatin1(name), QStringLiteral("25"));
    DiagramContent content = buildDiagram(host, {}, units, 50);
    EXPECT_EQ(content.system, DiagramSystem::LiquidMixture);
    EXPECT_EQ(content.titleLines,
              (QStringList{title, QStringLiteral("A 25 Ma.%; B 25 Ma.%; C 25 Ma.%"), QStringLiteral("D 25 Ma.%")}));
    EXPECT_EQ(content.titleFontSize, 8);
    EXPECT_FALSE(content.legendVisible);
    EXPECT_EQ(content.footLines, (QStringList{global(GlobalText::DiagramFoot4), global(GlobalText::DiagramFoot3)}));
    ASSERT_EQ(content.series.size(), 1u);
    const DiagramSeries &curve = content.series.front();
    ASSERT_EQ(curve.x.size(), 50u);
    EXPECT_EQ(curve.x.front(), double(mixture->MixTmin));
    EXPECT_EQ(curve.x.back(), double(mixture->MixTmax));
    for (std::size_t j = 0; j < curve.x.size(); ++j)
        expectRelative(curve.y[j], mixture->CalcMixturePressure(curve.x[j]));
    mixture->hide();

    TFestFlueDlg *solid = form->solidLiquidDialog();
    open(solid);
    solid->Edit3->setText(QStringLiteral("10"));
    content = buildDiagram(host, {}, units, 50);
    EXPECT_EQ(content.system, DiagramSystem::SolidSolution);
    EXPECT_EQ(content.titleLines, (QStringList{title, QStringLiteral("Natriumchlorid 10 Ma.% gelöst in ")
                                                          + solid->Label6->text().section(u'\t', 0, 0)}));
    EXPECT_EQ(content.footLines, QStringList{foot(GlobalText::DiagramFoot3, GlobalText::DiagramFoot4)});
    ASSERT_EQ(content.series.size(), 1u);
    EXPECT_EQ(content.series.front().x.size(), 50u);
    solid->hide();

    // The aqueous title comes from the dialog's grid: its table window was never opened.
    TWaessrigDlg *aqueous = form->aqueousDialog();
    open(aqueous);
    addComponent(aqueous, QStringLiteral("NaCl"), QStringLiteral("10"));
    content = buildDiagram(host, {}, {QStringLiteral("°C"), QStringLiteral("mbar")}, 50);
    EXPECT_EQ(content.system, DiagramSystem::AqueousSolution);
    EXPECT_EQ(content.titleLines, (QStringList{title, QStringLiteral("Natriumchlorid 10 Ma.%")}));
    EXPECT_EQ(content.footLines, QStringList{foot(GlobalText::DiagramFoot1, GlobalText::DiagramFoot2)});
    ASSERT_EQ(content.series.size(), 1u);
    EXPECT_DOUBLE_EQ(content.series.front().x.front(), aqueous->AqTmin);
    EXPECT_DOUBLE_EQ(content.series.front().x.back(), aqueous->AqTmax);
    aqueous->hide();
}
