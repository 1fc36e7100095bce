// The small HTML-like markup of chart texts: line breaks, font size, style and colour changes,
// centring, rules and images, measured or drawn token by token on a canvas.
#pragma once

#include <QSize>
#include <QString>

class TFont;
class TPlotCanvas;

namespace PlotHtml {

// Draws the text with its top-left corner at (x, y). Raises HtmlParserException for a tag
// without its ">", PlotException for an unknown FONT field or weight and PlotConvertError for a
// bad number or colour; the canvas font stays as the markup last set it.
void HtmlTextOut(TPlotCanvas &canvas, int x, int y, const QString &text);
// Width and height of the text as HtmlTextOut would draw it at (0, 0), drawing nothing.
QSize HtmlTextExtent(TPlotCanvas &canvas, const QString &text);
// The common process: measures, and draws when draw is set; size receives the extent.
void HtmlProcess(TPlotCanvas &canvas, int x, int y, QSize &size, bool draw, const QString &text);

// The FONT tag that restores the font: "<FONT size=8 name=Arial color=0 weight=BOLD, UNDERLINE>".
QString FontWriteBack(const TFont &font);

} // namespace PlotHtml
