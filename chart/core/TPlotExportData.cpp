// Clipboard, stream and file delivery of exported series data.
#include "TPlotExportData.h"

#include <QClipboard>
#include <QFile>
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

bool TPlotExportData::SaveToFile(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = SaveToStream(file);
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
