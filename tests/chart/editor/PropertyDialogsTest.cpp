// The pen, brush and shadow dialogs, driven through their widgets.
#include "TPenDialog.h"

#include "ChartEditorLibrary.h"
#include "ChartTestSetup.h"
#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotTranslate.h"
#include "PlotColorDialog.h"
#include "ScriptedDialogService.h"
#include "ScriptedMessageService.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TChartBrush.h"
#include "TChartPen.h"
#include "TPicture.h"
#include "TPlotButton.h"
#include "TPlotShadow.h"
#include "TPlotShadowEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <class Widget>
Widget *child(const QWidget &parent, const char *name)
{
    auto *widget = parent.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Picks an item as the user does from the drop-down list.
void choose(QComboBox &combo, int index)
{
    combo.setCurrentIndex(index);
    Q_EMIT combo.activated(index);
}

// The three ways a user leaves a dialog without OK.
enum class Leave { Cancel, Escape, TitleBar };

void leave(QDialog &dialog, Leave how, const char *cancelName)
{
    switch (how) {
    case Leave::Cancel:
        child<QPushButton>(dialog, cancelName)->click();
        break;
    case Leave::Escape: {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
        break;
    }
    case Leave::TitleBar:
        dialog.close();
        break;
    }
}

} // namespace

TEST(PenDialog, SmallDotsDisablesTheWidthAndAnotherStyleClearsThem)
{
    TChartPen pen;
    TPenDialog dialog;
    dialog.SetPen(&pen);
    dialog.show();
    auto *style = child<QComboBox>(dialog, "CBStyle");
    auto *width = child<QSpinBox>(dialog, "SEWidth");
    ASSERT_EQ(style->count(), 6);
    EXPECT_EQ(style->itemText(5), QStringLiteral("Small Dots"));
    choose(*style, 5);
    EXPECT_TRUE(pen.SmallDots());
    EXPECT_FALSE(width->isEnabled());
    choose(*style, 2);
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_TRUE(width->isEnabled());

    // Shown again on a small-dots pen: the item is there once and selected.
    dialog.hide();
    pen.SetSmallDots(true);
    dialog.show();
    EXPECT_EQ(style->count(), 6);
    EXPECT_EQ(style->currentIndex(), 5);
    EXPECT_FALSE(width->isEnabled());
}

TEST(PenDialog, EveryWayOutButOkGivesThePenBackAndTellsItsOwner)
{
    for (const Leave how : {Leave::Cancel, Leave::Escape, Leave::TitleBar}) {
        SCOPED_TRACE(int(how));
        TChartPen pen;
        pen.SetWidth(2);
        pen.SetColor(clBlue);
        TPenDialog dialog;
        dialog.SetPen(&pen);
        dialog.show();
        child<QSpinBox>(dialog, "SEWidth")->setValue(7);
        child<QCheckBox>(dialog, "CBVisible")->click();
        choose(*child<QComboBox>(dialog, "CBEndStyle"), 2);
        pen.SetColor(clRed); // a change no handler of the dialog saw
        EXPECT_EQ(pen.Width(), 7);
        QSignalSpy changed(&pen, &TPen::changed);
        leave(dialog, how, "BCancel");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(pen.Width(), 2);
        EXPECT_EQ(pen.Color(), clBlue);
        EXPECT_TRUE(pen.Visible());
        EXPECT_EQ(pen.EndStyle(), esRound);
        EXPECT_GE(changed.size(), 1);
    }
    // Leaving unchanged sends nothing.
    TChartPen pen;
    TPenDialog dialog;
    dialog.SetPen(&pen);
    dialog.show();
    QSignalSpy changed(&pen, &TPen::changed);
    dialog.reject();
    EXPECT_EQ(changed.size(), 0);
}

