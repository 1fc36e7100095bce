// A small reader of the JPEG markers up to the first frame header: what a PDF needs to embed the
// file as it is.
#pragma once

#include <QByteArrayView>

#include <optional>

struct JpegFrame
{
    int marker = 0; // the SOF marker, 0xC0 .. 0xCF
    int precision = 0;
    int width = 0;
    int height = 0;
    int components = 0;
    bool adobe = false; // an Adobe APP14 segment came first
    int adobeTransform = 0;

    // Huffman baseline, extended or progressive coding of 8-bit samples in 1, 3 or 4 components:
    // what every PDF reader decodes through DCTDecode.
    bool embeddable() const;
};

// The frame header of a JPEG file, or nothing when the bytes hold none before the scan data, a
// segment runs past the end or the file does not start with SOI.
std::optional<JpegFrame> readJpegFrame(QByteArrayView bytes);
// The frame of a whole file a PDF may embed as it is: embeddable, and ending with EOI (a cut file
// would make the reader draw a broken picture).
std::optional<JpegFrame> embeddableJpegFrame(QByteArrayView bytes);
