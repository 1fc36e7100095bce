// Binds the libpng functions the PNG writer calls, by name, with dlopen.
#include "PngLibrary.h"

#include "PlotException.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace {

template<typename Function>
bool bind(void *handle, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

} // namespace

PngLibrary::PngLibrary(QString fileName)
    : m_fileName(std::move(fileName))
{
}

PngLibrary::~PngLibrary()
{
    Unload();
}

bool PngLibrary::Load()
{
    if (m_handle || m_tried)
        return m_handle != nullptr;
    m_tried = true;
    m_handle = dlopen(m_fileName.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        return false;
    if (!Resolve()) {
        Unload();
        return false;
    }
    // The function types are the header's: a library of another minor version may disagree with them.
    if (access_version_number() / 100 != PNG_LIBPNG_VER / 100) {
        Unload();
        return false;
    }
    return true;
}

bool PngLibrary::Resolve()
{
    return bind(m_handle, "png_create_write_struct", create_write_struct)
        && bind(m_handle, "png_create_info_struct", create_info_struct)
        && bind(m_handle, "png_set_compression_level", set_compression_level)
        && bind(m_handle, "png_set_write_fn", set_write_fn)
        && bind(m_handle, "png_set_write_status_fn", set_write_status_fn)
        && bind(m_handle, "png_set_IHDR", set_IHDR)
        && bind(m_handle, "png_write_info", write_info)
        && bind(m_handle, "png_write_image", write_image)
        && bind(m_handle, "png_write_end", write_end)
        && bind(m_handle, "png_write_flush", write_flush)
        && bind(m_handle, "png_destroy_write_struct", destroy_write_struct)
        && bind(m_handle, "png_get_libpng_ver", get_libpng_ver)
        && bind(m_handle, "png_access_version_number", access_version_number)
        && bind(m_handle, "png_get_io_ptr", get_io_ptr)
        && bind(m_handle, "png_get_error_ptr", get_error_ptr)
        && bind(m_handle, "png_error", error);
}

void PngLibrary::Require()
{
    if (!Load())
        throw PlotException(QCoreApplication::translate("PngLibrary", "Library %1 cannot be loaded.").arg(m_fileName));
}

void PngLibrary::Unload()
{
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
    create_write_struct = nullptr;
    create_info_struct = nullptr;
    set_compression_level = nullptr;
    set_write_fn = nullptr;
    set_write_status_fn = nullptr;
    set_IHDR = nullptr;
    write_info = nullptr;
    write_image = nullptr;
    write_end = nullptr;
    write_flush = nullptr;
    destroy_write_struct = nullptr;
    get_libpng_ver = nullptr;
    access_version_number = nullptr;
    get_io_ptr = nullptr;
    get_error_ptr = nullptr;
    error = nullptr;
}
