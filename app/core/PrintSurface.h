// What the table printer draws on: a page surface in logical units of 0.1 mm whose origin is
// the top-left margin corner, x to the right and y downwards.
#pragma once

#include <QString>

class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    // Starts the document with its first page; false when no job could be started.
    virtual bool beginDocument() = 0;
    virtual void newPage() = 0;
    // Ends the document; false when the job failed on its way (a page or the file not written).
    virtual bool endDocument() = 0;

    // Usable width and height between the margins.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    // Font size in points of the fixed-pitch font; it stays in force across a new page.
    virtual void setFontSize(int points) = 0;
    virtual int textWidth(const QString &text) const = 0;
    // (x, y) is the top-left corner of the text.
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};
