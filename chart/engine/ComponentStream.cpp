// Published properties in the binary chart stream.
#include "ComponentStream.h"

#include "PlotExceptions.h"

#include "PlotConst.h"
#include "PropertyFiler.h"
#include "PropertyLimits.h"
#include "StreamLimits.h"

#include <QMetaEnum>
#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace ComponentStream {

namespace {

[[noreturn]] void wrongFormat()
{
    throw ChartException(PlotConst::WrongFileFormatText());
}

QObject *objectValue(const QVariant &value)
{
    return value.metaType().flags().testFlag(QMetaType::PointerToQObject) ? qvariant_cast<QObject *>(value) : nullptr;
}

} // namespace

// An optional sub-object that was not made yet is made by its invokable getter of the same name.
QObject *Reader::subObject(QObject &object, const QByteArray &name)
{
    const QMetaObject *meta = object.metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0)
        return nullptr;
    if (QObject *child = objectValue(meta->property(index).read(&object)))
        return child;
    const int method = meta->indexOfMethod(name + "()");
    if (method < 0)
        return nullptr;
    void *made = nullptr;
    const QMetaMethod getter = meta->method(method);
    getter.invoke(&object, Qt::DirectConnection, QGenericReturnArgument(getter.typeName(), &made));
    return static_cast<QObject *>(made);
}

QObject &Reader::holderOf(QObject &object, const QList<QByteArray> &path, const QString &shown, const QString &objectText)
{
    QObject *target = &object;
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        target = subObject(*target, path[i]);
        if (!target)
            unknownProperty(shown, objectText);
    }
    return *target;
}

void Reader::unknownProperty(const QString &shown, const QString &objectText)
{
    throw ChartException(PlotConst::plotFormat(PlotConst::message(PlotConst::msgUnknownProperty), {shown, objectText}));
}

void Writer::writeInt32(qint32 value)
{
    const qint32 le = qToLittleEndian(value);
    m_out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void Writer::writeShortString(const QByteArray &text)
{
    const QByteArray cut = text.left(255);
    m_out.append(char(quint8(cut.size())));
    m_out.append(cut);
}

void Writer::writeInteger(qint64 value)
{
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
        m_out.append(char(vaInt8));
        m_out.append(char(qint8(value)));
    } else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()) {
        m_out.append(char(vaInt16));
        const qint16 le = qToLittleEndian(qint16(value));
        m_out.append(reinterpret_cast<const char *>(&le), sizeof le);
    } else if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()) {
        m_out.append(char(vaInt32));
        writeInt32(qint32(value));
    } else {
        m_out.append(char(vaInt64));
        const qint64 le = qToLittleEndian(value);
        m_out.append(reinterpret_cast<const char *>(&le), sizeof le);
    }
}

void Writer::writeValue(const QMetaProperty &property, const QVariant &value)
{
    if (property.isEnumType()) {
        const QMetaEnum meta = property.enumerator();
        const int number = value.toInt();
        if (meta.isFlag()) {
            m_out.append(char(vaSet));
            for (int i = 0; i < meta.keyCount(); ++i)
                if (meta.value(i) != 0 && (number & meta.value(i)) == meta.value(i))
                    writeShortString(meta.key(i));
            writeShortString({});
        } else {
            m_out.append(char(vaIdent));
            writeShortString(meta.valueToKey(number));
        }
        return;
    }
    writeFilerValue(value);
}

void Writer::writeDouble(double value)
{
    m_out.append(char(vaDouble));
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const quint64 le = qToLittleEndian(bits);
    m_out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void Writer::writeUtf8(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    m_out.append(char(vaUTF8String));
    writeInt32(qint32(utf8.size()));
    m_out.append(utf8);
}

void Writer::writeBinary(const QByteArray &bytes)
{
    m_out.append(char(vaBinary));
    writeInt32(qint32(bytes.size()));
    m_out.append(bytes);
}

void Writer::writeFilerValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        m_out.append(char(value.toBool() ? vaTrue : vaFalse));
        return;
    case QMetaType::UInt: // colours keep their bit pattern, system colours negative
        writeInteger(qint32(value.toUInt()));
        return;
    case QMetaType::Int:
    case QMetaType::LongLong:
        writeInteger(value.toLongLong());
        return;
    case QMetaType::Double:
        writeDouble(value.toDouble());
        return;
    case QMetaType::QString:
        writeUtf8(value.toString());
        return;
    case QMetaType::QByteArray:
        writeBinary(value.toByteArray());
        return;
    case QMetaType::QStringList:
        m_out.append(char(vaList));
        for (const QString &line : value.toStringList())
            writeUtf8(line);
        m_out.append(char(vaNull));
        return;
    case QMetaType::QVariantList:
        m_out.append(char(vaList));
        for (const QVariant &item : value.toList())
            writeInteger(item.toLongLong());
        m_out.append(char(vaNull));
        return;
    default:
        m_out.append(char(vaNil));
    }
}

