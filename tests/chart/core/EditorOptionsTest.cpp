// Editor options kept under the library's settings key.
#include "PlotEditorOptions.h"

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace PlotProcs;

namespace {

class EditorOptions : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(EditorOptions, AbsentValuesGiveTheDefault)
{
    EXPECT_TRUE(ReadEditorBool(QStringLiteral("SmoothGallery"), true));
    EXPECT_FALSE(ReadEditorBool(QStringLiteral("SmoothGallery"), false));
    EXPECT_EQ(ReadEditorInteger(QStringLiteral("GalleryMode"), 7), 7);
}

TEST_F(EditorOptions, BooleansSurviveAndLiveUnderTheEditorKey)
{
    const struct { const char *name; bool value; } cases[] = {
        {"RememberPosition", true}, {"RememberSize", false}, {"TreeMode", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteEditorBool(QString::fromLatin1(c.name), c.value));
        EXPECT_EQ(ReadEditorBool(QString::fromLatin1(c.name), !c.value), c.value);
    }
    const SettingsStore store(QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor"));
    EXPECT_EQ(store.readString(QStringLiteral("RememberPosition")), QStringLiteral("1"));
    EXPECT_EQ(store.readString(QStringLiteral("RememberSize")), QStringLiteral("0"));
    // A Boolean reads as an integer too, as the registry keeps both as numbers.
    EXPECT_EQ(ReadEditorInteger(QStringLiteral("TreeMode"), 5), 1);
}

TEST_F(EditorOptions, ValuesOfAnotherTypeGiveTheDefault)
{
    SettingsStore store(EditorOptionsKey());
    store.writeString(QStringLiteral("GalleryMode"), QStringLiteral("2"));
    store.writeString(QStringLiteral("SmoothGallery"), QStringLiteral("yes please"));
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(ReadEditorInteger(QStringLiteral("GalleryMode"), 0), 2);
    EXPECT_TRUE(ReadEditorBool(QStringLiteral("SmoothGallery"), true));
    EXPECT_FALSE(ReadEditorBool(QStringLiteral("SmoothGallery"), false));
}

TEST_F(EditorOptions, IntegersAreStoredAndOnlyNumbersCountAsPresent)
{
    ASSERT_TRUE(WriteEditorIntegers({{QStringLiteral("Left"), -40}, {QStringLiteral("TreeWidth"), 126}}));
    ASSERT_TRUE(WriteEditorInteger(QStringLiteral("Top"), 2147483647));
    SettingsStore store(EditorOptionsKey());
    store.writeString(QStringLiteral("Width"), QStringLiteral("abc"));
    store.writeString(QStringLiteral("Height"), QStringLiteral("99999999999"));
    ASSERT_TRUE(store.flush());
    const struct { const char *name; bool present; int value; } cases[] = {
        {"Left", true, -40}, {"TreeWidth", true, 126}, {"Top", true, 2147483647},
        {"Width", false, 7}, {"Height", false, 7}, {"Absent", false, 7}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HasEditorValue(QString::fromLatin1(c.name)), c.present);
        EXPECT_EQ(ReadEditorInteger(QString::fromLatin1(c.name), 7), c.value);
    }
}
