// Export test set-up.
#include "ExportTestSupport.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ChartTestSetup.h"
#include "ExportLibrary.h"
#include "TLineSeries.h"
#include "TPlotExportForm.h"
#include "TPlotExportFormat.h"

#include <QListWidget>

#include <QFile>

void ExportTest::SetUpTestSuite()
{
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    registerTestFont();
}

TLineSeries *addLineSeries(TChart &chart, const QString &title, const std::vector<double> &ys)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    series->SetTitle(title);
    for (std::size_t i = 0; i < ys.size(); ++i)
        series->AddXY(double(i), ys[i]);
    return series;
}

std::unique_ptr<TChart> makeLineChart()
{
    auto chart = std::make_unique<TChart>();
    chart->resize(400, 300);
    chart->SetView3D(false);
    chart->SetColor(clWhite);
    addLineSeries(*chart, QStringLiteral("A"), {1, 3, 2});
    addLineSeries(*chart, QStringLiteral("B"), {2, 1, 4});
    return chart;
}

ScopedExportFormats::ScopedExportFormats(const std::vector<PlotExportFormatClass> &formats)
    : m_saved(PlotExportFormats())
{
    replaceWith(formats);
}

ScopedExportFormats::~ScopedExportFormats()
{
    replaceWith(m_saved);
}

void ScopedExportFormats::replaceWith(const std::vector<PlotExportFormatClass> &formats)
{
    while (!PlotExportFormats().empty())
        UnRegisterPlotExportFormat(PlotExportFormats().front().name);
    for (const PlotExportFormatClass &format : formats)
        RegisterPlotExportFormat(format);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool selectExportFormat(TPlotExportForm &form, const QString &extension)
{
    for (int row = 0; row < form.LBFormat->count(); ++row) {
        form.LBFormat->setCurrentRow(row);
        if (form.SelectedFormat()->FileExtension() == extension)
            return true;
    }
    return false;
}
