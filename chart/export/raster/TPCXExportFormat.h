// The chart as a 24-bit, three-plane PCX picture.
#pragma once

#include "RasterExportFormat.h"

class TPCXExportFormat : public RasterExportFormat
{
public:
    TPCXExportFormat();
    void SaveToStream(QIODevice &stream) override;

protected:
    std::unique_ptr<QWidget> CreateOptions() override;
    void DoCopyToClipboard() override;
};
