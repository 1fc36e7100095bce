// The library's own chart file ("plot"): a 4-byte header and the chart as a binary component
// stream, or the text form of that stream. Saving and reading both ways.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;
class QWidget;
class TCustomAxisPanel;
class TCustomChart;

// 60 30 57 01: magic 0x3060 and version 343.
inline constexpr quint16 kChartFileMagic = 0x3060;
inline constexpr quint16 kChartFileVersion = 343;

// The native file's bytes: the chart's name is left out and each series writes its points when
// includeData, none otherwise; the chart is as before afterwards, also after a failure.
QByteArray SaveChartToBytes(TCustomAxisPanel &chart, bool includeData, bool textFormat);
// Writes those bytes; PlotException when the stream takes them not all.
void SaveChartToStream(TCustomAxisPanel &chart, QIODevice &stream, bool includeData, bool textFormat);
// Adds ".plot" to a name without extension; replaces the file at once or raises PlotException
// naming the file, keeping the old one.
void SaveChartToFile(TCustomAxisPanel &chart, const QString &fileName, bool includeData, bool textFormat);

// The text form of a native file from source's position on (binary or text already); the
// source's position moves past what was read. ChartException "Wrong *.plot file format" for a
// source of neither kind, and nothing is written to the destination then.
void ConvertChartStreamToText(QIODevice &source, QIODevice &destination);
// Whether the next 2 bytes are the magic or the next one is "O"/"o" (after a UTF-8 byte-order
// mark, which the text form may start with and reading skips); the position is restored.
bool IsValidChartStream(QIODevice &stream);
bool IsBinaryChartStream(QIODevice &stream);
void WriteChartHeader(QIODevice &stream);
// Reads the 4 header bytes; false when there are not so many.
bool ReadChartHeader(QIODevice &stream, QByteArray &buffer);
QString AddDefaultChartExtension(const QString &fileName);

// A new chart from a native file of either form, under parent only once it is whole. A damaged
// stream raises a ChartException and leaves nothing behind.
std::unique_ptr<TCustomChart> ReadChartFromStream(QIODevice &stream, QWidget *parent = nullptr);
// The same from a file; every failure is a ChartException whose message ends in a line with the
// file name. An empty file: "Empty *.plot file".
std::unique_ptr<TCustomChart> ReadChartFromFile(const QString &fileName, QWidget *parent = nullptr);
// The chart of a native file's bytes.
std::unique_ptr<TCustomChart> ReadChartFromBytes(const QByteArray &bytes, QWidget *parent = nullptr);
