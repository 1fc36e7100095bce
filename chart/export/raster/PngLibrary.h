// libpng bound at run time: nothing of ours links it, so the program runs (without PNG export) where
// the library is missing. The header only gives the function types.
#pragma once

#include <png.h>

#include <QString>

class PngLibrary
{
public:
    static constexpr char kDefaultFileName[] = "libpng16.so.16";

    explicit PngLibrary(QString fileName = QString::fromLatin1(kDefaultFileName));
    ~PngLibrary();
    PngLibrary(const PngLibrary &) = delete;
    PngLibrary &operator=(const PngLibrary &) = delete;

    // Loads the library once. True when it loads, every function resolves and its major and minor
    // version are those of the header the function types come from; otherwise the handle is closed
    // and every function is null.
    bool Load();
    bool Loaded() const { return m_handle != nullptr; }
    // Load(), raising "Library <file> cannot be loaded." when it fails.
    void Require();
    void Unload();
    const QString &FileName() const { return m_fileName; }

    decltype(&png_create_write_struct) create_write_struct = nullptr;
    decltype(&png_create_info_struct) create_info_struct = nullptr;
    decltype(&png_set_compression_level) set_compression_level = nullptr;
    decltype(&png_set_write_fn) set_write_fn = nullptr;
    decltype(&png_set_write_status_fn) set_write_status_fn = nullptr;
    decltype(&png_set_IHDR) set_IHDR = nullptr;
    decltype(&png_write_info) write_info = nullptr;
    decltype(&png_write_image) write_image = nullptr;
    decltype(&png_write_end) write_end = nullptr;
    decltype(&png_write_flush) write_flush = nullptr;
    decltype(&png_destroy_write_struct) destroy_write_struct = nullptr;
    decltype(&png_get_libpng_ver) get_libpng_ver = nullptr;
    decltype(&png_access_version_number) access_version_number = nullptr;
    decltype(&png_get_io_ptr) get_io_ptr = nullptr;
    decltype(&png_get_error_ptr) get_error_ptr = nullptr;
    decltype(&png_error) error = nullptr;

private:
    bool Resolve();

    QString m_fileName;
    void *m_handle = nullptr;
    bool m_tried = false;
};
