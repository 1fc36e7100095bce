// The chart as a baseline JPEG picture through libjpeg, with quality and grey scale on the options form.
#pragma once

#include "JpegWriter.h"
#include "RasterExportFormat.h"

#include <QCheckBox>
#include <QPointer>
#include <QSpinBox>

class RadioGroup;

class TJPEGExportFormat : public RasterExportFormat
{
public:
    TJPEGExportFormat();
    void SaveToStream(QIODevice &stream) override;

protected:
    std::unique_ptr<QWidget> CreateOptions() override;
    void DoCopyToClipboard() override;

private:
    // The default record with the form's quality, grey scale and performance.
    TJPEGOptions FormOptions();
    QByteArray Encode();

    QPointer<RadioGroup> m_performance;
    QPointer<QCheckBox> m_gray;
    QPointer<QSpinBox> m_quality;
};
