#include "ShapedTextCache.h"

#include <QPaintDevice>
#include <QTextLayout>

namespace {

constexpr qsizetype kMaxTextsPerFont = 2048;
constexpr std::size_t kMaxFonts = 16;

} // namespace

bool ShapedTextCache::applies(const QString &text)
{
    if (text.isEmpty() || text.isRightToLeft())
        return false;
    for (const QChar c : text) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
        if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return false;
    }
    return true;
}

const QList<QGlyphRun> &ShapedTextCache::runs(const QFont &font, QPaintDevice *device, const QString &text)
{
    const int dpi = device ? device->logicalDpiY() : 0;
    auto it = m_byFont.find({font, dpi});
    if (it == m_byFont.end()) {
        if (m_byFont.size() >= kMaxFonts)
            m_byFont.clear();
        // As QPainter::setFont resolves it: the device's resolution decides the pixel size.
        it = m_byFont.emplace(std::pair{font, dpi}, FontTexts{device ? QFont(font, device) : font, {}}).first;
    }
    FontTexts &entry = it->second;
    if (const auto found = entry.texts.constFind(text); found != entry.texts.constEnd())
        return *found;
    if (entry.texts.size() >= kMaxTextsPerFont)
        entry.texts.clear();

    QTextLayout layout(text, entry.deviceFont, device);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    QList<QGlyphRun> glyphRuns = layout.glyphRuns();
    const QPointF toBaseline(0, -line.ascent());
    for (QGlyphRun &run : glyphRuns) {
        QList<QPointF> positions = run.positions();
        for (QPointF &p : positions)
            p += toBaseline;
        run.setPositions(positions);
    }
    ++m_shapings;
    return *entry.texts.insert(text, std::move(glyphRuns));
}
