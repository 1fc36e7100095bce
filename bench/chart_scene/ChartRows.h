// The chart rows of the scene benchmark: a TChart with five line series, drawn whole each time.
#pragma once

#include "SceneRows.h"

#include "GuiCanvas.h"

#include <memory>
#include <vector>

class TChart;
class TLineSeries;

struct ChartRowSetup
{
    // The kind of the five series.
    enum Kind { Line, FastLine, FastLineColumns };
    Kind kind = Line;
    bool antialiased = false;
    bool pointers = false;
    bool view3D = false;
    // The line series drawn point by point, as they were before pixel columns.
    bool columnsOff = false;
    // Before every draw the bottom axis alternates between two ranges of the same width.
    bool axisChange = false;
};

class ChartRow : public SceneRow
{
public:
    ChartRow(QString variant, const SceneData &data, const ChartRowSetup &setup);
    ~ChartRow() override;
    QString variant() const override { return m_variant; }
    void beforeDraw() override;
    void draw() override;
    const QImage &image() const override { return m_image; }
    // The plot area of the last draw: the reference row draws its polylines into it.
    QRect plotRect() const;

private:
    QString m_variant;
    ChartRowSetup m_setup;
    double m_lastX;
    QImage m_image;
    GuiCanvas m_canvas;
    std::unique_ptr<TChart> m_chart;
    bool m_shifted = false;
};
