// Chart text markup: tokens, the font and tag stacks of one call, FONT and IMG attributes.
#include "PlotHtml.h"

#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotPictures.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "TPlotCanvas.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace PlotHtml {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Font sizes the markup sets, in points: a huge SIZE=+n must neither overflow nor ask the font
// engine for absurd fonts.
constexpr std::int64_t kMinSize = 1;
constexpr std::int64_t kMaxSize = 1000;

int boundedSize(std::int64_t size)
{
    return int(std::clamp(size, kMinSize, kMaxSize));
}

std::int64_t toNumber(const QString &value)
{
    bool ok = false;
    const qlonglong number = value.trimmed().toLongLong(&ok);
    if (!ok)
        throw PlotConvertError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgNotANumber), {value}));
    return number;
}

// NAME=value pairs of a tag body. The value runs to the last space before the next "=", so
// values may hold spaces ("name=Courier New size=10").
std::vector<std::pair<QString, QString>> attributes(const QString &body)
{
    std::vector<qsizetype> equals;
    for (qsizetype i = 0; i < body.size(); ++i)
        if (body.at(i) == u'=')
            equals.push_back(i);
    std::vector<std::pair<QString, QString>> pairs;
    qsizetype nameStart = 0;
    for (std::size_t k = 0; k < equals.size(); ++k) {
        const qsizetype valueStart = equals[k] + 1;
        qsizetype valueEnd = body.size();
        if (k + 1 < equals.size()) {
            const qsizetype space = body.lastIndexOf(u' ', equals[k + 1] - 1);
            valueEnd = space >= valueStart ? space : valueStart;
        }
        pairs.emplace_back(body.mid(nameStart, equals[k] - nameStart).trimmed(),
                           body.mid(valueStart, valueEnd - valueStart).trimmed());
        nameStart = valueEnd;
    }
    return pairs;
}

TColor colorValue(const QString &text)
{
    const QString value = text.trimmed().toUpper();
    static const std::pair<const char *, TColor> kNames[] = {
        {"BLACK", 0x000000}, {"RED", 0x0000FF}, {"BLUE", 0xFF0000}, {"YELLOW", 0x00FFFF},
        {"WHITE", 0xFFFFFF}, {"GREEN", 0x008000}, {"LIME", 0x00FF00}};
    for (const auto &[name, color] : kNames)
        if (value == QLatin1String(name))
            return color;
    if (value.startsWith(u'#')) {
        // #RRGGBB; the library keeps blue, green, red.
        bool ok = value.size() == 7;
        int channels[3] = {0, 0, 0};
        for (int i = 0; ok && i < 3; ++i)
            channels[i] = value.mid(1 + 2 * i, 2).toInt(&ok, 16);
        if (!ok)
            throw PlotConvertError(QStringLiteral("Unknown colour: ") + text);
        return PlotColor::makeColor(channels[0], channels[1], channels[2]);
    }
    return PlotColor::StringToColor(value);
}

TFontStyles weightValue(const QString &text)
{
    TFontStyles styles;
    const QString value = text.toUpper();
    for (const QString &word : value.split(u',')) {
        const QString w = word.trimmed();
        if (w == QLatin1String("BOLD"))
            styles |= fsBold;
        else if (w == QLatin1String("ITALIC"))
            styles |= fsItalic;
        else if (w == QLatin1String("UNDERLINE"))
            styles |= fsUnderline;
        else if (w == QLatin1String("STRIKE"))
            styles |= fsStrikeOut;
        else if (w != QLatin1String("NORMAL"))
            throw PlotException(QStringLiteral("Unknown field in FONT WEIGHT=") + value);
    }
    return styles;
}

// One run of the process. The tag and font stacks belong to it: nothing of one text (or of an
// earlier measuring pass) is left for another to pop.
class Process
{
public:
    Process(TPlotCanvas &canvas, int x, int y, bool draw)
        : m_canvas(canvas)
        , m_draw(draw)
        , m_startX(x)
        , m_startY(y)
        , m_x(x)
        , m_y(y)
        , m_lineHeight(canvas.FontHeight())
    {
    }

