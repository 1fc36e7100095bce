// Shared set-up of the export tests: the libraries started, the fixed two-series chart, a registry
// of the test's own formats, and the independent readers run as processes.
#pragma once

#include "ExternalTool.h"
#include "PlotExportFormats.h"
#include "TChart.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

class TLineSeries;
class TPlotExportForm;

// Starts the chart, editor and export libraries and the bundled test font.
class ExportTest : public testing::Test
{
protected:
    static void SetUpTestSuite();
};

// A 400 x 300 chart, 2D, white, with line series "A" (1, 3, 2 at x 0..2) and "B" (2, 1, 4).
std::unique_ptr<TChart> makeLineChart();
TLineSeries *addLineSeries(TChart &chart, const QString &title, const std::vector<double> &ys);

// The registry holds only the given formats for one scope, then what it held before.
class ScopedExportFormats
{
public:
    explicit ScopedExportFormats(const std::vector<PlotExportFormatClass> &formats);
    ~ScopedExportFormats();
    ScopedExportFormats(const ScopedExportFormats &) = delete;
    ScopedExportFormats &operator=(const ScopedExportFormats &) = delete;

private:
    void replaceWith(const std::vector<PlotExportFormatClass> &formats);
    std::vector<PlotExportFormatClass> m_saved;
};

QByteArray readFile(const QString &path);

// Chooses the export dialog's listed format writing the extension; false when none does.
bool selectExportFormat(TPlotExportForm &form, const QString &extension);
