// The export dialog in German: its file filters and the message of a failed save; a chart file's
// refusal of a value out of range.
#include "EnglishLibrary.h"
#include "ExportTestSupport.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "PlotGerman.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TPlotExportForm.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class ExportGerman : public ExportTest
{
protected:
    void TearDown() override { restoreEnglishLibrary(); }
};

bool anyEnglishFileWord(const QStringList &filters)
{
    for (const QString &filter : filters)
        if (filter.contains(QStringLiteral("files"), Qt::CaseInsensitive) || filter.contains(QStringLiteral("Pictures")))
            return true;
    return false;
}

} // namespace

TEST_F(ExportGerman, FiltersAndTheMessageOfAFailedSaveAreGerman)
{
    PlotGerman::SelectGermanLanguage();
    const std::unique_ptr<TChart> chart = makeLineChart();
    TPlotExportForm form;
    form.SetExportPanel(chart.get());
    form.show();
    ScriptedMessageService messages;
    ScriptedDialogService dialogs;

    // Each page's save dialog, cancelled, with the filters it offered.
    ASSERT_TRUE(selectExportFormat(form, QStringLiteral("png")));
    form.BSave->click();
    form.PageControl1->setCurrentWidget(form.TabNative);
    form.BSave->click();
    form.PageControl1->setCurrentWidget(form.TabData);
    form.findChild<QRadioButton *>(QStringLiteral("RBText"))->click();
    form.BSave->click();
    ASSERT_EQ(dialogs.calls().size(), 3);
    const QStringList picture = dialogs.calls()[0].filters;
    EXPECT_TRUE(picture.contains(QStringLiteral("PNG-Dateien (*.png)"))) << picture.join(u';').toStdString();
    EXPECT_EQ(dialogs.calls()[1].filters, QStringList{QStringLiteral("Plot-Dateien (*.plot)")});
    const QStringList data = dialogs.calls()[2].filters;
    EXPECT_TRUE(data.contains(QStringLiteral("Durch Kommas getrennte Textdateien (*.csv)"))) << data.join(u';').toStdString();
    for (const auto &call : dialogs.calls()) {
        SCOPED_TRACE(call.filters.join(u';').toStdString());
        EXPECT_FALSE(anyEnglishFileWord(call.filters));
    }

    // A save into a folder that is not there says so in German.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/x.png"));
    form.PageControl1->setCurrentWidget(form.TabPicture);
    dialogs.queueSaveFile(path);
    form.BSave->click();
    ASSERT_EQ(messages.shown().size(), 1);
    const QString text = messages.shown().first().text;
    EXPECT_TRUE(text.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(" kann nicht geschrieben werden: ")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Cannot"))) << text.toStdString();
}

// A chart file with a number beyond its property's limits is refused in German, the file named.
TEST_F(ExportGerman, AFileValueOutOfRangeIsRefusedInGerman)
{
    PlotGerman::SelectGermanLanguage();
    const std::unique_ptr<TChart> chart = makeLineChart();
    QByteArray text = SaveChartToBytes(*chart, false, true);
    text.insert(text.indexOf('\n') + 1, "  BorderWidth = 101\r\n");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rand.plot"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    try {
        ReadChartFromFile(path);
        ADD_FAILURE() << "read";
    } catch (const ChartException &e) {
        EXPECT_EQ(e.message().toStdString(),
                  (QStringLiteral("Wert von BorderWidth außerhalb des Bereichs (0 bis 100)\r") + QDir::toNativeSeparators(path))
                      .toStdString());
    }
}
