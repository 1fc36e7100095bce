// One sample chart of a gallery: a small chart with a fixed, quiet look, highlighted while
// selected and framed while the mouse is over it.
#pragma once

#include "TChart.h"

class TGalleryChart : public TChart
{
    Q_OBJECT
public:
    explicit TGalleryChart(QWidget *parent = nullptr);

    // The highlighted look of the selected sample, or the plain one.
    void SetHighlighted(bool highlighted, bool focusRotation);
    bool Highlighted() const { return m_highlighted; }
    // A raised frame around the sample while the mouse is over it.
    void SetHovered(bool hovered);
    bool Hovered() const { return m_hovered; }
    // Margins 4 in 3D, 5 in 2D.
    void ApplyView3D(bool view3D);

protected:
    void DrawPanelBevels(TRect &rect) override;

private:
    bool m_highlighted = false;
    bool m_hovered = false;
};
