// The demo's tools scene: water's vapour pressure with a colour band, a colour line the user
// drags, draw lines, an annotation with a callout and the nearest-point marker, beside a 3D chart
// that the rotate tool turns; and the mouse drives that show them, each checked for ghost lines.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>

class QWidget;
class TAnnotationTool;
class TChart;
class TColorBandTool;
class TColorLineTool;
class TDrawLineTool;
class TLineSeries;
class TNearestTool;
class TRotateTool;

namespace ToolDemoCharts {

struct FlatTools
{
    TLineSeries *water = nullptr;
    TColorBandTool *band = nullptr;
    TColorLineTool *pressureLine = nullptr;
    TDrawLineTool *drawLine = nullptr;
    TAnnotationTool *annotation = nullptr;
    TNearestTool *nearest = nullptr;
};

// Water from 0 to 100 °C on fixed linear axes; the room temperatures 15 to 25 °C as a band; the
// atmospheric pressure as a colour line that follows a drag in not-xor; one drawn line already;
// the normal boiling point annotated; the nearest point marked in not-xor as the mouse moves.
FlatTools fillFlat(TChart &chart);
// Points the annotation's callout at the boiling point: a pixel, so only once the chart has its
// size and has been drawn.
void pointCallout(const FlatTools &tools);
// Water and ethanol as ribbons in 3D, turned by a rotate tool that shows an outline while dragging.
TRotateTool *fill3D(TChart &chart);

// A mouse event as the window system delivers it, and the events it causes handled.
void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);
// Whether the chart's screen buffer holds the pixels a fresh whole redraw of the same state draws:
// anything a tool drew over the buffer and failed to erase shows as a difference.
bool equalsFreshRedraw(TChart &chart);

// The drives of the screenshot, as a user's mouse: the pressure line dragged down to kDropBar, a
// second line drawn from kDrawnFrom to kDrawnTo (°C, bar), the mouse resting next to the point at
// kRestC; then the 3D chart turned by a drag through by pixels. After each step the chart is
// compared with a fresh redraw, and the names of the steps that differ come back.
inline constexpr double kDropBar = 0.5;
inline constexpr QPointF kDrawnFrom{30, 0.6};
inline constexpr QPointF kDrawnTo{70, 0.9};
inline constexpr double kRestC = 80;
inline constexpr QPoint kTurnBy{-70, 40};
QStringList driveFlat(TChart &chart, const FlatTools &tools);
QStringList driveRotate(TChart &chart, QPoint by = kTurnBy);

} // namespace ToolDemoCharts
