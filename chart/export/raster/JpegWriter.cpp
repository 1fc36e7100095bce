// The libjpeg calls of the JPEG writer. libjpeg's error_exit jumps back to the set-up point of
// compressRows; between that point and the calls live no C++ objects.
#include "JpegWriter.h"

#include "PlotException.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct JpegErrorState
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onErrorExit(j_common_ptr info)
{
    auto *state = reinterpret_cast<JpegErrorState *>(info->err);
    info->err->format_message(info, state->message);
    std::longjmp(state->jump, 1);
}

void onOutputMessage(j_common_ptr)
{
}

struct JpegCompression
{
    jpeg_compress_struct info;
    JpegErrorState error;
    const QImage *image;
    const TJPEGOptions *options;
    unsigned char *buffer;
    unsigned long size;
};

bool compressRows(JpegCompression &job)
{
    jpeg_compress_struct &info = job.info;
    info.err = jpeg_std_error(&job.error.manager);
    job.error.manager.error_exit = onErrorExit;
    job.error.manager.output_message = onOutputMessage;
    if (setjmp(job.error.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.buffer, &job.size);
    info.image_width = JDIMENSION(job.image->width());
    info.image_height = JDIMENSION(job.image->height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp<int>(job.options->Quality, 1, 100), TRUE);
    if (job.options->Grayscale)
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    if (job.options->ProgressiveEncoding)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job.image->constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

void WriteJpeg(QIODevice &stream, const QImage &bitmap, const TJPEGOptions &options)
{
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0)
        throw PlotException(QCoreApplication::translate("JpegWriter", "Cannot write an empty JPEG picture"));
    const QImage image = bitmap.format() == QImage::Format_RGB888 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB888);
    JpegCompression job{};
    job.image = &image;
    job.options = &options;
    const bool compressed = compressRows(job);
    jpeg_destroy_compress(&job.info);
    const QByteArray bytes = compressed ? QByteArray(reinterpret_cast<const char *>(job.buffer), qsizetype(job.size))
                                        : QByteArray();
    std::free(job.buffer);
    if (!compressed)
        throw PlotException(QCoreApplication::translate("JpegWriter", "Cannot write the JPEG picture: %1")
                                .arg(QString::fromLocal8Bit(job.error.message)));
    if (stream.write(bytes) != bytes.size())
        throw PlotException(QCoreApplication::translate("JpegWriter", "Cannot write the JPEG picture: %1")
                                .arg(stream.errorString()));
}
