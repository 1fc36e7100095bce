// The chart as a GIF picture made by the library's own codec, with its compression, dithering and
// colour reduction chosen on the options form.
#pragma once

#include "RasterExportFormat.h"

#include <QComboBox>
#include <QPointer>

class RadioGroup;
class TGIFImage;

class TGIFExportFormat : public RasterExportFormat
{
public:
    TGIFExportFormat();
    void SaveToStream(QIODevice &stream) override;

protected:
    std::unique_ptr<QWidget> CreateOptions() override;
    void DoCopyToClipboard() override;

private:
    // The chart reduced as the form says; "None" on more than 256 colours raises GIFException.
    std::unique_ptr<TGIFImage> CreateImage();

    QPointer<RadioGroup> m_compression;
    QPointer<QComboBox> m_dither;
    QPointer<QComboBox> m_reduction;
};

std::unique_ptr<TGraphic> createGIFGraphic();
