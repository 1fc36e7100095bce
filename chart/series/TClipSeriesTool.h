// The clip series tool: keeps the drawing of one series inside the rectangle of its axes.
#pragma once

#include "TPlotCustomTool.h"

class TClipSeriesTool : public TPlotCustomToolSeries
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TClipSeriesTool(QObject *owner = nullptr);
    ~TClipSeriesTool() override;

    // Moves the hooks from the old series to the new one.
    void SetSeries(TChartSeries *value) override;
    QString Description() const override;

private:
    void clip();
    void unclip();

    bool m_clipped = false;
};
