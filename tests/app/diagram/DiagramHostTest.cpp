// What the diagram windows take from the program: the mode of the visible dialog, and the
// substances of the main list, selected as a click would.
#include "app/windows/DiagramHost.h"

#include "MainWindowFixture.h"
#include "TestRecords.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TWaessrigDlg.h"

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

TEST_F(DiagramHostTest, SelectsOnlyLinesOfTheMainListAsAClickWould)
{
    const DiagramHost host(*form);
    const QStringList lines = host.substanceLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(host.currentMedium(), lines[0]);

    const QString status = form->StatusText->text();
    EXPECT_TRUE(host.selectSubstance(lines[1]));
    EXPECT_EQ(form->currentRecord(), form->databaseList().at(1));
    EXPECT_EQ(host.currentMedium(), lines[1]);
    EXPECT_NE(form->StatusText->text(), status);

    // A line the list does not hold selects nothing and runs no click.
    const QString advanced = form->StatusText->text();
    EXPECT_FALSE(host.selectSubstance(QStringLiteral("Unbekannt\tXY")));
    EXPECT_EQ(form->currentRecord(), form->databaseList().at(1));
    EXPECT_EQ(form->StatusText->text(), advanced);

    // Without a substance there is no current medium, whatever the labels held.
    folder.writeDatabase({});
    form->LoadDatabase();
    EXPECT_EQ(host.currentMedium(), QString());
}
