// An environment variable set for one scope, then as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QString &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};
