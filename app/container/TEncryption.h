// Encrypted container: salt, password verifier, AES counter-mode ciphertext and a truncated HMAC-SHA1 tag.
#pragma once

#include "SaltGenerator.h"
#include "SystemEntropy.h"
#include "TCrypt.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

class TEncryption : public TCrypt
{
public:
    static constexpr int kVerifierLength = 2;
    static constexpr int kTagLength = 10;

    // kind: 1 before decrypting (count = minus the source size), 4 per chunk encrypted, 5 per chunk decrypted
    // (count = bytes read so far).
    using ProgressEvent = std::function<void(TEncryption *sender, quint8 kind, qint64 count)>;

    TEncryption(const QString &password, int bufferSize, EntropySource entropy = systemEntropy);
    ~TEncryption() override;

    // Encrypts source from its position to its end into a complete container at destination's position.
    // False when no salt could be drawn, the key setup fails or a stream fails.
    bool EncryptStream(QIODevice *source, QIODevice *destination);
    // The same with a given salt (saltLengthForMode(Mode()) bytes), for reproducible containers.
    bool EncryptStreamWithSalt(QIODevice *source, QIODevice *destination, const QByteArray &salt);
    // size is the container's length from source's position. True only when verifier and tag both match;
    // a wrong password writes nothing, a damaged container writes its decrypted bytes all the same.
    // destination may be nullptr: the container is then only checked.
    bool DecryptStream(QIODevice *source, QIODevice *destination, qint64 size);

    ProgressEvent OnProgress;

private:
    void raiseProgress(quint8 kind, qint64 count);
    bool encrypt(QIODevice *source, QIODevice *destination, const QByteArray &salt);
    bool decrypt(QIODevice *source, QIODevice *destination, qint64 size);

    SaltGenerator m_saltGenerator;
};
