// The named colour palettes a chart can take for its series.
#pragma once

#include "PlotTypes.h"

#include <QStringList>

#include <span>

class TCustomChart;

class TColorPalettes
{
public:
    static TColorPalettes &instance();

    // "Default", "Excel", ... in palette-index order.
    const QStringList &names() const { return m_names; }
    // The colours of palette 1..9; empty for "Default" and any other index.
    static std::span<const TColor> colors(int index);

    // Copies palette 1..9 into the chart's own palette (any other index empties it, which means the
    // library's default colours), sets ColorPaletteIndex to the index and gives each series the
    // palette colour of its position. The process-wide default palette is never changed.
    static void ApplyPalette(TCustomChart &chart, int index);

private:
    TColorPalettes();
    QStringList m_names;
};
