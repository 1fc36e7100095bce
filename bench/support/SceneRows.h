// The rows of the chart scene benchmark: what one timed draw does, and the scene's data.
#pragma once

#include "BenchScene.h"

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

constexpr int kSceneWidth = BenchScene::kWidth;
constexpr int kSceneHeight = BenchScene::kHeight;
constexpr double kSceneMinY = BenchScene::kMinY;
constexpr double kSceneMaxY = BenchScene::kMaxY;

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
