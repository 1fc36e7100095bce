// The demo's save and open commands, on the export library.
#include "ExportCommands.h"

#include "NativeChartFile.h"
#include "PlotException.h"
#include "PlotExportFormats.h"
#include "TChart.h"
#include "TCustomChart.h"
#include "TPlotExportFormat.h"

#include <QApplication>
#include <QFileInfo>
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

} // namespace

int runExportCommand(const QStringList &arguments, TChart &demo, QWidget &window)
{
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
        return QApplication::exec();
    }
    TCustomChart &chart = read ? *read : static_cast<TCustomChart &>(demo);
    if (!read)
        chart.resize(560, 380);
    return saveChart(chart, save, value(arguments, QStringLiteral("--width")).toInt(),
                     value(arguments, QStringLiteral("--height")).toInt())
               ? 0
               : 1;
}
