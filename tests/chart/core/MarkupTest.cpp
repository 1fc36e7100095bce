// Chart text markup on the recording canvas: 7 pixels per character, 12 high.
#include "GoldenFiles.h"
#include "PlotException.h"
#include "PlotHtml.h"
#include "PlotPictures.h"
#include "RecordingCanvas.h"
#include "TFont.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace PlotHtml;

namespace {

std::vector<int> args(std::initializer_list<int> values) { return values; }

struct MarkupPass : RecordingPass
{
    std::vector<RecordedCall> draw(const QString &text)
    {
        canvas.clear();
        HtmlTextOut(canvas, 0, 0, text);
        return canvas.calls("TextOut");
    }
};

} // namespace

TEST(Markup, EntitiesStylesAndUnknownTags)
{
    MarkupPass m;
    auto texts = m.draw(QStringLiteral("a&amp;lt;b"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("a&lt;b")); // &lt; is replaced before &amp;

    texts = m.draw(QStringLiteral("<B>x</>y"));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("x"));
    EXPECT_TRUE(texts[0].fontStyle.testFlag(fsBold));
    EXPECT_EQ(texts[1].args, args({7, 0, 0}));
    EXPECT_FALSE(texts[1].fontStyle.testFlag(fsBold));

    texts = m.draw(QStringLiteral("<XYZ>"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("<XYZ>"));
}

TEST(Markup, FontTagsChangeAndRestoreTheFont)
{
    MarkupPass m;
    m.canvas.Font()->SetSize(8);
    auto texts = m.draw(QStringLiteral("<FONT SIZE=+2>a</>b"));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].fontSize, 10);
    EXPECT_EQ(texts[1].fontSize, 8);

    m.canvas.Font()->SetName(QStringLiteral("Arial"));
    texts = m.draw(QStringLiteral("<FONT name=Courier New size=10 weight=bold, italic>a</FONT>b"));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].fontName.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive), 0);
    EXPECT_EQ(texts[0].fontSize, 10);
    EXPECT_EQ(texts[0].fontStyle, TFontStyles(fsBold | fsItalic));
    EXPECT_EQ(texts[1].fontName, QStringLiteral("Arial"));
    EXPECT_EQ(texts[1].fontSize, 8);
    EXPECT_EQ(texts[1].fontStyle, TFontStyles());

    m.canvas.Font()->SetSize(10);
    texts = m.draw(QStringLiteral("<BIG>a</FONT><SMALL>b</FONT><H2>c"));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].fontSize, 12);
    EXPECT_EQ(texts[1].fontSize, 8);
    EXPECT_EQ(texts[2].fontSize, 36);
}

TEST(Markup, ColoursByNameHashPlatformNameAndHexadecimal)
{
    const struct { const char *tag; TColor color; } cases[] = {
        {"<font color=#FF0000>", 0x0000FF}, {"<FONT COLOR=BLUE>", 0xFF0000}, {"<FONT COLOR=LIME>", 0x00FF00},
        {"<FONT COLOR=clRed>", 0x0000FF}, {"<FONT COLOR=$00FF0000>", 0xFF0000}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        MarkupPass m;
        const auto texts = m.draw(QString::fromLatin1(c.tag) + QStringLiteral("r"));
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].textColor, c.color);
    }
}

TEST(Markup, FaultsRaiseTheirExceptions)
{
    MarkupPass m;
    try {
        HtmlTextOut(m.canvas, 0, 0, QStringLiteral("x<B y"));
        ADD_FAILURE() << "no exception";
    } catch (const HtmlParserException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Missing > at B y"));
    }
    ASSERT_EQ(m.canvas.count("TextOut"), 1); // what came before the fault is drawn
    EXPECT_EQ(m.canvas.calls("TextOut")[0].text, QStringLiteral("x"));
    const struct { const char *text; const char *message; } general[] = {
        {"<FONT FACE=Arial>a", "Unknown field in FONT: FACE"},
        {"<font weight=heavy>a", "Unknown field in FONT WEIGHT=HEAVY"}};
    for (const auto &c : general) {
        SCOPED_TRACE(c.text);
        try {
            HtmlTextOut(m.canvas, 0, 0, QString::fromLatin1(c.text));
            ADD_FAILURE() << "no exception";
        } catch (const PlotConvertError &) {
            ADD_FAILURE() << "a conversion error";
        } catch (const PlotException &e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(c.message));
        }
    }
    for (const char *text : {"<FONT SIZE=x1>a", "<FONT COLOR=mauve>a", "<IMG SRC=a.png WIDTH=wide>"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(HtmlTextOut(m.canvas, 0, 0, QString::fromLatin1(text)), PlotConvertError);
    }
}

