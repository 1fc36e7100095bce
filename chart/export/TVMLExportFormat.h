// The VML format: the chart as VML elements in an HTML page.
#pragma once

#include "TVectorExportFormat.h"

class TVMLExportFormat : public TVectorExportFormat
{
public:
    QString Description() const override;
    QString FileExtension() const override { return QStringLiteral("htm"); }
    QString FileFilter() const override;
    QByteArray Document() override;
};
