// EMF and WMF files made SVG by the Debian libraries libemf2svg and libwmf. Their headers and
// record chains are checked here first, so the libraries only get whole files, and the picture
// size is bounded before anything is converted or drawn.
#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

namespace MetafileSvg {

enum class Kind { None, Emf, Wmf };

// An EMF by its header record, a WMF by its placeable header or its plain header.
Kind kindOf(const QByteArray &bytes);

// The picture size in pixels (96 per inch) that a whole metafile declares; an invalid size when
// the header or a record runs past the file, a record's size is impossible or the final record
// is missing. The size is not bounded here.
QSize declaredSize(const QByteArray &bytes);

// The metafile as an SVG document of the given size (from declaredSize, bounded by the caller);
// none when the library refuses it.
std::optional<QByteArray> toSvg(const QByteArray &bytes, QSize size);

} // namespace MetafileSvg
