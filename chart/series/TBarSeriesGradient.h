// The fill of gradient bars; Relative ends each bar's gradient at a colour by the bar's value.
#pragma once

#include "TCustomPlotGradient.h"

class TBarSeriesGradient : public TCustomPlotGradient
{
    Q_OBJECT
    Q_PROPERTY(bool Relative READ Relative WRITE SetRelative NOTIFY changed)
public:
    explicit TBarSeriesGradient(QObject *owner = nullptr)
        : TCustomPlotGradient(owner)
    {
    }
    bool Relative() const { return m_relative; }
    void SetRelative(bool value)
    {
        if (value == m_relative)
            return;
        m_relative = value;
        Changed();
    }
    void Assign(const TCustomPlotGradient &source) override
    {
        if (&source == this)
            return;
        bool changed = false;
        if (const auto *g = qobject_cast<const TBarSeriesGradient *>(&source)) {
            changed = m_relative != g->m_relative;
            m_relative = g->m_relative;
        }
        if (copyGradientValues(source) || changed)
            Changed();
    }

private:
    bool m_relative = false;
};
