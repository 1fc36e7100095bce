// Cursor names and numbers.
#include "PlotCursorNames.h"

#include "PlotConst.h"
#include "PlotProcs.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <array>

namespace PlotPenDlg {

namespace {

struct CursorName {
    const char *name;
    int number;
};

// The standard cursors in the order the cursor lists show them.
constexpr std::array<CursorName, 21> kStandardCursors{{
    {"crDefault", 0},     {"crNone", -1},       {"crArrow", -2},      {"crCross", -3},      {"crIBeam", -4},
    {"crSizeNESW", -6},   {"crSizeNS", -7},     {"crSizeNWSE", -8},   {"crSizeWE", -9},     {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12},      {"crNoDrop", -13},    {"crHSplit", -14},    {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crNo", -18},        {"crAppStart", -19},  {"crHelp", -20},      {"crHandPoint", -21},
    {"crSizeAll", -22},
}};

constexpr char kPlotHandName[] = "crPlotHand";

} // namespace

bool CursorIdentToInt(const QString &name, int &value)
{
    if (name.compare(QLatin1String(kPlotHandName), Qt::CaseInsensitive) == 0) {
        value = PlotProcs::crPlotHand;
        return true;
    }
    for (const CursorName &cursor : kStandardCursors) {
        if (name.compare(QLatin1String(cursor.name), Qt::CaseInsensitive) == 0) {
            value = cursor.number;
            return true;
        }
    }
    return false;
}

namespace {

// The names the lists show: the identifiers without "cr", but the default cursor, which sets
// none, in the library's words.
QString shownName(const QString &ident)
{
    return ident == QLatin1String(kStandardCursors.front().name) ? PlotConst::message(PlotConst::msgDefault)
                                                                 : StripCursorPrefix(ident);
}

} // namespace

int CursorFromName(int defaultCursor, const QString &name)
{
    if (name == PlotConst::message(PlotConst::msgDefault))
        return 0;
    int value = 0;
    return CursorIdentToInt(QStringLiteral("cr") + name, value) ? value : defaultCursor;
}

bool CursorToIdent(int cursor, QString &name)
{
    if (cursor == PlotProcs::crPlotHand) {
        name = QLatin1String(kPlotHandName);
        return true;
    }
    for (const CursorName &standard : kStandardCursors) {
        if (standard.number == cursor) {
            name = QLatin1String(standard.name);
            return true;
        }
    }
    return false;
}

QString StripCursorPrefix(const QString &name)
{
    // Case matters: "Cross" has no prefix to strip.
    return name.startsWith(QLatin1String("cr")) ? name.mid(2) : name;
}

void FillCursorList(QComboBox &combo, int cursor)
{
    const QSignalBlocker blocker(combo);
    combo.setUpdatesEnabled(false);
    combo.clear();
    for (const CursorName &standard : kStandardCursors)
        combo.addItem(shownName(QLatin1String(standard.name)));
    combo.addItem(shownName(QLatin1String(kPlotHandName)));
    QString name;
    combo.setCurrentIndex(CursorToIdent(cursor, name) ? combo.findText(shownName(name)) : -1);
    combo.setUpdatesEnabled(true);
}

} // namespace PlotPenDlg
