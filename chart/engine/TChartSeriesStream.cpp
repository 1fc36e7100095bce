// Series base: the stream properties beyond the published ones, and the binary "Data" block.
//
// "Data", little-endian: flags (1 byte: 1 X values, 2 colours, 4 labels, 8 mark positions), the
// point count (signed 32 bits), then per point: X (double, with flag 1; else the index), the value
// (double), the colour (32 bits, with flag 2), the label (with flag 4: one length byte, then that
// many bytes of UTF-8), one double per extra value list, and the mark position (with flag 8:
// 34 bytes). Labels are cut to 255 bytes at a character boundary. Old 8-bit labels that are no
// valid UTF-8 are read as Latin-1.
#include "TChartSeries.h"

#include "PlotEngine.h"
#include "PlotExceptions.h"
#include "SeriesDataFlags.h"
#include "SeriesUnit.h"
#include "StreamLimits.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include "PlotConst.h"

#include <QByteArrayView>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMarkPositionSize = 34;
constexpr int kMaxLabelBytes = 255;
constexpr int kKnownFlags = PlotEngine::sdfXValues | PlotEngine::sdfColors | PlotEngine::sdfLabels
                            | PlotEngine::sdfMarkPositions;

[[noreturn]] void wrongFormat()
{
    throw ChartException(PlotConst::WrongFileFormatText());
}

// Entry i becomes old entry order[i]; a list without an entry per point (no colours, no labels) stays.
template <class T>
void reorder(std::vector<T> &items, const std::vector<int> &order)
{
    if (items.size() != order.size())
        return;
    std::vector<T> reordered;
    reordered.reserve(order.size());
    for (const int from : order)
        reordered.push_back(std::move(items[std::size_t(from)]));
    items.swap(reordered);
}

class BlobWriter
{
public:
    explicit BlobWriter(QByteArray &out)
        : m_out(out)
    {
    }
    template <class T>
    void put(T value)
    {
        const T le = qToLittleEndian(value);
        m_out.append(reinterpret_cast<const char *>(&le), sizeof(T));
    }
    void putDouble(double value)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        put(bits);
    }
    void putBytes(const QByteArray &bytes) { m_out.append(bytes); }

private:
    QByteArray &m_out;
};

