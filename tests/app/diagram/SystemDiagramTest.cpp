// The diagram of a mixture or solution, opened by its dialog's diagram button and read back from
// the window's chart: one curve of the system, its composition in the title, its foot lines.
#include "app/diagram/TKurveDlg.h"

#include "SystemDialogFixture.h"
#include "RecordingCanvas.h"
#include "WhileShown.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"
#include "chart/engine/TChartSeries.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartLegend.h"
#include "chart/series/TChartTitle.h"

#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <map>

namespace {

class SystemDiagram : public SystemDialogFixture
{
protected:
    void SetUp() override
    {
        writeSolutionDataFiles();
        QStringList records{waterTestRecord()};
        for (const char *name : {"A", "B", "C", "D"})
            records.append(testRecord(QString::fromLatin1(name), QStringLiteral("1-1-1"), 1, 1));
        start(records);
        window = form->diagramWindow();
    }

    // Presses a dialog's diagram button and runs the steps in the diagram window it opens.
    void inDiagram(QPushButton *button, const std::function<void()> &steps)
    {
        ASSERT_TRUE(button->isEnabled());
        EXPECT_TRUE(whileShown(window, [button] { button->click(); }, steps));
    }

    QString foot(GlobalText first, GlobalText second) const { return global(first) + u' ' + global(second); }

    TKurveDlg *window = nullptr;
};

} // namespace

TEST_F(SystemDiagram, AMixturesCurveIsItsRaoultPressureOverItsRange)
{
    TFlueFlueDlg *mixture = form->mixtureDialog();
    open(mixture);
    addComponent(mixture, QStringLiteral("A"), QStringLiteral("50"));
    addComponent(mixture, QStringLiteral("Wasser-Test"), QStringLiteral("50"));
    form->settingsDialog()->Edit1->setText(QStringLiteral("60"));
    inDiagram(mixture->BitBtn1, [&] {
        window->ComboBox1->setCurrentText(QStringLiteral("K"));
        ASSERT_EQ(window->ComboBox2->currentText(), QStringLiteral("bar"));
        ASSERT_EQ(window->Chart1->SeriesCount(), 1);
        const TChartSeries *curve = window->Chart1->GetSeries(0);
        ASSERT_EQ(curve->Count(), 60);
        EXPECT_EQ(curve->GetXValue(0), double(mixture->MixTmin));
        EXPECT_EQ(curve->GetXValue(59), double(mixture->MixTmax));
        mixture->CalcMoleFractions();
        for (int j = 0; j < curve->Count(); ++j) {
            const long double expected = mixture->CalcMixturePressure(curve->GetXValue(j));
            EXPECT_NEAR(curve->GetYValue(j) / double(expected), 1.0, 1e-12) << j;
        }
    });
    mixture->hide();
}

TEST_F(SystemDiagram, EachDialogsButtonDrawsItsSystemAloneWithItsCompositionAndFoot)
{
    const QString title = QStringLiteral("Korvex Tensimo 3.0 - Dampfdruckkurven");
    TFlueFlueDlg *mixture = form->mixtureDialog();
    TFestFlueDlg *solid = form->solidLiquidDialog();
    TWaessrigDlg *aqueous = form->aqueousDialog();
    struct Case
    {
        QDialog *dialog;
        QPushButton *button;
        std::function<void()> compose;
        std::function<QStringList()> titleLines;
        QStringList footLines;
        std::function<double()> firstCelsius;
    };
    const Case cases[] = {
        {mixture, mixture->BitBtn1,
         [&] {
             for (const char *name : {"A", "B", "C", "D"})
                 addComponent(mixture, QString::fromLatin1(name), QStringLiteral("25"));
         },
         [&] {
             return QStringList{title, QStringLiteral("A 25 Ma.%; B 25 Ma.%; C 25 Ma.%"), QStringLiteral("D 25 Ma.%")};
         },
         {global(GlobalText::DiagramFoot4), global(GlobalText::DiagramFoot3)}, // the first line lowest
         [&] { return double(mixture->MixTmin) - 273.15; }},
        {solid, solid->BitBtn6, [&] { solid->Edit3->setText(QStringLiteral("10")); },
         [&] {
             return QStringList{title, solid->Label8->text().section(u'\t', 0, 0) + QStringLiteral(" 10 Ma.% gelöst in ")
                                           + solid->Label6->text().section(u'\t', 0, 0)};
         },
         {foot(GlobalText::DiagramFoot3, GlobalText::DiagramFoot4)},
         [&] { return double(solid->MixTmin) - 273.15; }},
        {aqueous, aqueous->BitBtn7, [&] { addComponent(aqueous, QStringLiteral("NaCl"), QStringLiteral("10")); },
         [&] { return QStringList{title, QStringLiteral("Natriumchlorid 10 Ma.%")}; },
         {foot(GlobalText::DiagramFoot1, GlobalText::DiagramFoot2)}, [&] { return double(aqueous->AqTmin); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dialog->objectName().toStdString());
        open(c.dialog);
        c.compose();
        inDiagram(c.button, [&] {
            EXPECT_FALSE(window->BitBtn2->isVisible());
            ASSERT_EQ(window->Chart1->SeriesCount(), 1);
            EXPECT_FALSE(window->Chart1->Legend()->Visible());
            EXPECT_EQ(window->Chart1->Title()->Font()->Size(), 8);
            EXPECT_EQ(window->Chart1->Title()->Text(), c.titleLines());
            EXPECT_EQ(window->Chart1->Foot()->Text(), c.footLines);
            EXPECT_EQ(window->ComboBox1->currentText(), QStringLiteral("°C"));
            EXPECT_NEAR(window->Chart1->GetSeries(0)->GetXValue(0), c.firstCelsius(), 1e-9);
        });
        c.dialog->hide();
    }
}

// The chart draws a foot's first line lowest: the two foot lines of a mixture read in reverse
// ("reale Mischungen … können abweichen." above "Ideales Verhalten angenommen …").
TEST_F(SystemDiagram, AMixturesTwoFootLinesReadFromTheTopDown)
{
    TFlueFlueDlg *mixture = form->mixtureDialog();
    open(mixture);
    addComponent(mixture, QStringLiteral("A"), QStringLiteral("50"));
    addComponent(mixture, QStringLiteral("B"), QStringLiteral("50"));
    std::map<QString, int> lineTops;
    inDiagram(mixture->BitBtn1, [&] {
        TChart &chart = *window->Chart1;
        chart.SetCanvas(std::make_unique<RecordingCanvas>());
        chart.Draw(nullptr, chart.GetRectangle());
        const auto *canvas = dynamic_cast<const RecordingCanvas *>(chart.Canvas());
        for (const RecordedCall &call : canvas->calls(QStringLiteral("TextOut")))
            lineTops[call.text] = call.args[1];
    });
    mixture->hide();
    const QString first = global(GlobalText::DiagramFoot3);
    const QString second = global(GlobalText::DiagramFoot4);
    ASSERT_TRUE(lineTops.count(first) && lineTops.count(second));
    EXPECT_LT(lineTops[first], lineTops[second]);
}