TEST(Markup, ImagesWithoutALoaderShowAPlaceholderAndDoNotAdvance)
{
    MarkupPass m;
    m.draw(QStringLiteral("<IMG SRC=\"pic.xyz\">t"));
    const auto boxes = m.canvas.calls("Rectangle");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args, args({0, 0, 40, 40}));
    EXPECT_EQ(boxes[0].penColor, clRed);
    EXPECT_EQ(boxes[0].penWidth, 1);
    EXPECT_EQ(boxes[0].penStyle, psSolid);
    EXPECT_EQ(boxes[0].brushColor, clWhite);
    EXPECT_EQ(boxes[0].brushStyle, bsSolid);
    const auto moves = m.canvas.calls("MoveTo");
    const auto lines = m.canvas.calls("LineTo");
    ASSERT_EQ(moves.size(), 2u);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(moves[0].args, args({0, 0}));
    EXPECT_EQ(lines[0].args, args({40, 40}));
    EXPECT_EQ(moves[1].args, args({0, 40}));
    EXPECT_EQ(lines[1].args, args({40, 0}));
    ASSERT_EQ(m.canvas.count("TextOut"), 1);
    EXPECT_EQ(m.canvas.calls("TextOut")[0].args, args({0, 0, 0}));

    m.draw(QStringLiteral("<IMG SRC=\"pic.xyz\" WIDTH=10 HEIGHT=20>"));
    ASSERT_EQ(m.canvas.count("Rectangle"), 1);
    EXPECT_EQ(m.canvas.calls("Rectangle")[0].args, args({0, 0, 10, 20}));
}

namespace {

// The picture hooks as an export format and a host would install them: PNG bytes for any source.
struct PictureHooks
{
    class Png : public TGraphic
    {
    public:
        bool LoadFromData(const QByteArray &data) override { return m_image.loadFromData(data, "PNG"); }
        QImage Image() const override { return m_image; }

    private:
        QImage m_image;
    };

    PictureHooks()
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(6, 4, QImage::Format_RGB32).save(&buffer, "PNG");
        PlotPictures::PlotGraphicClassForExtension() = [](const QString &extension) -> std::unique_ptr<TGraphic> {
            return extension == QLatin1String(".PNG") ? std::make_unique<Png>() : nullptr;
        };
        PlotPictures::PlotImageLoader() = [this](const QString &source, QByteArray &stream) {
            sources << source;
            stream = png;
            return 0;
        };
    }
    ~PictureHooks()
    {
        PlotPictures::PlotGraphicClassForExtension() = {};
        PlotPictures::PlotImageLoader() = {};
    }
    QByteArray png;
    QStringList sources;
};

} // namespace

TEST(Markup, PicturesFromTheHooksAreDrawnAndMoveThePosition)
{
    PictureHooks hooks;
    MarkupPass m;
    auto texts = m.draw(QStringLiteral("<IMG SRC=\"a.png\">t"));
    EXPECT_EQ(hooks.sources, QStringList{QStringLiteral("a.png")});
    ASSERT_EQ(m.canvas.count("Draw"), 1);
    EXPECT_EQ(m.canvas.calls("Draw")[0].args, args({0, 0, 6, 4}));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args, args({6, 4, 0}));

    texts = m.draw(QStringLiteral("<IMG SRC=b.png WIDTH=12>"));
    ASSERT_EQ(m.canvas.count("StretchDraw"), 1);
    EXPECT_EQ(m.canvas.calls("StretchDraw")[0].args, args({0, 0, 12, 4}));
    m.draw(QStringLiteral("<IMG SRC=c.gif>")); // no format for it: the placeholder
    EXPECT_EQ(m.canvas.count("Rectangle"), 1);
}

