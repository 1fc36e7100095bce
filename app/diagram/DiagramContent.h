// What the diagram window shows for the current state of the program: its captions, the chart's
// titles and foot, and one curve per picked substance or one for the visible dialog's mixture or
// solution. The window puts it into its chart; everything here is computed without one.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/DiagramCurves.h"
#include "app/windows/DiagramHost.h"

#include <QString>
#include <QStringList>

#include <vector>

// One curve as the chart takes it: X along the bottom axis, Y along the left one.
struct DiagramSeries
{
    QString title;
    std::vector<double> x;
    std::vector<double> y;
};

struct DiagramContent
{
    DiagramSystem system = DiagramSystem::Substances;
    CalculationMode mode = CalculationMode::VapourPressure;
    QString caption; // of the window
    QString label1; // heading of the abscissa's unit list
    QString label2; // heading of the ordinate's unit list
    QString bottomAxisTitle;
    QString leftAxisTitle;
    int titleFontSize = 10; // points
    QStringList titleLines;
    QStringList footLines;
    bool legendVisible = true;
    std::vector<DiagramSeries> series;
};

// The temperature and pressure units of the two unit lists: the first list holds the abscissa's
// unit, temperatures in vapour-pressure mode and pressures in boiling-point mode.
DiagramUnits diagramUnits(CalculationMode mode, const QString &list1Unit, const QString &list2Unit);

// The diagram of the visible dialog's system, or of the substances in media (lines of the main
// list, name TAB formula) when no dialog is visible. Each substance is selected in the main
// window as a click would select it, so the main window shows the last one drawn; a line the
// main list does not hold draws nothing. count is held within the diagram's bounds.
DiagramContent buildDiagram(const DiagramHost &host, const QStringList &media, const DiagramUnits &units, int count);
