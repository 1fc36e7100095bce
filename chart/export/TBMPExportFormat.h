// The bitmap export format: the chart drawn into a bitmap of the format's size, written by our
// BMP encoder at the depth its options choose.
#pragma once

#include "BmpWriter.h"
#include "OwnedOptionsForm.h"
#include "TPlotExportFormat.h"
#include "TBMPOptions.h"

#include <QImage>

class TBMPExportFormat : public TPlotExportFormat
{
public:
    TBMPExportFormat();
    ~TBMPExportFormat() override;

    QString Description() const override;
    QString FileExtension() const override { return QStringLiteral("bmp"); }
    QString FileFilter() const override;
    GraphicFactory GraphicClass() const override;
    QWidget *Options(bool create = true) override;
    void SaveToStream(QIODevice &stream) override;

    // The chart at the format's size, in the panel's colour behind it.
    QImage Bitmap();
    // The depth the options form chooses; Default without a form.
    BmpDepth Depth();

protected:
    void DoCopyToClipboard() override;

private:
    OwnedOptionsForm<TBMPOptions> m_options;
};
