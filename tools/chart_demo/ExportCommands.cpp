// The demo's save and open commands, on the export library.
#include "ExportCommands.h"

#include "NativeChartFile.h"
#include "PlotException.h"
#include "PlotExportFormats.h"
#include "TChart.h"
#include "TCustomChart.h"
#include "TPlotExportForm.h"
#include "TPlotExportFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

namespace {

QString value(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

// The chart through the format of the file's extension; false with the library's message.
bool saveChart(TCustomChart &chart, const QString &file, int width, int height)
{
    const QString extension = QFileInfo(file).suffix();
    try {
        if (extension.compare(QLatin1String("plot"), Qt::CaseInsensitive) == 0) {
            SaveChartToFile(chart, file, true, false);
            return true;
        }
        const ExportFormatList formats = createExportFormats(&chart);
        TPlotExportFormat *format = formatForExtension(formats, extension);
        if (!format) {
            QTextStream(stderr) << "No export format is registered for \"" << extension << "\"\n";
            return false;
        }
        format->SetWidth(width);
        format->SetHeight(height);
        format->SaveToFile(file);
        return true;
    } catch (const PlotException &e) {
        QTextStream(stderr) << e.message() << '\n';
        return false;
    }
}

// The dialog's page named "Picture", "Native" or "Data"; none for another name.
QWidget *dialogPage(const TPlotExportForm &form, const QString &name)
{
    if (name.compare(QLatin1String("Picture"), Qt::CaseInsensitive) == 0)
        return form.TabPicture;
    if (name.compare(QLatin1String("Native"), Qt::CaseInsensitive) == 0)
        return form.TabNative;
    if (name.compare(QLatin1String("Data"), Qt::CaseInsensitive) == 0)
        return form.TabData;
    return nullptr;
}

bool selectFormat(TPlotExportForm &form, const QString &extension)
{
    for (int row = 0; row < form.LBFormat->count(); ++row) {
        form.LBFormat->setCurrentRow(row);
        if (form.SelectedFormat()->FileExtension().compare(extension, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The export dialog on the demo's chart, on the page and format asked for. With a screenshot file
// it saves the dialog's picture and ends; on the Native page the file size is ticked first, so the
// picture shows the size of the file "Save..." writes.
int showExportDialog(const QStringList &arguments, TChart &demo)
{
    QWidget *window = demo.window();
    window->resize(1160, 420);
    window->show();
    TPlotExportForm form;
    form.SetExportPanel(&demo);
    form.show();
    const QString pageName = value(arguments, QStringLiteral("--page"));
    QWidget *page = dialogPage(form, pageName.isEmpty() ? QStringLiteral("Picture") : pageName);
    if (!page) {
        QTextStream(stderr) << "no dialog page \"" << pageName << "\"; pages: Picture, Native, Data\n";
        return 2;
    }
    form.PageControl1->setCurrentWidget(page);
    const QString extension = value(arguments, QStringLiteral("--format"));
    if (!extension.isEmpty() && !selectFormat(form, extension)) {
        QTextStream(stderr) << "No export format is registered for \"" << extension << "\"\n";
        return 2;
    }
    const QString screenshot = value(arguments, QStringLiteral("--screenshot"));
    if (screenshot.isEmpty()) {
        form.exec();
        return 0;
    }
    if (page == form.TabNative)
        form.CBFileSize->setChecked(true);
    return saveScreenshot(form, screenshot);
}

} // namespace

int saveScreenshot(QWidget &widget, const QString &file)
{
    if (!QTest::qWaitForWindowExposed(&widget, 10000)) {
        QTextStream(stderr) << "the window was never shown\n";
        return 1;
    }
    // A window shown before is exposed at once, but what changed since (a format chosen, its form
    // shown and translated) reaches the layouts later: a combo box takes its longer items after a
    // short timer, and a window that then needs more room grows only when the window system
    // answers. Taken before, the picture shows texts cut short ("Quantisieren 25").
    constexpr int kComboAdjustMs = 100;
    QTest::qWait(kComboAdjustMs);
    const bool settled = QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents();
        return widget.width() >= widget.minimumWidth() && widget.height() >= widget.minimumHeight();
    });
    if (!settled) {
        QTextStream(stderr) << "the window never took the size its texts need\n";
        return 1;
    }
    if (!widget.grab().save(file)) {
        QTextStream(stderr) << "cannot write " << file << '\n';
        return 1;
    }
    return 0;
}

int runExportCommand(const QStringList &arguments, TChart &demo, QWidget &window)
{
    if (arguments.contains(QStringLiteral("--export")))
        return showExportDialog(arguments, demo);
    const QString save = value(arguments, QStringLiteral("--save"));
    const QString open = value(arguments, QStringLiteral("--chart"));
    if (save.isEmpty() && open.isEmpty())
        return -1;
    std::unique_ptr<TCustomChart> read;
    if (!open.isEmpty()) {
        try {
            read = ReadChartFromFile(open);
        } catch (const PlotException &e) {
            QTextStream(stderr) << QString(e.message()).replace(u'\r', u'\n') << '\n';
            return 2;
        }
    }
    if (save.isEmpty()) {
        auto *layout = new QVBoxLayout(&window);
        read->setParent(&window);
        read->setMinimumSize(560, 380);
        layout->addWidget(read.release());
        window.show();
        const QString screenshot = value(arguments, QStringLiteral("--screenshot"));
        return screenshot.isEmpty() ? QApplication::exec() : saveScreenshot(window, screenshot);
    }
    TCustomChart &chart = read ? *read : static_cast<TCustomChart &>(demo);
    if (!read)
        chart.resize(560, 380);
    return saveChart(chart, save, value(arguments, QStringLiteral("--width")).toInt(),
                     value(arguments, QStringLiteral("--height")).toInt())
               ? 0
               : 1;
}
