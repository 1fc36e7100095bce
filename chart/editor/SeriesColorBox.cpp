// The series editor's colour box.
#include "SeriesColorBox.h"

#include "GuiCanvas.h"
#include "SeriesUtilities.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <exception>

SeriesColorBox::SeriesColorBox(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(32, 24);
    setCursor(Qt::PointingHandCursor);
}

void SeriesColorBox::SetSeries(TChartSeries *series)
{
    m_series = series;
    update();
}

void SeriesColorBox::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    if (!m_series)
        return;
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(palette().color(QPalette::Window));
    try {
        GuiCanvas canvas(&image);
        PaintSeriesLegend(*m_series, canvas, TRect{3, 3, width() - 3, height() - 3});
    } catch (const std::exception &) {
        // A series that cannot draw its symbol leaves the box empty; the chart reports the fault.
    }
    QPainter(this).drawImage(0, 0, image);
}

void SeriesColorBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick();
}
