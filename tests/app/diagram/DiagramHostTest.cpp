// What the diagram windows take from the program: the mode of the visible dialog and the chart
// library's error boxes.
#include "app/windows/DiagramHost.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"
#include "chart/engine/PlotEngine.h"

namespace {

class DiagramHostTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        start({w2000Record(), testRecord(QStringLiteral("Methan"), QStringLiteral("74-82-8"), 1, 4)});
    }
};

} // namespace

TEST_F(DiagramHostTest, TheModeComesFromTheFirstVisibleDialogElseFromTheMainWindow)
{
    const DiagramHost host(*form);
    QDialog *const liquid = &host.liquidMixture();
    QDialog *const aqueous = &host.aqueousSolution();
    QDialog *const solid = &host.solidSolution();
    struct Case
    {
        const char *name;
        std::vector<QDialog *> visible;
        DiagramSystem system;
        QComboBox *modes;
    };
    const Case cases[] = {
        {"none", {}, DiagramSystem::Substances, form->ComboBox2},
        {"solid", {solid}, DiagramSystem::SolidSolution, host.solidSolution().ComboBox2},
        {"aqueous before solid", {solid, aqueous}, DiagramSystem::AqueousSolution, host.aqueousSolution().ComboBox2},
        {"liquid before all", {solid, aqueous, liquid}, DiagramSystem::LiquidMixture, host.liquidMixture().ComboBox2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (QDialog *dialog : c.visible)
            dialog->show();
        EXPECT_EQ(host.visibleSystem(), c.system);
        EXPECT_EQ(host.modeSource(), c.modes);
        // Every mode list but the chosen one says vapour pressure.
        c.modes->setCurrentIndex(int(CalculationMode::BoilingPoint));
        EXPECT_EQ(host.mode(), CalculationMode::BoilingPoint);
        c.modes->setCurrentIndex(int(CalculationMode::VapourPressure));
        EXPECT_EQ(host.mode(), CalculationMode::VapourPressure);
        for (QDialog *dialog : c.visible)
            dialog->hide();
    }
}

TEST(ChartLibrarySetup, ChartErrorsComeAsErrorBoxesUnderTheProgramsName)
{
    ScriptedMessageService messages;
    setUpChartLibrary();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Korvex Tensimo 3.0"));
    PlotEngine::ShowErrorBox(QStringLiteral("Achse: Minimum > Maximum"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Achse: Minimum > Maximum"));
    EXPECT_EQ(messages.shown().first().caption, QStringLiteral("Korvex Tensimo 3.0"));
    EXPECT_EQ(messages.shown().first().flags, MbOk | MbIconError);
    PlotEngine::ShowErrorBoxHook() = nullptr;
}
