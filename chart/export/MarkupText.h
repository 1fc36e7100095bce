// Texts inside XML and HTML files: ASCII only, so the bytes are valid under any declared encoding.
#pragma once

#include <QString>

namespace MarkupText {

// & < > as entities (and " inside an attribute); every code point beyond ASCII, and tab, CR and
// LF, as &#N;. Other control characters, which XML cannot carry even as references, become "?";
// a lone surrogate, U+FFFE and U+FFFF become U+FFFD.
QString escaped(const QString &text, bool attribute);

} // namespace MarkupText
