// The PDF format: the chart as a one-page PDF 1.4 document.
#pragma once

#include "TVectorExportFormat.h"

class TPDFExportFormat : public TVectorExportFormat
{
public:
    QString Description() const override;
    QString FileExtension() const override { return QStringLiteral("pdf"); }
    QString FileFilter() const override;
    QByteArray Document() override;

protected:
    // The document as "application/pdf": Copy with PDF chosen must put something there.
    void DoCopyToClipboard() override;
};
