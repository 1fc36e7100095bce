// Translation of captions and of whole forms through a language list.
#include "PlotTranslate.h"

#include "ChartEditorLibrary.h"
#include "PlotProcs.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace PlotTranslate;

namespace {

// Makes a language list current for the test and puts the library back to English after it.
class LanguageList : public testing::Test
{
protected:
    QStringList rows{QStringLiteral("HELP=Hilfe"),       QStringLiteral("SAVE=Speichern"),
                     QStringLiteral("OPTIONS=Optionen"), QStringLiteral("0=Null"),
                     QStringLiteral("?=Frage"),          QStringLiteral("%=Prozent"),
                     QStringLiteral("AREA LINES=Trennlinie"), QStringLiteral("AREA LINES=Flächenränder"),
                     QStringLiteral("LEFT=Links"),       QStringLiteral("RIGHT=Rechts"),
                     QStringLiteral("CENTER=Mitte"),     QStringLiteral("CLOSE=Schließen"),
                     QStringLiteral("EMPTY="),           QStringLiteral("INFO=Info"),
                     QStringLiteral("VISIBLE=Anzeigen"), QStringLiteral("GENERAL=Allgemein"),
                     QStringLiteral("AXIS=Achse"),       QStringLiteral("ORIENTATION=Ausrichtung"),
                     QStringLiteral("PORTRAIT=Hochformat"), QStringLiteral("LANDSCAPE=Querformat")};

    void SetUp() override { PlotCurrentLanguage = &rows; }
    void TearDown() override
    {
        PlotCurrentLanguage = nullptr;
        PlotHotkeyAfterText = false;
    }
};

} // namespace

TEST_F(LanguageList, OneCaptionAtATime)
{
    const struct { const char *english; const char *translated; bool replaced; } cases[] = {
        {"&Help:", "&Hilfe:", true},
        {"&Help", "H&ilfe", true}, // H is taken: the next free letter
        {"&Info", "I&nfo", true}, // i is taken, and Alt+I is the same key
        {"Save...", "Speichern...", true},
        {"Save...:", "Speichern...:", true},
        {"  Options  ", "Optionen", true},
        {"Area lines", "Trennlinie", true}, // the first of two rows
        {"0", "0", false},
        {"?", "?", false},
        {"%", "%", false},
        {"   ", "   ", false},
        {"Empty", "Empty", false}, // an empty translation keeps the English text
        {"help", "Hilfe", true}, // the key is the text in upper case
        {"Unknown", "Unknown", false},
    };
    QString used;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english);
        QString text = QString::fromUtf8(c.english);
        EXPECT_EQ(TranslateCaptionText(text, used), c.replaced);
        EXPECT_EQ(text, QString::fromUtf8(c.translated));
    }
    EXPECT_EQ(LookupLanguageText(QStringLiteral("help")), QString()); // keys compare case-sensitively
    EXPECT_EQ(LookupLanguageText(QStringLiteral("AREA LINES")), QStringLiteral("Trennlinie"));

    PlotHotkeyAfterText = true;
    QString close = QStringLiteral("&Close");
    EXPECT_TRUE(TranslateCaptionText(close, used));
    EXPECT_EQ(close, QStringLiteral("Schließen(&C)"));
}

