// The scene as a chart: white, fixed axes, light grid, axis titles, bold title, 1-px series pens;
// the series as line or fast line series.
#include "ChartRows.h"

#include "SceneChart.h"

#include "TChart.h"
#include "TChartLegend.h"
#include "TChartWall.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"
#include "TPlotCanvas3D.h"
#include "TView3DOptions.h"


ChartRow::ChartRow(QString variant, const SceneData &data, const ChartRowSetup &setup)
    : m_variant(std::move(variant))
    , m_setup(setup)
    , m_lastX(data.pointCount - 1)
    , m_image(kSceneWidth, kSceneHeight, QImage::Format_RGB32)
    , m_canvas(&m_image)
    , m_chart(std::make_unique<TChart>())
{
    m_image.fill(Qt::white);
    TChart &chart = *m_chart;
    setUpSceneChart(chart);
    chart.SetView3D(setup.view3D);
    if (setup.view3D) {
        chart.View3DOptions()->SetOrthogonal(true);
        chart.RightWall()->SetVisible(true);
    }
    fixSceneAxes(chart, m_lastX);
    for (int k = 0; k < data.seriesCount; ++k) {
        const std::vector<double> &y = data.y[std::size_t(k)];
        if (setup.kind == ChartRowSetup::Line) {
            TLineSeries &series = addSceneSeries(chart, k, data.x, y);
            series.Pointer()->SetVisible(setup.pointers);
            series.setColumnPaths(!setup.columnsOff);
        } else
            addSceneFastLine(chart, k, data.x, y).SetDrawAllPoints(setup.kind == ChartRowSetup::FastLine);
    }
    // One entry per series, also when the scene has only one.
    chart.Legend()->SetLegendStyle(lsSeries);
    auto *canvas = dynamic_cast<TPlotCanvas3D *>(chart.Canvas());
    canvas->SetBuffered(false); // straight into the image, as the reference draws
    canvas->setAntialiasedLines(setup.antialiased);
}

ChartRow::~ChartRow() = default;

void ChartRow::beforeDraw()
{
    if (!m_setup.axisChange)
        return;
    m_shifted = !m_shifted;
    const double offset = m_shifted ? 0.1 * m_lastX : 0.0;
    m_chart->BottomAxis()->SetMinMax(offset, offset + 0.9 * m_lastX);
}

void ChartRow::draw()
{
    m_chart->Draw(&m_canvas, {0, 0, kSceneWidth, kSceneHeight});
}

QRect ChartRow::plotRect() const
{
    const TRect &r = m_chart->ChartRect;
    return QRect(r.left, r.top, r.width(), r.height());
}
