// Whole-file reads and atomic whole-file writes.
#include "platform/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *errorText)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = reason;
        file.cancelWriting();
        return false;
    };
    // Unbuffered, so a short write (a full disk, a file-size limit) shows in write() itself:
    // a buffered write reports success and the flush at commit time loses the error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (file.write(data) != data.size())
        return fail(file.errorString());
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

bool readWholeFile(const QString &path, QByteArray *data, QString *errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}
