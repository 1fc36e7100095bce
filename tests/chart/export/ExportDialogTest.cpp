// The export dialog driven through its widgets.
#include "ExportTestSupport.h"
#include "ScriptedDialogService.h"
#include "TPlotExportForm.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class ExportDialogTest : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        form.SetExportPanel(chart.get());
        form.show();
    }
    std::unique_ptr<TChart> chart;
    TPlotExportForm form;
};

TEST_F(ExportDialogTest, KeepsTheAspectRatio)
{
    form.UDHeight->setValue(150);
    EXPECT_EQ(form.UDWidth->value(), 200);
}

TEST_F(ExportDialogTest, ExcelDisablesCopyButKeepsSave)
{
    form.PageControl1->setCurrentWidget(form.TabData);
    form.findChild<QRadioButton *>(QStringLiteral("RBXML"))->click();
    EXPECT_EQ(form.DataFilterIndex(), 6);
    form.findChild<QRadioButton *>(QStringLiteral("RBExcel"))->click();
    EXPECT_FALSE(form.BCopy->isEnabled());
    EXPECT_TRUE(form.BSave->isEnabled());
}

TEST_F(ExportDialogTest, SavingWithAnotherExtensionWritesThatFormat)
{
    QTemporaryDir dir;
    ScriptedDialogService dialogs;
    form.LBFormat->setCurrentRow(0);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("x.emf")));
    form.BSave->click();
    const QByteArray bytes = readFile(dir.filePath(QStringLiteral("x.emf")));
    ASSERT_GE(bytes.size(), 44);
    EXPECT_EQ(bytes.mid(40, 4), QByteArray(" EMF"));
}

} // namespace
