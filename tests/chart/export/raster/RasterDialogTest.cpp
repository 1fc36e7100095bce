// The PCX, PNG, GIF and JPEG formats saved and copied through the export dialog's buttons, read
// back by independent decoders.
#include "ExportTestSupport.h"
#include "GIFTypes.h"
#include "RasterTestSupport.h"
#include "ReduceColors.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TCustomPlotGradient.h"
#include "TPlotExportForm.h"
#include "TPlotExportFormat.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

using RasterTest::differingPixels;
using RasterTest::meanAbsoluteError;
using RasterTest::readNetpbm;

namespace {

struct RasterCase
{
    const char *extension;
    const char *decoder;
    // Mean difference per channel the format may leave: 0 for the exact ones.
    double tolerance;
    // Whether the file holds the chart reduced to 256 colours, as the default GIF does.
    bool reduced;
};

const RasterCase kCases[] = {
    {"pcx", "pcxtoppm", 0, false},
    {"png", "pngtopam", 0, false},
    {"gif", "giftopnm", 0, true},
    {"jpg", "djpeg", 2, false},
};

class RasterDialog : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        form.SetExportPanel(chart.get());
        form.show();
    }
    void selectFormat(const char *extension)
    {
        EXPECT_TRUE(selectExportFormat(form, QLatin1String(extension))) << "no format for " << extension;
    }
    QImage decode(const RasterCase &c, const QByteArray &bytes)
    {
        const ToolResult result = runTool(QString::fromLatin1(c.decoder), {}, bytes);
        EXPECT_EQ(result.exitCode, 0) << c.decoder << ": " << result.err.toStdString();
        return readNetpbm(result.out);
    }
    void expectPicture(const RasterCase &c, const QImage &decoded, const QImage &bitmap)
    {
        const QImage expected = c.reduced ? ReduceColors(bitmap, rmQuantizeWindows, dmNearest, 8, {}) : bitmap;
        ASSERT_EQ(decoded.size(), expected.size());
        if (c.tolerance == 0)
            EXPECT_EQ(differingPixels(decoded, expected), 0);
        else
            EXPECT_LE(meanAbsoluteError(decoded, expected), c.tolerance);
    }

    std::unique_ptr<TChart> chart;
    TPlotExportForm form;
};

TEST_F(RasterDialog, SavesEachFormatAsTheChartShowsIt)
{
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    const QImage expected = chart->CreateBitmap(chart->GetBackColor(), {0, 0, 400, 300});
    for (const RasterCase &c : kCases) {
        SCOPED_TRACE(c.extension);
        selectFormat(c.extension);
        // No extension typed: the selected format's is added.
        dialogs.queueSaveFile(dir.filePath(QStringLiteral("chart")));
        form.BSave->click();
        const QByteArray bytes = readFile(dir.filePath(QStringLiteral("chart.") + QLatin1String(c.extension)));
        expectPicture(c, decode(c, bytes), expected);
    }
}

TEST_F(RasterDialog, CopiesEachFormatAtTheDialogsSize)
{
    form.UDWidth->setValue(200);
    ASSERT_EQ(form.UDHeight->value(), 150);
    const QImage expected = chart->CreateBitmap(chart->GetBackColor(), {0, 0, 200, 150});
    for (const RasterCase &c : kCases) {
        SCOPED_TRACE(c.extension);
        selectFormat(c.extension);
        QGuiApplication::clipboard()->clear();
        form.BCopy->click();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        // GIF and JPEG leave their file bytes, which the decoders read; PCX and PNG a picture.
        const QString mime = QStringLiteral("image/") + QLatin1String(c.extension == QByteArray("jpg") ? "jpeg" : c.extension);
        if (data->hasFormat(mime))
            expectPicture(c, decode(c, data->data(mime)), expected);
        else
            expectPicture(c, qvariant_cast<QImage>(data->imageData()), expected);
    }
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/jpeg")));
}

TEST_F(RasterDialog, TooManyColoursForAnExactGifShowOneBoxAndWriteNothing)
{
    chart->Gradient()->SetVisible(true);
    chart->Gradient()->SetStartColor(clWhite);
    chart->Gradient()->SetEndColor(clNavy);
    const QTemporaryDir dir;
    ScriptedDialogService dialogs;
    ScriptedMessageService messages;
    selectFormat("gif");
    auto *reduction = form.findChild<QComboBox *>(QStringLiteral("CBReduction"));
    ASSERT_NE(reduction, nullptr);
    reduction->setCurrentIndex(rmNone);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("gradient.gif")));
    form.BSave->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Image has more than 256 colors; choose a colour reduction"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The dialog goes on: with a reduction the same save writes the file.
    reduction->setCurrentIndex(rmQuantize);
    dialogs.queueSaveFile(dir.filePath(QStringLiteral("gradient.gif")));
    form.BSave->click();
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(runTool(QStringLiteral("gifsicle"), {QStringLiteral("--info")}, readFile(dir.filePath(QStringLiteral("gradient.gif")))).exitCode, 0);
}

} // namespace
