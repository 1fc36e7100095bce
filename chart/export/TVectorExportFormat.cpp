// Shared delivery of the vector formats.
#include "TVectorExportFormat.h"

#include "PlotException.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIODevice>

void TVectorExportFormat::SaveToStream(QIODevice &stream)
{
    const QByteArray bytes = Document();
    if (stream.write(bytes) != bytes.size())
        throw PlotException(stream.errorString());
}

void TVectorExportFormat::DoCopyToClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromUtf8(Document()));
}