// Every read checks the bytes that are left: a damaged block raises, it never reads past its end.
class BlobReader
{
public:
    explicit BlobReader(const QByteArray &data)
        : m_data(data)
    {
    }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    template <class T>
    T get()
    {
        T value;
        std::memcpy(&value, take(sizeof(T)), sizeof(T));
        return qFromLittleEndian(value);
    }
    double getDouble()
    {
        const quint64 bits = get<quint64>();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray getBytes(qsizetype n) { return QByteArray(take(n), n); }

private:
    const char *take(qsizetype n)
    {
        if (n < 0 || n > remaining())
            wrongFormat();
        const char *p = m_data.constData() + m_pos;
        m_pos += n;
        return p;
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

QByteArray cutToLabelLimit(const QString &label)
{
    QByteArray bytes = label.toUtf8();
    if (bytes.size() <= kMaxLabelBytes)
        return bytes;
    // Step back over continuation bytes (10xxxxxx) so that no character is split.
    qsizetype cut = kMaxLabelBytes;
    while (cut > 0 && (quint8(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

QString decodeLabel(const QByteArray &bytes)
{
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
}

void writePosition(BlobWriter &out, const TSeriesMarkPosition &p)
{
    out.put<qint32>(p.ArrowFrom.x);
    out.put<qint32>(p.ArrowFrom.y);
    out.put<quint8>(p.ArrowFix ? 1 : 0);
    out.put<qint32>(p.ArrowTo.x);
    out.put<qint32>(p.ArrowTo.y);
    out.put<quint8>(p.Custom ? 1 : 0);
    out.put<qint32>(p.Height);
    out.put<qint32>(p.LeftTop.x);
    out.put<qint32>(p.LeftTop.y);
    out.put<qint32>(p.Width);
}

TSeriesMarkPosition readPosition(BlobReader &in)
{
    TSeriesMarkPosition p;
    p.ArrowFrom.x = in.get<qint32>();
    p.ArrowFrom.y = in.get<qint32>();
    p.ArrowFix = in.get<quint8>() != 0;
    p.ArrowTo.x = in.get<qint32>();
    p.ArrowTo.y = in.get<qint32>();
    p.Custom = in.get<quint8>() != 0;
    p.Height = in.get<qint32>();
    p.LeftTop.x = in.get<qint32>();
    p.LeftTop.y = in.get<qint32>();
    p.Width = in.get<qint32>();
    return p;
}

} // namespace

QByteArray TChartSeries::WriteData() const
{
    const int flags = PlotEngine::SeriesDataFlags(*this);
    const int count = Count();
    int n = 0;
    for (int i = 0; i < count; ++i)
        n += IsPointStored(i) ? 1 : 0;
    const std::span<const double> notMandatory = NotMandatoryValueList()->Values();
    const std::span<const double> mandatory = MandatoryValueList()->Values();

    QByteArray data;
    data.reserve(5 + qsizetype(n) * (16 + 8 * qsizetype(m_valueLists.size() - 2)));
    BlobWriter out(data);
    out.put<quint8>(quint8(flags));
    out.put<qint32>(n);
    for (int i = 0; i < count; ++i) {
        if (!IsPointStored(i))
            continue;
        if (flags & PlotEngine::sdfXValues)
            out.putDouble(notMandatory[std::size_t(i)]);
        out.putDouble(mandatory[std::size_t(i)]);
        if (flags & PlotEngine::sdfColors)
            out.put<quint32>(i < int(m_colors.size()) ? m_colors[std::size_t(i)] : clPlotColor);
        if (flags & PlotEngine::sdfLabels) {
            const QByteArray label = cutToLabelLimit(m_labels.GetLabel(i));
            out.put<quint8>(quint8(label.size()));
            out.putBytes(label);
        }
        for (std::size_t k = 2; k < m_valueLists.size(); ++k)
            out.putDouble(m_valueLists[k]->Values()[std::size_t(i)]);
        if (flags & PlotEngine::sdfMarkPositions) {
            const TSeriesMarkPosition *position = m_marks->Positions().GetPosition(i);
            writePosition(out, position ? *position : TSeriesMarkPosition());
        }
    }
    return data;
}

void TChartSeries::ReadData(const QByteArray &data)
{
    Clear();
    try {
        BlobReader in(data);
        const int flags = in.get<quint8>();
        const qint32 n = in.get<qint32>();
        if ((flags & ~kKnownFlags) != 0 || n < 0 || n > StreamLimits::kMaxSeriesPoints)
            wrongFormat();
        const std::size_t lists = m_valueLists.size();
        const qint64 minimumRecord = 8 + ((flags & PlotEngine::sdfXValues) ? 8 : 0)
                                     + ((flags & PlotEngine::sdfColors) ? 4 : 0)
                                     + ((flags & PlotEngine::sdfLabels) ? 1 : 0) + 8LL * qint64(lists - 2)
                                     + ((flags & PlotEngine::sdfMarkPositions) ? kMarkPositionSize : 0);
        // Checked before anything is allocated: a huge count in a short block is a damaged file.
        if (qint64(n) * minimumRecord > in.remaining())
            wrongFormat();
        // The records column by column first: list k's values in columns[k].
        std::vector<std::vector<double>> columns(lists);
        for (std::vector<double> &column : columns)
            column.reserve(std::size_t(n));
        std::vector<TColor> colors;
        if (flags & PlotEngine::sdfColors)
            colors.reserve(std::size_t(n));
        std::vector<QString> labels;
        if (flags & PlotEngine::sdfLabels)
            labels.reserve(std::size_t(n));
        for (int i = 0; i < n; ++i) {
            double x = (flags & PlotEngine::sdfXValues) ? in.getDouble() : double(i);
            double y = in.getDouble();
            if (!m_yMandatory)
                std::swap(x, y);
            columns[0].push_back(x);
            columns[1].push_back(y);
            if (flags & PlotEngine::sdfColors)
                colors.push_back(in.get<quint32>());
            if (flags & PlotEngine::sdfLabels)
                labels.push_back(decodeLabel(in.getBytes(in.get<quint8>())));
            for (std::size_t k = 2; k < lists; ++k)
                columns[k].push_back(in.getDouble());
            if (flags & PlotEngine::sdfMarkPositions)
                m_marks->Positions().Append(readPosition(in));
        }
        UpdateScope update(*this);
        if (OnBeforeAdd)
            addReadPointsOneByOne(columns, colors, labels);
        else
            appendReadPoints(columns, colors, labels);
        update.end();
    } catch (...) {
        Clear();
        throw;
    }
    m_manualData = true;
}

void TChartSeries::addReadPointsOneByOne(const std::vector<std::vector<double>> &columns,
                                         const std::vector<TColor> &colors, const std::vector<QString> &labels)
{
    // The event decides point by point.
    for (std::size_t i = 0; i < columns[0].size(); ++i) {
        for (std::size_t k = 2; k < columns.size(); ++k)
            m_valueLists[k]->SetTempValue(columns[k][i]);
        AddXY(columns[0][i], columns[1][i], i < labels.size() ? labels[i] : QString(),
              i < colors.size() ? colors[i] : clPlotColor);
    }
}

void TChartSeries::appendReadPoints(std::vector<std::vector<double>> &columns, std::vector<TColor> &colors,
                                    std::vector<QString> &labels)
{
    // Ordered once before they are stored, each column moved a single time: adding each point at
    // its sorted place moved the points after it, so an unordered file took time growing with the
    // square of its points. The lists, labels and colours start empty here, and so does all else
    // a series keeps per point.
    if (const std::vector<int> order = TChartValueList::InsertionOrder(columns[0], m_xValues->Order());
        !order.empty()) {
        for (std::vector<double> &column : columns)
            reorder(column, order);
        reorder(colors, order);
        reorder(labels, order);
    }
    for (std::size_t k = 0; k < columns.size(); ++k)
        m_valueLists[k]->AppendValues(columns[k]);
    if (std::any_of(colors.begin(), colors.end(), [](TColor c) { return c != clPlotColor; }))
        m_colors = std::move(colors);
    for (std::size_t i = 0; i < labels.size(); ++i)
        m_labels.InsertLabel(int(i), labels[i]);
}

// Stream properties.

int TChartSeries::customAxisIndex(const TChartAxis *axis) const
{
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart || !axis)
        return -1;
    for (int i = 0; i < chart->CustomAxisCount(); ++i)
        if (chart->CustomAxis(i) == axis)
            return i;
    return -1;
}

int TChartSeries::readAxisIndex(const QVariant &value, const QString &property) const
{
    const int index = FilerValues::toInt(value, property);
    const TCustomAxisPanel *chart = ParentChart();
    // An index that names no custom axis comes from a damaged file.
    if (!chart || index < 0 || index >= chart->CustomAxisCount())
        throw PropertyValueError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgNoSuchAxis), {index}));
    return index;
}

void TChartSeries::defineProperties(PropertyFiler &filer)
{
    TCustomChartSeries::defineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("DataSources"),
        [this](const QVariant &value) {
            m_storedSourceNames = FilerValues::toStringList(value, QStringLiteral("DataSources"));
            if (!IsLoading())
                resolveStoredSources();
        },
        [this] {
            QStringList names;
            for (const QObject *component : m_dataSources.Items())
                names << component->objectName();
            return QVariant(names);
        },
        [this] { return m_dataSources.Count() > 1; });
    filer.DefineProperty(
        QStringLiteral("CustomHorizAxis"),
        [this](const QVariant &value) {
            SetCustomHorizAxis(ParentChart()->CustomAxis(readAxisIndex(value, QStringLiteral("CustomHorizAxis"))));
        },
        [this] { return QVariant(customAxisIndex(m_customHorizAxis)); },
        [this] { return customAxisIndex(m_customHorizAxis) >= 0; });
    filer.DefineProperty(
        QStringLiteral("CustomVertAxis"),
        [this](const QVariant &value) {
            SetCustomVertAxis(ParentChart()->CustomAxis(readAxisIndex(value, QStringLiteral("CustomVertAxis"))));
        },
        [this] { return QVariant(customAxisIndex(m_customVertAxis)); },
        [this] { return customAxisIndex(m_customVertAxis) >= 0; });
    filer.DefineProperty(
        QStringLiteral("Data"), [this](const QVariant &value) { ReadData(FilerValues::toBytes(value, QStringLiteral("Data"))); },
        [this] { return QVariant(WriteData()); }, [this] { return IsDataStored(); });
}

void TChartSeries::resolveStoredSources()
{
    const QStringList names = std::exchange(m_storedSourceNames, {});
    for (const QString &name : names) {
        QObject *component = nullptr;
        for (const QObject *owner : {parent(), static_cast<QObject *>(ParentChart())})
            if (owner && !component)
                component = owner->findChild<QObject *>(name, Qt::FindDirectChildrenOnly);
        if (!component)
            continue;
        try {
            AddCheckedDataSource(component);
        } catch (const ChartException &e) {
            // A stored link that closes a cycle is dropped; the rest of the chart loads.
            PlotEngine::ShowErrorBox(e.message());
        }
    }
}

void TChartSeries::Loaded()
{
    TCustomChartSeries::Loaded();
    resolveStoredSources();
    CheckDataSource();
}
