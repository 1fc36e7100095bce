// Settings under a registry-style key path.
#include "platform/SettingsStore.h"

#include <QSettings>

SettingsStore::SettingsStore(const QString &keyPath)
{
    QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (!parts.isEmpty())
        m_organisation = parts.takeFirst();
    if (!parts.isEmpty())
        m_application = parts.takeFirst();
    m_group = parts.join(QLatin1Char('/'));
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, m_organisation,
                                             m_application);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::key(const QString &name) const
{
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

bool SettingsStore::contains(const QString &name) const
{
    return m_settings->contains(key(name));
}

QString SettingsStore::readString(const QString &name, const QString &defaultValue) const
{
    return m_settings->value(key(name), defaultValue).toString();
}

void SettingsStore::writeString(const QString &name, const QString &value)
{
    m_settings->setValue(key(name), value);
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

bool SettingsStore::flush()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
