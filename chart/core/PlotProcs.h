// Shared small services: translation hook, date steps, palette, text fields, hit tests, sorting.
#pragma once

#include "PlotTypes.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QCursor;
class QImage;
class QObject;
class QPaintDevice;
class TPlotCanvas;

namespace PlotProcs {

// Set by the translation unit; empty until a language is selected.
using TranslateHook = std::function<void(QObject *control, const QList<QObject *> &except)>;
TranslateHook &PlotTranslateHook();
void PlotTranslateControl(QObject *control);
void PlotTranslateControlExcept(QObject *control, const QList<QObject *> &except);

// Date-time steps in days, indices 0..26; 27 stands for no table step.
inline constexpr int kNoTimeStep = 27;
double TimeStep(int index);
int FindTimeStepIndex(double value);
double NextTimeStep(double value);
// Dates are day numbers from 30 Dec 1899 with the time as fraction, as the value lists keep them.
double RoundDateToStep(int stepIndex, double value);
void StepDateTime(bool calendar, bool up, double &value, int stepIndex, double step);
double toDateValue(const QDateTime &dateTime);
// The locale's short time format for steps up to a day, else its short date format, in the
// library's date-time codes (see DateTimeFormatFromQt).
QString DateTimeDefaultFormat(double step);
// A Qt date-time format in the library's codes: M -> m, H -> h, minutes m -> n, AP -> ampm;
// the time zone is dropped.
QString DateTimeFormatFromQt(const QString &qtFormat);
QDateTime fromDateValue(double value);

TColor GetDefaultColor(int index);
// Number of colours of the library palette.
int DefaultPaletteLength();
void SetDefaultPalette(const std::vector<TColor> &colors, int lastIndex);
void ResetDefaultPalette();

QString PlotIntToStr(int value);
int CountFields(const QString &text, const QString &separator);
QString ExtractField(const QString &text, int index, const QString &separator);
QString ReplaceChar(const QString &text, QChar oldChar, QChar newChar);
QString FormatToLocalSeparators(const QString &format);
QString FormatFromLocalSeparators(const QString &format);
QString GetUniqueName(const QObject *owner, const QString &baseName);
// baseName and the lowest number from 1 that isTaken refuses.
QString GetUniqueName(const std::function<bool(const QString &)> &isTaken, const QString &baseName);
// The name the library gives a new component: its class name without the leading "T" and the
// lowest number free among the owner's components (TLineSeries: "LineSeries1").
QString componentNameBase(const QObject &component);
QString newComponentName(const QObject *owner, const QObject &component);

bool PointInLineTolerance(const TPoint &p, int x0, int y0, int x1, int y1, int tolerance);
inline bool PointInLine(const TPoint &p, int x0, int y0, int x1, int y1)
{
    return PointInLineTolerance(p, x0, y0, x1, y1, 0);
}
inline bool PointInLinePoints(const TPoint &p, const TPoint &p0, const TPoint &p1)
{
    return PointInLineTolerance(p, p0.x, p0.y, p1.x, p1.y, 0);
}
inline bool PointInLineTolerancePoints(const TPoint &p, const TPoint &p0, const TPoint &p1, int tolerance)
{
    return PointInLineTolerance(p, p0.x, p0.y, p1.x, p1.y, tolerance);
}
bool PointInPolygon(const TPoint &p, const TPoint *points, int lastIndex);
bool PointInTriangle(const TPoint &p, int x0, int x1, int y0, int y1);
bool PointInHorizTriangle(const TPoint &p, int y0, int y1, int x0, int x1);
bool PointInEllipse(const TPoint &p, int left, int top, int right, int bottom);
inline bool PointInEllipseRect(const TPoint &p, const TRect &r)
{
    return PointInEllipse(p, r.left, r.top, r.right, r.bottom);
}

// Sets the "enabled" property of every control given; absent ones are skipped.
void EnableControls(bool enable, const QList<QObject *> &controls);
// Physical width over height of the device in millimetres; 0 without a device or height.
double GetDeviceAspectRatio(const QPaintDevice *device);

// A 13 x 13 check box (isCheckBox) or radio button, checked or not, with its top-left
// corner at (x, y), drawn in the classic sunken look through the canvas's own primitives, so
// export canvases receive it too. The canvas's pen and brush are left as they were.
void DrawCheckBox(int x, int y, TPlotCanvas &canvas, bool checked, bool unused, bool isCheckBox);

// The bevel of a panel or shape: nothing for bvNone; a rounded rectangle for roundSize >= 1, else a
// 3D frame of the given width in the button highlight and shadow colours. rect shrinks by width.
void DrawBevel(TPlotCanvas &canvas, TBevelCut bevel, TRect &rect, int roundSize, int width);

// Cursor numbers as the panels and tools store them: the library's hand cursor is 2020, the
// negative numbers are the standard screen cursors (-21 the pointing hand, -3 the cross...).
inline constexpr int crPlotHand = 2020;
QCursor PlotCursor(int cursorNumber);

// Loads the library's bitmap resource Name, else AltName (looked up in upper case among the
// program's resources under ":/plot/"), into bitmap. False when neither exists.
bool LoadBitmapResource(QImage &bitmap, const QString &name, const QString &altName);
// The bitmap named after the object's class, else after its parent class (gallery and editor icons).
bool LoadClassBitmap(const QObject *instance, QImage &bitmap);

// Quicksort of index positions through the caller's compare and swap.
void PlotSort(int startIndex, int endIndex, const std::function<int(int, int)> &compare,
              const std::function<void(int, int)> &swap);

} // namespace PlotProcs
