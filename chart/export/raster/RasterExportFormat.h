// What the raster picture formats share: the chart bitmap of the export size, option forms that
// translate themselves when shown, and the delivery of a picture to the clipboard.
#pragma once

#include "TPlotExportFormat.h"

#include <QWidget>

#include <memory>

class QMimeData;

class RasterExportFormat : public TPlotExportFormat
{
public:
    // The library messages of the format's caption and filter, its extension and picture class.
    RasterExportFormat(int descriptionMessage, int filterMessage, QString extension, GraphicFactory graphic = nullptr);

    QString Description() const override;
    QString FileExtension() const override { return m_extension; }
    QString FileFilter() const override;
    GraphicFactory GraphicClass() const override { return m_graphic; }
    QWidget *Options(bool create = true) override;

protected:
    // The form, made on first use.
    virtual std::unique_ptr<QWidget> CreateOptions() = 0;
    // The chart of Width x Height on the panel's colour (RGB32).
    QImage ChartBitmap();
    // Puts the data on the clipboard, raising PlotException when the clipboard did not keep it.
    static void SetClipboard(std::unique_ptr<QMimeData> data);

private:
    int m_descriptionMessage;
    int m_filterMessage;
    QString m_extension;
    GraphicFactory m_graphic;
    std::unique_ptr<QWidget> m_options;
};

// An option form: it calls the translation hook whenever it is shown.
class RasterOptionsForm : public QWidget
{
public:
    explicit RasterOptionsForm(const char *objectName);

protected:
    void showEvent(QShowEvent *event) override;
};
