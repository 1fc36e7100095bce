// Clipboard, stream and file delivery of exported series data.
#include "TPlotExportData.h"

#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>

QString TPlotExportData::AsString() const
{
    return {};
}

void TPlotExportData::CopyToClipboard() const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(AsString());
}

bool TPlotExportData::SaveToStream(QIODevice &stream) const
{
    // UTF-8 for every exporter: the texts hold unit signs and names beyond Latin-1.
    const QByteArray bytes = AsString().toUtf8();
    return stream.write(bytes) == bytes.size();
}

bool TPlotExportData::SaveToFile(const QString &fileName, QString *errorText) const
{
    // A truncating write that fails half-way lost the user's previous export.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!SaveToStream(buffer)) {
        if (errorText)
            *errorText = buffer.errorString();
        return false;
    }
    return writeFileAtomically(fileName, buffer.data(), errorText);
}
