// The user's settings as they are kept between runs: units, notation, diagram points.
#pragma once

#include "app/core/DiagramPoints.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// The pressure items of the settings dialog: the unit table's order, but the water
// columns are called "m WS" and "mm WS" here, and so they are stored.
const QStringList &settingsPressureItems();
const QStringList &settingsTemperatureItems();

struct StoredSettings
{
    QString temperatureUnit = QStringLiteral("°C");
    QString pressureUnit = QStringLiteral("bar");
    bool scientificNotation = true;
    QString diagramPoints = QStringLiteral("250");
};

// The key under which the settings lie: the language table's path prefix + "Einstellungen".
QString settingsKeyPath(const QString &pathPrefix);

// Missing or empty values give the defaults; a unit that is not an item of its list and a
// point count that isValidDiagramPoints refuses give the defaults too, so no window ever
// sees "no selection" or a useless point count. "Notation" other than exactly "dez"
// means scientific.
StoredSettings readStoredSettings(const SettingsStore &store);
// Writes all four values as strings; false when they could not be kept.
bool writeStoredSettings(SettingsStore &store, const StoredSettings &settings);
