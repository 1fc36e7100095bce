// The chart's mouse: what was clicked, the zoom rectangle and its undo, panning and the wheel.
// Tools see every event first (the panel broadcasts it); one that sets CancelMouse keeps the chart
// from handling it.
#include "TCustomChart.h"

#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TSeriesMarks.h"

#include "PlotProcs.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>

namespace {

// Inside as the platform tests it: the right and bottom edges lie outside.
bool pointInRect(const TRect &rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

bool holds(TShiftState shift, TShiftState needed)
{
    return (shift & needed) == needed;
}

constexpr int kZoomCursor = -3;
constexpr int kPanningCursor = -22;

} // namespace

TCustomChart::TChartClickedPart TCustomChart::CalcClickedPart(int x, int y) const
{
    TChartClickedPart result;
    const TChartLegend *legend = Legend();
    if (legend->Visible() && legend->CustomPosition()) {
        result.PointIndex = legend->Clicked(x, y);
        if (result.PointIndex != -1) {
            result.Part = cpLegend;
            return result;
        }
    }
    const std::vector<TChartSeries *> series(SeriesList().Items());
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        TChartSeries *s = *it;
        if (!s->Active())
            continue;
        int index = s->Clicked(x, y);
        TChartClickedPartStyle part = cpSeries;
        if (index == -1 && s->Marks()->Visible()) {
            index = s->Marks()->Clicked(x, y);
            part = cpSeriesMarks;
        }
        if (index != -1) {
            result.Part = part;
            result.PointIndex = index;
            result.ASeries = s;
            return result;
        }
    }
    for (TChartAxis *axis : Axes().Items())
        if (axis->Visible() && axis->Clicked(x, y)) {
            result.Part = cpAxis;
            result.AAxis = axis;
            return result;
        }
    if (legend->Visible() && !legend->CustomPosition()) {
        result.PointIndex = legend->Clicked(x, y);
        if (result.PointIndex != -1) {
            result.Part = cpLegend;
            return result;
        }
    }
    const std::pair<const TChartTitle *, TChartClickedPartStyle> titles[] = {
        {Title(), cpTitle}, {SubTitle(), cpSubTitle}, {Foot(), cpFoot}, {SubFoot(), cpSubFoot}};
    for (const auto &[title, part] : titles)
        if (title->Visible() && title->Clicked(x, y)) {
            result.Part = part;
            return result;
        }
    if (pointInRect(ChartRect, x, y))
        result.Part = cpChartRect;
    return result;
}

void TCustomChart::ZoomRect(const TRect &rect)
{
    const auto range = [](const TChartAxis *axis, int from, int to) {
        const double a = axis->PixelToValue(from);
        const double b = axis->PixelToValue(to);
        return std::pair<double, double>(std::min(a, b), std::max(a, b));
    };
    TZoomTarget target;
    std::tie(target.LeftMin, target.LeftMax) = range(LeftAxis(), rect.top, rect.bottom);
    std::tie(target.RightMin, target.RightMax) = range(RightAxis(), rect.top, rect.bottom);
    std::tie(target.TopMin, target.TopMax) = range(TopAxis(), rect.left, rect.right);
    std::tie(target.BottomMin, target.BottomMax) = range(BottomAxis(), rect.left, rect.right);
    ZoomValues(target);
}

void TCustomChart::ZoomValues(const TZoomTarget &target)
{
    if (m_axesRestored)
        SaveAxesState();
    struct Step { TChartAxis *axis; double minimum; double maximum; };
    const Step steps[] = {{LeftAxis(), target.LeftMin, target.LeftMax},
                          {RightAxis(), target.RightMin, target.RightMax},
                          {TopAxis(), target.TopMin, target.TopMax},
                          {BottomAxis(), target.BottomMin, target.BottomMax}};
    if (Zoom()->Animated()) {
        for (int i = 1; i < Zoom()->AnimatedSteps(); ++i) {
            for (const Step &s : steps) {
                const double minimum = s.axis->Minimum();
                const double maximum = s.axis->Maximum();
                s.axis->SetMinMax(minimum + (s.minimum - minimum) / 3.0, maximum + (s.maximum - maximum) / 3.0);
            }
            // Only a repaint: processing events here could re-enter or destroy the chart.
            repaint();
        }
    }
    for (const Step &s : steps)
        s.axis->SetMinMax(s.minimum, s.maximum);
    Zoomed = true;
    DoZoom();
}

void TCustomChart::mousePressEvent(QMouseEvent *event)
{
    const bool busy = Zoom()->Active || Panning()->Active;
    TCustomAxisPanel::mousePressEvent(event); // the tools, until one cancels
    if (busy || CancelMouse)
        return;
    const QPoint p = event->position().toPoint();
    runGuarded([&] { chartMouseDown(mouseButton(event->button()), shiftState(*event), p.x(), p.y()); });
}