void Writer::writeProperties(const QObject &object, const QByteArray &prefix)
{
    const QMetaObject *meta = object.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || !IsPropertyStored(object, property))
            continue;
        const QVariant value = property.read(&object);
        const QByteArray name = prefix + property.name();
        if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            if (const QObject *child = objectValue(value))
                writeProperties(*child, name + '.');
            continue;
        }
        if (!property.isWritable())
            continue;
        writeShortString(name);
        writeValue(property, value);
    }
}

const char *Reader::take(qsizetype n)
{
    if (n < 0 || n > remaining())
        wrongFormat();
    const char *p = m_data.constData() + m_pos;
    m_pos += n;
    return p;
}

quint8 Reader::readByte()
{
    return quint8(*take(1));
}

quint8 Reader::peekByte() const
{
    if (remaining() < 1)
        wrongFormat();
    return quint8(m_data[m_pos]);
}

qint32 Reader::readInt32()
{
    qint32 value = 0;
    std::memcpy(&value, take(sizeof value), sizeof value);
    return qFromLittleEndian(value);
}

QByteArray Reader::readShortString()
{
    const int n = readByte();
    return QByteArray(take(n), n);
}

void Reader::readListBegin()
{
    if (readByte() != vaList)
        wrongFormat();
}

bool Reader::readListEnd()
{
    if (remaining() < 1)
        wrongFormat();
    if (m_data[m_pos] != char(vaNull))
        return false;
    ++m_pos;
    return true;
}

