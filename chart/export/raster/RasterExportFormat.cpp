// The shared part of the raster picture formats.
#include "RasterExportFormat.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "PlotProcs.h"
#include "TCustomPlotPanel.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

RasterExportFormat::RasterExportFormat(int descriptionMessage, int filterMessage, QString extension, GraphicFactory graphic)
    : m_descriptionMessage(descriptionMessage)
    , m_filterMessage(filterMessage)
    , m_extension(std::move(extension))
    , m_graphic(graphic)
{
}

QString RasterExportFormat::Description() const
{
    return PlotConst::message(m_descriptionMessage);
}

QString RasterExportFormat::FileFilter() const
{
    return PlotConst::message(m_filterMessage);
}

QWidget *RasterExportFormat::Options(bool create)
{
    if (!m_options && create)
        m_options = CreateOptions();
    return m_options.get();
}

QImage RasterExportFormat::ChartBitmap()
{
    TCustomPlotPanel &p = panel();
    CheckSize();
    return p.CreateBitmap(p.GetBackColor(), {0, 0, Width(), Height()});
}

void RasterExportFormat::SetClipboard(std::unique_ptr<QMimeData> data)
{
    const QStringList formats = data->formats();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data.release());
    const QMimeData *kept = clipboard->mimeData();
    if (!kept || !std::all_of(formats.begin(), formats.end(), [kept](const QString &f) { return kept->hasFormat(f); }))
        throw PlotException(QCoreApplication::translate("RasterExportFormat", "The clipboard did not take the picture"));
}

RasterOptionsForm::RasterOptionsForm(const char *objectName)
{
    setObjectName(QString::fromLatin1(objectName));
}

void RasterOptionsForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlotProcs::PlotTranslateControl(this);
}
