// The chart component: the axis panel completed with titles above and below the plot, the four
// walls, the restoring of the axes after a zoom and the free-colour rule. Its legend and mouse
// handling are built on top of it.
#pragma once

#include "TCustomAxisPanel.h"

#include <QPointer>

#include <vector>

class TChartAxis;

class TCustomChart : public TCustomAxisPanel
{
    Q_OBJECT
public:
    explicit TCustomChart(QWidget *parent = nullptr);
    ~TCustomChart() override;

    // The abstract steps of the contents draw.
    void CalcWallsRect() override;
    int GetAxisWallSize(const TChartAxis &axis) const override;
    void DrawTitlesAndLegend(bool beforeAxes) override;
    void DrawWalls() override;
    bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series) override;

    TMouseButton ScrollMouseButton() const { return m_scrollMouseButton; }
    void SetScrollMouseButton(TMouseButton value) { m_scrollMouseButton = value; }
    // The colour palette applied to the series; 0 = none.
    int ColorPaletteIndex() const { return m_colorPaletteIndex; }
    void SetColorPaletteIndex(int value) { m_colorPaletteIndex = value; }

    // Zoom: the axes' ranges are saved once when a zoom starts and put back by UndoZoom.
    void SaveAxesState();
    bool AxesRestored() const { return m_axesRestored; }
    void UndoZoom() override;

    // Whether walls belong to the picture: no active series, or an active one that uses axes.
    bool WallsDrawn() const;
    TChartSeries *GetFirstActiveSeries() const;
    void RemoveAllSeries();

    void Assign(const TCustomPlotPanel &source) override;

private:
    // The range of one axis when a zoom started; the axis is held by identity, so axes added or
    // removed during the zoom neither shift nor outrun the saved states.
    struct SavedAxis
    {
        QPointer<TChartAxis> axis;
        bool automatic = true;
        bool automaticMinimum = true;
        bool automaticMaximum = true;
        double minimum = 0.0;
        double maximum = 0.0;
    };

    TMouseButton m_scrollMouseButton = mbRight;
    int m_colorPaletteIndex = 0;
    std::vector<SavedAxis> m_savedAxes;
    bool m_axesRestored = true;
};