bool TCustomChart::callClickHandler(const std::function<void()> &call)
{
    CancelMouse = true;
    call();
    return CancelMouse;
}

void TCustomChart::chartMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TChartClickedPart part = CalcClickedPart(x, y);
    bool handled = false;
    switch (part.Part) {
    case cpLegend:
        handled = Legend()->DoCheckBox(part.PointIndex);
        if (OnClickLegend)
            handled = callClickHandler([&] { OnClickLegend(*this, button, shift, x, y); }) || handled;
        break;
    case cpAxis:
        if (OnClickAxis)
            handled = callClickHandler([&] { OnClickAxis(*this, part.AAxis, button, shift, x, y); });
        break;
    case cpSeries: {
        TChartSeries *series = part.ASeries;
        const TSeriesClick &own = (shift & ssDouble) ? series->OnDblClick : series->OnClick;
        if (own)
            own(series, part.PointIndex, button, shift, x, y);
        if (OnClickSeries)
            handled = callClickHandler(
                [&] { OnClickSeries(*this, series, part.PointIndex, button, shift, x, y); });
        break;
    }
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot:
        if (OnClickTitle) {
            TChartTitle *title = part.Part == cpTitle      ? Title()
                                 : part.Part == cpSubTitle ? SubTitle()
                                 : part.Part == cpFoot     ? static_cast<TChartTitle *>(Foot())
                                                           : SubFoot();
            handled = callClickHandler([&] { OnClickTitle(*this, title, button, shift, x, y); });
        }
        break;
    case cpChartRect:
        if (OnClickBackground)
            handled = callClickHandler([&] { OnClickBackground(*this, button, shift, x, y); });
        break;
    case cpNone:
    case cpSeriesMarks:
        break;
    }
    if (handled)
        return;
    // Axes, series, titles and the background start a drag; a click on nothing else that was
    // left unhandled reaches the background's event.
    if (part.Part == cpNone || part.Part == cpSeriesMarks || part.Part == cpLegend) {
        if (OnClickBackground)
            callClickHandler([&] { OnClickBackground(*this, button, shift, x, y); });
    } else {
        startZoomOrPanning(button, shift, x, y);
    }
}

void TCustomChart::startZoomOrPanning(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!WallsDrawn())
        return;
    TPlotZoom &zoom = *Zoom();
    if (zoom.Allow() && button == zoom.MouseButton() && holds(shift, zoom.KeyShift())) {
        zoom.Activate(x, y);
        if (zoom.Direction() == tzdVertical) {
            zoom.X0 = ChartRect.left;
            zoom.X1 = ChartRect.right;
        } else if (zoom.Direction() == tzdHorizontal) {
            zoom.Y0 = ChartRect.top;
            zoom.Y1 = ChartRect.bottom;
        }
        m_cursorBeforeAction = cursor();
        setCursor(PlotProcs::PlotCursor(kZoomCursor));
        DrawZoomRectangle();
    } else if (AllowPanning() != pmNone && button == ScrollMouseButton()
               && holds(shift, ChartMouse::ScrollKeyShift)) {
        Panning()->Activate(x, y);
        m_cursorBeforeAction = cursor();
        setCursor(PlotProcs::PlotCursor(kPanningCursor));
    }
}

void TCustomChart::mouseMoveEvent(QMouseEvent *event)
{
    TCustomAxisPanel::mouseMoveEvent(event); // the tools, until one cancels
    if (CancelMouse)
        return;
    const QPoint p = event->position().toPoint();
    runGuarded([&] { chartMouseMove(p.x(), p.y()); });
}

void TCustomChart::chartMouseMove(int x, int y)
{
    TPlotZoom &zoom = *Zoom();
    if (zoom.Active) {
        const int x1 = zoom.Direction() == tzdVertical ? ChartRect.right : x;
        const int y1 = zoom.Direction() == tzdHorizontal ? ChartRect.bottom : y;
        if (x1 != zoom.X1 || y1 != zoom.Y1) {
            DrawZoomRectangle(); // erases the band drawn last
            zoom.X1 = x1;
            zoom.Y1 = y1;
            DrawZoomRectangle();
        }
    } else if (Panning()->Active) {
        if (!pointInRect(ChartRect, x, y))
            endAction();
        else if (x != Panning()->X1 || y != Panning()->Y1)
            panTo(x, y);
    } else if (QPoint(x, y) != m_lastMovePoint) {
        m_lastMovePoint = QPoint(x, y);
        const QCursor before = cursor();
        const bool over = CheckMouseOverSeries(x, y);
        if (over && !m_cursorBeforeSeries)
            m_cursorBeforeSeries = before;
        else if (!over && m_cursorBeforeSeries)
            setCursor(*std::exchange(m_cursorBeforeSeries, std::nullopt));
    }
}

