// Random and malformed markup: the renderer may refuse a text, but only with a PlotException.
#include "ChartTestSetup.h"
#include "PlotException.h"
#include "PlotHtml.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const char *const kPieces[] = {
    "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<STRIKE>", "</STRIKE>", "</>", "<BR>", "<P>", "\r\n", "<HR>",
    "<CENTER>", "</CENTER>", "<BIG>", "<SMALL>", "<SUB>", "</SUB>", "<SUPER>", "</SUPER>", "<H1>", "<H6>",
    "<PRE>", "</PRE>", "</FONT>", "<FONT SIZE=+2147483647>", "<FONT SIZE=-2147483648>", "<FONT SIZE=0>",
    "<FONT SIZE=99999999999999999999>", "<FONT COLOR=#GGHHII>", "<FONT COLOR=#12>", "<FONT COLOR=$FFFFFFFFF>",
    "<FONT COLOR=clRed>", "<FONT name=Courier New size=10 weight=bold, italic>", "<FONT weight=>", "<FONT =>",
    "<FONT ==x>", "<FONT a b c>", "<FONT >", "<FONT", "<IMG>", "<IMG SRC=>", "<IMG SRC=\"\">", "<IMG SRC=x.png>",
    "<IMG SRC=\"a.b\" WIDTH=-5 HEIGHT=99999999999>", "<IMG WIDTH=3>", "&lt;", "&gt;", "&amp;", "&quot;", "&",
    "<", ">", "<>", "<</>>", "<<B>>", "=", " ", "x", "Wq", "\u00E9\u03A9", "\t", "\0"};

QString randomText(std::mt19937 &random)
{
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> piece(0, int(std::size(kPieces)) - 1);
    std::uniform_int_distribution<int> character(0, 127);
    QString text;
    for (int n = length(random); n > 0; --n) {
        if (random() % 5 == 0)
            text += QChar(character(random));
        else
            text += QString::fromUtf8(kPieces[piece(random)]);
    }
    return text;
}

// Draws and measures; only the library's own exceptions may come out.
void feed(TPlotCanvas &canvas, const QString &text)
{
    SCOPED_TRACE(text.toStdString());
    for (bool draw : {false, true}) {
        try {
            QSize size;
            PlotHtml::HtmlProcess(canvas, 3, 4, size, draw, text);
            EXPECT_GE(size.width(), 0);
        } catch (const PlotException &) {
        } catch (const std::exception &e) {
            ADD_FAILURE() << "not a PlotException: " << e.what();
        }
    }
}

} // namespace

TEST(MarkupFuzz, RandomTextsRaiseNothingButPlotExceptions)
{
    std::mt19937 random(20240611);
    RecordingPass recording;
    for (int i = 0; i < 4000; ++i) {
        feed(recording.canvas, randomText(random));
        recording.canvas.clear();
        recording.canvas.Font()->SetSize(8);
    }
    // Some on the screen canvas, where the sizes reach the font engine.
    ScreenPass screen(400, 300, false);
    screen.begin();
    for (int i = 0; i < 150; ++i)
        feed(screen.canvas, randomText(random));
}

TEST(MarkupFuzz, DeepNestingAndLongTextsEnd)
{
    RecordingPass r;
    const QString deep = QStringLiteral("<B><FONT SIZE=+1><SUB>").repeated(3000) + QStringLiteral("x")
                         + QStringLiteral("</></FONT></SUB>").repeated(3000);
    feed(r.canvas, deep);
    feed(r.canvas, QStringLiteral("</>").repeated(5000));
    feed(r.canvas, QStringLiteral("<").repeated(2000));
    feed(r.canvas, QStringLiteral("<BR>").repeated(20000));
    EXPECT_GT(r.canvas.count("TextOut"), 0);
}
