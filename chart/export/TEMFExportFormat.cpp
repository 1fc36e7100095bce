// Metafile export.
#include "TEMFExportFormat.h"

#include "ExportGuard.h"
#include "GuiCanvas.h"
#include "MetafileEncoders.h"
#include "MetafileRecording.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "TCustomPlotPanel.h"
#include "TEMFOptions.h"
#include "TMetafileGraphic.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QIODevice>
#include <QPainter>

TEMFExportFormat::TEMFExportFormat() = default;

TEMFExportFormat::~TEMFExportFormat() = default;

QString TEMFExportFormat::Description() const
{
    return PlotConst::message(PlotConst::msgExportMetafile);
}

QString TEMFExportFormat::FileExtension() const
{
    return Enhanced() ? QStringLiteral("emf") : QStringLiteral("wmf");
}

QString TEMFExportFormat::FileFilter() const
{
    return PlotConst::message(PlotConst::msgMetafileFilter);
}

int TEMFExportFormat::GetFilterIndex() const
{
    return Enhanced() ? FilterIndex() : FilterIndex() + 1;
}

void TEMFExportFormat::SetFilterIndex(int &counter)
{
    TPlotExportFormat::SetFilterIndex(counter);
    ++counter; // the filter text holds two filters
}

bool TEMFExportFormat::WantsFilterIndex(int index)
{
    if (index == FilterIndex())
        return true;
    if (index != FilterIndex() + 1)
        return false;
    SetEnhanced(false);
    return true;
}

bool TEMFExportFormat::WantsExtension(const QString &extension)
{
    // "x.wmf" with Enhanced checked must still give a WMF, not an EMF named ".wmf".
    for (const bool enhanced : {true, false}) {
        if (extension.compare(enhanced ? QLatin1String("emf") : QLatin1String("wmf"), Qt::CaseInsensitive) == 0) {
            SetEnhanced(enhanced);
            return true;
        }
    }
    return false;
}

bool TEMFExportFormat::HasExtension(const QString &extension) const
{
    return extension.compare(QLatin1String("emf"), Qt::CaseInsensitive) == 0
           || extension.compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0;
}

TPlotExportFormat::GraphicFactory TEMFExportFormat::GraphicClass() const
{
    return createMetafileGraphic;
}

QWidget *TEMFExportFormat::Options(bool create)
{
    return m_options.get(create);
}

bool TEMFExportFormat::Enhanced() const
{
    return !m_options.get() || m_options.get()->CBEnhanced->isChecked();
}

void TEMFExportFormat::SetEnhanced(bool value)
{
    Options(true);
    m_options.get()->CBEnhanced->setChecked(value);
}

QByteArray TEMFExportFormat::Metafile()
{
    CheckSize();
    TCustomPlotPanel &p = panel();
    MetafileDevice device(QSize(Width(), Height()));
    {
        ExportGuard guard(p);
        QPainter painter(&device);
        GuiCanvas canvas;
        canvas.attachPainter(&painter);
        // The back fills the whole picture, so converters that fit the drawing keep its scale.
        painter.fillRect(QRect(0, 0, Width(), Height()), QColor::fromRgb(qRgb(255, 255, 255)));
        p.DrawToMetaCanvas(&canvas, TRect{0, 0, Width(), Height()});
        canvas.endPaint();
        painter.end();
    }
    return Enhanced() ? encodeEmf(device.recording()) : encodeWmf(device.recording());
}

void TEMFExportFormat::SaveToStream(QIODevice &stream)
{
    const QByteArray bytes = Metafile();
    if (stream.write(bytes) != bytes.size())
        throw PlotException(stream.errorString());
}

void TEMFExportFormat::DoCopyToClipboard()
{
    TCustomPlotPanel &p = panel();
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(p.CreateBitmap(p.paintColor(), TRect{0, 0, Width(), Height()}));
}
