// Texts shaped once per font and kept as glyph runs: a redraw of an unchanged chart draws the
// same axis labels, titles and legend texts again, and shaping them is most of what text costs.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

#include <map>

class QPaintDevice;

class ShapedTextCache
{
public:
    // Whether a text may be drawn from glyph runs with the pixels QPainter::drawText gives it:
    // one line, no control characters, left to right.
    static bool applies(const QString &text);

    // The glyph runs of the text in the font as the painter resolves it for the device, placed
    // with the baseline at y = 0 and the text starting at x = 0.
    const QList<QGlyphRun> &runs(const QFont &font, QPaintDevice *device, const QString &text);

    void clear() { m_byFont.clear(); }
    int shapings() const { return m_shapings; }

private:
    struct FontTexts
    {
        QFont deviceFont;
        QHash<QString, QList<QGlyphRun>> texts;
    };
    std::map<std::pair<QFont, int>, FontTexts> m_byFont; // keyed by the font and the device's dpi
    int m_shapings = 0;
};
