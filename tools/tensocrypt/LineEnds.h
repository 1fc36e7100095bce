// Line-end normalisation of data sources before they are encrypted.
#pragma once

#include <QByteArray>

// Turns CR LF, lone LF and lone CR into CR LF: sources may come out of git with LF only,
// and the program reads its data as CR LF text.
QByteArray toCrLfLineEnds(const QByteArray &text);
