// The base of series drawn inside an ellipse instead of against axes: the circle's rectangle,
// centre and radii, its rotation, keeping it round on the device, a background colour and
// gradient, and the chart's 3D view turned to a pie-friendly one while the series is on the chart.
#pragma once

#include "TChartSeries.h"

#include "TCustomPlotGradient.h"
#include "TView3DOptions.h"

#include <QPointer>

#include <memory>

class TCustomPlotPanel;

// The chart's 3D view as it was before a circled series changed it: put back when the series
// leaves, is deactivated or destroyed, and also when an exception unwinds past its owner.
class SavedView3D
{
public:
    SavedView3D() = default;
    ~SavedView3D() { restore(); }
    SavedView3D(const SavedView3D &) = delete;
    SavedView3D &operator=(const SavedView3D &) = delete;

    bool isSaved() const { return bool(m_saved); }
    // Keeps a copy of the panel's options; nothing when a copy is kept already.
    void save(TCustomPlotPanel &panel);
    // Gives the copy back to its panel (when it still exists) and forgets it.
    void restore();

private:
    QPointer<TCustomPlotPanel> m_panel;
    std::unique_ptr<TView3DOptions> m_saved;
};

class TCircledSeries : public TChartSeries
{
    Q_OBJECT
    Q_PROPERTY(bool Circled READ Circled WRITE SetCircled)
    Q_PROPERTY(int CustomXRadius READ CustomXRadius WRITE SetCustomXRadius)
    Q_PROPERTY(int CustomYRadius READ CustomYRadius WRITE SetCustomYRadius)
public:
    Q_INVOKABLE explicit TCircledSeries(QObject *owner = nullptr);
    ~TCircledSeries() override;

    bool Circled() const { return m_circled; }
    // Every series of the chart of this class takes the value; their custom radii go back to 0.
    void SetCircled(bool value);
    Q_INVOKABLE bool IsCircledStored() const { return m_circled; }
    int CustomXRadius() const { return m_customXRadius; }
    void SetCustomXRadius(int value);
    Q_INVOKABLE bool IsCustomXRadiusStored() const { return m_customXRadius != 0; }
    int CustomYRadius() const { return m_customYRadius; }
    void SetCustomYRadius(int value);
    Q_INVOKABLE bool IsCustomYRadiusStored() const { return m_customYRadius != 0; }
    TColor CircleBackColor() const { return m_circleBackColor; }
    void SetCircleBackColor(TColor value) { SetColorProperty(m_circleBackColor, value); }
    Q_INVOKABLE bool IsCircleBackColorStored() const { return m_circleBackColor != clPlotColor; }
    // Degrees, kept as the remainder of 360 with the sign of the value given.
    int RotationAngle() const { return m_rotationAngle; }
    void SetRotationAngle(int value);
    Q_INVOKABLE bool IsRotationAngleStored() const { return m_rotationAngle != 0; }
    double RotationRadians() const { return m_rotationRadians; }
    TPlotGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TPlotGradient *value);

    // The circle of the current drawing.
    int XRadius() const { return m_xRadius; }
    int YRadius() const { return m_yRadius; }
    int CircleXCenter() const { return m_xCenter; }
    int CircleYCenter() const { return m_yCenter; }
    int CircleWidth() const { return m_circleWidth; }
    int CircleHeight() const { return m_circleHeight; }
    const TRect &CircleRect() const { return m_circleRect; }
    // Sets the circle rectangle; width, height, centre and radii follow.
    void SetCircleRect(const TRect &rect);
    // The point on the rim at an angle (radians, before the rotation) with the radii given.
    TPoint RimPoint(double angle, double xRadius, double yRadius) const;
    // The background inside the circle with the chart's colours resolved.
    TColor ResolvedBackColor() const;
    // The pixel shape of the device the chart draws on: its width to height in pixels over the
    // same in millimetres.
    double DeviceRatio() const;

    // Fills the ellipse with Gradient, clipped to it; nothing in rotated 3D.
    virtual void DrawCircleGradient();

    bool UseAxis() const override { return false; }
    bool AssociatedToAxis(const TChartAxis &axis) const override;
    void SetActive(bool value) override;
    // Also looks at the circle from its front (3D) or keeps it round (2D).
    void SetChartView3D(bool value) override;
    void Added() override;
    void Removed() override;
    void Assign(const TCustomChartElement &source) override;
    void DoBeforeDrawValues() override;

protected:
    // The circle from the chart rectangle (the geometry of one drawing).
    void calcCircle();
    // Makes room for the marks around the circle; without marks of its own the base takes the
    // circle of the first series of its class that shows marks.
    virtual void fitMarks();
    void shrinkForMarks();
    void applyCustomRadii();
    // The pie's view of the chart while the series is on it; the options are saved first.
    void applyPieView();

private:
    void keepRound();

    TPlotGradient *m_gradient = nullptr; // a child
    bool m_circled = false;
    int m_customXRadius = 0;
    int m_customYRadius = 0;
    TColor m_circleBackColor = clPlotColor;
    int m_rotationAngle = 0;
    double m_rotationRadians = 0.0;
    int m_xRadius = 0;
    int m_yRadius = 0;
    int m_xCenter = 0;
    int m_yCenter = 0;
    int m_circleWidth = 0;
    int m_circleHeight = 0;
    TRect m_circleRect;
    SavedView3D m_savedView;
};