TEST_F(LanguageList, TheWalkTranslatesFixedTextsAndLeavesTheUsersAlone)
{
    QDialog form;
    form.setWindowTitle(QStringLiteral("Options"));
    auto *label = new QLabel(QStringLiteral("&Left:"), &form);
    label->setToolTip(QStringLiteral("Help"));
    auto *save = new QPushButton(QStringLiteral("&Save..."), &form);
    auto *kept = new QPushButton(QStringLiteral("&Close"), &form);
    kept->setToolTip(QStringLiteral("Help"));
    auto *group = new QGroupBox(QStringLiteral("Orien&tation:"), &form);
    auto *portrait = new QRadioButton(QStringLiteral("P&ortrait"), group);
    auto *landscape = new QRadioButton(QStringLiteral("&Landscape"), group);
    landscape->setChecked(true);
    auto *unsorted = new QComboBox(&form);
    unsorted->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
    unsorted->setCurrentIndex(2);
    auto *sorted = new QComboBox(&form);
    sorted->setProperty(kSortedProperty, true);
    sorted->addItems({QStringLiteral("Center"), QStringLiteral("Left"), QStringLiteral("Right")});
    sorted->setCurrentIndex(1);
    auto *tabs = new QTabWidget(&form);
    tabs->addTab(new QWidget, QStringLiteral("General"));
    tabs->addTab(new QWidget, QStringLiteral("Axis"));
    auto *menu = new QMenu(&form);
    QAction *action = menu->addAction(QStringLiteral("Sa&ve..."));
    auto *edit = new QLineEdit(QStringLiteral("Visible"), &form);
    auto *seriesList = new QListWidget(&form);
    seriesList->setProperty(kUserTextsProperty, true);
    seriesList->addItem(QStringLiteral("Visible"));

    QSignalSpy spies[] = {QSignalSpy(unsorted, &QComboBox::currentIndexChanged),
                          QSignalSpy(sorted, &QComboBox::currentIndexChanged),
                          QSignalSpy(edit, &QLineEdit::textChanged),
                          QSignalSpy(landscape, &QRadioButton::toggled),
                          QSignalSpy(tabs, &QTabWidget::currentChanged),
                          QSignalSpy(&form, &QWidget::windowTitleChanged)};
    registerChartEditor();
    registerChartEditor(); // a second start changes nothing
    PlotProcs::PlotTranslateControlExcept(&form, {kept});

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Optionen"));
    EXPECT_EQ(label->text(), QStringLiteral("&Links:"));
    EXPECT_EQ(label->toolTip(), QStringLiteral("Hilfe"));
    EXPECT_EQ(save->text(), QStringLiteral("&Speichern..."));
    EXPECT_EQ(group->title(), QStringLiteral("&Ausrichtung:"));
    EXPECT_EQ(portrait->text(), QStringLiteral("&Hochformat"));
    EXPECT_EQ(landscape->text(), QStringLiteral("&Querformat"));
    EXPECT_EQ(unsorted->itemText(0), QStringLiteral("Links"));
    EXPECT_EQ(unsorted->currentIndex(), 2);
    EXPECT_EQ(unsorted->currentText(), QStringLiteral("Mitte"));
    EXPECT_EQ(sorted->itemText(0), QStringLiteral("Links"));
    EXPECT_EQ(sorted->itemText(1), QStringLiteral("Mitte"));
    EXPECT_EQ(sorted->currentText(), QStringLiteral("Links"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Allgemein"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Achse"));
    EXPECT_EQ(action->text(), QStringLiteral("S&peichern...")); // S is taken
    EXPECT_EQ(kept->text(), QStringLiteral("&Close"));
    EXPECT_EQ(kept->toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(edit->text(), QStringLiteral("Visible"));
    EXPECT_EQ(seriesList->item(0)->text(), QStringLiteral("Visible"));
    for (const QSignalSpy &spy : spies)
        EXPECT_EQ(spy.size(), 0) << spy.signal().toStdString();
    PlotProcs::PlotTranslateHook() = nullptr;
}

TEST(PlotTranslate, WithoutALanguageEveryTextStaysEnglish)
{
    ASSERT_EQ(PlotCurrentLanguage, nullptr);
    QDialog form;
    form.setWindowTitle(QStringLiteral("Options"));
    auto *button = new QPushButton(QStringLiteral("&Save..."), &form);
    TranslateControlTexts(&form, {});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(button->text(), QStringLiteral("&Save..."));
    QString text = QStringLiteral("Help");
    QString used;
    EXPECT_FALSE(TranslateCaptionText(text, used));
}
