// SVG export.
#include "TSVGExportFormat.h"

#include "PlotConst.h"
#include "TCustomPlotPanel.h"
#include "TSVGCanvas.h"
#include "TSVGOptions.h"
#include "VectorExport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TSVGExportFormat::TSVGExportFormat() = default;

TSVGExportFormat::~TSVGExportFormat()
{
    // A dialog page that took the form as its child may have destroyed it already.
    if (!m_options)
        (void)m_ownOptions.release();
}

QString TSVGExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportSVG);
}

QString TSVGExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgSVGFilter);
}

QWidget *TSVGExportFormat::Options(bool create)
{
    if (!m_options && create) {
        m_ownOptions = std::make_unique<TSVGOptions>();
        m_options = m_ownOptions.get();
    }
    return m_options;
}

QByteArray TSVGExportFormat::Document()
{
    CheckSize();
    auto canvas = std::make_unique<TSVGCanvas>();
    canvas->SetTextAntiAlias(!m_options || m_options->CBAntiAlias->isChecked());
    return drawThroughCanvas(panel(), std::move(canvas), {0, 0, Width(), Height()});
}

void TSVGExportFormat::DoCopyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QByteArray svg = Document();
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromUtf8(svg));
    data->setData(QStringLiteral("image/svg+xml"), svg);
    clipboard->setMimeData(data.release()); // the clipboard owns it
}
