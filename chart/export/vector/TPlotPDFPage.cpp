// PDF document writer: objects with recorded offsets, fonts with descriptors and widths,
// pictures as raw RGB rows, the cross-reference table and the trailer.
#include "TPlotPDFPage.h"

#include "JpegMarkers.h"
#include "PdfFontTables.h"
#include "VectorText.h"

#include <QByteArray>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace VectorText;

namespace {

constexpr char kEol[] = "\r\n";

std::function<QDateTime()> &clockFunction()
{
    static std::function<QDateTime()> clock;
    return clock;
}

// Objects are numbered in writing order; each offset is recorded as its object opens.
class ObjectWriter
{
public:
    explicit ObjectWriter(QByteArray &out)
        : m_out(out)
    {
    }
    int open()
    {
        m_offsets.push_back(m_out.size());
        const int n = int(m_offsets.size());
        appendInt(m_out, n);
        m_out += " 0 obj";
        m_out += kEol;
        return n;
    }
    void close()
    {
        m_out += "endobj";
        m_out += kEol;
    }
    int next() const { return int(m_offsets.size()) + 1; }
    const std::vector<qsizetype> &offsets() const { return m_offsets; }

private:
    QByteArray &m_out;
    std::vector<qsizetype> m_offsets;
};

void line(QByteArray &out, const QByteArray &text)
{
    out += text;
    out += kEol;
}

QByteArray number(long long n)
{
    QByteArray s;
    appendInt(s, n);
    return s;
}

// The zlib stream that /FlateDecode reads: qCompress's output without its 4-byte length prefix.
// Level 4 is the fastest with lazy matching: a chart's operators shrink to a thirteenth, about as
// small as level 6 makes them, in a third of its time (the fastest levels leave half again as much).
QByteArray flate(const QByteArray &data)
{
    // qCompress gives nothing but the prefix for no bytes, and no bytes are no zlib stream: a page
    // with nothing drawn takes the stream of empty input (header, empty final block, Adler-32 of 1).
    if (data.isEmpty())
        return QByteArrayLiteral("\x78\x5e\x03\x00\x00\x00\x00\x01");
    constexpr int kLevel = 4;
    return qCompress(data, kLevel).sliced(4);
}

} // namespace

TPlotPDFPage::TPlotPDFPage(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

void TPlotPDFPage::setClock(std::function<QDateTime()> clock)
{
    clockFunction() = std::move(clock);
}

QDateTime TPlotPDFPage::now()
{
    return clockFunction() ? clockFunction()() : QDateTime::currentDateTime();
}

QByteArray TPlotPDFPage::pdfFontName(const QFont &font)
{
    QString name = font.family();
    if (font.bold())
        name += QStringLiteral(",Bold");
    if (font.italic())
        name += QStringLiteral(",Italic");
    name.remove(QLatin1Char(' '));
    return name.toUtf8();
}

QByteArray TPlotPDFPage::escapedName(const QByteArray &name)
{
    static constexpr char kDelimiters[] = "()<>[]{}/%#";
    QByteArray out;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u > 0x7E || std::char_traits<char>::find(kDelimiters, sizeof kDelimiters - 1, c)) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "#%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

TPlotPDFFontListEntry TPlotPDFPage::fontEntry(const QFont &font)
{
    TPlotPDFFontListEntry entry;
    entry.pdfName = pdfFontName(font);
    QFont sized = font;
    sized.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(sized);
    // The tables describe the face; the QRawFont values stand in for a short or missing table.
    entry.ascent = int(std::lround(raw.ascent()));
    entry.descent = -int(std::lround(raw.descent()));
    entry.averageWidth = int(std::lround(raw.averageCharWidth()));
    entry.maxWidth = int(std::lround(raw.maxCharWidth()));
    entry.capHeight = int(std::lround(raw.capHeight()));
    entry.box = {0, entry.descent, entry.maxWidth, entry.ascent};
    if (const auto head = PdfFontTables::readHead(raw.fontTable("head"))) {
        const double scale = 1000.0 / head->unitsPerEm;
        entry.box = {int(std::lround(head->xMin * scale)), int(std::lround(head->yMin * scale)),
                     int(std::lround(head->xMax * scale)), int(std::lround(head->yMax * scale))};
        if (const auto hhea = PdfFontTables::readHorizontalHeader(raw.fontTable("hhea"))) {
            entry.ascent = int(std::lround(hhea->ascent * scale));
            entry.descent = int(std::lround(hhea->descent * scale));
        }
        if (const auto os2 = PdfFontTables::readOS2(raw.fontTable("OS/2"))) {
            entry.averageWidth = int(std::lround(os2->averageWidth * scale));
            if (os2->capHeight)
                entry.capHeight = int(std::lround(*os2->capHeight * scale));
        }
    }
    if (const auto angle = PdfFontTables::readItalicAngle(raw.fontTable("post")))
        entry.italicAngle = *angle;
    // Widths of the WinAnsi codes the file can hold: code, Unicode, glyph, advance.
    for (int code = entry.firstChar; code <= entry.lastChar; ++code) {
        const char16_t u = winAnsiToUnicode(code);
        if (u == 0)
            continue;
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString(QChar(u)));
        if (glyphs.isEmpty())
            continue;
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        if (!advances.isEmpty())
            entry.widths[std::size_t(code)] = int(std::lround(advances.first().x()));
    }
    return entry;
}

