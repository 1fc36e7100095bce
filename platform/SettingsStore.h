// Application settings kept under a registry-style key path, stored with QSettings.
#pragma once

#include <QString>

#include <memory>

class QSettings;

class SettingsStore
{
public:
    // keyPath as the program names it, e.g. "Software\Korvex\Tensimo\Einstellungen": the
    // first two names after "Software" become organisation and application, the rest a group.
    explicit SettingsStore(const QString &keyPath);
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    bool contains(const QString &name) const;
    QString readString(const QString &name, const QString &defaultValue = QString()) const;
    void writeString(const QString &name, const QString &value);
    // Writes pending values to storage; false when they could not be written.
    bool flush();

    // Where the values are kept, for messages about them.
    QString fileName() const;

    QString organisation() const { return m_organisation; }
    QString application() const { return m_application; }
    QString group() const { return m_group; }

private:
    QString key(const QString &name) const;

    QString m_organisation;
    QString m_application;
    QString m_group;
    std::unique_ptr<QSettings> m_settings;
};
