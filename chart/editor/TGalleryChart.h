// One sample chart of a gallery: a small chart with a fixed, quiet look, highlighted while
// selected and framed while the mouse is over it.
#pragma once

#include "TChart.h"

struct ChartClassDescriptor;

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

    // Drawn a second time at four times the size and reduced, for smooth lines and text.
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool value);
    // The triangle near the top right corner that opens the sub-styles.
    bool ShowSubMarker() const { return m_showSubMarker; }
    void SetShowSubMarker(bool value);
    QRect SubMarkerRect() const;

    // The function the sample shows (its series is a plain one); none for a series type.
    const ChartClassDescriptor *FunctionClass = nullptr;
    // The sub-style a sub-gallery sample shows; -1 for a page sample.
    int SubStyle = -1;

protected:
    void DrawPanelBevels(TRect &rect) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The chart drawn at four times the size with labels, reduced into the widget's size.
    QImage smoothPicture();

    bool m_highlighted = false;
    bool m_hovered = false;
    bool m_smooth = false;
    bool m_showSubMarker = false;
};
