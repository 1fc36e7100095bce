// 3D view option setters: compare, store, repaint.
#include "TView3DOptions.h"

#include "PlotRound.h"
#include "PropertyLimits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TView3DOptions::TView3DOptions(QObject *parent)
    : QObject(parent)
{
}

int TView3DOptions::Elevation() const { return plotRound(m_elevation); }

void TView3DOptions::SetElevationFloat(double value)
{
    if (value == m_elevation)
        return;
    m_elevation = value;
    Repaint();
}

void TView3DOptions::SetFontZoom(int value)
{
    value = std::clamp(value, PropertyLimits::kMinZoomPercent, PropertyLimits::kMaxZoomPercent);
    if (value == m_fontZoom)
        return;
    m_fontZoom = value;
    Repaint();
}

void TView3DOptions::SetHorizOffset(int value)
{
    value = std::clamp(value, -PropertyLimits::kMaxOffsetPx, PropertyLimits::kMaxOffsetPx);
    if (value == m_horizOffset)
        return;
    m_horizOffset = value;
    Repaint();
    if (onScroll)
        onScroll(true);
}

void TView3DOptions::SetOrthoAngle(int value)
{
    if (value == m_orthoAngle)
        return;
    m_orthoAngle = value;
    Repaint();
}

void TView3DOptions::SetOrthogonal(bool value)
{
    if (value == m_orthogonal)
        return;
    m_orthogonal = value;
    Repaint();
}

void TView3DOptions::SetPerspective(int value)
{
    value = std::clamp(value, 0, PropertyLimits::kMaxPerspectivePercent);
    if (value == m_perspective)
        return;
    m_perspective = value;
    Repaint();
}

int TView3DOptions::Rotation() const { return plotRound(m_rotation); }

void TView3DOptions::SetRotationFloat(double value)
{
    if (value == m_rotation)
        return;
    m_rotation = value;
    Repaint();
}

void TView3DOptions::SetTilt(int value)
{
    if (value == m_tilt)
        return;
    m_tilt = value;
    Repaint();
}

void TView3DOptions::SetVertOffset(int value)
{
    value = std::clamp(value, -PropertyLimits::kMaxOffsetPx, PropertyLimits::kMaxOffsetPx);
    if (value == m_vertOffset)
        return;
    m_vertOffset = value;
    Repaint();
    if (onScroll)
        onScroll(false);
}

void TView3DOptions::SetZoom(int value)
{
    value = std::clamp(value, PropertyLimits::kMinZoomPercent, PropertyLimits::kMaxZoomPercent);
    if (value == m_zoom)
        return;
    if (onZoom)
        onZoom(value);
    m_zoom = value;
    Repaint();
}

void TView3DOptions::SetZoomText(bool value)
{
    if (value == m_zoomText)
        return;
    m_zoomText = value;
    Repaint();
}

double TView3DOptions::OrthoRatio() const
{
    if (!m_orthogonal)
        return 1.0;
    const int angle = m_orthoAngle > 90 ? 180 - m_orthoAngle : m_orthoAngle;
    const double radians = angle * std::numbers::pi / 180.0;
    // Same guard as the canvas: near 90 degrees the depth shift is one pixel per unit, not tan 90.
    if (std::cos(radians) < 0.01)
        return 1.0;
    return std::tan(radians);
}

void TView3DOptions::Assign(const TView3DOptions &source)
{
    m_elevation = source.m_elevation;
    m_fontZoom = source.m_fontZoom;
    m_horizOffset = source.m_horizOffset;
    m_orthoAngle = source.m_orthoAngle;
    m_orthogonal = source.m_orthogonal;
    m_perspective = source.m_perspective;
    m_rotation = source.m_rotation;
    m_tilt = source.m_tilt;
    m_vertOffset = source.m_vertOffset;
    m_zoom = source.m_zoom;
    m_zoomText = source.m_zoomText;
}
