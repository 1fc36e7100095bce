// Editor options over the settings store; Booleans are kept as the numbers 0 and 1.
#include "PlotEditorOptions.h"

#include "platform/SettingsStore.h"

#include <optional>

namespace PlotProcs {

namespace {

std::optional<int> readInteger(const QString &name)
{
    const SettingsStore store(EditorOptionsKey());
    if (!store.contains(name))
        return std::nullopt;
    bool ok = false;
    const int value = store.readString(name).trimmed().toInt(&ok);
    // A value of another type is treated as absent rather than as 0.
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

QString EditorOptionsKey()
{
    return QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor");
}

bool ReadEditorBool(const QString &name, bool defaultValue)
{
    const std::optional<int> value = readInteger(name);
    return value ? *value != 0 : defaultValue;
}

int ReadEditorInteger(const QString &name, int defaultValue)
{
    return readInteger(name).value_or(defaultValue);
}

bool WriteEditorBool(const QString &name, bool value)
{
    return WriteEditorIntegers({{name, value ? 1 : 0}});
}

bool WriteEditorInteger(const QString &name, int value)
{
    return WriteEditorIntegers({{name, value}});
}

bool WriteEditorIntegers(const QList<QPair<QString, int>> &values)
{
    SettingsStore store(EditorOptionsKey());
    for (const auto &[name, value] : values)
        store.writeString(name, QString::number(value));
    return store.flush();
}

bool HasEditorValue(const QString &name)
{
    return readInteger(name).has_value();
}

} // namespace PlotProcs
