// Native chart files.
#include "NativeChartFile.h"

#include "ChartStreamReader.h"
#include "ChartStreamText.h"
#include "ChartStreamWriter.h"
#include "ExportGuard.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "TCustomChart.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

namespace {

QByteArray header()
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(kChartFileMagic, bytes.data());
    qToLittleEndian(kChartFileVersion, bytes.data() + 2);
    return bytes;
}

bool startsWithMagic(const QByteArray &bytes)
{
    return bytes.size() >= 2 && qFromLittleEndian<quint16>(bytes.constData()) == kChartFileMagic;
}

// Editors that save UTF-8 may put a byte-order mark before the text form.
QByteArray withoutByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

bool startsAsText(const QByteArray &bytes)
{
    const QByteArray text = withoutByteOrderMark(bytes.left(4));
    return !text.isEmpty() && (text[0] == 'O' || text[0] == 'o');
}

// The text form of a whole native file's bytes.
QByteArray textOf(const QByteArray &bytes)
{
    if (startsWithMagic(bytes)) {
        if (bytes.size() < 4)
            throw ChartException(PlotConst::WrongFileFormatText());
        return chartStreamToText(bytes.mid(4));
    }
    if (startsAsText(bytes))
        return withoutByteOrderMark(bytes);
    throw ChartException(PlotConst::WrongFileFormatText());
}

} // namespace

QByteArray SaveChartToBytes(TCustomAxisPanel &chart, bool includeData, bool textFormat)
{
    QByteArray bytes = header();
    {
        ExportGuard guard(chart);
        guard.blankName();
        guard.setSaveFlags(includeData);
        ChartStreamWriter(bytes).writeChart(chart);
    }
    return textFormat ? chartStreamToText(bytes.mid(4)) : bytes;
}

void SaveChartToStream(TCustomAxisPanel &chart, QIODevice &stream, bool includeData, bool textFormat)
{
    const QByteArray bytes = SaveChartToBytes(chart, includeData, textFormat);
    if (stream.write(bytes) != bytes.size())
        throw PlotException(stream.errorString());
}

void SaveChartToFile(TCustomAxisPanel &chart, const QString &fileName, bool includeData, bool textFormat)
{
    const QString path = AddDefaultChartExtension(fileName);
    const QByteArray bytes = SaveChartToBytes(chart, includeData, textFormat);
    QString reason;
    if (!writeFileAtomically(path, bytes, &reason))
        throw PlotException(PlotConst::CannotWriteText(path, reason));
}

bool IsValidChartStream(QIODevice &stream)
{
    const QByteArray next = stream.peek(4);
    return startsWithMagic(next) || startsAsText(next);
}

bool IsBinaryChartStream(QIODevice &stream)
{
    return startsWithMagic(stream.peek(2));
}

void WriteChartHeader(QIODevice &stream)
{
    stream.write(header());
}

bool ReadChartHeader(QIODevice &stream, QByteArray &buffer)
{
    buffer = stream.read(4);
    return buffer.size() == 4;
}

void ConvertChartStreamToText(QIODevice &source, QIODevice &destination)
{
    if (!IsValidChartStream(source))
        throw ChartException(PlotConst::WrongFileFormatText());
    // What is left from the position on: a text source copies its own size less the position.
    const QByteArray text = textOf(source.readAll());
    if (destination.write(text) != text.size())
        throw PlotException(destination.errorString());
}

QString AddDefaultChartExtension(const QString &fileName)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + u'.' + QString::fromLatin1(PlotConst::kPlotExtension);
}

std::unique_ptr<TCustomChart> ReadChartFromBytes(const QByteArray &bytes, QWidget *parent)
{
    if (bytes.isEmpty())
        throw ChartException(PlotConst::EmptyFileText());
    if (startsWithMagic(bytes)) {
        if (bytes.size() < 4)
            throw ChartException(PlotConst::WrongFileFormatText());
        return readChartStream(bytes.mid(4), parent);
    }
    if (startsAsText(bytes))
        return readChartStream(chartTextToStream(bytes), parent);
    throw ChartException(PlotConst::WrongFileFormatText());
}

std::unique_ptr<TCustomChart> ReadChartFromStream(QIODevice &stream, QWidget *parent)
{
    return ReadChartFromBytes(stream.readAll(), parent);
}

std::unique_ptr<TCustomChart> ReadChartFromFile(const QString &fileName, QWidget *parent)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(fileName, &bytes, &reason))
        throw ChartException(reason + u'\r' + shown);
    try {
        return ReadChartFromBytes(bytes, parent);
    } catch (const PlotException &e) {
        // Also the errors of the properties' own setters and value checks (an axis, a colour
        // name, a value of the wrong kind), which know nothing of the file.
        throw ChartException(e.message() + u'\r' + shown);
    }
}
