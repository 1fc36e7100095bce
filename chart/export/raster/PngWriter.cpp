// The libpng calls of the PNG writer. libpng reports errors by calling our error function, which jumps
// back to the set-up point of WritePngRows; between that point and the calls live no C++ objects.
#include "PngWriter.h"

#include "PlotException.h"
#include "PngLibrary.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

struct PngWriteState
{
    std::jmp_buf jump;
    char message[256];
    PngLibrary *library;
    QIODevice *device;
    png_structp png;
    png_infop info;
    png_uint_32 width;
    png_uint_32 height;
    int level;
    png_bytepp rows;
};

void copyMessage(PngWriteState &state, const char *message)
{
    std::strncpy(state.message, message ? message : "", sizeof state.message - 1);
    state.message[sizeof state.message - 1] = '\0';
}

// The library of the write in progress on this thread: the callbacks get only libpng's structure.
thread_local PngLibrary *t_library = nullptr;

[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    auto *state = static_cast<PngWriteState *>(t_library->get_error_ptr(png));
    copyMessage(*state, message);
    std::longjmp(state->jump, 1);
}

void onWarning(png_structp, png_const_charp)
{
}

void onWrite(png_structp png, png_bytep data, size_t length)
{
    auto *state = static_cast<PngWriteState *>(t_library->get_io_ptr(png));
    if (state->device->write(reinterpret_cast<const char *>(data), qint64(length)) != qint64(length))
        t_library->error(png, "Write Error");
}

void onFlush(png_structp)
{
}

// False with state.message set when libpng failed; the structures, if made, are left for the caller.
bool writePngRows(PngWriteState &state)
{
    PngLibrary &png = *state.library;
    if (setjmp(state.jump))
        return false;
    // The loaded library's own version: an older text makes libpng 1.6 refuse the structure.
    state.png = png.create_write_struct(png.get_libpng_ver(nullptr), &state, onError, onWarning);
    if (!state.png) {
        copyMessage(state, "Cannot create the PNG write structure");
        return false;
    }
    state.info = png.create_info_struct(state.png);
    if (!state.info)
        png.error(state.png, "Cannot create the PNG info structure");
    png.set_write_fn(state.png, &state, onWrite, onFlush);
    png.set_write_status_fn(state.png, nullptr);
    png.set_IHDR(state.png, state.info, state.width, state.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png.write_info(state.png, state.info);
    png.set_compression_level(state.png, state.level);
    png.write_image(state.png, state.rows);
    png.write_end(state.png, state.info);
    png.write_flush(state.png);
    return true;
}

} // namespace

void WritePng(QIODevice &stream, const QImage &bitmap, int compressionLevel, PngLibrary &library)
{
    library.Require();
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0)
        throw PlotException(QCoreApplication::translate("PngWriter", "Cannot write an empty PNG picture"));
    const QImage image = bitmap.format() == QImage::Format_RGB888 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB888);
    std::vector<png_bytep> rows(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(image.constScanLine(y));

    PngWriteState state{};
    state.library = &library;
    state.device = &stream;
    state.width = png_uint_32(image.width());
    state.height = png_uint_32(image.height());
    state.level = std::clamp(compressionLevel, 0, 9);
    state.rows = rows.data();
    PngLibrary *const outer = t_library;
    t_library = &library;
    const bool written = writePngRows(state);
    t_library = outer;
    if (state.png)
        library.destroy_write_struct(&state.png, state.info ? &state.info : nullptr);
    if (!written)
        throw PlotException(QCoreApplication::translate("PngWriter", "Cannot write the PNG picture: %1")
                                .arg(QString::fromLocal8Bit(state.message)));
}
