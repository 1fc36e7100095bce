// Base of the series data exporters: the text comes from AsString, the base delivers it.
#pragma once

#include <QString>

class QIODevice;

class TPlotExportData
{
public:
    TPlotExportData() = default;
    virtual ~TPlotExportData() = default;
    TPlotExportData(const TPlotExportData &) = delete;
    TPlotExportData &operator=(const TPlotExportData &) = delete;

    // The exported text; empty here.
    virtual QString AsString() const;

    // Puts the text on the clipboard; needs a running GUI application.
    virtual void CopyToClipboard() const;
    // Writes the text as UTF-8 bytes, without terminator or length prefix; false when not all were written.
    [[nodiscard]] virtual bool SaveToStream(QIODevice &stream) const;
    // Builds the bytes of SaveToStream in memory and replaces the file with them at once: on
    // failure the old file (or none) stays, false is returned and errorText says why.
    [[nodiscard]] virtual bool SaveToFile(const QString &fileName, QString *errorText = nullptr) const;
};