TEST(PenDialog, APlainPenHasNoVisibilityEndStyleOrSmallDots)
{
    TPen pen;
    pen.SetStyle(psDashDot);
    TPenDialog dialog;
    dialog.SetPen(&pen);
    dialog.show();
    EXPECT_TRUE(child<QCheckBox>(dialog, "CBVisible")->isHidden());
    EXPECT_TRUE(child<QComboBox>(dialog, "CBEndStyle")->isHidden());
    EXPECT_EQ(child<QComboBox>(dialog, "CBStyle")->count(), 5);
    EXPECT_EQ(child<QComboBox>(dialog, "CBStyle")->currentIndex(), 3);
}

TEST(ButtonPen, AWidePenShowsASixPixelSwatchAndIsNeverWritten)
{
    registerTestFont();
    TChartPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(9);
    TButtonPen button;
    button.resize(75, 25);
    button.LinkPen(&pen);
    QSignalSpy changed(&pen, &TPen::changed);
    const QImage image = button.grab().toImage();
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(pen.Width(), 9);
    const int column = button.width() - 12;
    int redRows = 0;
    for (int y = 0; y < image.height(); ++y)
        redRows += image.pixelColor(column, y) == QColor(Qt::red);
    EXPECT_EQ(redRows, 6);
}

TEST(ButtonPen, OkInTheDialogChangesThePenAndRaisesTheButtonsClick)
{
    TChartPen pen;
    TButtonPen button;
    button.LinkPen(&pen);
    QSignalSpy clicked(&button, &TButtonPen::OnClick);
    bool colourHidden = false;
    button.HideColor = true;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<TPenDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        colourHidden = child<QPushButton>(*dialog, "BColor")->isHidden();
        child<QSpinBox>(*dialog, "SEWidth")->setValue(4);
        child<QPushButton>(*dialog, "BOk")->click();
    });
    button.click();
    EXPECT_EQ(pen.Width(), 4);
    EXPECT_EQ(clicked.size(), 1);
    EXPECT_TRUE(colourHidden);
}

TEST(ShadowEditor, EditsWriteTheShadowAtOnce)
{
    TPlotShadow shadow;
    TPlotShadowEditor editor;
    editor.RefreshControls(&shadow);
    editor.show();
    child<QSpinBox>(editor, "Edit1")->setValue(-7);
    child<QSpinBox>(editor, "EVertSize")->setValue(12);
    child<QSpinBox>(editor, "EShadowTransp")->setValue(40);
    child<QCheckBox>(editor, "CBSmooth")->click();
    EXPECT_EQ(shadow.HorizSize(), -7);
    EXPECT_EQ(shadow.VertSize(), 12);
    EXPECT_EQ(shadow.Transparency(), 40);
    EXPECT_FALSE(shadow.Smooth());
    EXPECT_EQ(child<QSpinBox>(editor, "Edit1")->minimum(), -1000);
    EXPECT_EQ(child<QSpinBox>(editor, "EShadowTransp")->maximum(), 100);

    // Linking another shadow shows its values and writes nothing back.
    TPlotShadow other;
    other.SetHorizSize(3);
    QSignalSpy changed(&other, &TPlotShadow::changed);
    editor.RefreshControls(&other);
    EXPECT_EQ(child<QSpinBox>(editor, "Edit1")->value(), 3);
    EXPECT_EQ(changed.size(), 0);
}

TEST(ShadowEditor, ModalItClosesWithOkAndEmbeddedItHasNoOk)
{
    TPlotShadow shadow;
    QTimer::singleShot(0, [] {
        auto *editor = qobject_cast<TPlotShadowEditor *>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        child<QSpinBox>(*editor, "EVertSize")->setValue(5);
        child<QPushButton>(*editor, "BOK")->click();
    });
    EXPECT_TRUE(EditShadow(nullptr, shadow));
    EXPECT_EQ(shadow.VertSize(), 5);

    QWidget host;
    host.resize(300, 300);
    TPlotShadowEditor *embedded = InsertShadowEditor(host);
    host.show();
    EXPECT_EQ(embedded->parentWidget(), &host);
    EXPECT_FALSE(embedded->isWindow());
    EXPECT_FALSE(child<QPushButton>(*embedded, "BOK")->isVisible());
}

