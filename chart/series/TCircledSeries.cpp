// Circled series base: the circle geometry of a drawing, the shared radii and roundness, the
// background colour and gradient, and the 3D view while the series is on a chart.
#include "TCircledSeries.h"

#include "TChartAxis.h"
#include "TCustomChart.h"

#include "PlotProcs.h"
#include "PlotRound.h"
#include "PrinterInfo.h"
#include "TCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

void SavedView3D::save(TCustomPlotPanel &panel)
{
    if (m_saved)
        return;
    m_saved = std::make_unique<TView3DOptions>();
    m_saved->Assign(*panel.View3DOptions());
    m_panel = &panel;
}

void SavedView3D::restore()
{
    if (!m_saved)
        return;
    const std::unique_ptr<TView3DOptions> saved = std::move(m_saved);
    if (m_panel)
        m_panel->View3DOptions()->Assign(*saved);
    m_panel = nullptr;
}

TCircledSeries::TCircledSeries(QObject *owner)
    : TChartSeries(owner)
    , m_gradient(new TPlotGradient(this))
{
    connect(m_gradient, &TCustomPlotGradient::changed, this, [this] { CanvasChanged(); });
    // Every point is drawn, whatever the axes show.
    VisibleRangeOnly = false;
    XValues()->SetName(QStringLiteral("Angle"));
}

TCircledSeries::~TCircledSeries()
{
    markDestroying();
    m_savedView.restore();
}

void TCircledSeries::SetCircled(bool value)
{
    m_circled = value;
    if (TCustomAxisPanel *chart = ParentChart())
        for (TChartSeries *series : chart->SeriesList())
            if (auto *circled = qobject_cast<TCircledSeries *>(series); circled && SameClass(*circled)) {
                circled->m_circled = value;
                if (!circled->IsLoading())
                    circled->m_customXRadius = circled->m_customYRadius = 0;
            }
    Repaint();
}

void TCircledSeries::SetCustomXRadius(int value)
{
    m_customXRadius = value;
    if (TCustomAxisPanel *chart = ParentChart())
        for (TChartSeries *series : chart->SeriesList())
            if (auto *circled = qobject_cast<TCircledSeries *>(series); circled && SameClass(*circled))
                circled->m_customXRadius = value;
    Repaint();
}

void TCircledSeries::SetCustomYRadius(int value)
{
    m_customYRadius = value;
    if (TCustomAxisPanel *chart = ParentChart())
        for (TChartSeries *series : chart->SeriesList())
            if (auto *circled = qobject_cast<TCircledSeries *>(series); circled && SameClass(*circled))
                circled->m_customYRadius = value;
    Repaint();
}

void TCircledSeries::SetRotationAngle(int value)
{
    const int angle = value % 360;
    if (angle == m_rotationAngle)
        return;
    m_rotationAngle = angle;
    m_rotationRadians = angle * 0.017453292519943295;
    Repaint();
}

void TCircledSeries::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

bool TCircledSeries::AssociatedToAxis(const TChartAxis &axis) const
{
    Q_UNUSED(axis);
    return true;
}

// The 3D view.

void TCircledSeries::applyPieView()
{
    TCustomAxisPanel *chart = ParentChart();
    // Export canvases draw the chart's own view: only an ordinary canvas gets the pie's.
    if (!chart || !Active() || chart->Canvas()->IsNonGdiCanvas() || m_savedView.isSaved())
        return;
    m_savedView.save(*chart);
    TView3DOptions &view = *chart->View3DOptions();
    view.SetOrthogonal(false);
    view.SetRotation(360);
    view.SetElevation(315);
    view.SetPerspective(0);
    view.SetTilt(0);
}

void TCircledSeries::SetActive(bool value)
{
    TChartSeries::SetActive(value);
    if (value)
        applyPieView();
    else
        m_savedView.restore();
}

void TCircledSeries::SetChartView3D(bool value)
{
    TChartSeries::SetChartView3D(value);
    if (TCustomAxisPanel *chart = ParentChart()) {
        TView3DOptions &view = *chart->View3DOptions();
        view.SetOrthogonal(false);
        view.SetRotation(0);
        view.SetElevation(305);
    }
    SetCircled(!value);
}

void TCircledSeries::Added()
{
    TChartSeries::Added();
    applyPieView();
}

void TCircledSeries::Removed()
{
    m_savedView.restore();
    TChartSeries::Removed();
}

void TCircledSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *s = qobject_cast<const TCircledSeries *>(&source); s && s != this) {
        m_circled = s->m_circled;
        m_rotationAngle = s->m_rotationAngle;
        m_rotationRadians = s->m_rotationRadians;
        m_customXRadius = s->m_customXRadius;
        m_customYRadius = s->m_customYRadius;
        m_circleBackColor = s->m_circleBackColor;
        m_gradient->Assign(*s->m_gradient);
    }
    TChartSeries::Assign(source);
}

// Geometry.

