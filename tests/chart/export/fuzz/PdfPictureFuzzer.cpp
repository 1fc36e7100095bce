// libFuzzer target of the PDF export's byte readers: the first byte picks the JPEG marker reader
// (a back image a user can hand the program) or one of the font-table readers.
#include "JpegMarkers.h"
#include "PdfFontTables.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 5) {
    case 0:
        if (const auto frame = embeddableJpegFrame(bytes))
            (void)frame->components;
        (void)readJpegFrame(bytes);
        break;
    case 1: (void)PdfFontTables::readHead(bytes); break;
    case 2: (void)PdfFontTables::readHorizontalHeader(bytes); break;
    case 3: (void)PdfFontTables::readOS2(bytes); break;
    default: (void)PdfFontTables::readItalicAngle(bytes); break;
    }
    return 0;
}
