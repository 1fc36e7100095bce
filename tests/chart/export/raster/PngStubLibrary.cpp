// Stand-ins for libpng that the loader must refuse: one lacks a function, one is of another version.
// They are only looked up, never called, except for the version.

extern "C" {
void png_create_write_struct() {}
void png_create_info_struct() {}
void png_set_compression_level() {}
void png_set_write_fn() {}
void png_set_write_status_fn() {}
void png_set_IHDR() {}
void png_write_info() {}
void png_write_image() {}
#ifndef STUB_WITHOUT_WRITE_END
void png_write_end() {}
#endif
void png_write_flush() {}
void png_destroy_write_struct() {}
const char *png_get_libpng_ver() { return STUB_VERSION_TEXT; }
unsigned long png_access_version_number() { return STUB_VERSION; }
void png_get_io_ptr() {}
void png_get_error_ptr() {}
void png_error() {}
}
