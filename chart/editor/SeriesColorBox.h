// A box that paints a series' legend symbol; a click asks for its colour.
#pragma once

#include "TChartSeries.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class SeriesColorBox : public QWidget
{
    Q_OBJECT
public:
    explicit SeriesColorBox(QWidget *parent = nullptr);

    void SetSeries(TChartSeries *series);
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointer<TChartSeries> m_series;
};