void TCircledSeries::SetCircleRect(const TRect &rect)
{
    m_circleRect = rect;
    m_circleWidth = rect.width();
    m_circleHeight = rect.height();
    m_xCenter = int((static_cast<long long>(rect.left) + rect.right) / 2);
    m_yCenter = int((static_cast<long long>(rect.top) + rect.bottom) / 2);
    m_xRadius = m_circleWidth / 2;
    m_yRadius = m_circleHeight / 2;
}

TPoint TCircledSeries::RimPoint(double angle, double xRadius, double yRadius) const
{
    const double a = angle + m_rotationRadians;
    return {m_xCenter + plotRound(std::cos(a) * xRadius), m_yCenter - plotRound(std::sin(a) * yRadius)};
}

TColor TCircledSeries::ResolvedBackColor() const
{
    TColor color = m_circleBackColor;
    const TCustomAxisPanel *chart = ParentChart();
    if (color != clPlotColor || !chart)
        return color;
    if (chart->Printing())
        return clWhite;
    if (const auto *component = qobject_cast<const TCustomChart *>(chart); component && !component->BackWall()->Transparent())
        color = component->BackWall()->Color();
    return color == clPlotColor ? chart->Color() : color;
}

double TCircledSeries::DeviceRatio() const
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return 1.0;
    const QPaintDevice *device = chart->Printing() ? chart->Printer().PaintDevice() : chart;
    if (!device)
        return 1.0;
    // No height gives no ratio: the pixels count as square.
    const double pixels = device->height() == 0 ? 1.0 : double(device->width()) / device->height();
    const double millimetres = PlotProcs::GetDeviceAspectRatio(device);
    return millimetres == 0.0 ? pixels : pixels / millimetres;
}

void TCircledSeries::calcCircle()
{
    const TCustomAxisPanel *chart = ParentChart();
    TRect r = chart->ChartRect;
    // Even sides of at least 4 pixels.
    if (r.width() % 2 != 0)
        --r.right;
    if (r.height() % 2 != 0)
        --r.bottom;
    r.right = std::max(r.right, r.left + 4);
    r.bottom = std::max(r.bottom, r.top + 4);
    SetCircleRect(r);
    fitMarks();
    if (m_circled)
        keepRound();
    applyCustomRadii();
}

void TCircledSeries::shrinkForMarks()
{
    TCustomAxisPanel *chart = ParentChart();
    TCanvas3D &canvas = *chart->Canvas();
    TSeriesMarks &marks = *Marks();
    const int m = marks.ArrowLength() + (marks.Pen()->Visible() ? 2 * marks.Pen()->Width() : 0);
    canvas.AssignFont(marks.Font());
    const int vertical = canvas.FontHeight() + m;
    const int horizontal = canvas.TextWidth(QStringLiteral("W")) + chart->MaxMarkWidth() + m;
    TRect r = m_circleRect;
    r.left += horizontal;
    r.right -= horizontal;
    r.top += vertical;
    r.bottom -= vertical;
    SetCircleRect(r);
}

void TCircledSeries::fitMarks()
{
    if (Marks()->Visible()) {
        shrinkForMarks();
        return;
    }
    // Circles of one class keep one size: that of the first one with marks.
    TCustomAxisPanel *chart = ParentChart();
    for (TChartSeries *series : chart->SeriesList()) {
        auto *circled = qobject_cast<TCircledSeries *>(series);
        if (!circled || circled == this || !circled->Active() || !SameClass(*circled) || !circled->Marks()->Visible())
            continue;
        if (chart->SeriesList().IndexOf(circled) > chart->SeriesList().IndexOf(this))
            circled->calcCircle();
        SetCircleRect(circled->m_circleRect);
        return;
    }
}

void TCircledSeries::keepRound()
{
    const double k = DeviceRatio();
    TRect r = m_circleRect;
    const int roundY = plotRound(m_yRadius * k);
    if (m_xRadius > roundY) {
        const int cut = m_xRadius - roundY;
        r.left += cut;
        r.right -= cut;
    } else {
        const int cut = m_yRadius - plotRound(m_xRadius / k);
        r.top += cut;
        r.bottom -= cut;
    }
    SetCircleRect(r);
}

void TCircledSeries::applyCustomRadii()
{
    const int rx = m_customXRadius != 0 ? m_customXRadius : m_xRadius;
    const int ry = m_customYRadius != 0 ? m_customYRadius : m_yRadius;
    const int cx = m_xCenter;
    const int cy = m_yCenter;
    SetCircleRect({cx - rx, cy - ry, cx + rx, cy + ry});
}

void TCircledSeries::DoBeforeDrawValues()
{
    if (ParentChart())
        calcCircle();
    TChartSeries::DoBeforeDrawValues();
}

void TCircledSeries::DrawCircleGradient()
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || !m_gradient->Visible() || (chart->View3D() && !chart->View3DOptions()->Orthogonal()))
        return;
    TCanvas3D &canvas = *chart->Canvas();
    const TRect r = chart->View3D() ? canvas.RectFromRectZ(m_circleRect, EndZ()) : m_circleRect;
    canvas.ClipEllipse(r, false);
    const auto unclip = qScopeGuard([&] { canvas.UnClipRectangle(); });
    m_gradient->Draw(canvas, r);
}