    QSize run(const QString &text)
    {
        QString rest = text;
        for (QString token = nextToken(rest); !token.isEmpty(); token = nextToken(rest))
            process(token);
        return m_size;
    }

private:
    static QString nextToken(QString &rest)
    {
        const qsizetype open = rest.indexOf(u'<');
        QString token;
        if (open < 0) {
            token = rest;
            rest.clear();
        } else if (open == 0) {
            const qsizetype close = rest.indexOf(u'>');
            if (close < 0)
                throw HtmlParserException(QStringLiteral("Missing > at ") + rest.mid(1));
            token = rest.left(close + 1);
            rest.remove(0, close + 1);
        } else {
            token = rest.left(open);
            rest.remove(0, open);
        }
        return token;
    }

    TFont &font() { return *m_canvas.Font(); }
    int fontHeight() { return m_canvas.FontHeight(); }
    void setSize(std::int64_t size) { font().SetSize(boundedSize(size)); }

    void addStyle(TFontStyle style, const QString &tag)
    {
        font().SetStyle(font().Style() | style);
        m_tagStack.append(tag);
    }

    void removeStyle(TFontStyle style) { font().SetStyle(font().Style() & ~TFontStyles(style)); }

    void saveFont()
    {
        m_fontStack.append(FontWriteBack(font()));
        m_fontSaved = true;
    }

    void restoreFont()
    {
        if (!m_fontStack.isEmpty())
            applyFontTag(m_fontStack.takeLast());
    }

    // A lone break advances one line; the next text then sits on it without advancing again.
    void lineBreak()
    {
        m_x = m_startX;
        m_lineHeight = 0;
        m_y += fontHeight();
        m_breakAdvanced = true;
    }

    void process(const QString &token)
    {
        m_fontSaved = false;
        const QString tag = token.toUpper();
        if (token == kCrLf || tag == QLatin1String("<BR>") || tag == QLatin1String("<P>")) {
            lineBreak();
        } else if (tag == QLatin1String("<BIG>")) {
            saveFont();
            setSize(std::int64_t(font().Size()) + 2);
        } else if (tag == QLatin1String("<SMALL>")) {
            saveFont();
            setSize(std::int64_t(font().Size()) - 2);
        } else if (tag == QLatin1String("<SUB>")) {
            saveFont();
            setSize(font().Size() / 2);
            m_y += fontHeight();
        } else if (tag == QLatin1String("</SUB>")) {
            restoreFont();
            m_y -= fontHeight();
        } else if (tag == QLatin1String("<SUPER>")) {
            saveFont();
            setSize(font().Size() / 2);
            m_y -= fontHeight() / 2;
        } else if (tag == QLatin1String("</SUPER>")) {
            restoreFont();
            m_y += fontHeight() / 2;
        } else if (tag.size() == 4 && tag.startsWith(QLatin1String("<H")) && tag.at(2) >= u'1' && tag.at(2) <= u'6'
                   && tag.at(3) == u'>') {
            static constexpr int kHeadingSizes[] = {48, 36, 24, 18, 12, 8};
            saveFont();
            setSize(kHeadingSizes[tag.at(2).unicode() - u'1']);
        } else if (tag == QLatin1String("<PRE>")) {
            saveFont();
            font().SetName(QStringLiteral("COURIER NEW"));
        } else if (tag == QLatin1String("</PRE>")) {
            restoreFont();
        } else if (tag == QLatin1String("<CENTER>")) {
            m_centre = true;
        } else if (tag == QLatin1String("</CENTER>")) {
            m_centre = false;
        } else if (tag == QLatin1String("<B>") || tag == QLatin1String("<BOLD>") || tag == QLatin1String("<STRONG>")) {
            addStyle(fsBold, tag);
        } else if (tag == QLatin1String("<I>")) {
            addStyle(fsItalic, tag);
        } else if (tag == QLatin1String("<U>")) {
            addStyle(fsUnderline, tag);
        } else if (tag == QLatin1String("<STRIKE>")) {
            addStyle(fsStrikeOut, tag);
        } else if (tag.startsWith(QLatin1String("<IMG "))) {
            image(token);
        } else if (tag == QLatin1String("</B>") || tag == QLatin1String("</BOLD>") || tag == QLatin1String("</STRONG>")) {
            removeStyle(fsBold); // the tag stack is left as it is
        } else if (tag == QLatin1String("</I>")) {
            removeStyle(fsItalic);
        } else if (tag == QLatin1String("</U>")) {
            removeStyle(fsUnderline);
        } else if (tag == QLatin1String("</STRIKE>")) {
            removeStyle(fsStrikeOut);
        } else if (tag.startsWith(QLatin1String("</FONT"))) {
            restoreFont();
        } else if (tag.startsWith(QLatin1String("<FONT "))) {
            saveFont();
            applyFontTag(tag);
        } else if (tag == QLatin1String("</>")) {
            if (m_previousFontSaved) {
                restoreFont();
            } else {
                // Closes the last style tag: "</>" after "<B>" acts as "</B>"; with none it is text.
                const QString last = m_tagStack.isEmpty() ? QString() : m_tagStack.takeLast();
                process(QStringLiteral("</") + last.mid(1));
            }
        } else if (tag == QLatin1String("<HR>")) {
            m_x = m_startX;
            TPen *pen = m_canvas.Pen();
            pen->SetStyle(psSolid);
            pen->SetWidth(1);
            pen->SetColor(0x808080);
            if (m_draw)
                m_canvas.HorizLine(m_startX, m_startX + 100, m_y);
            m_y += fontHeight();
        } else {
            textRun(token);
            return;
        }
        m_previousFontSaved = m_fontSaved;
    }

