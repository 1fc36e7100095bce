// The scene's data and the QPainter reference row.
#include "SceneRows.h"

#include <QPainter>
#include <QPen>

SceneData::SceneData(int pointCount_)
    : pointCount(pointCount_)
    , seriesCount(pointCount_ >= 1000000 ? 1 : 5)
    , x(std::size_t(pointCount_))
    , y(std::size_t(seriesCount), std::vector<double>(std::size_t(pointCount_)))
{
    for (int i = 0; i < pointCount; ++i) {
        x[std::size_t(i)] = i;
        for (int k = 0; k < seriesCount; ++k)
            y[std::size_t(k)][std::size_t(i)] = BenchScene::value(k, i);
    }
}

PolylineRow::PolylineRow(const SceneData &data, const QRect &chartRect, bool antialiased)
    : m_image(kSceneWidth, kSceneHeight, QImage::Format_RGB32)
    , m_antialiased(antialiased)
{
    const double maxX = std::max(data.pointCount - 1, 1);
    for (const std::vector<double> &ys : data.y) {
        std::vector<QPoint> points;
        points.reserve(ys.size());
        for (std::size_t i = 0; i < ys.size(); ++i) {
            const double px = chartRect.left() + data.x[i] / maxX * chartRect.width();
            const double py = chartRect.bottom() - (ys[i] - kSceneMinY) / (kSceneMaxY - kSceneMinY) * chartRect.height();
            points.emplace_back(int(std::nearbyint(px)), int(std::nearbyint(py)));
        }
        m_points.push_back(std::move(points));
    }
}

void PolylineRow::draw()
{
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, m_antialiased);
    for (std::size_t k = 0; k < m_points.size(); ++k) {
        QPen pen(QColor(QRgb(BenchScene::kRgb[k])), 1.0);
        pen.setCosmetic(true); // Qt's one-pixel fast path, as a plotting tool would draw
        painter.setPen(pen);
        painter.drawPolyline(m_points[k].data(), int(m_points[k].size()));
    }
}
