// The chart stream writer.
#include "ChartStreamWriter.h"

#include "ChartClassRegistry.h"
#include "ComponentStream.h"
#include "PropertyFiler.h"
#include "StreamCollection.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TPlotSeriesSource.h"

#include <QMetaProperty>
#include <QWidget>

namespace {

QObject *objectValue(const QVariant &value)
{
    return value.metaType().flags().testFlag(QMetaType::PointerToQObject) ? qvariant_cast<QObject *>(value) : nullptr;
}

// Published properties of the class's own: a chart starts after QWidget's (geometry, palette ...).
int firstOwnProperty(const QObject &object)
{
    return object.isWidgetType() ? QWidget::staticMetaObject.propertyCount() : QObject::staticMetaObject.propertyCount();
}

// Collects the stream properties that have a writer.
class WritingFiler : public PropertyFiler
{
public:
    struct Entry
    {
        QString name;
        Writer writer;
        WrittenWhen when;
    };
    void DefineProperty(const QString &name, Reader, Writer writer, WrittenWhen writtenWhen) override
    {
        if (writer)
            entries.push_back({name, std::move(writer), std::move(writtenWhen)});
    }
    std::vector<Entry> entries;
};

} // namespace

bool isComponentReference(const QObject *object)
{
    return object && (object->isWidgetType() || qobject_cast<const TCustomChartElement *>(object)
                      || qobject_cast<const TPlotFunction *>(object) || qobject_cast<const TPlotSeriesSource *>(object));
}

ChartStreamWriter::ChartStreamWriter(QByteArray &out)
    : m_out(out)
    , m_writer(std::make_unique<ComponentStream::Writer>(out))
{
}

ChartStreamWriter::~ChartStreamWriter() = default;

const QObject *ChartStreamWriter::defaultsFor(const QObject &object)
{
    const QString name = QString::fromLatin1(object.metaObject()->className());
    auto it = m_defaults.find(name);
    if (it == m_defaults.end())
        it = m_defaults.emplace(name, ChartClassRegistry::instance().create(name)).first;
    return it->second.get();
}

void ChartStreamWriter::writeChart(TCustomAxisPanel &chart)
{
    m_out.append("TPF0", 4);
    writeComponent(chart);
}

void ChartStreamWriter::writeComponent(QObject &component)
{
    m_writer->writeShortString(component.metaObject()->className());
    m_writer->writeShortString(component.objectName().toUtf8());
    writeProperties(component, defaultsFor(component), {});
    if (auto *chart = qobject_cast<TCustomAxisPanel *>(&component); chart && chart->CustomAxisCount() > 0) {
        std::vector<const QObject *> axes;
        for (int i = 0; i < chart->CustomAxisCount(); ++i)
            axes.push_back(chart->CustomAxis(i));
        writeCollection("CustomAxes", axes);
    }
    m_writer->writeListEnd();
    if (auto *chart = qobject_cast<TCustomAxisPanel *>(&component)) {
        for (int i = 0; i < chart->SeriesCount(); ++i)
            writeComponent(*chart->GetSeries(i));
        for (TPlotCustomTool *tool : chart->Tools().Items())
            writeComponent(*tool);
    } else if (auto *series = qobject_cast<TChartSeries *>(&component); series && series->FunctionType()) {
        writeComponent(*series->FunctionType());
    }
    m_writer->writeListEnd();
}

void ChartStreamWriter::writeProperties(const QObject &object, const QObject *defaults, const QByteArray &prefix)
{
    const QMetaObject *meta = object.metaObject();
    for (int i = firstOwnProperty(object); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || !IsPropertyStored(object, property))
            continue;
        const QVariant value = property.read(&object);
        const QVariant defaultValue = defaults ? property.read(defaults) : QVariant();
        const QByteArray name = prefix + property.name();
        if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            const QObject *target = objectValue(value);
            if (const auto *collection = dynamic_cast<const StreamCollection *>(target)) {
                std::vector<const QObject *> items;
                for (int n = 0; n < collection->collectionCount(); ++n)
                    items.push_back(collection->collectionItem(n));
                writeCollection(name, items);
                continue;
            }
            if (!isComponentReference(target)) {
                if (target)
                    writeProperties(*target, objectValue(defaultValue), name + '.');
                continue;
            }
            if (!property.isWritable())
                continue;
            const QObject *defaultTarget = objectValue(defaultValue);
            const QString targetName = target ? target->objectName() : QString();
            if (defaults && targetName == (defaultTarget ? defaultTarget->objectName() : QString()))
                continue;
            m_writer->writeShortString(name);
            if (targetName.isEmpty()) {
                m_writer->writeTag(ComponentStream::vaNil);
            } else {
                m_writer->writeTag(ComponentStream::vaIdent);
                m_writer->writeShortString(targetName.toUtf8());
            }
            continue;
        }
        if (!property.isWritable() || (defaults && value == defaultValue))
            continue;
        m_writer->writeShortString(name);
        m_writer->writeValue(property, value);
    }
    writeStreamProperties(const_cast<QObject &>(object), prefix);
}

void ChartStreamWriter::writeCollection(const QByteArray &name, const std::vector<const QObject *> &items)
{
    m_writer->writeShortString(name);
    m_writer->writeTag(ComponentStream::vaCollection);
    for (const QObject *item : items) {
        m_writer->writeListBegin();
        writeProperties(*item, nullptr, {});
        m_writer->writeListEnd();
    }
    m_writer->writeListEnd();
}

void ChartStreamWriter::writeStreamProperties(QObject &object, const QByteArray &prefix)
{
    auto *definer = dynamic_cast<PropertyDefiner *>(&object);
    if (!definer)
        return;
    WritingFiler filer;
    definer->defineProperties(filer);
    for (const WritingFiler::Entry &entry : filer.entries) {
        if (entry.when && !entry.when())
            continue;
        m_writer->writeShortString(prefix + entry.name.toUtf8());
        m_writer->writeFilerValue(entry.writer());
    }
}