QVariant Reader::readValue(bool &isSet)
{
    isSet = false;
    const quint8 tag = readByte();
    switch (tag) {
    case vaFalse: return false;
    case vaTrue: return true;
    case vaInt8: return int(qint8(readByte()));
    case vaInt16: {
        qint16 v = 0;
        std::memcpy(&v, take(sizeof v), sizeof v);
        return int(qFromLittleEndian(v));
    }
    case vaInt32: return readInt32();
    case vaInt64: {
        qint64 v = 0;
        std::memcpy(&v, take(sizeof v), sizeof v);
        return qlonglong(qFromLittleEndian(v));
    }
    case vaDouble: {
        quint64 bits = 0;
        std::memcpy(&bits, take(sizeof bits), sizeof bits);
        bits = qFromLittleEndian(bits);
        double d = 0.0;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    case vaIdent: return QString::fromLatin1(readShortString());
    case vaUTF8String: {
        const qint32 n = readInt32();
        if (n > StreamLimits::kMaxTextBytes)
            wrongFormat();
        const QString text = QString::fromUtf8(take(n), n);
        // Measured as a save writes it again: each byte of a broken sequence comes back as three.
        if (text.toUtf8().size() > StreamLimits::kMaxTextBytes)
            wrongFormat();
        return text;
    }
    case vaSet: {
        QStringList keys;
        qsizetype size = 0;
        for (QByteArray key = readShortString(); !key.isEmpty(); key = readShortString()) {
            size += key.size() + 1;
            if (size > StreamLimits::kMaxTextBytes)
                wrongFormat();
            keys << QString::fromLatin1(key);
        }
        isSet = true;
        return keys.join(u'|');
    }
    case vaList: {
        QStringList lines;
        QVariantList numbers;
        // A list is one text (the lines of a title): its items and their bytes count together.
        qsizetype size = 0;
        while (!readListEnd()) {
            // Items are single values: a list inside a list would let a file nest without bound.
            const quint8 item = peekByte();
            if (item == vaList || item == vaSet || item == vaCollection)
                wrongFormat();
            bool nestedSet = false;
            const QVariant value = readValue(nestedSet);
            // A line counts its UTF-8 bytes, as a save writes them, and one for the break; a number one.
            size += value.metaType().id() == QMetaType::QString ? value.toString().toUtf8().size() + 1 : 1;
            if (size > StreamLimits::kMaxTextBytes)
                wrongFormat();
            if (value.metaType().id() == QMetaType::QString && numbers.isEmpty())
                lines << value.toString();
            else if ((value.metaType().id() == QMetaType::Int || value.metaType().id() == QMetaType::LongLong)
                     && lines.isEmpty())
                numbers << value;
            else
                wrongFormat();
        }
        if (!numbers.isEmpty())
            return numbers;
        return lines;
    }
    case vaBinary: {
        const qint32 n = readInt32();
        return QByteArray(take(n), n);
    }
    default: wrongFormat();
    }
}

void Reader::readProperty(QObject &object, const QString &objectText, const QByteArray &prefix)
{
    const QByteArray name = readShortString();
    bool isSet = false;
    QVariant value = readValue(isSet);
    const QString shown = QString::fromLatin1(prefix + name);
    const QString owner = objectText.isEmpty() ? StreamObjectText(object) : objectText;
    const QList<QByteArray> path = name.split('.');
    QObject &target = holderOf(object, path, shown, owner);
    const QMetaObject *meta = target.metaObject();
    const int index = meta->indexOfProperty(path.last().constData());
    if (index < 0)
        unknownProperty(shown, owner);
    try {
        storeValue(target, meta->property(index), std::move(value), isSet, prefix + name);
    } catch (const PropertyValueError &e) {
        throw ChartException(PlotConst::PropertyValueRefusedText(shown, owner, e.message()));
    }
}

void Reader::storeValue(QObject &object, const QMetaProperty &property, QVariant value, bool isSet,
                        const QByteArray &name)
{
    QObject *target = &object;
    if (property.isEnumType()) {
        const QMetaEnum enumeration = property.enumerator();
        const QByteArray key = value.toString().toLatin1();
        bool ok = false;
        int number = 0;
        if (enumeration.isFlag() && isSet) {
            ok = key.isEmpty();
            if (!ok)
                number = enumeration.keysToValue(key.constData(), &ok);
        } else if (!enumeration.isFlag() && !isSet && value.metaType().id() == QMetaType::QString) {
            number = enumeration.keyToValue(key.constData(), &ok);
        }
        if (!ok || !property.write(target, QVariant(property.metaType(), &number)))
            wrongFormat();
        return;
    }
    // Only numbers convert into one another: a text or a truth value of a damaged file must not
    // pass for a number, or a number for either.
    const auto kind = [](int type) {
        return type == QMetaType::QString || type == QMetaType::Bool || type == QMetaType::QStringList ? type : 0;
    };
    // A colour may be given by its name in the text form ("clRed").
    if (!isSet && property.metaType().id() == QMetaType::UInt && value.metaType().id() == QMetaType::QString)
        value = FilerValues::toColor(value, QString::fromLatin1(name));
    if (isSet || kind(value.metaType().id()) != kind(property.metaType().id()))
        wrongFormat();
    // Checked before the conversion, which could wrap a large number into the range.
    if (kind(value.metaType().id()) == 0) {
        const PropertyLimit *limit = PropertyLimits::forFile(*target->metaObject(), property);
        if (limit && !PropertyLimits::allows(*limit, value.toDouble()))
            throw ChartException(
                PlotConst::ValueOutOfRangeText(QString::fromLatin1(name), limit->minimum, limit->maximum));
    }
    if (value.metaType() != property.metaType() && !value.convert(property.metaType()))
        wrongFormat();
    bool written = false;
    try {
        written = property.write(target, value);
    } catch (const PlotException &e) {
        // A setter's own refusal ("... must be ..."), told with the property it came from.
        throw ChartException(QString::fromLatin1(name) + QStringLiteral(": ") + e.message());
    }
    if (!written)
        wrongFormat();
}

} // namespace ComponentStream
