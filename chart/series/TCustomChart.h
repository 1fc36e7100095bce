// The chart component: the axis panel completed with titles above and below the plot, the four
// walls, the restoring of the axes after a zoom and the free-colour rule. Its legend and mouse
// handling are built on top of it.
#pragma once

#include "TChartLegend.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TCustomAxisPanel.h"

#include <QPointer>

#include <functional>

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
    // The panel colour behind a see-through back wall, else the back wall's colour.
    TColor GetBackColor() const override;

    TChartTitle *Title() const { return m_title; }
    void SetTitle(const TChartTitle *value) { m_title->Assign(*value); }
    TChartTitle *SubTitle() const { return m_subTitle; }
    void SetSubTitle(const TChartTitle *value) { m_subTitle->Assign(*value); }
    TChartFootTitle *Foot() const { return m_foot; }
    void SetFoot(const TChartTitle *value) { m_foot->Assign(*value); }
    TChartFootTitle *SubFoot() const { return m_subFoot; }
    void SetSubFoot(const TChartTitle *value) { m_subFoot->Assign(*value); }
    TChartWalls *Walls() const { return m_walls; }
    TChartBackWall *BackWall() const { return m_walls->Back(); }
    void SetBackWall(const TChartBackWall *value) { m_walls->Back()->Assign(*value); }
    TChartWall *LeftWall() const { return m_walls->Left(); }
    void SetLeftWall(const TChartWall *value) { m_walls->Left()->Assign(*value); }
    TChartWall *BottomWall() const { return m_walls->Bottom(); }
    void SetBottomWall(const TChartWall *value) { m_walls->Bottom()->Assign(*value); }
    TChartRightWall *RightWall() const { return m_walls->Right(); }
    void SetRightWall(const TChartRightWall *value) { m_walls->Right()->Assign(*value); }
    // The frame around the plot is the back wall's pen.
    TChartPen *Frame() const { return m_walls->Back()->Pen(); }
    void SetFrame(const TChartPen *value) { m_walls->Back()->SetPen(value); }
    // Legend.
    TChartLegend *Legend() const { return m_legend; }
    void SetLegend(const TChartLegend *value) { m_legend->Assign(*value); }
    // The legend text of a point: the series' text in the legend's text style.
    QString GetValueLegendText(const TChartSeries &series, int valueIndex) const override;
    // May change an item's text, the legend rectangle, or an item's position.
    std::function<void(TCustomChart &chart, TLegendStyle style, int index, QString &text)> OnGetLegendText;
    std::function<void(TCustomChart &chart, TRect &rect)> OnGetLegendRect;
    std::function<void(TCustomChart &chart, int index, int &x, int &y)> OnGetLegendPos;

    // The back wall's colour; once the chart is on a window (not while loading), a solid brush.
    void SetBackColor(TColor value);

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
    // The axis title, or the axis' standard name when it has none.
    QString AxisTitleOrName(const TChartAxis &axis) const;

    void Assign(const TCustomPlotPanel &source) override;
    // "ColorPaletteIndex" (written from 1 on) and the legacy "BackColor" (read only: the back
    // wall's colour).
    void defineProperties(PropertyFiler &filer) override;

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

    // Whether a side wall at x is seen from inside the box (it then stands behind the series).
    bool sideWallBehind(int x, bool leftSide) const;
    void prepareWall(TCustomChartWall &wall);
    void drawBackWall();
    void drawLeftWall();
    void drawRightWall();
    void drawBottomWall();
    int visibleWallSize(const TCustomChartWall &wall) const { return wall.Visible() ? wall.Size() : 0; }

    // Children of the chart.
    TChartTitle *m_title = nullptr;
    TChartTitle *m_subTitle = nullptr;
    TChartFootTitle *m_foot = nullptr;
    TChartFootTitle *m_subFoot = nullptr;
    TChartWalls *m_walls = nullptr;
    TChartLegend *m_legend = nullptr;
    TMouseButton m_scrollMouseButton = mbRight;
    int m_colorPaletteIndex = 0;
    std::vector<SavedAxis> m_savedAxes;
    bool m_axesRestored = true;
};
