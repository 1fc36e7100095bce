// Password, key mode and chunk buffer of an encrypted container operation.
#pragma once

#include "CipherContext.h"

#include <QByteArray>
#include <QString>

#include <vector>

class TCrypt
{
public:
    // bufferSize is the chunk size in bytes of the stream operations.
    TCrypt(const QString &password, int bufferSize);
    virtual ~TCrypt();
    TCrypt(const TCrypt &) = delete;
    TCrypt &operator=(const TCrypt &) = delete;

    // 1 (AES-128) below 32 characters, 2 (AES-192) below 48, else 3 (AES-256).
    static int modeForPasswordLength(qsizetype length);

    int Mode() const { return m_mode; }
    const QString &Password() const { return m_password; }
    int BufferSize() const { return m_bufferSize; }

protected:
    unsigned char *Buffer() { return m_buffer.data(); }
    CipherContext &Context() { return m_context; }
    // One byte per character, as the container has always keyed it.
    QByteArray passwordBytes() const { return m_password.toLatin1(); }

private:
    QString m_password;
    int m_bufferSize;
    int m_mode;
    std::vector<unsigned char> m_buffer;
    CipherContext m_context;
};