namespace {

// A brush dialog shown on a brush, and the services it may ask.
class BrushDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        brush.SetColor(clGreen);
        brush.SetStyle(bsCross);
        dialog.SetBrush(&brush);
    }
    QListWidget *styles() const { return child<QListWidget>(dialog, "LStyle"); }
    QPushButton *imageButton() const { return child<QPushButton>(dialog, "Button1"); }
    void giveImage()
    {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::yellow);
        TPicture picture;
        picture.SetGraphic(image);
        brush.SetImage(&picture);
    }

    ScriptedMessageService messages;
    ScriptedDialogService dialogs;
    TChartBrush brush;
    TBrushDialog dialog;
};

} // namespace

TEST_F(BrushDialogTest, ListsTheStylesAndSelectsTheBrushsOne)
{
    dialog.show();
    ASSERT_EQ(styles()->count(), 27);
    EXPECT_EQ(styles()->item(26)->text(), QStringLiteral("Snow"));
    EXPECT_EQ(styles()->currentRow(), int(bsCross));
    EXPECT_EQ(imageButton()->text(), QStringLiteral("B&rowse..."));
}

TEST_F(BrushDialogTest, StylesPatternsAndTexturesSetTheBrush)
{
    dialog.show();
    auto *color = child<TButtonColor>(dialog, "BColor");
    styles()->setCurrentRow(1); // "None"
    EXPECT_EQ(brush.Style(), bsClear);
    EXPECT_FALSE(color->isEnabled());
    styles()->setCurrentRow(8); // "Fill 80%": a pattern, transparent where white
    ASSERT_NE(brush.imageIfAny(), nullptr);
    const QImage pattern = brush.imageIfAny()->Graphic();
    ASSERT_EQ(pattern.size(), QSize(8, 8));
    int clear = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            clear += qAlpha(pattern.pixel(x, y)) == 0;
    EXPECT_GT(clear, 0);
    EXPECT_LT(clear, 32);
    EXPECT_EQ(imageButton()->text(), QStringLiteral("Clea&r"));
    styles()->setCurrentRow(21); // "Wood"
    EXPECT_EQ(brush.imageIfAny()->Graphic(), BrushDialogPicture(21));
    styles()->setCurrentRow(6);
    EXPECT_EQ(brush.Style(), bsCross);
    EXPECT_EQ(brush.imageIfAny(), nullptr);
    EXPECT_TRUE(color->isEnabled());
}

TEST_F(BrushDialogTest, APictureSelectsNoStyleAndClearTakesItAway)
{
    giveImage();
    dialog.show();
    EXPECT_EQ(styles()->currentRow(), -1);
    EXPECT_EQ(imageButton()->text(), QStringLiteral("Clea&r"));
    EXPECT_FALSE(child<QLabel>(dialog, "Image1")->pixmap().isNull());
    imageButton()->click();
    EXPECT_EQ(brush.imageIfAny(), nullptr);
    EXPECT_EQ(imageButton()->text(), QStringLiteral("B&rowse..."));
    EXPECT_TRUE(child<QLabel>(dialog, "Image1")->pixmap().isNull());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(BrushDialogTest, BrowseLoadsAPictureAndRefusesFilesThatAreNone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("wall.png"));
    QImage image(6, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(good));
    const QString bad = dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture in here");
    file.close();

    dialog.show();
    dialogs.queuePictureFile(bad);
    imageButton()->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(bad));
    EXPECT_EQ(brush.imageIfAny(), nullptr);
    EXPECT_EQ(brush.Style(), bsCross);

    dialogs.queuePictureFile(good);
    imageButton()->click();
    ASSERT_NE(brush.imageIfAny(), nullptr);
    EXPECT_EQ(brush.imageIfAny()->Graphic().size(), QSize(6, 2));
    EXPECT_EQ(imageButton()->text(), QStringLiteral("Clea&r"));
    EXPECT_EQ(messages.shown().size(), 1);
}