int TPlotPDFPage::fontIndex(const QFont &font)
{
    const QByteArray name = pdfFontName(font);
    const auto found =
        std::find_if(m_fonts.begin(), m_fonts.end(), [&](const TPlotPDFFontListEntry &e) { return e.pdfName == name; });
    if (found != m_fonts.end())
        return int(found - m_fonts.begin());
    m_fonts.push_back(fontEntry(font));
    return int(m_fonts.size()) - 1;
}

int TPlotPDFPage::imageIndex(const QImage &image, const QByteArray &jpegBytes)
{
    TPlotPDFImageListEntry entry;
    entry.image = image;
    entry.width = image.width();
    entry.height = image.height();
    if (!jpegBytes.isEmpty()) {
        // The bytes must also decode to the picture: damaged scan data passes every header check,
        // and a reader would then draw, or refuse, something else than the chart shows.
        const std::optional<JpegFrame> frame = embeddableJpegFrame(jpegBytes);
        if (frame && frame->width == image.width() && frame->height == image.height() &&
            QImage::fromData(jpegBytes, "JPEG").convertToFormat(QImage::Format_RGB32) ==
                image.convertToFormat(QImage::Format_RGB32)) {
            entry.jpeg = jpegBytes;
            entry.components = frame->components;
            // Adobe's CMYK JPEGs store the inks inverted.
            entry.invertedCmyk = frame->components == 4 && frame->adobe;
        }
    }
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        const TPlotPDFImageListEntry &known = m_images[i];
        if (!entry.jpeg.isEmpty() || !known.jpeg.isEmpty()) {
            if (known.jpeg == entry.jpeg)
                return int(i);
            continue;
        }
        // The cache key finds the very same picture at once.
        if (known.image.cacheKey() == image.cacheKey() || known.image == image)
            return int(i);
    }
    m_images.push_back(std::move(entry));
    return int(m_images.size()) - 1;
}

