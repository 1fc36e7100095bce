// The rows of the chart scene benchmark: what one timed draw does, and the scene's data.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// Series k of N points: x_i = i, y_i = 1000 sin(0.001 i (k + 1)) + 100 k.
struct SceneData
{
    explicit SceneData(int pointCount);
    int pointCount;
    int seriesCount;
    std::vector<double> x;
    std::vector<std::vector<double>> y;
};

constexpr int kSceneWidth = 1920;
constexpr int kSceneHeight = 1080;
constexpr double kSceneMinY = -1100.0;
constexpr double kSceneMaxY = 1500.0;
// The series colours #1f77b4 #ff7f0e #2ca02c #d62728 #9467bd.
constexpr unsigned kSceneColours[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd};

class SceneRow
{
public:
    virtual ~SceneRow() = default;
    virtual QString variant() const = 0;
    // Untimed work before each draw, warm-ups included.
    virtual void beforeDraw() {}
    // One timed full redraw into image().
    virtual void draw() = 0;
    virtual const QImage &image() const = 0;
};

// The reference: per series one QPainter polyline of all points, converted to integer pixels of
// the chart rectangle before timing; no axes, no text.
class PolylineRow : public SceneRow
{
public:
    PolylineRow(const SceneData &data, const QRect &chartRect, bool antialiased);
    QString variant() const override { return QStringLiteral("qpainter-polyline"); }
    void draw() override;
    const QImage &image() const override { return m_image; }

private:
    QImage m_image;
    std::vector<std::vector<QPoint>> m_points;
    bool m_antialiased;
};
