// The user's settings as they are kept between runs.
#include "app/data/StoredSettings.h"

#include "platform/SettingsStore.h"

const QStringList &settingsPressureItems()
{
    static const QStringList items = {
        QStringLiteral("bar"), QStringLiteral("mbar"), QStringLiteral("Pa"), QStringLiteral("KPa"),
        QStringLiteral("MPa"), QStringLiteral("ata"), QStringLiteral("atm"), QStringLiteral("at"),
        QStringLiteral("m WS"), QStringLiteral("mm WS"), QStringLiteral("Torr"), QStringLiteral("lbw./sq.ft."),
        QStringLiteral("psi"), QStringLiteral("ft.wtr."), QStringLiteral("in.wtr."),
    };
    return items;
}

const QStringList &settingsTemperatureItems()
{
    static const QStringList items = {QStringLiteral("°C"), QStringLiteral("°F"), QStringLiteral("K")};
    return items;
}

QString settingsKeyPath(const QString &pathPrefix)
{
    return pathPrefix + QStringLiteral("Einstellungen");
}

StoredSettings readStoredSettings(const SettingsStore &store)
{
    const StoredSettings defaults;
    StoredSettings settings;
    const QString temperature = store.readString(QStringLiteral("Temp"));
    if (settingsTemperatureItems().contains(temperature))
        settings.temperatureUnit = temperature;
    const QString pressure = store.readString(QStringLiteral("Tenso"));
    if (settingsPressureItems().contains(pressure))
        settings.pressureUnit = pressure;
    settings.scientificNotation = store.readString(QStringLiteral("Notation")) != QStringLiteral("dez");
    const QString points = store.readString(QStringLiteral("ABP"));
    settings.diagramPoints = isValidDiagramPoints(points) ? points.trimmed() : defaults.diagramPoints;
    return settings;
}

bool writeStoredSettings(SettingsStore &store, const StoredSettings &settings)
{
    store.writeString(QStringLiteral("Temp"), settings.temperatureUnit);
    store.writeString(QStringLiteral("Tenso"), settings.pressureUnit);
    store.writeString(QStringLiteral("Notation"), settings.scientificNotation ? QStringLiteral("wiss") : QStringLiteral("dez"));
    store.writeString(QStringLiteral("ABP"), settings.diagramPoints);
    return store.flush();
}