TEST(Markup, ExtentsMeasureWithoutDrawing)
{
    MarkupPass m;
    const struct { const char *text; QSize size; } cases[] = {
        {"Hello", {35, 12}}, {"ab<B>cd", {28, 12}}, {"<HR>", {0, 0}}, {"a<BR>b", {7, 24}}, {"a\r\n<B>bc", {14, 24}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HtmlTextExtent(m.canvas, QString::fromLatin1(c.text)), c.size);
    }
    EXPECT_TRUE(m.canvas.calls().empty());
}

TEST(Markup, CentringAndRulesUseTheBounds)
{
    RecordingPass r;
    r.canvas.InitWindow(nullptr, &r.options, clWhite, false, {0, 0, 100, 50});
    r.canvas.clear();
    HtmlTextOut(r.canvas, 0, 0, QStringLiteral("<CENTER>ab"));
    ASSERT_EQ(r.canvas.count("TextOut"), 1);
    EXPECT_EQ(r.canvas.calls("TextOut")[0].args, args({43, 0, 0}));
    r.canvas.clear();
    HtmlTextOut(r.canvas, 5, 5, QStringLiteral("<HR>"));
    const auto rules = r.canvas.calls("HorizLine");
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].args, args({5, 105, 5}));
    EXPECT_EQ(rules[0].penColor, 0x808080u);
    EXPECT_EQ(rules[0].penWidth, 1);
    EXPECT_EQ(rules[0].penStyle, psSolid);
}

TEST(Markup, FontWriteBackForm)
{
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(8);
    font.SetColor(0);
    font.SetStyle(fsBold | fsUnderline);
    EXPECT_EQ(FontWriteBack(font), QStringLiteral("<FONT size=8 name=Arial color=0 weight=BOLD, UNDERLINE>"));
    font.SetStyle({});
    EXPECT_EQ(FontWriteBack(font), QStringLiteral("<FONT size=8 name=Arial color=0 weight=NORMAL>"));
}

TEST(Markup, TextOutFormatDrawsMarkupOnlyWhenAsked)
{
    MarkupPass m;
    m.canvas.TextOutFormat(0, 0, QStringLiteral("<B>x"), false);
    ASSERT_EQ(m.canvas.count("TextOut"), 1);
    EXPECT_EQ(m.canvas.calls("TextOut")[0].text, QStringLiteral("<B>x"));
    m.canvas.clear();
    m.canvas.TextOutFormat(0, 0, QStringLiteral("<B>x"), true);
    ASSERT_EQ(m.canvas.count("TextOut"), 1);
    EXPECT_EQ(m.canvas.calls("TextOut")[0].text, QStringLiteral("x"));
    EXPECT_TRUE(m.canvas.calls("TextOut")[0].fontStyle.testFlag(fsBold));
}

TEST(Markup, StacksBelongToOneTextBreaksAdvanceOnceSizesAreBounded)
{
    MarkupPass m;
    for (int i = 0; i < 1000; ++i)
        HtmlTextOut(m.canvas, 0, 0, QStringLiteral("<B>x</B>"));
    // Nothing of those texts, nor of an unclosed one, is left for "</>" to pop.
    m.draw(QStringLiteral("<B>x"));
    auto texts = m.draw(QStringLiteral("</>y"));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("</"));
    EXPECT_TRUE(texts[1].fontStyle.testFlag(fsBold));
    m.canvas.Font()->SetStyle({});

    for (const char *text : {"a<BR>b", "a<P>b", "a\r\n<B>b", "a<B>\r\n</B>b"}) {
        SCOPED_TRACE(text);
        texts = m.draw(QString::fromLatin1(text));
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].args, args({0, 12, 0}));
    }

    texts = m.draw(QStringLiteral("<FONT SIZE=+2147483647>a<FONT SIZE=-99999999999>b"));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].fontSize, 1000);
    EXPECT_EQ(texts[1].fontSize, 1);
}

TEST(GoldenLogs, MarkupParagraph)
{
    MarkupPass m;
    m.canvas.Font()->SetSize(10);
    m.draw(QStringLiteral("<CENTER><B>Vapour pressure</B></CENTER><BR>of <I>water</I> at 100 &deg;C:<BR>"
                          "<FONT color=#0000FF size=+4>1.014</FONT> bar<HR>p<SUB>sat</SUB> &gt; p<SUPER>0</SUPER>"
                          " and <PRE>fixed</PRE> <U>lined</> <STRIKE>struck</STRIKE>"));
    expectMatchesGolden(m.canvas.dump(), QStringLiteral("markup_paragraph.log"));
}
