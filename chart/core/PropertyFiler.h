// Non-published and legacy stream properties: the one mechanism the native chart files, the
// property links and the tests go through, and the rule of which published properties are stored.
#pragma once

#include "PlotTypes.h"

#include <QByteArray>
#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QObject;

// Implemented by whoever reads or writes objects (a chart file, a test's map). Values are a bool,
// an int, a QString (identifiers such as "bsSingle" or "clRed"), a QVariantList of ints, a
// QStringList (component names) or a QByteArray (binary blocks such as a series' points).
class PropertyFiler
{
public:
    using Reader = std::function<void(const QVariant &value)>;
    using Writer = std::function<QVariant()>;
    using WrittenWhen = std::function<bool()>;

    virtual ~PropertyFiler() = default;
    // Registers one stream property. A legacy property that is only read has neither a writer nor
    // a predicate; one with a writer is written only when its predicate (if any) holds.
    virtual void DefineProperty(const QString &name, Reader reader, Writer writer = {}, WrittenWhen writtenWhen = {}) = 0;
};

// A class with stream properties beyond its published ones.
class PropertyDefiner
{
public:
    virtual ~PropertyDefiner() = default;
    virtual void defineProperties(PropertyFiler &filer) = 0;
};

// Readers of stream values. A value of another type raises PlotException naming the property,
// before anything is stored, so the object keeps its value.
namespace FilerValues {

bool toBool(const QVariant &value, const QString &property);
int toInt(const QVariant &value, const QString &property);
QString toIdent(const QVariant &value, const QString &property);
// An identifier of a colour ("clRed") or a number; PropertyValueError for a name of no colour.
TColor toColor(const QVariant &value, const QString &property);
QList<int> toIntList(const QVariant &value, const QString &property, int count);
QStringList toStringList(const QVariant &value, const QString &property);
QByteArray toBytes(const QVariant &value, const QString &property);

} // namespace FilerValues

// An object as a chart file's messages name it: "Series1 (TLineSeries)", the class alone when unnamed.
QString StreamObjectText(const QObject &object);

// Whether a published property is written: the property must be STORED, and when the class has an
// invokable "Is<Name>Stored()" (Qt 6 allows no function in STORED) that must answer true.
bool IsPropertyStored(const QObject &object, const QMetaProperty &property);
