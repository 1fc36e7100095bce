// Writes a chart as one component of the binary chart stream: the chart's published and stream
// properties that differ from a fresh chart's, then its series (each with its function) and tools.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class ChartFileNames;
class PropertyFiler;
class QMetaProperty;
class QObject;
class QVariant;
class TCustomAxisPanel;

namespace ComponentStream {
class Writer;
}

class ChartStreamWriter
{
public:
    // A chart beyond what the reader takes (more series, or a longer text, than StreamLimits allow)
    // is refused, so that every saved chart reads back; only tests of the reader's own refusals
    // write one.
    enum class Limits { Refuse, Ignore };
    explicit ChartStreamWriter(QByteArray &out, Limits limits = Limits::Refuse);
    ~ChartStreamWriter();

    // "TPF0" and the chart component.
    void writeChart(TCustomAxisPanel &chart);

private:
    void writeComponent(QObject &component);
    void writeProperties(const QObject &object, const QObject *defaults, const QByteArray &prefix);
    void writeStreamProperties(QObject &object, const QByteArray &prefix);
    // A collection: each item's stored properties in a list of its own.
    void writeCollection(const QByteArray &name, const std::vector<const QObject *> &items);
    // A fresh instance of the object's class, made once per class; none for a class the registry
    // cannot make.
    const QObject *defaultsFor(const QObject &object);
    // Raises the reader's "out of range" refusal for a count beyond its limit.
    void checkLimit(const QByteArray &name, qint64 count, qint64 limit) const;
    // A text, a text list or a binary value the reader would refuse.
    void checkValue(const QByteArray &name, const QVariant &value) const;

    QByteArray &m_out;
    std::unique_ptr<ComponentStream::Writer> m_writer;
    std::map<QString, std::unique_ptr<QObject>> m_defaults;
    // The names of the file being written: set while writeChart runs.
    const ChartFileNames *m_names = nullptr;
    const Limits m_limits;
    // Items of the collections but the custom axes, in the whole file.
    qint64 m_collectionItems = 0;
};

// Whether a property pointing at an object names another component (a series, a tool, a chart):
// such values are stored as the component's name, never as a copy.
bool isComponentReference(const QObject *object);

// The components an object of a chart file links to: through its published links and those of its
// parts (pens, marks, collection items ...), and for a series through its data sources.
std::vector<const QObject *> linkedComponents(const QObject &object);

// The stream properties a chart file keeps for an object: its own hooks and, for a picture, its
// graphic as "Data" (a short string with the format's extension, ".GIF", then the file's bytes).
// False for an object without any. A picture no graphic can read raises the wrong-format error.
bool defineStreamProperties(QObject &object, PropertyFiler &filer);
