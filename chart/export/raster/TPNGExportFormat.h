// The chart as a PNG picture through libpng, bound at run time: the format is offered only where the
// library loads.
#pragma once

#include "RasterExportFormat.h"

#include <QPointer>
#include <QSpinBox>

class PngLibrary;

class TPNGExportFormat : public RasterExportFormat
{
public:
    TPNGExportFormat();
    void SaveToStream(QIODevice &stream) override;

    // zlib level 0-9.
    int CompressionLevel() const { return m_compressionLevel; }
    void SetCompressionLevel(int value);

    // The library all PNG exports use; "libpng16.so.16" unless registration named another.
    static PngLibrary &Library();
    // Loads the named library and registers the format only when it loads; otherwise the format is
    // unregistered. True when registered.
    static bool Register(const QString &libraryFile);
    // Unregisters the format and closes the library.
    static void Unregister();

protected:
    std::unique_ptr<QWidget> CreateOptions() override;
    void DoCopyToClipboard() override;

private:
    int m_compressionLevel = 9;
    QPointer<QSpinBox> m_upDown;
};
