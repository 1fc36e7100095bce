// Test doubles of the chart: an axis panel whose abstract steps record their calls, and a series
// type that draws its points as one polyline per run of points; a seeded sample generator.
#pragma once

#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TSeriesPointer.h"

#include "RecordingCanvas.h"

#include <QStringList>

#include <vector>

// 400 x 250, View3D off. The steps the chart component supplies are logged in `calls` and, on a
// recording canvas, among the drawing calls; the walls are not drawn, the 3D size is computed.
class StubChart : public TCustomAxisPanel
{
    Q_OBJECT
public:
    explicit StubChart(QWidget *parent = nullptr);

    void CalcWallsRect() override;
    int GetAxisWallSize(const TChartAxis &axis) const override;
    void DrawTitlesAndLegend(bool beforeAxes) override;
    void DrawWalls() override;
    // False when another series of the chart shows the colour (and, with checkBackground, for the
    // panel colour): every colour not yet used is free.
    bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series) override;

    // Puts a recording canvas with the fake metrics in the panel's place and returns it.
    RecordingCanvas &useRecordingCanvas(FakeMetrics metrics = {});
    RecordingCanvas *recording() const;
    // One whole pass over the panel's rectangle onto its canvas.
    void drawPass();

    mutable QStringList calls;

private:
    void log(const QString &step) const;
};

// Collects the visible points into one polyline per run of non-null points; margins come from
// its pointer, which is hidden until a test shows it.
class PolylineTestSeries : public TChartSeries
{
    Q_OBJECT
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(TSeriesPointer *Pointer READ Pointer)
public:
    explicit PolylineTestSeries(QObject *owner = nullptr);

    TSeriesPointer *Pointer() const { return m_pointer; }
    void CalcHorizMargins(int &left, int &right) override;
    void CalcVerticalMargins(int &top, int &bottom) override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DoAfterDrawValues() override;
    void Added() override;
    void Removed() override;

private:
    void flush();

    TSeriesPointer *m_pointer = nullptr;
    TPointArray m_run;
};

// Seeds the library's sample generator, so a test draws the same samples every run.
struct SeededSamples
{
    explicit SeededSamples(unsigned seed = 20240601u);
};
