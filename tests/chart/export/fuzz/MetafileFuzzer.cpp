// libFuzzer target of the metafile picture class, the reader of an EMF or WMF a user hands the
// program as a back image or a picture in a chart text: the header and record checks, libemf2svg
// or libwmf, Qt's SVG renderer, and a drawing as a small panel's back image.
#include "NativeFuzzSupport.h"
#include "TBackImage.h"
#include "TCustomPlotPanelExtended.h"
#include "TMetafileGraphic.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startChartLibraries(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto graphic = std::make_shared<TMetafileGraphic>();
    if (!graphic->LoadFromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    TCustomPlotPanelExtended panel;
    panel.resize(64, 48);
    panel.BackImage()->SetGraphic(graphic);
    const QImage drawn = panel.CreateBitmap(clWhite, TRect{0, 0, 64, 48});
    if (drawn.size() != QSize(64, 48)) {
        std::fputs("a metafile taken did not draw\n", stderr);
        std::abort();
    }
    return 0;
}
