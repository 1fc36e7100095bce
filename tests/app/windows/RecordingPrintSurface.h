// Test double of the print surface: records every page, text and line, and measures text as a
// fixed-pitch font of 0.6 em per character.
#pragma once

#include "app/core/PrintSurface.h"

#include <QList>
#include <QString>

class RecordingPrintSurface : public PrintSurface
{
public:
    struct Text {
        int page = 0;
        int x = 0;
        int y = 0;
        int points = 0;
        QString text;
    };
    struct Line {
        int page = 0;
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
    };

    RecordingPrintSurface(int width, int height)
        : m_width(width)
        , m_height(height)
    {
    }

    bool beginDocument() override
    {
        m_pages = 1;
        return true;
    }
    void newPage() override { ++m_pages; }
    bool endDocument() override
    {
        m_ended = true;
        return true;
    }
    int pageWidth() const override { return m_width; }
    int pageHeight() const override { return m_height; }
    void setFontSize(int points) override { m_points = points; }
    // One point is 2540/720 units of 0.1 mm; a character is 0.6 em wide (19.05 units at 9 points).
    int textWidth(const QString &text) const override { return int(text.size() * m_points * 2540 * 6 / 7200); }
    void drawText(int x, int y, const QString &text) override { texts.append({m_pages, x, y, m_points, text}); }
    void drawLine(int x1, int y1, int x2, int y2) override { lines.append({m_pages, x1, y1, x2, y2}); }

    int pages() const { return m_pages; }
    bool ended() const { return m_ended; }

    QList<Text> texts;
    QList<Line> lines;

private:
    int m_width = 0;
    int m_height = 0;
    int m_points = 10;
    int m_pages = 0;
    bool m_ended = false;
};
