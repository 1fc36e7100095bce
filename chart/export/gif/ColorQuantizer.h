// Octree colour quantizer: builds a palette of at most MaxColors colours from the pixels it reads,
// reducing the tree while reading so that it never holds many more leaves than that.
#pragma once

#include "GIFTypes.h"

#include <cstdint>
#include <vector>

class QImage;

class TColorQuantizer
{
public:
    TColorQuantizer(int maxColors, int colorBits);

    void AddColor(int red, int green, int blue);
    // Reads the picture as R, G, B rows, top to bottom and left to right, so results are reproducible.
    void ProcessImage(const QImage &rgb888);
    // Leaves in depth-first order, children 0 to 7: the average colour of their pixels.
    TGIFPalette GetColorTable() const;
    int LeafCount() const { return m_leafCount; }

private:
    struct Node
    {
        bool IsLeaf = false;
        std::int64_t PixelCount = 0;
        std::int64_t RedSum = 0;
        std::int64_t GreenSum = 0;
        std::int64_t BlueSum = 0;
        int Children[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        int Next = -1; // next node in the reducible list of its level
    };

    int CreateNode(int level);
    void FreeNode(int index);
    void ReduceTree();
    void CollectColors(int node, TGIFPalette &table) const;

    std::vector<Node> m_nodes;
    std::vector<int> m_freeNodes;
    int m_root = -1;
    int m_leafCount = 0;
    int m_maxColors = 0;
    int m_colorBits = 8;
    std::vector<int> m_reducible; // first node of each level's list
    // Runs of one colour go straight to the leaf of the previous pixel while no reduction intervened.
    std::uint32_t m_lastColor = 0xFFFFFFFFu;
    int m_lastLeaf = -1;
};