TEST_F(BrushDialogTest, EveryWayOutButOkGivesTheBrushBack)
{
    for (const Leave how : {Leave::Cancel, Leave::Escape, Leave::TitleBar}) {
        SCOPED_TRACE(int(how));
        brush.SetImage(nullptr);
        brush.SetStyle(bsCross);
        brush.SetColor(clGreen);
        dialog.show();
        styles()->setCurrentRow(22);
        brush.SetColor(clRed);
        leave(dialog, how, "Button3");
        EXPECT_EQ(brush.Style(), bsCross);
        EXPECT_EQ(brush.Color(), clGreen);
        EXPECT_EQ(brush.imageIfAny(), nullptr);
    }
    // OK keeps the change.
    QTimer::singleShot(0, [] {
        auto *shown = qobject_cast<TBrushDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        child<QListWidget>(*shown, "LStyle")->setCurrentRow(3);
        child<QPushButton>(*shown, "Button2")->click();
    });
    EXPECT_TRUE(EditChartBrush(nullptr, brush));
    EXPECT_EQ(brush.Style(), bsVertical);
}

namespace {

// Every text a user reads on a form: caption, labels, buttons, group titles, items.
QStringList readableTexts(const QWidget &form)
{
    QStringList texts{form.windowTitle()};
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty())
            texts.append(label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && !button->text().isEmpty())
            texts.append(button->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            texts.append(group->title());
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
        else if (const auto *list = qobject_cast<const QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts.append(list->item(i)->text());
    }
    return texts;
}

} // namespace

TEST(PropertyDialogs, SpeakGermanOnceGermanIsSelected)
{
    registerChartEditor();
    TChartPen pen;
    TChartBrush brush;
    TPlotShadow shadow;
    const auto texts = [&] {
        std::vector<QStringList> result;
        TPenDialog penDialog;
        penDialog.SetPen(&pen);
        penDialog.show();
        result.push_back(readableTexts(penDialog));
        TBrushDialog brushDialog;
        brushDialog.SetBrush(&brush);
        brushDialog.show();
        result.push_back(readableTexts(brushDialog));
        TPlotShadowEditor shadowEditor;
        shadowEditor.RefreshControls(&shadow);
        shadowEditor.show();
        result.push_back(readableTexts(shadowEditor));
        return result;
    };
    const std::vector<QStringList> english = texts();
    PlotGerman::SelectGermanLanguage();
    const std::vector<QStringList> german = texts();
    PlotTranslate::PlotCurrentLanguage = nullptr;
    PlotConst::SetLibraryMessages();

    // Words German shares with English.
    const QStringList shared{QStringLiteral("OK"), QStringLiteral("Horizontal"), QStringLiteral("Diagonal")};
    for (std::size_t form = 0; form < english.size(); ++form) {
        SCOPED_TRACE(english[form].first().toStdString());
        ASSERT_EQ(german[form].size(), english[form].size());
        QString hotkeys;
        for (int i = 0; i < german[form].size(); ++i) {
            const QString before = QString(english[form][i]).remove(u'&');
            const QString after = QString(german[form][i]).remove(u'&');
            SCOPED_TRACE(before.toStdString());
            if (!shared.contains(before, Qt::CaseInsensitive)) {
                EXPECT_NE(after, before);
            }
            const qsizetype marker = german[form][i].indexOf(u'&');
            if (marker >= 0 && marker + 1 < german[form][i].size()) {
                const QChar letter = german[form][i].at(marker + 1).toUpper();
                EXPECT_FALSE(hotkeys.contains(letter)) << "hotkey " << letter.toLatin1() << " twice";
                hotkeys.append(letter);
            }
        }
    }
}
