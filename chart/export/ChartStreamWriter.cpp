// The chart stream writer.
#include "ChartStreamWriter.h"

#include "ChartClassRegistry.h"
#include "ChartFileNames.h"
#include "ComponentStream.h"
#include "GIFException.h"
#include "ImageReaderGraphic.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PlotImaging.h"
#include "PlotPictures.h"
#include "PropertyFiler.h"
#include "StreamCollection.h"
#include "StreamLimits.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TMarksItems.h"
#include "TGIFGraphic.h"
#include "TGIFImage.h"
#include "TPicture.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"
#include "TPlotSeriesSource.h"
#include "TSeriesMarks.h"

#include <QBuffer>
#include <QImageWriter>
#include <QMetaProperty>
#include <QScopeGuard>
#include <QWidget>

#include <limits>

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

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw PlotException(writer.errorString());
    return bytes;
}

// A GIF graphic is written by its codec, so that all its frames come back; a picture read from a
// file keeps that file's bytes; any other picture is written as PNG.
QByteArray pictureData(const TPicture &picture)
{
    QByteArray extension;
    QByteArray bytes;
    if (auto *gif = dynamic_cast<const TGIFGraphic *>(picture.SharedGraphic().get())) {
        try {
            bytes = gif->GIFImage().SaveToData();
            extension = ".GIF";
        } catch (const GIFException &) {
            bytes.clear(); // a picture the encoder refuses is kept as the frame it shows
        }
    }
    if (bytes.isEmpty()) {
        QByteArray format;
        bytes = PlotImaging::encodedBytes(picture.Graphic(), &format);
        extension = format == "jpeg" ? QByteArray(".JPG") : QByteArray('.' + format.toUpper());
    }
    if (bytes.isEmpty() || extension.size() < 2) {
        bytes = pngOf(picture.Graphic());
        extension = ".PNG";
    }
    return char(quint8(extension.size())) + extension + bytes;
}

[[noreturn]] void refusePicture(int message, std::initializer_list<QVariant> args)
{
    throw PropertyValueError(PlotConst::plotFormat(PlotConst::message(message), args));
}

// Why the graphic refused the bytes: their size, when it says so, or that they are no such picture.
[[noreturn]] void refuseGraphic(const TGraphic &graphic, const QString &extension)
{
    const QSize size = graphic.RefusedSize();
    if (size.isValid())
        refusePicture(PlotConst::msgPictureTooLarge, {size.width(), size.height(), graphic.PixelLimit()});
    refusePicture(PlotConst::msgUnreadablePicture, {extension.mid(1).toUpper()});
}

void readPictureData(TPicture &picture, const QByteArray &data)
{
    const int length = data.isEmpty() ? 0 : quint8(data[0]);
    if (length < 2 || data.size() < 1 + length || data[1] != '.') {
        const QString given = QString::fromLatin1(data.mid(1, length));
        refusePicture(PlotConst::msgUnknownPictureFormat, {given.isEmpty() ? QStringLiteral("\"\"") : given});
    }
    const QString extension = QString::fromLatin1(data.mid(1, length));
    const QByteArray bytes = data.mid(1 + length);
    if (const auto &lookup = PlotPictures::PlotGraphicClassForExtension()) {
        if (std::shared_ptr<TGraphic> graphic = lookup(extension)) {
            if (!graphic->LoadFromData(bytes))
                refuseGraphic(*graphic, extension);
            picture.SetGraphic(std::move(graphic));
            return;
        }
    }
    // A format without a picture class (PNG, or any before the export formats are registered)
    // becomes a plain image; only the formats a chart file writes, so a file cannot pick any reader.
    QByteArray format = extension.mid(1).toLower().toLatin1();
    if (format == "jpg")
        format = "jpeg";
    if (format != "png" && format != "bmp" && format != "jpeg" && format != "gif")
        refusePicture(PlotConst::msgUnknownPictureFormat, {extension});
    ImageReaderGraphic graphic(format);
    if (!graphic.LoadFromData(bytes))
        refuseGraphic(graphic, extension);
    picture.SetGraphic(graphic.Image());
}

void collectLinks(const QObject &object, std::vector<const QObject *> &links)
{
    const QMetaObject *meta = object.metaObject();
    for (int i = firstOwnProperty(object); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || !property.metaType().flags().testFlag(QMetaType::PointerToQObject)
            || !IsPropertyStored(object, property))
            continue;
        const QObject *target = objectValue(property.read(&object));
        if (!target)
            continue;
        if (const auto *collection = dynamic_cast<const StreamCollection *>(target)) {
            for (int n = 0; n < collection->collectionCount(); ++n)
                collectLinks(*collection->collectionItem(n), links);
        } else if (!isComponentReference(target)) {
            collectLinks(*target, links);
        } else if (property.isWritable()) {
            links.push_back(target);
        }
    }
}

} // namespace

