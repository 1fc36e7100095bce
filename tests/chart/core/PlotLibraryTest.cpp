// Library start, the exception family and colour names.
#include "ChartTestSetup.h"
#include "PlotColor.h"
#include "PlotException.h"
#include "PlotImaging.h"
#include "PlotLibrary.h"
#include "TPlotFont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

TEST(PlotLibrary, StartPutsLiberationFontsInForMissingWindowsFonts)
{
    if (QFontDatabase::families().contains(QStringLiteral("Arial")))
        GTEST_SKIP() << "Arial itself is installed";
    PlotInstallFontSubstitutions();
    // Sizes no other test asks for, so the font cache holds no earlier answer for them.
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(61);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(59);
    const QString arialFamily = QFontInfo(arial).family();
    const QString courierFamily = QFontInfo(courier).family();
    registerTestFont(); // the other tests' substitutions back
    EXPECT_EQ(arialFamily, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(courierFamily, QStringLiteral("Liberation Mono"));
}

TEST(PlotLibrary, DefaultFontIsArialEightPointsOfElevenPixels)
{
    PlotLibraryStart();
    PlotLibraryStart();
    EXPECT_EQ(PlotDefaultFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(PlotDefaultFontSize(), 8);
    EXPECT_EQ(TPlotFont().Height(), -11);
}

TEST(PlotException, EveryLibraryExceptionIsAPlotExceptionAndAStdException)
{
    const auto check = [](const auto &thrown, const char *expected) {
        try {
            throw thrown;
        } catch (const PlotException &e) {
            EXPECT_STREQ(e.what(), expected);
            EXPECT_EQ(e.message(), QString::fromUtf8(expected));
        }
        try {
            throw thrown;
        } catch (const std::exception &e) {
            EXPECT_STREQ(e.what(), expected);
        }
    };
    check(HtmlParserException(QStringLiteral("Missing > at B y")), "Missing > at B y");
    check(PlotConvertError(QStringLiteral("Unknown colour: gr\u00FCn")), "Unknown colour: gr\xC3\xBCn");
    QImage target(10, 10, QImage::Format_RGB32);
    EXPECT_THROW(PlotImaging::ResampleBitmap(QImage(1, 100, QImage::Format_RGB32), target, true), PlotException);
}

TEST(PlotColor, StringToColorReadsNamesHexadecimalAndDecimal)
{
    const struct { const char *text; TColor color; } cases[] = {
        {"clRed", clRed}, {"CLRED", clRed}, {"clBtnFace", clBtnFace}, {"clNone", clNone},
        {"$00FF0000", 0xFF0000}, {"$ff", 0x0000FF}, {"255", 0x0000FF}, {" 0 ", 0},
        {"-16777192", 0xFF000018}, {"-2147483633", clBtnFace}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PlotColor::StringToColor(QString::fromLatin1(c.text)), c.color);
    }
    for (const char *bad : {"clReddish", "$", "$GG", "12a", "", "4294967296", "#FF0000"}) {
        SCOPED_TRACE(bad);
        try {
            PlotColor::StringToColor(QString::fromLatin1(bad));
            ADD_FAILURE() << "no exception";
        } catch (const PlotConvertError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Unknown colour: ") + QString::fromLatin1(bad));
        }
    }
}
