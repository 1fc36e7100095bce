// The brush, pen and visibility every boxed chart element has, and the panel it belongs to.
#pragma once

#include "PropertyFiler.h"
#include "TChartBrush.h"
#include "TChartPen.h"

#include <QObject>

#include <memory>

class PlotPanelHost;

class TPlotCustomShapeBrushPen : public QObject, public PropertyDefiner
{
    Q_OBJECT
public:
    // The host is not owned and may be none; it must outlive the shape.
    explicit TPlotCustomShapeBrushPen(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);
    ~TPlotCustomShapeBrushPen() override;

    TChartBrush *Brush() const { return m_brush.get(); }
    void SetBrush(const TChartBrush *value);
    TChartPen *Pen() const { return m_pen.get(); }
    void SetPen(const TChartPen *value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    PlotPanelHost *ParentChart() const { return m_parentChart; }
    virtual void SetParentChart(PlotPanelHost *value) { m_parentChart = value; }

    // Copies brush, pen and visibility.
    virtual void Assign(const TPlotCustomShapeBrushPen &source);
    void defineProperties(PropertyFiler &filer) override { Q_UNUSED(filer); }

    // Asks the panel to repaint, when there is one.
    void Repaint();

protected:
    // The setters of published values: store and repaint, only when the value changed.
    template <class T>
    void setShapeProperty(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }

private:
    PlotPanelHost *m_parentChart = nullptr;
    // Children of the shape.
    std::unique_ptr<TChartBrush> m_brush;
    std::unique_ptr<TChartPen> m_pen;
    bool m_visible = true;
};
