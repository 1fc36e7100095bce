// The SVG format: the chart as an SVG 1.1 document, with anti-aliased text by its options.
#pragma once

#include "TVectorExportFormat.h"

#include <QPointer>

#include <memory>

class TSVGOptions;

class TSVGExportFormat : public TVectorExportFormat
{
public:
    TSVGExportFormat();
    ~TSVGExportFormat() override;

    QString Description() const override;
    QString FileExtension() const override { return QStringLiteral("svg"); }
    QString FileFilter() const override;
    QWidget *Options(bool create = true) override;
    QByteArray Document() override;

protected:
    // The text, and the same bytes as "image/svg+xml" for programs that take pictures.
    void DoCopyToClipboard() override;

private:
    QPointer<TSVGOptions> m_options;
    std::unique_ptr<TSVGOptions> m_ownOptions;
};
