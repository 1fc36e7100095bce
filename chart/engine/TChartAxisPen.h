// The line of an axis: a chart pen of width 2 drawn as a line, a cylinder or a box.
#pragma once

#include "EngineTypes.h"

#include "TChartPen.h"

class TChartAxisPen : public TChartPen
{
    Q_OBJECT
    Q_PROPERTY(PlotEngineEnums::TPenLineMode LineMode READ LineMode WRITE SetLineMode NOTIFY changed)
public:
    explicit TChartAxisPen(QObject *owner = nullptr);

    TPenLineMode LineMode() const { return m_lineMode; }
    void SetLineMode(TPenLineMode value);
    Q_INVOKABLE bool IsWidthStored() const { return Width() != 2; }

    void Assign(const TPen &source) override;

private:
    TPenLineMode m_lineMode = lmLine;
};
