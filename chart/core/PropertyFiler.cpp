// Stream value readers and the stored-property rule.
#include "PropertyFiler.h"

#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotException.h"

#include <QMetaMethod>
#include <QObject>

#include <limits>
#include <unordered_map>
#include <vector>

namespace FilerValues {

namespace {

[[noreturn]] void wrongType(const QString &property)
{
    throw PlotException(QStringLiteral("Invalid value of property %1").arg(property));
}

bool isInteger(const QVariant &value)
{
    const int type = value.metaType().id();
    return type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt
           || type == QMetaType::ULongLong;
}

} // namespace

bool toBool(const QVariant &value, const QString &property)
{
    if (value.metaType().id() != QMetaType::Bool)
        wrongType(property);
    return value.toBool();
}

int toInt(const QVariant &value, const QString &property)
{
    if (!isInteger(value))
        wrongType(property);
    const qlonglong number = value.toLongLong();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        wrongType(property);
    return int(number);
}

QString toIdent(const QVariant &value, const QString &property)
{
    if (value.metaType().id() != QMetaType::QString)
        wrongType(property);
    return value.toString();
}

TColor toColor(const QVariant &value, const QString &property)
{
    if (isInteger(value))
        return TColor(std::uint32_t(value.toLongLong()));
    const QString name = toIdent(value, property);
    try {
        return PlotColor::StringToColor(name);
    } catch (const PlotConvertError &) {
        throw PropertyValueError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgUnknownColourName), {name}));
    }
}

QList<int> toIntList(const QVariant &value, const QString &property, int count)
{
    if (value.metaType().id() != QMetaType::QVariantList)
        wrongType(property);
    const QVariantList items = value.toList();
    if (items.size() != count)
        wrongType(property);
    QList<int> numbers;
    for (const QVariant &item : items)
        numbers << toInt(item, property);
    return numbers;
}

QStringList toStringList(const QVariant &value, const QString &property)
{
    if (value.metaType().id() != QMetaType::QStringList)
        wrongType(property);
    return value.toStringList();
}

QByteArray toBytes(const QVariant &value, const QString &property)
{
    if (value.metaType().id() != QMetaType::QByteArray)
        wrongType(property);
    return value.toByteArray();
}

} // namespace FilerValues

namespace {

// The index of a class's "Is<Name>Stored()" method, or -1; looked up once per class and property,
// since a save asks it for every property of every object. Meta-objects live as long as the program.
int storedPredicateIndex(const QMetaObject *meta, const QMetaProperty &property)
{
    thread_local std::unordered_map<const QMetaObject *, std::vector<int>> indices;
    std::vector<int> &known = indices[meta];
    if (known.empty())
        known.assign(std::size_t(meta->propertyCount()), -2);
    int &index = known[std::size_t(property.propertyIndex())];
    if (index == -2) {
        const QByteArray predicate = QByteArray("Is") + property.name() + QByteArray("Stored()");
        index = meta->indexOfMethod(predicate.constData());
    }
    return index;
}

} // namespace

QString StreamObjectText(const QObject &object)
{
    const QString className = QString::fromLatin1(object.metaObject()->className());
    return object.objectName().isEmpty() ? className : object.objectName() + QStringLiteral(" (") + className + u')';
}

bool IsPropertyStored(const QObject &object, const QMetaProperty &property)
{
    if (!property.isStored())
        return false;
    const QMetaObject *meta = object.metaObject();
    const int index = storedPredicateIndex(meta, property);
    if (index < 0)
        return true;
    bool stored = true;
    meta->method(index).invoke(const_cast<QObject *>(&object), Qt::DirectConnection, Q_RETURN_ARG(bool, stored));
    return stored;
}
