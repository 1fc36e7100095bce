// Settings under the program's registry-style key path.
#include "platform/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsStore, MapsTheKeyPathToOrganisationApplicationAndGroup)
{
    const SettingsStore store(QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen"));
    EXPECT_EQ(store.organisation(), QStringLiteral("Korvex"));
    EXPECT_EQ(store.application(), QStringLiteral("Tensimo"));
    EXPECT_EQ(store.group(), QStringLiteral("Einstellungen"));

    const SettingsStore editor(QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor"));
    EXPECT_EQ(editor.organisation(), QStringLiteral("Korvex"));
    EXPECT_EQ(editor.application(), QStringLiteral("Plot"));
    EXPECT_EQ(editor.group(), QStringLiteral("Editor"));
}

TEST(SettingsStore, StringsSurviveANewStoreOnTheSameKey)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString key = QStringLiteral("Software\\Korvex\\Tensimo\\Einstellungen");
    {
        SettingsStore store(key);
        EXPECT_FALSE(store.contains(QStringLiteral("Temp")));
        EXPECT_EQ(store.readString(QStringLiteral("Temp"), QStringLiteral("°C")), QStringLiteral("°C"));
        store.writeString(QStringLiteral("Temp"), QStringLiteral("°F"));
        store.writeString(QStringLiteral("Tenso"), QStringLiteral("mm WS"));
        EXPECT_TRUE(store.flush());
    }
    SettingsStore again(key);
    EXPECT_EQ(again.readString(QStringLiteral("Temp")), QStringLiteral("°F"));
    EXPECT_EQ(again.readString(QStringLiteral("Tenso")), QStringLiteral("mm WS"));

    // Another key path does not see them.
    SettingsStore other(QStringLiteral("Software\\Korvex\\Plot\\Editor"));
    EXPECT_FALSE(other.contains(QStringLiteral("Temp")));
}
