// Extreme-value cases of the native chart file.
#include "NativeValueCases.h"

#include "ChartStreamWriter.h"
#include "DemoCharts.h"
#include "NativeChartFile.h"
#include "StreamCollection.h"
#include "TChart.h"
#include "TChartSeries.h"
#include "TChartTools.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"

#include <QMetaProperty>
#include <QWidget>

namespace NativeValueCases {

namespace {

bool isNumber(const QMetaProperty &property)
{
    if (property.isEnumType())
        return false;
    switch (property.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float: return true;
    default: return false;
    }
}

// Sub-objects nest a few levels (a title's font's shadow); the bound keeps a cycle finite.
constexpr int kMaxNesting = 8;

void walkProperties(const QObject &object, const QByteArray &prefix, int block, int nesting,
                    QList<NumericProperty> &out)
{
    const QMetaObject *meta = object.metaObject();
    const int first = object.isWidgetType() ? QWidget::staticMetaObject.propertyCount()
                                            : QObject::staticMetaObject.propertyCount();
    for (int i = first; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || !property.isStored())
            continue;
        const QByteArray name = prefix + property.name();
        if (property.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            const QObject *target = qvariant_cast<QObject *>(property.read(&object));
            if (target && nesting < kMaxNesting && !isComponentReference(target)
                && !dynamic_cast<const StreamCollection *>(target))
                walkProperties(*target, name + '.', block, nesting + 1, out);
            continue;
        }
        if (property.isWritable() && isNumber(property))
            out.push_back({block, name, meta});
    }
}

void walkComponent(const QObject &component, int &block, QList<NumericProperty> &out)
{
    walkProperties(component, {}, block++, 0, out);
    if (const auto *chart = qobject_cast<const TCustomAxisPanel *>(&component)) {
        for (int i = 0; i < chart->SeriesCount(); ++i)
            walkComponent(*chart->GetSeries(i), block, out);
        for (const TPlotCustomTool *tool : const_cast<TCustomAxisPanel *>(chart)->Tools().Items())
            walkComponent(*tool, block, out);
    } else if (const auto *series = qobject_cast<const TChartSeries *>(&component); series && series->FunctionType()) {
        walkComponent(*series->FunctionType(), block, out);
    }
}

std::unique_ptr<TChart> demoChart()
{
    auto chart = std::make_unique<TChart>();
    DemoCharts::fill(*chart, true);
    return chart;
}

int indentOf(const QByteArray &line)
{
    int n = 0;
    while (n < line.size() && line[n] == ' ')
        ++n;
    return n;
}

// "Name = value" on one line: a name, then " = " and a value that does not open a list, a
// collection, a block of bytes or a continued text.
bool isSingleLineProperty(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(" = ");
    if (equals <= 0 || trimmed.startsWith("object ") || trimmed.startsWith("item"))
        return false;
    const QByteArray value = trimmed.mid(equals + 3);
    return !value.isEmpty() && !value.startsWith('(') && !value.startsWith('<') && !value.startsWith('{')
           && !value.endsWith('+');
}

} // namespace

const QList<QByteArray> &extremeValues()
{
    static const QList<QByteArray> values{"0", "-1", "65536", "100000000", "2147483647", "-2147483648"};
    return values;
}

QByteArray demoChartText()
{
    return SaveChartToBytes(*demoChart(), true, true);
}

QList<NumericProperty> demoNumericProperties()
{
    QList<NumericProperty> out;
    int block = 0;
    walkComponent(*demoChart(), block, out);
    return out;
}

QByteArray withValue(const QByteArray &text, const NumericProperty &property, const QByteArray &value)
{
    QList<QByteArray> lines = text.split('\n');
    int block = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].trimmed().startsWith("object "))
            continue;
        if (++block != property.block)
            continue;
        // The block's own properties stand one level in, before its first nested object.
        const int indent = indentOf(lines[i]) + 2;
        const QByteArray start = QByteArray(indent, ' ') + property.name + " = ";
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            const QByteArray trimmed = lines[j].trimmed();
            if (indentOf(lines[j]) == indent && (trimmed.startsWith("object ") || trimmed == "end"))
                break;
            if (lines[j].startsWith(start)) {
                lines[j] = start + value;
                return lines.join('\n');
            }
        }
        lines.insert(i + 1, start + value);
        return lines.join('\n');
    }
    return text;
}

QList<int> propertyLines(const QByteArray &text)
{
    QList<int> out;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (isSingleLineProperty(lines[i]))
            out.push_back(int(i));
    return out;
}

QByteArray withLineValue(const QByteArray &text, int line, const QByteArray &value)
{
    QList<QByteArray> lines = text.split('\n');
    if (line < 0 || line >= lines.size())
        return text;
    const qsizetype equals = lines[line].indexOf(" = ");
    if (equals < 0)
        return text;
    lines[line] = lines[line].left(equals + 3) + value;
    return lines.join('\n');
}

} // namespace NativeValueCases
