// The 3D viewpoint of a chart panel: angles, zoom, offsets, perspective. The setters of the scales
// and offsets clamp to PropertyLimits, so that projected points stay finite.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

class TView3DOptions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Elevation READ Elevation WRITE SetElevation NOTIFY changed)
    Q_PROPERTY(int FontZoom READ FontZoom WRITE SetFontZoom NOTIFY changed)
    Q_PROPERTY(int HorizOffset READ HorizOffset WRITE SetHorizOffset NOTIFY changed)
    Q_PROPERTY(int OrthoAngle READ OrthoAngle WRITE SetOrthoAngle NOTIFY changed)
    Q_PROPERTY(bool Orthogonal READ Orthogonal WRITE SetOrthogonal NOTIFY changed)
    Q_PROPERTY(int Perspective READ Perspective WRITE SetPerspective NOTIFY changed)
    Q_PROPERTY(int Rotation READ Rotation WRITE SetRotation NOTIFY changed)
    Q_PROPERTY(int Tilt READ Tilt WRITE SetTilt NOTIFY changed)
    Q_PROPERTY(int VertOffset READ VertOffset WRITE SetVertOffset NOTIFY changed)
    Q_PROPERTY(int Zoom READ Zoom WRITE SetZoom NOTIFY changed)
    Q_PROPERTY(bool ZoomText READ ZoomText WRITE SetZoomText NOTIFY changed)
public:
    // The parent panel is asked to repaint through changed(); it is not owned.
    explicit TView3DOptions(QObject *parent = nullptr);

    int Elevation() const;
    void SetElevation(int value) { SetElevationFloat(value); }
    double ElevationFloat() const { return m_elevation; }
    void SetElevationFloat(double value);
    int FontZoom() const { return m_fontZoom; }
    void SetFontZoom(int value);
    int HorizOffset() const { return m_horizOffset; }
    void SetHorizOffset(int value);
    int OrthoAngle() const { return m_orthoAngle; }
    void SetOrthoAngle(int value);
    bool Orthogonal() const { return m_orthogonal; }
    void SetOrthogonal(bool value);
    int Perspective() const { return m_perspective; }
    void SetPerspective(int value);
    int Rotation() const;
    void SetRotation(int value) { SetRotationFloat(value); }
    double RotationFloat() const { return m_rotation; }
    void SetRotationFloat(double value);
    int Tilt() const { return m_tilt; }
    void SetTilt(int value);
    int VertOffset() const { return m_vertOffset; }
    void SetVertOffset(int value);
    int Zoom() const { return m_zoom; }
    void SetZoom(int value);
    bool ZoomText() const { return m_zoomText; }
    void SetZoomText(bool value);

    // Slope of the orthogonal depth shift.
    double OrthoRatio() const;
    void Assign(const TView3DOptions &source);

    // Asks the owning panel to repaint (the canvas does when its monochrome switch changes).
    void Repaint() { Q_EMIT changed(); }

    std::function<void(bool horizontal)> onScroll;
    std::function<void(int zoom)> onZoom;

Q_SIGNALS:
    // Repaint request for the owning panel.
    void changed();

private:
    double m_elevation = 345.0;
    int m_fontZoom = 100;
    int m_horizOffset = 0;
    bool m_orthogonal = true;
    int m_orthoAngle = 45;
    int m_perspective = 15;
    double m_rotation = 345.0;
    int m_tilt = 0;
    int m_vertOffset = 0;
    int m_zoom = 100;
    bool m_zoomText = true;
};
