// Shared set-up of the vector export tests: the two test charts, a pass through an export
// canvas, the independent readers run as processes, and the colour probes against the screen.
#pragma once

#include "ExternalTool.h"
#include "TChart.h"
#include "VectorCanvas.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class TPieSeries;

// A fixed chart of 400 x 300 pixels, drawn in 2D unless a test turns it.
class VectorTestChart : public TChart
{
    Q_OBJECT
public:
    VectorTestChart();
    // The chart as the screen canvas draws it, into a new white image.
    QImage screen();
    // One pass of the whole chart through the canvas, installed in the chart's place for it; the
    // chart's screen canvas comes back afterwards. Returns the canvas's document.
    QByteArray drawThrough(std::unique_ptr<VectorCanvas> canvas);
};

// Two line series "A" and "B" with known points.
void addLineSeries(TChart &chart);
// A 2D pie of four slices, no legend, placed in the upper third when asked.
TPieSeries *addPie(TChart &chart, std::initializer_list<double> values);
// The 3D bar chart: a solid back wall, a bar series and the German label "1,5 bar" as title.
void makeBarChart(TChart &chart);
// The two line series with a raised panel bevel 20 pixels wide and a legend shadow of 1000 x 1000,
// which reaches over the panel's right side. Returns a point on each bevel face (left, top, right
// above the shadow, bottom) and two in the shadow, where the screen shows white, grey and black.
std::vector<QPoint> makeShadowAndBevelChart(TChart &chart);

// A scratch folder that keeps files for the readers.
class ScratchFiles
{
public:
    // With TENSIMO_KEEP_EXPORTS set, the folder stays, for a look at the files.
    ScratchFiles();
    QString write(const QString &name, const QByteArray &bytes);
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The rasterisers of the three formats at 400 x 300 (EPS and PDF at their page's size, one pixel
// a point); a null image on failure.
QImage rasteriseSvg(ScratchFiles &files, const QByteArray &svg, QSize size = {400, 300});
QImage rasteriseEps(ScratchFiles &files, const QByteArray &eps);
QImage rasterisePdf(ScratchFiles &files, const QByteArray &pdf, bool withGhostscript = false);

// The document with every /FlateDecode stream written out decoded, its dictionary without the
// filter and with the decoded length, and the cross-reference table moved to match: the text the
// tests read and the golden files hold.
QByteArray decodedPdf(const QByteArray &pdf);

// Twelve probe points inside large solid areas of the screen picture, over as many colours as
// there are, away from edges and text.
std::vector<QPoint> solidProbes(const QImage &screen, int count = 12);
// Checks the rendering against the screen at the probes, within 8 per channel.
void expectRendersLikeScreen(const QImage &rendered, const QImage &screen, const std::vector<QPoint> &probes);

class VectorExportTest : public testing::Test
{
protected:
    static void SetUpTestSuite();
};
