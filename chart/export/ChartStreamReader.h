// Reads the binary chart stream into a new chart: the reader the native chart file needs, since
// Qt has no component streaming. A damaged stream gives a ChartException and no chart.
#pragma once

#include <QByteArray>

#include <memory>

class QWidget;
class TCustomChart;

// The stream after the header, starting with "TPF0". The chart is made through the class
// registry and put under parent only when the whole stream has been read.
std::unique_ptr<TCustomChart> readChartStream(const QByteArray &stream, QWidget *parent = nullptr);

// Object blocks nest at most this deep (chart, series, function).
inline constexpr int kMaxChartStreamDepth = 64;
