// The shared part of the export formats: size, filter positions, clipboard and file delivery.
#include "TPlotExportFormat.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "TCustomPlotPanel.h"
#include "platform/AtomicFile.h"

#include <QBuffer>

TPlotExportFormat::~TPlotExportFormat() = default;

TCustomPlotPanel *TPlotExportFormat::Panel() const
{
    return m_panel;
}

void TPlotExportFormat::SetPanel(TCustomPlotPanel *panel)
{
    m_panel = panel;
}

void TPlotExportFormat::SetFilterIndex(int &counter)
{
    ++counter;
    m_filterIndex = counter;
}

bool TPlotExportFormat::WantsExtension(const QString &extension)
{
    return HasExtension(extension);
}

bool TPlotExportFormat::HasExtension(const QString &extension) const
{
    return FileExtension().compare(extension, Qt::CaseInsensitive) == 0;
}

QWidget *TPlotExportFormat::Options(bool create)
{
    Q_UNUSED(create);
    return nullptr;
}

void TPlotExportFormat::CheckSize()
{
    const TCustomPlotPanel &p = panel();
    if (m_width == 0)
        m_width = p.width();
    if (m_height == 0)
        m_height = p.height();
}

TCustomPlotPanel &TPlotExportFormat::panel() const
{
    if (!m_panel)
        throw PlotException(PlotConst::message(PlotConst::msgExportPanelNotSet));
    return *m_panel;
}

void TPlotExportFormat::prepare()
{
    panel();
    Options(true);
    CheckSize();
}

void TPlotExportFormat::CopyToClipboard()
{
    prepare();
    DoCopyToClipboard();
}

QByteArray TPlotExportFormat::SaveToBytes()
{
    prepare();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    return buffer.data();
}

void TPlotExportFormat::SaveToFile(const QString &fileName)
{
    // The bytes are complete before the file is touched: a failing export leaves the old file.
    const QByteArray bytes = SaveToBytes();
    QString reason;
    if (!writeFileAtomically(fileName, bytes, &reason))
        throw PlotException(PlotConst::CannotWriteText(fileName, reason));
}
