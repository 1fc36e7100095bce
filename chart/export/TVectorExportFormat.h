// Base of the formats that draw the chart through a text-writing canvas: the document at the
// format's size, written to a stream or put on the clipboard.
#pragma once

#include "TPlotExportFormat.h"

#include <QByteArray>

class TVectorExportFormat : public TPlotExportFormat
{
public:
    // The whole file at the format's size.
    virtual QByteArray Document() = 0;
    void SaveToStream(QIODevice &stream) override;

protected:
    // The document as text on the clipboard.
    void DoCopyToClipboard() override;
};
