// The gallery panel core and the gradient editor, driven through their widgets.
#include "TPlotGradientEditor.h"

#include "ChartEditorLibrary.h"
#include "DialogDriver.h"
#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotTranslate.h"
#include "TChartGalleryPanel.h"
#include "TGalleryChart.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

namespace {

void press(QWidget &widget, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
}

// A 4 x 3 panel of 400 x 300 with ten samples.
struct GalleryFixture {
    GalleryFixture()
    {
        panel.resize(400, 300);
        panel.SetBevelWidth(1);
        panel.SetBorderWidth(0);
        for (int i = 0; i < 10; ++i)
            panel.AddChart();
        panel.SetSelectedChart(panel.Charts().front().get());
    }
    TGalleryChart &at(int index) { return *panel.Charts()[size_t(index)]; }
    TChartGalleryPanel panel;
};

QListWidgetItem *presetItem(QListWidget &list, const QString &name)
{
    const auto found = list.findItems(name, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << name.toStdString();
    return found.value(0);
}

void clickPreset(TPlotGradientEditor &editor, const char *name)
{
    auto *list = child<QListWidget>(editor, "Gallery");
    QListWidgetItem *item = presetItem(*list, QString::fromUtf8(name));
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

struct EditorFixture {
    EditorFixture()
    {
        gradient.SetVisible(true);
        editor.LinkGradient(&gradient);
        editor.show();
        child<QTabWidget>(editor, "PageControl1")->setCurrentIndex(0);
    }
    TPlotGradient gradient;
    TPlotGradientEditor editor;
};

} // namespace

TEST(ChartGalleryPanel, CellsAndSamplePlacesFollowTheGrid)
{
    GalleryFixture f;
    EXPECT_EQ(f.panel.CellWidth(), 99);
    EXPECT_EQ(f.panel.CellHeight(), 99);
    EXPECT_EQ(f.at(5).geometry(), QRect(1 * 99 + 1, 1 * 99 + 1, 98, 98));
    f.panel.SetNumCols(0);
    EXPECT_EQ(f.panel.CellWidth(), 0);
}

TEST(ChartGalleryPanel, ArrowsMoveTheSelectionInsideTheGridOverEnabledSamplesOnly)
{
    GalleryFixture f;
    struct Move {
        int from;
        Qt::Key key;
        int to;
    };
    f.at(9).setEnabled(false);
    const Move moves[] = {{0, Qt::Key_Left, 0}, {0, Qt::Key_Up, 0},    {1, Qt::Key_Down, 5}, {5, Qt::Key_Down, 5},
                          {3, Qt::Key_Right, 3}, {4, Qt::Key_Right, 5}, {8, Qt::Key_Down, 8}, {6, Qt::Key_Down, 6}};
    // Sample 9 (below 5) is disabled; 10 and 11 do not exist.
    for (const Move &m : moves) {
        SCOPED_TRACE(testing::Message() << m.from << " key " << m.key);
        f.panel.SetSelectedChart(&f.at(m.from));
        press(f.panel, m.key);
        EXPECT_EQ(f.panel.SelectedIndex(), m.to);
    }
}

TEST(ChartGalleryPanel, SelectionHighlightsOneSampleAndEnterChoosesItOnce)
{
    GalleryFixture f;
    QSignalSpy chosen(&f.panel, &TChartGalleryPanel::OnSelectedChart);
    f.panel.SetSelectedChart(&f.at(2));
    int highlighted = 0;
    for (const auto &chart : f.panel.Charts())
        highlighted += chart->Highlighted() ? 1 : 0;
    EXPECT_EQ(highlighted, 1);
    EXPECT_TRUE(f.at(2).Gradient()->Visible());
    EXPECT_EQ(f.at(2).BevelOuter(), bvRaised);
    EXPECT_EQ(f.at(2).View3DOptions()->Rotation(), 345);
    EXPECT_EQ(f.at(0).View3DOptions()->Rotation(), 335);
    press(f.panel, Qt::Key_Return);
    EXPECT_EQ(chosen.count(), 1);
}

TEST(ChartGalleryPanel, HoverFramesTheSampleRaised)
{
    GalleryFixture f;
    TGalleryChart &sample = f.at(3);
    const auto corner = [&sample] { return sample.grab().toImage().pixelColor(0, 0); };
    const QColor plain = corner();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&sample, &enter);
    EXPECT_EQ(corner(), QColor(Qt::white));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&sample, &leave);
    EXPECT_EQ(corner(), plain);
}

TEST(GradientEditor, PresetsApplyTheirOwnNumberedValues)
{
    EditorFixture f;
    f.gradient.SetDirection(gdRadial);
    f.editor.LinkGradient(&f.gradient);
    clickPreset(f.editor, "Ace");
    const TPlotGradientEditor::Preset &ace = TPlotGradientEditor::PresetAt(3);
    EXPECT_STREQ(ace.name, "Ace");
    EXPECT_EQ(f.gradient.StartColor(), 0x000000);
    EXPECT_EQ(f.gradient.MidColor(), 0xFF8080);
    EXPECT_EQ(f.gradient.EndColor(), 0x000000);
    EXPECT_EQ(f.gradient.Direction(), gdBottomTop);
    EXPECT_EQ(f.gradient.Balance(), 74);
    EXPECT_EQ(child<QComboBox>(f.editor, "CBDirection")->currentIndex(), int(gdBottomTop));
    EXPECT_EQ(child<QListWidget>(f.editor, "Gallery")->item(0)->text(), QStringLiteral("Ace"));

    clickPreset(f.editor, "Hot");
    EXPECT_EQ(f.gradient.MidColor(), clNone);
    EXPECT_TRUE(child<QCheckBox>(f.editor, "CBMid")->isChecked());
}

