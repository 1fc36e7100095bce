// Password, key mode and chunk buffer of an encrypted container operation.
#include "TCrypt.h"

#include <openssl/crypto.h>

#include <algorithm>

TCrypt::TCrypt(const QString &password, int bufferSize)
    : m_password(password)
    // A chunk of 0 bytes would never reach the end of the source.
    , m_bufferSize(std::max(bufferSize, 1))
    , m_mode(modeForPasswordLength(password.size()))
    , m_buffer(std::size_t(m_bufferSize))
{
}

TCrypt::~TCrypt()
{
    OPENSSL_cleanse(m_buffer.data(), m_buffer.size()); // the buffer held plaintext
}

int TCrypt::modeForPasswordLength(qsizetype length)
{
    if (length < 32)
        return 1;
    if (length < 48)
        return 2;
    return 3;
}
