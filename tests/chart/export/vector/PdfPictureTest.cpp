// Pictures in the PDF: JPEG files copied through with the colour space of their frame, and every
// damaged or unusual JPEG sent as raw rows without breaking the document.
#include "VectorTestSupport.h"

#include "JpegMarkers.h"
#include "TPDFCanvas.h"
#include "TPlotPDFPage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <random>

namespace {

const TRect kPage{0, 0, 400, 300};

// The stream of the image object, decoded.
QByteArray imageStream(const QByteArray &written)
{
    const QByteArray pdf = decodedPdf(written);
    const qsizetype object = pdf.indexOf("/Subtype /Image");
    const qsizetype begin = pdf.indexOf("stream\r\n", object) + 8;
    return pdf.mid(begin, pdf.indexOf("\r\nendstream", begin) - begin);
}

class PdfPictureTest : public VectorExportTest
{
protected:
    // The document with the picture stretched over (50, 50, 150, 150); its bytes offered as the
    // file it came from.
    QByteArray exportPicture(const QImage &picture, const QByteArray &bytes)
    {
        TPlotPDFPage page(400, 300);
        TPDFCanvas canvas(page);
        canvas.setEncodedBytesLookup([&](const QImage &) { return bytes; });
        canvas.InitWindow(nullptr, nullptr, clWhite, false, kPage);
        canvas.StretchDraw({50, 50, 150, 150}, &picture);
        canvas.FlushBuffer(nullptr, nullptr, kPage);
        return page.WritePDFDocument();
    }
    bool qpdfPasses(const QByteArray &pdf)
    {
        return runTool(QStringLiteral("qpdf"), {"--check", files.write("picture.pdf", pdf)}).exitCode == 0;
    }
    // The document of a JPEG file's picture, checked to carry the file's bytes and to pass qpdf.
    QByteArray exportCopiedJpeg(const QByteArray &jpeg)
    {
        const QImage picture = QImage::fromData(jpeg);
        if (picture.isNull()) {
            ADD_FAILURE() << "the JPEG does not decode";
            return {};
        }
        const QByteArray pdf = exportPicture(picture, jpeg);
        EXPECT_EQ(imageStream(pdf), jpeg);
        EXPECT_TRUE(qpdfPasses(pdf));
        return pdf;
    }
    // The rendered picture's middle is the colour, within the tolerance per channel.
    void expectRenderedColour(const QByteArray &pdf, const QColor &colour, int tolerance)
    {
        const QColor probe = rasterisePdf(files, pdf).pixelColor(100, 100);
        EXPECT_NEAR(probe.red(), colour.red(), tolerance);
        EXPECT_NEAR(probe.green(), colour.green(), tolerance);
        EXPECT_NEAR(probe.blue(), colour.blue(), tolerance);
    }
    // A grey picture of 40 x 30 through cjpeg -grayscale.
    QByteArray greyJpeg()
    {
        QImage grey(40, 30, QImage::Format_RGB32);
        grey.fill(QColor(128, 128, 128));
        grey.save(files.path("grey.ppm"), "PPM");
        const ToolResult r = runTool(QStringLiteral("cjpeg"), {"-grayscale", "-outfile", files.path("grey.jpg"),
                                                               files.path("grey.ppm")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QFile file(files.path("grey.jpg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    ScratchFiles files;
};

// A JPEG start with one frame header of the given marker and fields, and an end.
QByteArray frameHeader(int marker, int precision, int width, int height, int components, int lengthExtra = 0)
{
    QByteArray b("\xFF\xD8", 2);
    const int length = 8 + 3 * components;
    b += char(0xFF);
    b += char(marker);
    b += char((length + lengthExtra) >> 8);
    b += char((length + lengthExtra) & 0xFF);
    b += char(precision);
    b += char(height >> 8);
    b += char(height & 0xFF);
    b += char(width >> 8);
    b += char(width & 0xFF);
    b += char(components);
    for (int c = 0; c < components; ++c)
        b += QByteArray::fromHex("011100").replace(0, 1, QByteArray(1, char(c + 1)));
    b += QByteArray("\xFF\xD9", 2);
    return b;
}

} // namespace

TEST_F(PdfPictureTest, AGreyJpegIsCopiedThroughAsDeviceGray)
{
    const QByteArray pdf = exportCopiedJpeg(greyJpeg());
    EXPECT_TRUE(pdf.contains("/ColorSpace /DeviceGray\r\n")) << pdf.left(2000).toStdString();
    EXPECT_TRUE(pdf.contains("/Filter [/DCTDecode]\r\n"));
    expectRenderedColour(pdf, QColor(128, 128, 128), 8);
}

TEST_F(PdfPictureTest, AnInvertedCmykJpegIsCopiedThroughAsDeviceCmyk)
{
    // ImageMagick writes CMYK with an Adobe segment, inverted as Photoshop does.
    const ToolResult made = runTool(QStringLiteral("convert"), {"-size", "40x30", "xc:rgb(200,40,40)", "-colorspace",
                                                                "CMYK", files.path("cmyk.jpg")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    QFile file(files.path("cmyk.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = exportCopiedJpeg(file.readAll());
    EXPECT_TRUE(pdf.contains("/ColorSpace /DeviceCMYK\r\n")) << pdf.left(2000).toStdString();
    EXPECT_TRUE(pdf.contains("/Decode [1 0 1 0 1 0 1 0]"));
    expectRenderedColour(pdf, QColor(200, 40, 40), 24);
}

TEST_F(PdfPictureTest, JpegFramesOfEveryKindAreRead)
{
    QImage rgb(16, 8, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "JPEG").write(rgb);
    const std::optional<JpegFrame> written = readJpegFrame(buffer.data());
    ASSERT_TRUE(written);
    EXPECT_EQ(std::tuple(written->marker, written->precision, written->width, written->height, written->components),
              std::tuple(0xC0, 8, 16, 8, 3));
    // An Adobe segment names the transform; a CMYK frame behind it is inverted.
    QByteArray adobe("\xFF\xD8\xFF\xEE\x00\x0E" "Adobe\x00\x64\x00\x00\x00\x00\x02", 18);
    adobe += frameHeader(0xC2, 8, 4, 4, 4).mid(2);
    const std::optional<JpegFrame> cmyk = embeddableJpegFrame(adobe);
    ASSERT_TRUE(cmyk);
    EXPECT_TRUE(cmyk->adobe);
    EXPECT_EQ(cmyk->adobeTransform, 2);
    EXPECT_EQ(cmyk->components, 4);
    // A header alone decodes to no picture: it never goes into a document.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    EXPECT_FALSE(exportPicture(picture, adobe).contains("DCTDecode"));
}

TEST_F(PdfPictureTest, UnusualOrDamagedJpegsGoOutAsRawRows)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"no components", frameHeader(0xC0, 8, 4, 4, 0)},
        {"two components", frameHeader(0xC0, 8, 4, 4, 2)},
        {"width 0", frameHeader(0xC0, 8, 0, 4, 3)},
        {"12-bit", frameHeader(0xC1, 12, 4, 4, 3)},
        {"arithmetic", frameHeader(0xC9, 8, 4, 4, 3)},
        {"lossless", frameHeader(0xC3, 8, 4, 4, 3)},
        {"segment past the end", frameHeader(0xC0, 8, 4, 4, 3, 40)},
        {"another size", frameHeader(0xC0, 8, 5, 4, 3)},
        {"no frame", QByteArray("\xFF\xD8\xFF\xD9", 4)},
        {"no SOI", QByteArray("JFIF")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray pdf = exportPicture(picture, c.bytes);
        EXPECT_FALSE(pdf.contains("DCTDecode"));
        EXPECT_EQ(imageStream(pdf).size(), 4 * 4 * 3);
        EXPECT_TRUE(qpdfPasses(pdf));
    }
}

TEST_F(PdfPictureTest, ACutOrFlippedJpegNeverBreaksTheDocument)
{
    const QByteArray jpeg = greyJpeg();
    for (qsizetype cut = 0; cut < jpeg.size(); ++cut) {
        const QByteArray bytes = jpeg.left(cut);
        const QImage picture = QImage::fromData(bytes);
        const QByteArray pdf = exportPicture(picture, bytes);
        EXPECT_FALSE(pdf.contains("DCTDecode")) << cut;
        EXPECT_EQ(pdf.contains("/Subtype /Image"), !picture.isNull()) << cut;
        if (cut % 64 == 0) {
            EXPECT_TRUE(qpdfPasses(pdf)) << cut;
        }
    }
    std::mt19937 random(29);
    const QImage picture = QImage::fromData(jpeg);
    for (int flip = 0; flip < 1000; ++flip) {
        QByteArray bytes = jpeg;
        bytes[random() % bytes.size()] = char(random() % 256);
        const QByteArray pdf = exportPicture(picture, bytes);
        ASSERT_TRUE(pdf.endsWith("%%EOF\r\n")) << flip;
        if (flip % 50 == 0) {
            EXPECT_TRUE(qpdfPasses(pdf)) << flip;
        }
    }
}

TEST_F(PdfPictureTest, EveryInputThatOnceFailedGoesOutAsRawRows)
{
    const QDir dir(QStringLiteral(TENSIMO_TEST_DATA_DIR "/pdf-regress"));
    const QStringList names = dir.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = exportPicture(picture, file.readAll());
        EXPECT_FALSE(pdf.contains("DCTDecode"));
        EXPECT_TRUE(qpdfPasses(pdf));
    }
}
