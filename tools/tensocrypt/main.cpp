// tensocrypt: encrypts a data source into a data file of the program, or decrypts one for checking.
#include "DataPasswords.h"
#include "LineEnds.h"
#include "TEncryption.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>

namespace {

constexpr int kChunkSize = 262144; // bytes, as the program uses

std::optional<QString> passwordForName(const QString &name)
{
    if (name == QLatin1String("database"))
        return QString::fromLatin1(DataPasswords::kDatabase);
    if (name == QLatin1String("language"))
        return QString::fromLatin1(DataPasswords::kLanguage);
    if (name == QLatin1String("solids"))
        return QString::fromLatin1(DataPasswords::kSolids);
    if (name == QLatin1String("measured"))
        return QString::fromLatin1(DataPasswords::kMeasuredValues);
    if (name == QLatin1String("aqueous"))
        return QString::fromLatin1(DataPasswords::kAqueous);
    return std::nullopt;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "tensocrypt: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: tensocrypt encrypt|decrypt <password-name> <input> <output>\n"
                     "password names: database, language, solids, measured, aqueous\n");
        return 2;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    const QString passwordName = QString::fromLocal8Bit(argv[2]);
    const QString inputPath = QString::fromLocal8Bit(argv[3]);
    const QString outputPath = QString::fromLocal8Bit(argv[4]);

    const std::optional<QString> password = passwordForName(passwordName);
    if (!password)
        return fail(QStringLiteral("unknown password name '%1'").arg(passwordName));
    if (command != QLatin1String("encrypt") && command != QLatin1String("decrypt"))
        return fail(QStringLiteral("unknown command '%1'").arg(command));

    QByteArray input;
    QString reason;
    if (!readWholeFile(inputPath, &input, &reason))
        return fail(QStringLiteral("cannot read '%1': %2").arg(inputPath, reason));

    TEncryption encryption(*password, kChunkSize);
    QByteArray sourceBytes = command == QLatin1String("encrypt") ? toCrLfLineEnds(input) : input;
    QBuffer source(&sourceBytes);
    source.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer destination(&result);
    destination.open(QIODevice::WriteOnly);

    if (command == QLatin1String("encrypt")) {
        if (!encryption.EncryptStream(&source, &destination))
            return fail(QStringLiteral("encrypting '%1' failed").arg(inputPath));
    } else if (!encryption.DecryptStream(&source, &destination, source.size())) {
        // Nothing is written: a damaged file must not pass for a good one.
        return fail(QStringLiteral("'%1' is damaged or was not encrypted with the password '%2'")
                        .arg(inputPath, passwordName));
    }
    destination.close();
    if (!writeFileAtomically(outputPath, result, &reason))
        return fail(QStringLiteral("cannot write '%1': %2").arg(outputPath, reason));
    return 0;
}
