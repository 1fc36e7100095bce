// The EPS format: the chart as Encapsulated PostScript.
#pragma once

#include "TVectorExportFormat.h"

class TEPSExportFormat : public TVectorExportFormat
{
public:
    QString Description() const override;
    QString FileExtension() const override { return QStringLiteral("eps"); }
    QString FileFilter() const override;
    QByteArray Document() override;
};
