// The two metafile encoders of a recording: enhanced (EMF) and the 16-bit Windows metafile (WMF)
// with its placeable header. Both at 96 dpi, one record per drawing operation.
#pragma once

#include "MetafileRecording.h"

#include <QByteArray>

QByteArray encodeEmf(const MetafileRecording &recording);
// Texts in Windows-1252 ("?" for others), coordinates clamped to 16 bits.
QByteArray encodeWmf(const MetafileRecording &recording);
