// The chart stream reader: registry classes only, every length checked by the component reader,
// references resolved once everything is read, then every component told it was loaded.
#include "ChartStreamReader.h"

#include "ChartClassRegistry.h"
#include "ChartStreamText.h"
#include "ChartStreamWriter.h"
#include "ComponentStream.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PropertyFiler.h"
#include "StreamCollection.h"
#include "StreamLimits.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TChartTools.h"
#include "TCustomChart.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TSeriesMarks.h"

#include <QMetaProperty>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void wrongFormat()
{
    throw ChartException(PlotConst::WrongFileFormatText());
}

// The readers of an object's stream properties, by name.
class ReadingFiler : public PropertyFiler
{
public:
    void DefineProperty(const QString &name, Reader reader, Writer, WrittenWhen) override
    {
        if (reader && !found && name == wanted)
            found = std::move(reader);
    }
    QString wanted;
    Reader found;
};

class StreamReader
{
public:
    explicit StreamReader(const QByteArray &data)
        : m_in(data)
    {
    }

    std::unique_ptr<TCustomChart> read()
    {
        if (m_in.remaining() < 4 || QByteArray(m_in.take(4), 4) != "TPF0")
            wrongFormat();
        const QByteArray className = m_in.readShortString();
        const ChartClassDescriptor *chartClass = ChartClassRegistry::instance().find(TCustomChart::staticMetaObject);
        const ChartClassDescriptor *descriptor = ChartClassRegistry::instance().find(QString::fromLatin1(className));
        if (!descriptor || !chartClass || !descriptor->inherits(*chartClass) || !descriptor->factory)
            throw ChartException(descriptor ? PlotConst::InvalidChartFileText() : PlotConst::WrongFileFormatText());
        std::unique_ptr<QObject> made = descriptor->factory();
        auto *chart = qobject_cast<TCustomChart *>(made.get());
        if (!chart)
            throw ChartException(PlotConst::InvalidChartFileText());
        std::unique_ptr<TCustomChart> owned(chart);
        (void)made.release();
        m_chart = chart;
        chart->BeginLoading();
        // The chart's own name is no link target: one the text form cannot hold is dropped.
        const QByteArray chartName = m_in.readShortString();
        chart->setObjectName(isStreamIdentifier(chartName) ? QString::fromLatin1(chartName) : QString());
        m_objectText = StreamObjectText(*chart);
        readProperties(*chart);
        readChildren(*chart, 1);
        if (m_in.remaining() != 0)
            wrongFormat();
        resolveReferences();
        for (const QPointer<TCustomChartElement> &element : m_loading)
            if (element)
                element->Loaded();
        chart->Loaded();
        return owned;
    }

private:
    struct Reference
    {
        QPointer<QObject> target;
        QMetaProperty property;
        QString name;
        // For messages: the property as the file names it, and its component.
        QString shown;
        QString objectText;
    };

    void readProperties(QObject &object)
    {
        while (!m_in.readListEnd())
            readProperty(object);
    }

    void readProperty(QObject &object)
    {
        const QByteArray name = m_in.readShortString();
        if (name.isEmpty())
            wrongFormat();
        const QString shown = QString::fromLatin1(name);
        if (m_in.peekByte() == ComponentStream::vaCollection) {
            readCollection(object, name);
            return;
        }
        bool isSet = false;
        QVariant value = m_in.readValue(isSet);
        const QList<QByteArray> path = name.split('.');
        QObject &target = ComponentStream::Reader::holderOf(object, path, shown, m_objectText);
        const int index = target.metaObject()->indexOfProperty(path.last().constData());
        try {
            if (index >= 0) {
                const QMetaProperty property = target.metaObject()->property(index);
                if (property.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
                    // A reference: the name of another component, or nil.
                    if (isSet || (value.isValid() && value.metaType().id() != QMetaType::QString))
                        wrongFormat();
                    m_references.push_back({&target, property, value.toString(), shown, m_objectText});
                    return;
                }
                ComponentStream::Reader::storeValue(target, property, std::move(value), isSet, name);
                return;
            }
            ReadingFiler filer;
            filer.wanted = QString::fromLatin1(path.last());
            if (!defineStreamProperties(target, filer) || !filer.found)
                ComponentStream::Reader::unknownProperty(shown, m_objectText);
            if (isSet)
                wrongFormat();
            filer.found(value);
        } catch (const PropertyValueError &e) {
            throw ChartException(PlotConst::PropertyValueRefusedText(shown, m_objectText, e.message()));
        }
    }

    void readCollection(QObject &object, const QByteArray &name)
    {
        std::function<QObject *()> add;
        // An empty item is a few bytes of the file and a whole object in memory.
        int *made = &m_collectionItems;
        int limit = StreamLimits::kMaxCollectionItems;
        if (auto *chart = qobject_cast<TCustomAxisPanel *>(&object); chart && name == "CustomAxes") {
            if (chart->CustomAxisCount() > 0)
                wrongFormat();
            add = [chart] { return chart->AddCustomAxis(); };
            made = &m_customAxes;
            limit = StreamLimits::kMaxCustomAxes;
        } else {
            StreamCollection *collection = collectionProperty(object, name);
            if (!collection)
                ComponentStream::Reader::unknownProperty(QString::fromLatin1(name), m_objectText);
            collection->collectionClear(); // the file's items replace what the class starts with
            add = [collection] { return collection->collectionAdd(); };
        }
        m_in.readByte();
        for (int n = 0; !m_in.readListEnd(); ++n) {
            if (++*made > limit)
                wrongFormat();
            m_in.readListBegin();
            QObject *item = add();
            const QByteArray prefix = name + '[' + QByteArray::number(n) + "].";
            while (!m_in.readListEnd())
                m_in.readProperty(*item, m_objectText, prefix);
        }
    }