TEST(GradientEditor, DirectionDecidesMiddleColourAndRadialOffsets)
{
    EditorFixture f;
    struct Case {
        TGradientDirection direction;
        bool middle;
        bool radial;
    };
    for (const Case &c : {Case{gdRadial, false, true}, Case{gdDiagonalUp, true, false}, Case{gdFromCenter, false, false}}) {
        SCOPED_TRACE(int(c.direction));
        choose(*child<QComboBox>(f.editor, "CBDirection"), int(c.direction));
        EXPECT_EQ(f.gradient.Direction(), c.direction);
        EXPECT_EQ(child<QPushButton>(f.editor, "BMid")->isEnabled(), c.middle);
        EXPECT_EQ(child<QCheckBox>(f.editor, "CBMid")->isEnabled(), c.middle);
        EXPECT_EQ(child<QSlider>(f.editor, "TrackBar1")->isEnabled(), c.radial);
        EXPECT_EQ(child<TChartGalleryPanel>(f.editor, "Directions")->SelectedIndex(), int(c.direction));
    }
}

TEST(GradientEditor, NoMiddleUncheckedGivesWhiteAndCheckedClearsIt)
{
    EditorFixture f;
    f.gradient.SetMidColor(clNone);
    f.editor.LinkGradient(&f.gradient);
    auto *noMid = child<QCheckBox>(f.editor, "CBMid");
    ASSERT_TRUE(noMid->isChecked());
    noMid->click();
    EXPECT_EQ(f.gradient.MidColor(), clWhite);
    noMid->click();
    EXPECT_EQ(f.gradient.MidColor(), clNone);
}

TEST(GradientEditor, DirectionSampleSetsTheDirection)
{
    EditorFixture f;
    auto *directions = child<TChartGalleryPanel>(f.editor, "Directions");
    ASSERT_EQ(directions->Charts().size(), 10u);
    QTest::mouseClick(directions->Charts()[6].get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.gradient.Direction(), gdFromBottomLeft);
    EXPECT_EQ(child<QComboBox>(f.editor, "CBDirection")->currentIndex(), int(gdFromBottomLeft));
}

TEST(GradientEditor, EveryWayOutButOkGivesTheGradientBack)
{
    enum class Way { Cancel, Escape, TitleBar, Ok };
    for (const Way way : {Way::Cancel, Way::Escape, Way::TitleBar, Way::Ok}) {
        SCOPED_TRACE(int(way));
        TPlotGradient gradient;
        gradient.SetVisible(true);
        whenModalShows([way](QDialog &dialog) {
            clickPreset(static_cast<TPlotGradientEditor &>(dialog), "Sea");
            QTest::mouseClick(child<TChartGalleryPanel>(dialog, "Directions")->Charts()[9].get(), Qt::LeftButton);
            child<QSlider>(dialog, "SBBalance")->setValue(20);
            switch (way) {
            case Way::Cancel:
                child<QPushButton>(dialog, "BCancel")->click();
                break;
            case Way::Escape:
                press(dialog, Qt::Key_Escape);
                break;
            case Way::TitleBar:
                dialog.close();
                break;
            case Way::Ok:
                child<QPushButton>(dialog, "BOk")->click();
                break;
            }
        });
        const bool accepted = EditPlotGradient(nullptr, gradient);
        EXPECT_EQ(accepted, way == Way::Ok);
        if (way == Way::Ok) {
            EXPECT_EQ(gradient.StartColor(), 0xFFFF80);
            EXPECT_EQ(gradient.Direction(), gdDiagonalDown);
            EXPECT_EQ(gradient.Balance(), 20);
        } else {
            const TPlotGradient untouched;
            EXPECT_EQ(gradient.StartColor(), untouched.StartColor());
            EXPECT_EQ(gradient.Direction(), untouched.Direction());
            EXPECT_EQ(gradient.Balance(), untouched.Balance());
            EXPECT_EQ(gradient.MidColor(), untouched.MidColor());
        }
    }
}

TEST(GradientEditor, ButtonAsksForItsGradientOnlyWhenClicked)
{
    TPlotGradient made;
    int asked = 0;
    TButtonGradient button;
    button.LinkGradientSource([&] {
        ++asked;
        return &made;
    });
    button.show();
    button.grab();
    EXPECT_EQ(asked, 0);
    whenModalShows([](QDialog &dialog) { child<QPushButton>(dialog, "BOk")->click(); });
    QSignalSpy clicked(&button, &TButtonGradient::OnClick);
    button.click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(button.Gradient(), &made);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(GradientEditor, GermanPresetsAreSortedAfterTranslation)
{
    registerChartEditor();
    PlotGerman::SelectGermanLanguage();
    QStringList names;
    QString hotText;
    {
        TPlotGradient gradient;
        TPlotGradientEditor editor;
        editor.LinkGradient(&gradient);
        editor.show();
        auto *list = child<QListWidget>(editor, "Gallery");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        clickPreset(editor, "Heiß");
        hotText = child<QCheckBox>(editor, "CBMid")->text();
        EXPECT_TRUE(child<QCheckBox>(editor, "CBMid")->isChecked());
    }
    PlotTranslate::PlotCurrentLanguage = nullptr;
    PlotConst::SetLibraryMessages();
    ASSERT_EQ(names.size(), TPlotGradientEditor::PresetCount());
    EXPECT_EQ(names.first(), QStringLiteral("Ass"));
    // The preset named like the delimiter has a German name of its own, not the delimiter's.
    EXPECT_TRUE(names.contains(QStringLiteral("Weltraum")));
    EXPECT_FALSE(names.contains(QStringLiteral("Leerzeichen")));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    EXPECT_EQ(names, sorted);
    EXPECT_NE(hotText.remove(u'&'), QStringLiteral("No Middle"));
}
