// Loading and saving the encrypted data files.
#include "app/data/DataFiles.h"

#include "app/container/TEncryption.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFolder.h"

#include <QBuffer>

QStringList textLines(const QByteArray &utf8Text)
{
    const QString text = QString::fromUtf8(utf8Text);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QByteArray linesText(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines) {
        text.append(line.toUtf8());
        text.append("\r\n");
    }
    return text;
}

DataFileError loadCryptFile(const QString &fileName, const QString &password, QStringList *lines)
{
    lines->clear();
    QByteArray container;
    if (!readWholeFile(programFilePath(fileName), &container))
        return DataFileError::Unreadable;

    QBuffer source(&container);
    source.open(QIODevice::ReadOnly);
    QByteArray plain;
    QBuffer destination(&plain);
    destination.open(QIODevice::WriteOnly);
    TEncryption encryption(password, kDataFileBufferSize);
    if (!encryption.DecryptStream(&source, &destination, container.size()))
        return DataFileError::Damaged;
    *lines = textLines(plain);
    return DataFileError::None;
}

DataFileError saveCryptFile(const QString &fileName, const QString &password, const QStringList &lines)
{
    QByteArray plain = linesText(lines);
    QBuffer source(&plain);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    TEncryption encryption(password, kDataFileBufferSize);
    if (!encryption.EncryptStream(&source, &destination))
        return DataFileError::NotWritten;
    if (!writeFileAtomically(programFilePath(fileName), container))
        return DataFileError::NotWritten;
    return DataFileError::None;
}
