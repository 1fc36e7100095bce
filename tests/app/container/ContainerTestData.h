// Shared inputs of the container tests: the known-answer case and small stream helpers.
#pragma once

#include "TEncryption.h"

#include <QBuffer>
#include <QByteArray>

namespace ContainerTestData {

inline const QByteArray kPassword = QByteArrayLiteral("abcdefgh");
inline const QByteArray kSalt = QByteArray::fromHex("0102030405060708");
inline const QByteArray kPlaintext = QByteArrayLiteral("Hallo Welt\r\nWasser\t999\r\n");
inline const QByteArray kContainer = QByteArray::fromHex(
    "01020304050607088a92069bc350aab1dfc0ae4aaa08ecfc221b8e640068fdaeadec7eaf1b66ed51b6727c44");
inline const QByteArray kEmptyContainer = QByteArray::fromHex("01020304050607088a926f3223dd95c2c4699bdd");

struct Decrypted
{
    bool ok = false;
    QByteArray plaintext;
};

inline QByteArray encryptWithSalt(const QString &password, int chunkSize, QByteArray plaintext, const QByteArray &salt,
                                  bool *ok = nullptr)
{
    TEncryption encryption(password, chunkSize);
    QBuffer source(&plaintext);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    const bool result = encryption.EncryptStreamWithSalt(&source, &destination, salt);
    if (ok)
        *ok = result;
    return container;
}

inline QByteArray encrypt(const QString &password, int chunkSize, QByteArray plaintext, bool *ok = nullptr)
{
    TEncryption encryption(password, chunkSize);
    QBuffer source(&plaintext);
    source.open(QIODevice::ReadOnly);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    const bool result = encryption.EncryptStream(&source, &destination);
    if (ok)
        *ok = result;
    return container;
}

// size < 0 passes the whole container's length, as the loader does.
inline Decrypted decrypt(const QString &password, int chunkSize, QByteArray container, qint64 size = -1)
{
    TEncryption encryption(password, chunkSize);
    QBuffer source(&container);
    source.open(QIODevice::ReadOnly);
    Decrypted result;
    QBuffer destination(&result.plaintext);
    destination.open(QIODevice::WriteOnly);
    result.ok = encryption.DecryptStream(&source, &destination, size < 0 ? source.size() : size);
    return result;
}

inline QString latin1(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace ContainerTestData
