// Stream value readers and the stored-property rule.
#include "PropertyFiler.h"

#include "PlotColor.h"
#include "PlotException.h"

#include <QMetaMethod>
#include <QObject>

#include <limits>

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
    return PlotColor::StringToColor(toIdent(value, property));
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

bool IsPropertyStored(const QObject &object, const QMetaProperty &property)
{
    if (!property.isStored())
        return false;
    const QByteArray predicate = QByteArray("Is") + property.name() + QByteArray("Stored()");
    const QMetaObject *meta = object.metaObject();
    const int index = meta->indexOfMethod(predicate.constData());
    if (index < 0)
        return true;
    bool stored = true;
    meta->method(index).invoke(const_cast<QObject *>(&object), Qt::DirectConnection, Q_RETURN_ARG(bool, stored));
    return stored;
}
