// libFuzzer target: the input as the text form of a native file.
#include "NativeFuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startChartLibraries(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readNativeChecked(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