    // The collection a published property of the object holds; none for any other property.
    static StreamCollection *collectionProperty(QObject &object, const QByteArray &name)
    {
        const int index = object.metaObject()->indexOfProperty(name.constData());
        if (index < 0)
            return nullptr;
        const QVariant value = object.metaObject()->property(index).read(&object);
        if (!value.metaType().flags().testFlag(QMetaType::PointerToQObject))
            return nullptr;
        return dynamic_cast<StreamCollection *>(qvariant_cast<QObject *>(value));
    }

    void readChildren(QObject &parent, int depth)
    {
        while (!m_in.readListEnd()) {
            if (depth >= kMaxChartStreamDepth)
                wrongFormat();
            readChild(parent, depth);
        }
    }

    void readChild(QObject &parent, int depth)
    {
        const QString className = QString::fromLatin1(m_in.readShortString());
        // Names are identifiers, as the writer gives them: anything else is a damaged file.
        const QByteArray rawName = m_in.readShortString();
        if (!rawName.isEmpty() && !isStreamIdentifier(rawName))
            wrongFormat();
        const QString name = QString::fromLatin1(rawName);
        const ChartClassDescriptor *descriptor = ChartClassRegistry::instance().find(className);
        if (!descriptor || !descriptor->factory)
            wrongFormat();
        std::unique_ptr<QObject> made = descriptor->factory();
        QObject *child = made.get();
        child->setObjectName(name);
        // Each child joins its owner before its properties are read, so axis indexes resolve.
        if (&parent == m_chart) {
            if (auto *series = qobject_cast<TChartSeries *>(child)) {
                if (m_chart->SeriesCount() == StreamLimits::kMaxSeries)
                    wrongFormat();
                series->setParent(m_chart);
                (void)made.release();
                m_chart->AddSeries(series);
            } else if (auto *tool = qobject_cast<TPlotCustomTool *>(child)) {
                if (m_chart->Tools().Count() == StreamLimits::kMaxTools)
                    wrongFormat();
                (void)made.release();
                m_chart->Tools().Add(tool);
            } else {
                wrongFormat();
            }
        } else if (auto *series = qobject_cast<TChartSeries *>(&parent)) {
            auto *function = qobject_cast<TPlotFunction *>(child);
            if (!function || series->FunctionType())
                wrongFormat();
            (void)made.release();
            series->SetFunction(function);
        } else {
            wrongFormat();
        }
        if (auto *element = qobject_cast<TCustomChartElement *>(child)) {
            element->BeginLoading();
            m_loading.push_back(element);
        }
        const QString ownerText = std::exchange(m_objectText, StreamObjectText(*child));
        readProperties(*child);
        if (auto *series = qobject_cast<TChartSeries *>(child))
            countMarkFormats(*series);
        readChildren(*child, depth + 1);
        m_objectText = ownerText;
    }

    // A series reads at most the limit of formats itself; the file holds no more than that in all.
    void countMarkFormats(TChartSeries &series)
    {
        m_markFormats += series.Marks()->Items().heldCount();
        if (m_markFormats > StreamLimits::kMaxMarkFormats)
            wrongFormat();
    }

    void resolveReferences()
    {
        for (const Reference &reference : m_references) {
            if (!reference.target)
                wrongFormat();
            QObject *found = nullptr;
            if (!reference.name.isEmpty()) {
                found = m_chart->findChild<QObject *>(reference.name);
                if (!isComponentReference(found))
                    refuse(reference, PlotConst::plotFormat(PlotConst::message(PlotConst::msgNoSuchComponent), {reference.name}));
                if (found == reference.target)
                    refuse(reference, PlotConst::message(PlotConst::msgLinkToItself));
            }
            void *none = nullptr;
            QVariant value = found ? QVariant::fromValue(found) : QVariant(reference.property.metaType(), &none);
            if (!value.convert(reference.property.metaType()) || !reference.property.write(reference.target, value))
                wrongFormat();
        }
    }

    [[noreturn]] static void refuse(const Reference &reference, const QString &reason)
    {
        throw ChartException(PlotConst::PropertyValueRefusedText(reference.shown, reference.objectText, reason));
    }

    ComponentStream::Reader m_in;
    TCustomChart *m_chart = nullptr;
    std::vector<Reference> m_references;
    // The component whose properties are being read, as messages name it.
    QString m_objectText;
    std::vector<QPointer<TCustomChartElement>> m_loading;
    int m_customAxes = 0;
    int m_collectionItems = 0;
    int m_markFormats = 0;
};

} // namespace

std::unique_ptr<TCustomChart> readChartStream(const QByteArray &stream, QWidget *parent)
{
    std::unique_ptr<TCustomChart> chart = StreamReader(stream).read();
    if (parent)
        chart->setParent(parent);
    return chart;
}
