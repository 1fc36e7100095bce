// The names components carry in one chart file: every component that another one links to gets a
// name unique in the file, so the link can be written and read back by that name (an unnamed
// target used to be written as no link, and a cursor lost its series on every save).
#pragma once

#include <QPointer>
#include <QSet>
#include <QString>

#include <utility>
#include <vector>

class QObject;
class TCustomAxisPanel;

class ChartFileNames
{
public:
    // For the scope: an unnamed component that another links to, and a component whose name an
    // earlier one of the file already carries, takes the name a new component of its class gets;
    // the live names come back at the end, so saving changes nothing the program shows (an
    // untitled series' legend and the editor's lists show its name).
    explicit ChartFileNames(TCustomAxisPanel &chart);
    ~ChartFileNames();
    ChartFileNames(const ChartFileNames &) = delete;
    ChartFileNames &operator=(const ChartFileNames &) = delete;

    // Whether the file holds the component; a link to any other could not be read back.
    bool holds(const QObject *component) const { return m_components.contains(component); }

private:
    QSet<const QObject *> m_components;
    std::vector<std::pair<QPointer<QObject>, QString>> m_liveNames;
};
