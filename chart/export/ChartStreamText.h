// The text form of the chart stream, both ways: "object Name: Class", one "Name = Value" per
// line, "end"; two spaces of indent per level, CR LF, ASCII only (other characters as #N).
#pragma once

#include <QByteArray>

// stream starts with "TPF0". A ChartException with the wrong-format text for anything that is
// not a well-formed stream; object nesting and every length are checked against the bytes left.
QByteArray chartStreamToText(const QByteArray &stream);
// The binary stream ("TPF0" and the object) of a text form; the same checks.
QByteArray chartTextToStream(const QByteArray &text);
// Whether a name or class can stand in the text form: a letter or '_', then letters, digits, '_', '.'.
bool isStreamIdentifier(const QByteArray &text);
