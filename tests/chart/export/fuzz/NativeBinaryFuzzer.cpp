// libFuzzer target: the input as a binary native file after its 8 header bytes, through the text
// conversion and the reader.
#include "NativeChartFile.h"
#include "NativeFuzzSupport.h"
#include "PlotException.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startChartLibraries(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromHex("6030570154504630")
                             + QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    try {
        ConvertChartStreamToText(source, text);
    } catch (const PlotException &) {
    }
    readNativeChecked(bytes);
    return 0;
}