std::vector<const QObject *> linkedComponents(const QObject &object)
{
    std::vector<const QObject *> links;
    collectLinks(object, links);
    if (const auto *series = qobject_cast<const TChartSeries *>(&object))
        for (const QObject *source : series->DataSources().Items())
            links.push_back(source);
    return links;
}

bool defineStreamProperties(QObject &object, PropertyFiler &filer)
{
    auto *definer = dynamic_cast<PropertyDefiner *>(&object);
    if (definer)
        definer->defineProperties(filer);
    auto *picture = qobject_cast<TPicture *>(&object);
    if (picture) {
        // Pictures live in chart/core, which knows no graphic class: the chart file keeps them here.
        filer.DefineProperty(
            QStringLiteral("Data"),
            [picture](const QVariant &value) { readPictureData(*picture, FilerValues::toBytes(value, QStringLiteral("Data"))); },
            [picture] { return QVariant(pictureData(*picture)); }, [picture] { return !picture->IsEmpty(); });
    }
    return definer || picture;
}

bool isComponentReference(const QObject *object)
{
    return object && (object->isWidgetType() || qobject_cast<const TCustomChartElement *>(object)
                      || qobject_cast<const TPlotFunction *>(object) || qobject_cast<const TPlotSeriesSource *>(object));
}

ChartStreamWriter::ChartStreamWriter(QByteArray &out, Limits limits)
    : m_out(out)
    , m_writer(std::make_unique<ComponentStream::Writer>(out))
    , m_limits(limits)
{
}

void ChartStreamWriter::checkLimit(const QByteArray &name, qint64 count, qint64 limit) const
{
    if (m_limits == Limits::Refuse && count > limit)
        throw ChartException(PlotConst::ValueOutOfRangeText(QString::fromLatin1(name), 0, double(limit)));
}

void ChartStreamWriter::checkValue(const QByteArray &name, const QVariant &value) const
{
    // Counted as the reader counts them: a list's lines take one byte more each, a number one.
    switch (value.metaType().id()) {
    case QMetaType::QString:
        checkLimit(name, value.toString().toUtf8().size(), StreamLimits::kMaxTextBytes);
        break;
    case QMetaType::QStringList: {
        qint64 bytes = 0;
        for (const QString &line : value.toStringList())
            bytes += line.toUtf8().size() + 1;
        checkLimit(name, bytes, StreamLimits::kMaxTextBytes);
        break;
    }
    case QMetaType::QVariantList:
        checkLimit(name, value.toList().size(), StreamLimits::kMaxTextBytes);
        break;
    case QMetaType::QByteArray: // a length the stream holds in 32 bits
        checkLimit(name, value.toByteArray().size(), std::numeric_limits<qint32>::max());
        break;
    default:
        break;
    }
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
    checkLimit("CustomAxes", chart.CustomAxisCount(), StreamLimits::kMaxCustomAxes);
    checkLimit("Series", chart.SeriesCount(), StreamLimits::kMaxSeries);
    checkLimit("Tools", chart.Tools().Count(), StreamLimits::kMaxTools);
    qint64 markFormats = 0;
    for (int s = 0; s < chart.SeriesCount(); ++s)
        markFormats += chart.GetSeries(s)->Marks()->Items().heldCount();
    checkLimit("Marks.Items", markFormats, StreamLimits::kMaxMarkFormats);
    m_collectionItems = 0;
    const ChartFileNames names(chart);
    m_names = &names;
    const auto forget = qScopeGuard([this] { m_names = nullptr; });
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
            // A link to a component outside the file (another chart's series) could not be read back.
            if (target && !(m_names && m_names->holds(target)))
                target = nullptr;
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
        checkValue(name, value);
        m_writer->writeShortString(name);
        m_writer->writeValue(property, value);
    }
    writeStreamProperties(const_cast<QObject &>(object), prefix);
}

void ChartStreamWriter::writeCollection(const QByteArray &name, const std::vector<const QObject *> &items)
{
    if (name != "CustomAxes") {
        m_collectionItems += qint64(items.size());
        checkLimit(name, m_collectionItems, StreamLimits::kMaxCollectionItems);
    }
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
    WritingFiler filer;
    if (!defineStreamProperties(object, filer))
        return;
    for (const WritingFiler::Entry &entry : filer.entries) {
        if (entry.when && !entry.when())
            continue;
        const QByteArray name = prefix + entry.name.toUtf8();
        const QVariant value = entry.writer();
        checkValue(name, value);
        m_writer->writeShortString(name);
        m_writer->writeFilerValue(value);
    }
}
