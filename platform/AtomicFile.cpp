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
    if (!file.open(QIODevice::WriteOnly))
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
