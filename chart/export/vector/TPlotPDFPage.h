// A one-page PDF 1.4 document: the content stream a canvas writes, its fonts and pictures, and
// the writer of the whole file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// What a PDF reader needs to know of a TrueType font; in thousandths of an em.
struct TPlotPDFFontListEntry
{
    QByteArray pdfName; // face name without spaces, then ",Bold" and ",Italic"
    std::array<int, 4> box{}; // left, bottom, right, top
    int firstChar = 32;
    int lastChar = 255;
    int capHeight = 0;
    int ascent = 0;
    int descent = 0; // negative
    int maxWidth = 0;
    int averageWidth = 0;
    double italicAngle = 0.0;
    std::array<int, 256> widths{};
};

struct TPlotPDFImageListEntry
{
    QImage image;
    int width = 0;
    int height = 0;
    // The bytes of the JPEG file the picture was read from, copied into the document as they
    // are; empty when the picture goes out as raw RGB rows.
    QByteArray jpeg;
    int components = 3;
    bool invertedCmyk = false;
};

class TPlotPDFPage
{
public:
    TPlotPDFPage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QByteArray &content() { return m_content; }
    const QByteArray &content() const { return m_content; }
    // The index of the font's entry, made with its metrics the first time its name is met.
    int fontIndex(const QFont &font);
    // The index of the picture's entry; equal pictures share one: equal JPEG bytes, or without
    // bytes equal pixels. JPEG bytes whose header a PDF reader cannot take, or that do not
    // describe the picture, are dropped and the pixels go out instead.
    int imageIndex(const QImage &image, const QByteArray &jpegBytes = {});
    const std::vector<TPlotPDFFontListEntry> &fonts() const { return m_fonts; }
    const std::vector<TPlotPDFImageListEntry> &images() const { return m_images; }

    // The whole file, dated with the clock.
    QByteArray WritePDFDocument() const;

    // The PDF name of a font: its face name without spaces, ",Bold", ",Italic".
    static QByteArray pdfFontName(const QFont &font);
    // A name token's characters: outside 0x21..0x7E and the delimiters as "#xx".
    static QByteArray escapedName(const QByteArray &name);
    // The font description, from the font Qt resolves.
    static TPlotPDFFontListEntry fontEntry(const QFont &font);
    // The creation date of new documents; tests set a fixed one. None: the current time.
    static void setClock(std::function<QDateTime()> clock);
    static QDateTime now();

private:
    int m_width;
    int m_height;
    QByteArray m_content;
    std::vector<TPlotPDFFontListEntry> m_fonts;
    std::vector<TPlotPDFImageListEntry> m_images;
};
