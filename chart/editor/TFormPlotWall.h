// The editor's Walls page: one of the chart's four walls at a time, chosen on its own tab bar, and
// the chart-wide wall visibility and size.
#pragma once

#include "EditorRegistry.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabBar;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCustomChart;
class TCustomChartWall;

class TFormPlotWall : public QWidget
{
    Q_OBJECT
public:
    TFormPlotWall(QWidget *parent, TCustomChartWall *wall, TCustomChart *chart);

    QTabBar *TabSubWalls;
    TButtonColor *BWallColor;
    TButtonPen *BWallPen;
    QPushButton *BWallBrush;
    TButtonGradient *BGradient;
    QSpinBox *UDWallSize;
    QCheckBox *CBTransp;
    QCheckBox *CBDark3D;
    QCheckBox *CBVisible;
    QSpinBox *UDTransp;
    QCheckBox *CBAutoHide;
    QCheckBox *CBView3dWalls;
    QSpinBox *UDAllSize;

    TCustomChartWall *TheWall() const { return m_wall; }
    // The chart's walls in the tab bar's order: Left, Right, Bottom, Back.
    TCustomChartWall *WallAt(int index) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    void fill();
    void write(const std::function<void(TCustomChartWall &)> &change);

    QPointer<TCustomChart> m_chart;
    QPointer<TCustomChartWall> m_wall;
    bool m_filling = true;
};

EditorPage wallsEditorPage();