    // A FONT tag as written or as saved: "<FONT " and the closing ">" around NAME=value pairs.
    void applyFontTag(const QString &tag)
    {
        for (const auto &[name, value] : attributes(tag.mid(6).chopped(tag.size() > 6 ? 1 : 0))) {
            const QString key = name.toUpper();
            if (key == QLatin1String("NAME") || key == QLatin1String("FAMILY")) {
                font().SetName(value);
            } else if (key == QLatin1String("SIZE")) {
                // Relative steps are bounded before they are added, so the sum cannot overflow.
                const std::int64_t number = toNumber(value);
                const bool relative = value.startsWith(u'+') || value.startsWith(u'-');
                setSize(relative ? font().Size() + std::clamp<std::int64_t>(number, -2 * kMaxSize, 2 * kMaxSize) : number);
            } else if (key == QLatin1String("COLOR")) {
                font().SetColor(colorValue(value));
            } else if (key == QLatin1String("WEIGHT")) {
                font().SetStyle(weightValue(value));
            } else {
                throw PlotException(QStringLiteral("Unknown field in FONT: ") + name);
            }
        }
    }

    void textRun(const QString &token)
    {
        QString text = token;
        text.replace(QLatin1String("&lt;"), QLatin1String("<"));
        text.replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\""));
        const bool endsLine = text.endsWith(kCrLf);
        if (endsLine)
            text.chop(2);
        if (!text.isEmpty()) {
            const int w = m_canvas.TextWidth(text);
            if (m_centre) {
                const TRect &bounds = m_canvas.Bounds();
                m_x = int((std::int64_t(bounds.left) + bounds.right) / 2) - w / 2;
            }
            const int h = m_canvas.TextHeight(text);
            if (m_lineHeight == 0) {
                m_lineHeight = fontHeight();
                if (!m_breakAdvanced)
                    m_y += m_lineHeight;
            } else if (h < m_lineHeight) {
                m_y += m_lineHeight - h - 1; // smaller text sits lower on the line
            }
            m_breakAdvanced = false;
            if (m_draw)
                m_canvas.TextOut(m_x, m_y, text);
            m_x += w;
            m_lineHeight = std::max(m_lineHeight, h);
            m_size.setWidth(std::max(m_size.width(), m_x));
            // Every line counts, not the tallest alone: multi-line texts measure their full height.
            m_size.setHeight(std::max(m_size.height(), m_y - m_startY + m_lineHeight));
        }
        if (endsLine) {
            m_lineHeight = 0;
            m_x = m_startX;
            m_breakAdvanced = false;
        }
    }

    void image(const QString &token)
    {
        QString body = token.mid(5);
        if (body.endsWith(kCrLf))
            body.chop(2);
        if (body.endsWith(u'>'))
            body.chop(1);
        int width = 0;
        int height = 0;
        QString source;
        bool hasSource = false;
        for (const auto &[name, value] : attributes(body)) {
            const QString key = name.toUpper();
            if (key == QLatin1String("WIDTH"))
                width = int(std::clamp<std::int64_t>(toNumber(value), 0, 1 << 20));
            else if (key == QLatin1String("HEIGHT"))
                height = int(std::clamp<std::int64_t>(toNumber(value), 0, 1 << 20));
            else if (key == QLatin1String("SRC")) {
                source = value;
                hasSource = true;
            }
        }
        if (!hasSource)
            return;
        source = source.trimmed();
        if (source.startsWith(u'"'))
            source.remove(0, 1);
        if (source.endsWith(u'"'))
            source.chop(1);
        QImage picture;
        if (const auto &lookup = PlotPictures::PlotGraphicClassForExtension()) {
            const auto graphic = lookup(QLatin1Char('.') + QFileInfo(source).suffix().toUpper());
            const auto &loader = PlotPictures::PlotImageLoader();
            QByteArray bytes;
            if (graphic && loader && loader(source, bytes) == 0 && !bytes.isEmpty() && graphic->LoadFromData(bytes))
                picture = graphic->Image();
        }
        if (picture.isNull()) {
            placeholder(width > 0 ? width : 40, height > 0 ? height : 40);
            return;
        }
        const int w = width > 0 ? width : picture.width();
        const int h = height > 0 ? height : picture.height();
        if (m_draw) {
            if (w == picture.width() && h == picture.height())
                m_canvas.Draw(m_x, m_y, &picture);
            else
                m_canvas.StretchDraw({m_x, m_y, m_x + w, m_y + h}, &picture);
        }
        m_x += w;
        m_y += h;
    }

    // A red-crossed white box where a picture could not be had; the position stays.
    void placeholder(int w, int h)
    {
        if (!m_draw)
            return;
        TPen *pen = m_canvas.Pen();
        pen->SetStyle(psSolid);
        pen->SetColor(clRed);
        pen->SetWidth(1);
        m_canvas.Brush()->SetStyle(bsSolid);
        m_canvas.Brush()->SetColor(clWhite);
        m_canvas.Rectangle(m_x, m_y, m_x + w, m_y + h);
        m_canvas.MoveTo(m_x, m_y);
        m_canvas.LineTo(m_x + w, m_y + h);
        m_canvas.MoveTo(m_x, m_y + h);
        m_canvas.LineTo(m_x + w, m_y);
    }

    TPlotCanvas &m_canvas;
    const bool m_draw;
    const int m_startX;
    const int m_startY;
    int m_x;
    int m_y;
    int m_lineHeight;
    bool m_centre = false;
    bool m_fontSaved = false;
    bool m_previousFontSaved = false;
    bool m_breakAdvanced = false;
    QSize m_size{0, 0};
    QStringList m_tagStack;
    QStringList m_fontStack;
};

} // namespace

