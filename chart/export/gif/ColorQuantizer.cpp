// Octree colour quantizer.
#include "ColorQuantizer.h"

#include <QImage>

#include <algorithm>

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : m_maxColors(std::max(1, maxColors))
    , m_colorBits(std::clamp(colorBits, 1, 8))
    , m_reducible(std::size_t(m_colorBits) + 1, -1)
{
}

int TColorQuantizer::CreateNode(int level)
{
    int index = 0;
    if (!m_freeNodes.empty()) {
        index = m_freeNodes.back();
        m_freeNodes.pop_back();
        m_nodes[std::size_t(index)] = Node();
    } else {
        index = int(m_nodes.size());
        m_nodes.emplace_back();
    }
    Node &node = m_nodes[std::size_t(index)];
    if (level == m_colorBits) {
        node.IsLeaf = true;
        ++m_leafCount;
    } else {
        node.Next = m_reducible[std::size_t(level)];
        m_reducible[std::size_t(level)] = index;
    }
    return index;
}

void TColorQuantizer::FreeNode(int index)
{
    m_freeNodes.push_back(index);
}

void TColorQuantizer::AddColor(int red, int green, int blue)
{
    const std::uint32_t color = std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | std::uint32_t(blue);
    int node = -1;
    if (color == m_lastColor && m_lastLeaf >= 0) {
        node = m_lastLeaf;
    } else {
        if (m_root < 0)
            m_root = CreateNode(0);
        node = m_root;
        for (int level = 0; !m_nodes[std::size_t(node)].IsLeaf; ++level) {
            const int shift = 7 - level;
            const int child = (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
            int next = m_nodes[std::size_t(node)].Children[child];
            if (next < 0) {
                next = CreateNode(level + 1);
                m_nodes[std::size_t(node)].Children[child] = next;
            }
            node = next;
        }
    }
    Node &leaf = m_nodes[std::size_t(node)];
    ++leaf.PixelCount;
    leaf.RedSum += red;
    leaf.GreenSum += green;
    leaf.BlueSum += blue;
    m_lastColor = color;
    m_lastLeaf = node;
    while (m_leafCount > m_maxColors)
        ReduceTree();
}

void TColorQuantizer::ReduceTree()
{
    int level = m_colorBits - 1;
    while (level > 0 && m_reducible[std::size_t(level)] < 0)
        --level;
    const int index = m_reducible[std::size_t(level)];
    if (index < 0)
        return;
    Node &node = m_nodes[std::size_t(index)];
    m_reducible[std::size_t(level)] = node.Next;
    int children = 0;
    for (int &child : node.Children) {
        if (child < 0)
            continue;
        const Node &c = m_nodes[std::size_t(child)];
        node.PixelCount += c.PixelCount;
        node.RedSum += c.RedSum;
        node.GreenSum += c.GreenSum;
        node.BlueSum += c.BlueSum;
        FreeNode(child);
        child = -1;
        ++children;
    }
    node.IsLeaf = true;
    m_leafCount += 1 - children;
    m_lastLeaf = -1;
}

void TColorQuantizer::ProcessImage(const QImage &rgb888)
{
    const QImage image = rgb888.format() == QImage::Format_RGB888 ? rgb888 : rgb888.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t *p = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 3)
            AddColor(p[0], p[1], p[2]);
    }
}

void TColorQuantizer::CollectColors(int index, TGIFPalette &table) const
{
    const Node &node = m_nodes[std::size_t(index)];
    if (node.IsLeaf) {
        if (node.PixelCount == 0) {
            table.push_back({0, 0, 0});
            return;
        }
        table.push_back({std::uint8_t(node.RedSum / node.PixelCount), std::uint8_t(node.GreenSum / node.PixelCount),
                         std::uint8_t(node.BlueSum / node.PixelCount)});
        return;
    }
    for (const int child : node.Children)
        if (child >= 0)
            CollectColors(child, table);
}

TGIFPalette TColorQuantizer::GetColorTable() const
{
    TGIFPalette table;
    if (m_root >= 0)
        CollectColors(m_root, table);
    return table;
}
