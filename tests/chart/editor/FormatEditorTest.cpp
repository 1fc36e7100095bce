// The number format dialog under the English and the German locale.
#include "TFormatEditor.h"

#include "DialogDriver.h"
#include "ScopedLocale.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

struct NumberOptions {
    bool percent = false;
    bool thousands = false;
    bool currency = false;
    bool fixedDecimals = false;
    int decimals = 0;
    int fixed = 0;
    friend bool operator==(const NumberOptions &, const NumberOptions &) = default;
};

class FormatEditorTest : public testing::TestWithParam<QLocale::Language>
{
protected:
    FormatEditorTest()
        : locale(QLocale(GetParam(), GetParam() == QLocale::German ? QLocale::Germany : QLocale::UnitedStates))
    {
    }

    // Opens the editor on the format, as the dialog shows it.
    void open(const QString &format)
    {
        editor.TheFormat = format;
        editor.show();
    }

    void set(const NumberOptions &o)
    {
        child<QRadioButton>(editor, "RBInteger")->click();
        setChecked("CBPercent", o.percent);
        setChecked("CBThousands", o.thousands);
        setChecked("CBCurrency", o.currency);
        setChecked("CBFixedDecimals", o.fixedDecimals);
        child<QSpinBox>(editor, "UpDown1")->setValue(o.decimals);
        child<QSpinBox>(editor, "UpDown2")->setValue(o.fixed);
    }

    NumberOptions read() const
    {
        return {checked("CBPercent"), checked("CBThousands"), checked("CBCurrency"),
                checked("CBFixedDecimals"), child<QSpinBox>(editor, "UpDown1")->value(),
                child<QSpinBox>(editor, "UpDown2")->value()};
    }

    QString group() const { return QLocale().groupSeparator(); }
    QString point() const { return QLocale().decimalPoint(); }

    void setChecked(const char *name, bool value)
    {
        auto *box = child<QCheckBox>(editor, name);
        if (box->isChecked() != value)
            box->click();
    }
    bool checked(const char *name) const { return child<QCheckBox>(editor, name)->isChecked(); }

    ScopedLocale locale;
    TFormatEditor editor;
};

} // namespace

TEST_P(FormatEditorTest, NumberOptionsBuildTheFormatWithTheLocaleSeparators)
{
    open(QStringLiteral("0"));
    struct Case {
        NumberOptions options;
        QString expected;
    };
    const Case cases[] = {
        {{false, true, false, false, 3, 2}, QStringLiteral("#") + group() + QStringLiteral("#00") + point() + QStringLiteral("###")},
        {{false, true, false, false, 0, 5}, QStringLiteral("00") + group() + QStringLiteral("000")},
        {{false, true, false, false, 0, 0}, QStringLiteral("#") + group() + QStringLiteral("###")},
        {{true, false, false, true, 2, 1}, QStringLiteral("0") + point() + QStringLiteral("00%")},
        {{false, false, true, false, 0, 3}, QLocale().currencySymbol() + QStringLiteral("000")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        set(c.options);
        EXPECT_EQ(editor.BuiltFormat(), c.expected);
    }
}

TEST_P(FormatEditorTest, PercentDisablesAndClearsThousandsAndCurrency)
{
    open(QStringLiteral("0"));
    set({false, true, true, false, 0, 1});
    child<QCheckBox>(editor, "CBPercent")->click();
    for (const char *name : {"CBThousands", "CBCurrency"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(child<QCheckBox>(editor, name)->isEnabled());
        EXPECT_FALSE(checked(name));
    }
}

TEST_P(FormatEditorTest, GivenFormatOpensOnItsKind)
{
    struct Case {
        QString format;
        const char *radio;
        const char *combo;
    };
    const Case cases[] = {{QStringLiteral("dd-mm-yyyy"), "RBDate", "CBDate"},
                          {QStringLiteral("ddd mm ss"), "RBGeo", "CBGeo"},
                          {QStringLiteral("00e-0"), "RBCustom", "CBCustom"},
                          {QStringLiteral("0") + point() + QStringLiteral("0%"), "RBInteger", nullptr}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.format.toStdString());
        TFormatEditor fresh;
        fresh.TheFormat = c.format;
        fresh.show();
        EXPECT_TRUE(child<QRadioButton>(fresh, c.radio)->isChecked());
        if (c.combo) {
            EXPECT_TRUE(child<QComboBox>(fresh, c.combo)->isEnabled());
            EXPECT_EQ(child<QComboBox>(fresh, c.combo)->currentText(), c.format);
            EXPECT_EQ(fresh.BuiltFormat(), c.format);
        }
    }
    open(QStringLiteral("0") + point() + QStringLiteral("0%"));
    EXPECT_EQ(read(), (NumberOptions{true, false, false, true, 1, 1}));
}

TEST_P(FormatEditorTest, EveryNumberOptionCombinationIsRecognisedBack)
{
    open(QStringLiteral("0"));
    int checkedCases = 0;
    for (int bits = 0; bits < 16; ++bits) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            for (int fixed = 0; fixed <= 6; ++fixed) {
                NumberOptions o{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8), decimals, fixed};
                if (o.percent)
                    o.thousands = o.currency = false; // the dialog clears them
                if (decimals == 0)
                    o.fixedDecimals = false; // nothing to be fixed
                set(o);
                const QString built = editor.BuiltFormat();
                SCOPED_TRACE(built.toStdString());
                editor.Recognise(built);
                EXPECT_TRUE(child<QRadioButton>(editor, "RBInteger")->isChecked());
                EXPECT_EQ(read(), o);
                ++checkedCases;
            }
        }
    }
    EXPECT_EQ(checkedCases, 16 * 4 * 7);
}

TEST_P(FormatEditorTest, CancelReturnsTheFormatUnchangedAndOkTheBuiltOne)
{
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        whenModalShows([ok](QDialog &dialog) {
            child<QSpinBox>(dialog, "UpDown1")->setValue(2);
            child<QPushButton>(dialog, ok ? "Button1" : "Button2")->click();
        });
        QString result;
        EXPECT_EQ(FormatEditor::EditFormat(nullptr, QStringLiteral("000"), result, true), ok);
        EXPECT_EQ(result, ok ? QStringLiteral("000") + point() + QStringLiteral("##") : QStringLiteral("000"));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, FormatEditorTest, testing::Values(QLocale::English, QLocale::German),
                         [](const auto &info) { return QLocale::languageToString(info.param).toStdString(); });