void HtmlProcess(TPlotCanvas &canvas, int x, int y, QSize &size, bool draw, const QString &text)
{
    size = QSize(0, 0);
    Process process(canvas, x, y, draw);
    size = process.run(text);
}

void HtmlTextOut(TPlotCanvas &canvas, int x, int y, const QString &text)
{
    QSize size;
    HtmlProcess(canvas, x, y, size, true, text);
}

QSize HtmlTextExtent(TPlotCanvas &canvas, const QString &text)
{
    QSize size;
    HtmlProcess(canvas, 0, 0, size, false, text);
    return size;
}

QString FontWriteBack(const TFont &font)
{
    QStringList words;
    const TFontStyles style = font.Style();
    if (style.testFlag(fsBold))
        words << QStringLiteral("BOLD");
    if (style.testFlag(fsItalic))
        words << QStringLiteral("ITALIC");
    if (style.testFlag(fsUnderline))
        words << QStringLiteral("UNDERLINE");
    if (style.testFlag(fsStrikeOut))
        words << QStringLiteral("STRIKE");
    if (words.isEmpty())
        words << QStringLiteral("NORMAL");
    // Colours as the platform's signed 32-bit numbers, so system colours read back.
    return QStringLiteral("<FONT size=%1 name=%2 color=%3 weight=%4>")
        .arg(font.Size())
        .arg(font.Name())
        .arg(std::int32_t(font.Color()))
        .arg(words.join(QStringLiteral(", ")));
}

} // namespace PlotHtml