void TCustomChart::panTo(int x, int y)
{
    if (m_axesRestored)
        SaveAxesState();
    TZoomPanning &panning = *Panning();
    const TPanningMode mode = AllowPanning();
    const bool horizontal = mode == pmHorizontal || mode == pmBoth;
    const bool vertical = mode == pmVertical || mode == pmBoth;
    // Horizontal axes first, then vertical ones.
    for (const bool pass : {true, false}) {
        if (pass ? !horizontal : !vertical)
            continue;
        for (TChartAxis *axis : std::vector<TChartAxis *>(Axes().Items())) {
            if (axis->IsDepthAxis() || axis->Horizontal() != pass)
                continue;
            const double delta = pass ? axis->PixelToValue(panning.X1) - axis->PixelToValue(x)
                                      : axis->PixelToValue(panning.Y1) - axis->PixelToValue(y);
            double minimum = axis->Minimum() + delta;
            double maximum = axis->Maximum() + delta;
            bool allow = true;
            if (OnAllowScroll)
                OnAllowScroll(*this, axis, minimum, maximum, allow);
            if (allow)
                axis->SetMinMax(minimum, maximum);
        }
    }
    panning.X1 = x;
    panning.Y1 = y;
    Zoomed = true;
    DoScroll();
}

void TCustomChart::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    runGuarded([&] { chartMouseUp(mouseButton(event->button()), p.x(), p.y()); });
    TCustomAxisPanel::mouseReleaseEvent(event); // the tools get the mouse-up last
}

void TCustomChart::chartMouseUp(TMouseButton button, int x, int y)
{
    TPlotZoom &zoom = *Zoom();
    if (zoom.Active && button == zoom.MouseButton()) {
        DrawZoomRectangle(); // erases the band
        const bool freeX = zoom.Direction() != tzdVertical;
        const bool freeY = zoom.Direction() != tzdHorizontal;
        if (freeX)
            zoom.X1 = x;
        if (freeY)
            zoom.Y1 = y;
        endAction();
        const int dx = zoom.X1 - zoom.X0;
        const int dy = zoom.Y1 - zoom.Y0;
        const bool counts = (!freeX || std::abs(dx) > zoom.MinimumPixels())
                            && (!freeY || std::abs(dy) > zoom.MinimumPixels());
        if (counts) {
            const bool back = freeX ? dx < 0 : dy < 0;
            if (back && !zoom.UpLeftZooms()) {
                UndoZoom();
            } else {
                zoom.NormalizeRect();
                ZoomRect({zoom.X0, zoom.Y0, zoom.X1, zoom.Y1});
            }
            Invalidate();
        }
    }
    if (Panning()->Active)
        endAction();
}

void TCustomChart::endAction()
{
    Zoom()->Active = false;
    Panning()->Active = false;
    if (m_cursorBeforeAction)
        setCursor(*std::exchange(m_cursorBeforeAction, std::nullopt));
}

void TCustomChart::leaveEvent(QEvent *event)
{
    m_lastMovePoint = QPoint(-1, -1);
    // The panel puts the chart's own cursor back and ends a panning; the axis panel tells the
    // tools that the mouse left.
    m_cursorBeforeSeries.reset();
    if (Panning()->Active)
        m_cursorBeforeAction.reset();
    TCustomAxisPanel::leaveEvent(event);
}

void TCustomChart::wheelEvent(QWheelEvent *event)
{
    TCustomAxisPanel::wheelEvent(event);
    if (!ChartMouse::WheelScrolls)
        return;
    event->accept();
    // Touchpads send parts of a notch; they add up until they make one.
    m_wheelRemainder += event->angleDelta().y();
    runGuarded([this] {
        while (std::abs(m_wheelRemainder) >= ChartMouse::kWheelNotch) {
            const bool up = m_wheelRemainder > 0;
            m_wheelRemainder -= up ? ChartMouse::kWheelNotch : -ChartMouse::kWheelNotch;
            scrollVerticalAxes(up);
        }
    });
}

void TCustomChart::scrollVerticalAxes(bool up)
{
    for (TChartAxis *axis : std::vector<TChartAxis *>(Axes().Items()))
        if (!axis->Horizontal() && !axis->IsDepthAxis()) {
            const double offset = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
            axis->Scroll(up ? offset : -offset, false);
        }
}
