// The binary encoding of published properties inside a chart stream: a property is its name (one
// length byte, then the bytes) and a tagged value; a property list runs from a list-begin tag to an
// empty name. Nested objects (a font, a gradient) write their properties under dotted names.
// Readers raise ChartException with the wrong-format text for anything they cannot take.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaProperty>
#include <QString>
#include <QVariant>

class QObject;

namespace ComponentStream {

enum ValueTag : quint8 {
    vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5, vaString = 6, vaIdent = 7,
    vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11, vaLString = 12, vaNil = 13, vaCollection = 14,
    vaSingle = 15, vaCurrency = 16, vaDate = 17, vaWString = 18, vaInt64 = 19, vaUTF8String = 20, vaDouble = 21
};

class Writer
{
public:
    explicit Writer(QByteArray &out)
        : m_out(out)
    {
    }
    void writeInt32(qint32 value);
    void writeListBegin() { m_out.append(char(vaList)); }
    // The empty name that ends a property list (the same byte as vaNull).
    void writeListEnd() { m_out.append(char(vaNull)); }
    // Every stored, writable published property of the object; objects it holds, by their properties.
    void writeProperties(const QObject &object, const QByteArray &prefix = {});

    void writeShortString(const QByteArray &text);
    void writeValue(const QMetaProperty &property, const QVariant &value);
    void writeInteger(qint64 value);
    void writeDouble(double value);
    void writeUtf8(const QString &text);
    // vaBinary: an int32 length and the bytes.
    void writeBinary(const QByteArray &bytes);
    // A stream property's value: bool, int, QString, QStringList, a QVariantList of ints or QByteArray.
    void writeFilerValue(const QVariant &value);
    void writeTag(ValueTag tag) { m_out.append(char(tag)); }

private:
    QByteArray &m_out;
};

class Reader
{
public:
    explicit Reader(const QByteArray &data)
        : m_data(data)
    {
    }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    qint32 readInt32();
    void readListBegin();
    // True (and consumed) when the next byte ends the list.
    bool readListEnd();
    // Reads one property and stores it into the object (nested names reach its sub-objects).
    // Messages name the property with prefix before it ("CustomAxes[0].") and the object as
    // objectText gives it, by default StreamObjectText of the object.
    void readProperty(QObject &object, const QString &objectText = {}, const QByteArray &prefix = {});

    qsizetype position() const { return m_pos; }
    quint8 readByte();
    // The next byte, not consumed; a wrong-format error at the end.
    quint8 peekByte() const;
    QByteArray readShortString();
    // A set comes as its keys joined by '|', with isSet true. A list holds strings (a QStringList)
    // or integers (a QVariantList), never further lists; vaBinary gives a QByteArray.
    QVariant readValue(bool &isSet);
    const char *take(qsizetype n);

    // The sub-object a dotted name passes through (an optional one is made); none when there is none.
    static QObject *subObject(QObject &object, const QByteArray &name);
    // The object that holds a dotted name's last part; an unknown property (below) when a part
    // before it is no sub-object.
    static QObject &holderOf(QObject &object, const QList<QByteArray> &path, const QString &shown,
                             const QString &objectText);
    // ChartException "Unknown property <shown> of <objectText>".
    [[noreturn]] static void unknownProperty(const QString &shown, const QString &objectText);
    // Stores a read value into a published property: enumeration keys and sets by name, other
    // values converted to the property's type, a colour name to its colour (PropertyValueError
    // for a name of none); wrong format when it does not fit. A number
    // outside the property's limit (PropertyLimits) is refused with a message giving name, the
    // property as the file writes it.
    static void storeValue(QObject &target, const QMetaProperty &property, QVariant value, bool isSet,
                           const QByteArray &name);

private:

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

} // namespace ComponentStream