QByteArray TPlotPDFPage::WritePDFDocument() const
{
    QByteArray out;
    ObjectWriter objects(out);
    line(out, "%PDF-1.4");

    const QByteArray date = "(D:" + now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + ")";
    objects.open();
    line(out, "<<");
    line(out, "/Creator (Plot Library 3.0)");
    line(out, "/Producer (Plot Library 3.0)");
    line(out, "/CreationDate " + date);
    line(out, "/ModDate " + date);
    line(out, "/Keywords ()");
    line(out, "/Title (TChart Export)");
    line(out, ">>");
    objects.close();

    objects.open();
    const QByteArray content = flate(m_content);
    line(out, "<< /Length " + number(content.size()) + " /Filter /FlateDecode >>");
    line(out, "stream");
    out += content;
    out += kEol;
    line(out, "endstream");
    objects.close();

    std::vector<int> fontObjects;
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const TPlotPDFFontListEntry &f = m_fonts[i];
        const QByteArray name = escapedName(f.pdfName);
        const int first = std::clamp(f.firstChar, 32, 255);
        const int last = std::clamp(f.lastChar, first, 255);
        const int font = objects.open();
        fontObjects.push_back(font);
        line(out, "<< /Type /Font");
        line(out, "/Subtype /TrueType");
        line(out, "/BaseFont /" + name);
        line(out, "/Name /F" + number(qsizetype(i)));
        line(out, "/FirstChar " + number(first));
        line(out, "/LastChar " + number(last));
        line(out, "/Encoding /WinAnsiEncoding");
        line(out, "/FontDescriptor " + number(font + 1) + " 0 R");
        line(out, "/Widths " + number(font + 2) + " 0 R");
        line(out, ">>");
        objects.close();
        objects.open();
        line(out, "<< /Type /FontDescriptor");
        line(out, "/FontName /" + name);
        line(out, "/Flags 32");
        line(out, "/FontBBox [" + number(f.box[0]) + ' ' + number(f.box[1]) + ' ' + number(f.box[2]) + ' ' +
                      number(f.box[3]) + "]");
        line(out, "/CapHeight " + number(f.capHeight));
        line(out, "/Ascent " + number(f.ascent));
        line(out, "/Descent " + number(f.descent));
        line(out, "/MaxWidth " + number(f.maxWidth));
        line(out, "/AvgWidth " + number(f.averageWidth));
        line(out, "/ItalicAngle " + shortest(f.italicAngle));
        line(out, "/StemV 0");
        line(out, ">>");
        objects.close();
        objects.open();
        line(out, "[");
        for (int code = first; code <= last; ++code) {
            appendInt(out, f.widths[std::size_t(code)]);
            out += ' ';
            if (code % 15 == 14)
                out += kEol;
        }
        out += kEol;
        line(out, "]");
        objects.close();
    }

    std::vector<int> imageObjects;
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        const TPlotPDFImageListEntry &picture = m_images[i];
        QByteArray data = picture.jpeg;
        const char *colorSpace = "/DeviceRGB";
        if (data.isEmpty()) {
            const QImage rgb = picture.image.convertToFormat(QImage::Format_RGB888);
            data.reserve(qsizetype(rgb.width()) * 3 * rgb.height());
            for (int y = 0; y < rgb.height(); ++y)
                data.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), qsizetype(rgb.width()) * 3);
            data = flate(data);
        } else if (picture.components == 1) {
            colorSpace = "/DeviceGray";
        } else if (picture.components == 4) {
            colorSpace = "/DeviceCMYK";
        }
        imageObjects.push_back(objects.open());
        line(out, "<< /Type /XObject");
        line(out, "/Subtype /Image");
        line(out, "/Name /Im" + number(qsizetype(i)));
        line(out, "/Length " + number(data.size()));
        line(out, "/Width " + number(picture.width));
        line(out, "/Height " + number(picture.height));
        line(out, QByteArray("/ColorSpace ") + colorSpace);
        line(out, "/BitsPerComponent 8");
        line(out, picture.jpeg.isEmpty() ? "/Filter /FlateDecode" : "/Filter [/DCTDecode]");
        if (picture.invertedCmyk)
            line(out, "/Decode [1 0 1 0 1 0 1 0]");
        line(out, ">>");
        line(out, "stream");
        out += data;
        out += kEol;
        line(out, "endstream");
        objects.close();
    }

    const int resources = objects.open();
    line(out, "<< /ProcSet [/PDF /Text /ImageC]");
    line(out, "/Font << ");
    for (std::size_t i = 0; i < fontObjects.size(); ++i)
        line(out, "/F" + number(qsizetype(i)) + ' ' + number(fontObjects[i]) + " 0 R");
    line(out, ">>");
    line(out, "/XObject << ");
    for (std::size_t i = 0; i < imageObjects.size(); ++i)
        line(out, "/Im" + number(qsizetype(i)) + ' ' + number(imageObjects[i]) + " 0 R");
    line(out, ">>");
    line(out, ">>");
    objects.close();

    const int pages = objects.open();
    line(out, "<< /Type /Pages");
    line(out, "/Kids [" + number(pages + 1) + " 0 R]");
    line(out, "/Count 1");
    line(out, ">>");
    objects.close();

    objects.open();
    line(out, "<< /Type /Page");
    line(out, "/Parent " + number(pages) + " 0 R");
    line(out, "/MediaBox [ 0 0 " + number(m_width) + ' ' + number(m_height) + " ]");
    line(out, "/Contents 2 0 R");
    line(out, "/Resources " + number(resources) + " 0 R");
    line(out, ">>");
    objects.close();

    const int root = objects.open();
    line(out, "<< /Type /Catalog");
    line(out, "/Pages " + number(pages) + " 0 R");
    line(out, ">>");
    objects.close();

    const qsizetype xref = out.size();
    const int size = int(objects.offsets().size()) + 1;
    line(out, "xref");
    line(out, "0 " + number(size));
    line(out, "0000000000 65535 f");
    for (const qsizetype offset : objects.offsets()) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n", static_cast<long long>(offset));
        line(out, entry);
    }
    line(out, "trailer");
    line(out, "<< /Size " + number(size));
    line(out, "/Root " + number(root) + " 0 R");
    line(out, "/Info 1 0 R");
    line(out, ">>");
    line(out, "startxref");
    line(out, number(xref));
    line(out, "%%EOF");
    return out;
}
