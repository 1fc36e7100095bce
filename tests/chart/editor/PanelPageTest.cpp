// The Panel page on a chart: back image controls, the default colour, bevels, and its gradient tab
// in German.
#include "TFormPlotPanel.h"

#include "DialogDriver.h"
#include "EditorShownPage.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotPictures.h"
#include "PlotProcs.h"
#include "ScriptedDialogService.h"
#include "PlotTranslate.h"
#include "TChart.h"
#include "TPlotGradientEditor.h"

#include <QButtonGroup>
#include <QFile>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include <memory>

namespace {

class PanelPage : public EditorChartTest
{
protected:
    std::unique_ptr<TFormPlotPanel> page;

    void open()
    {
        page = std::make_unique<TFormPlotPanel>(nullptr, chart.get());
        page->show();
    }
    void TearDown() override
    {
        PlotTranslate::PlotCurrentLanguage = nullptr;
        PlotConst::SetLibraryMessages();
    }
};

TEST_F(PanelPage, ShowingThePageCreatesNothingAndWithoutAnImageItsControlsAreOff)
{
    open();
    EXPECT_EQ(chart->backImageIfAny(), nullptr);
    EXPECT_EQ(chart->gradientIfAny(), nullptr);
    EXPECT_FALSE(page->RGBitmap->isEnabled());
    EXPECT_FALSE(page->CBImageInside->isEnabled());
    EXPECT_FALSE(page->CBTransp->isEnabled());
    EXPECT_EQ(page->BBrowseImage->text(), QStringLiteral("B&rowse..."));
    // Only opening the Gradient tab gives the chart a gradient, the one the editor then edits.
    page->PageControl1->setCurrentWidget(page->TabGradient);
    ASSERT_NE(chart->gradientIfAny(), nullptr);
    EXPECT_EQ(page->GradientEditor->Gradient(), chart->gradientIfAny());
}

TEST_F(PanelPage, WithAPictureTheImageControlsWorkAndTheButtonClears)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    chart->BackImage()->SetGraphic(picture);
    open();
    EXPECT_TRUE(page->RGBitmap->isEnabled());
    EXPECT_EQ(page->BBrowseImage->text(), QStringLiteral("Clea&r"));
    EXPECT_FALSE(page->UDLeft->isEnabled());
    page->BitmapModes->button(3)->click();
    EXPECT_EQ(chart->BackImageMode(), pbmCustom);
    EXPECT_TRUE(page->UDLeft->isEnabled());
    page->UDLeft->setValue(30);
    EXPECT_EQ(chart->BackImage()->Left(), 30);
    page->CBTransp->click();
    EXPECT_TRUE(chart->BackImageTransp());
    page->BBrowseImage->click();
    EXPECT_FALSE(chart->HasBackImage());
    EXPECT_EQ(page->BBrowseImage->text(), QStringLiteral("B&rowse..."));
    EXPECT_FALSE(page->CBTransp->isEnabled());
}

TEST_F(PanelPage, DefaultStoresTheButtonFaceAndIsOffUntilAnotherColourIsChosen)
{
    const struct { TColor color; bool isDefault; } cases[] = {{clDefault, true}, {clBtnFace, true}, {clWhite, false}};
    for (const auto &c : cases) {
        chart->SetColor(c.color);
        open();
        EXPECT_EQ(page->CBColorDef->isChecked(), c.isDefault);
        EXPECT_EQ(page->CBColorDef->isEnabled(), !c.isDefault);
    }
    page->CBColorDef->click();
    EXPECT_EQ(chart->Color(), clBtnFace);
    EXPECT_TRUE(page->CBColorDef->isChecked());
    EXPECT_FALSE(page->CBColorDef->isEnabled());
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> { return 0x00FF00; };
    page->BPanelColor->click();
    PlotColorDialog::DialogHook() = {};
    EXPECT_EQ(chart->Color(), TColor(0x00FF00));
    EXPECT_TRUE(page->CBColorDef->isEnabled());
    EXPECT_FALSE(page->CBColorDef->isChecked());
}

TEST_F(PanelPage, BevelsAndBordersAreWrittenAndTheWidthStaysAtLeastOne)
{
    open();
    page->PageControl1->setCurrentWidget(page->TabBorders);
    choose(*page->CBInner, 1);
    EXPECT_EQ(chart->BevelInner(), bvLowered);
    choose(*page->CBOuter, 0);
    EXPECT_EQ(chart->BevelOuter(), bvNone);
    page->UDPanelWi->setValue(4);
    EXPECT_EQ(chart->BevelWidth(), 4);
    page->UDPanelWi->setValue(0);
    EXPECT_EQ(page->UDPanelWi->value(), 1);
    EXPECT_EQ(chart->BevelWidth(), 1);
    page->UDPanelBor->setValue(6);
    EXPECT_EQ(chart->BorderWidth(), 6);
    page->UDRound->setValue(12);
    EXPECT_EQ(chart->BorderRound(), 12);
}

TEST_F(PanelPage, InGermanTheGradientPresetsAreSortedAndDriveTheEditor)
{
    PlotGerman::SelectGermanLanguage();
    open();
    PlotProcs::PlotTranslateControl(page.get());
    page->PageControl1->setCurrentWidget(page->TabGradient);
    auto *presets = child<QListWidget>(*page->GradientEditor, "Gallery");
    ASSERT_NE(presets, nullptr);
    EXPECT_EQ(presets->item(0)->text(), QStringLiteral("Ass"));
    for (int i = 1; i < presets->count(); ++i)
        EXPECT_LE(presets->item(i - 1)->text().localeAwareCompare(presets->item(i)->text()), 0);
    const QList<QListWidgetItem *> hot = presets->findItems(QStringLiteral("Heiß"), Qt::MatchExactly);
    ASSERT_EQ(hot.size(), 1);
    presets->setCurrentItem(hot.front());
    Q_EMIT presets->itemClicked(hot.front());
    EXPECT_TRUE(child<QCheckBox>(*page->GradientEditor, "CBMid")->isChecked());
    EXPECT_EQ(chart->Gradient()->StartColor(), TColor(0x0000FF));
    choose(*child<QComboBox>(*page->GradientEditor, "CBDirection"), int(gdRadial));
    EXPECT_EQ(chart->Gradient()->Direction(), gdRadial);
    EXPECT_TRUE(child<QSlider>(*page->GradientEditor, "TrackBar1")->isEnabled());
    EXPECT_FALSE(child<QWidget>(*page->GradientEditor, "BMid")->isEnabled());
}

// A picture format of the test: remembers that it was asked for, shows one blue pixel.
class RecordingGraphic : public TGraphic
{
public:
    bool LoadFromData(const QByteArray &data) override { return data.startsWith("\x89PNG"); }
    QImage Image() const override
    {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    }
};

TEST_F(PanelPage, BrowseLoadsThroughThePictureLookupAndAnUnreadableFileChangesNothing)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("back.png"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(good));
    const QString bad = dir.filePath(QStringLiteral("broken.png"));
    QFile broken(bad);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    QStringList asked;
    PlotPictures::PlotGraphicClassForExtension() = [&asked](const QString &extension) -> std::unique_ptr<TGraphic> {
        asked.append(extension);
        return std::make_unique<RecordingGraphic>();
    };
    ScriptedDialogService dialogs;
    dialogs.queuePictureFile(good);
    dialogs.queuePictureFile(bad);
    open();
    page->BBrowseImage->click();
    PlotPictures::PlotGraphicClassForExtension() = {};
    EXPECT_EQ(asked, QStringList{QStringLiteral(".PNG")});
    ASSERT_TRUE(chart->HasBackImage());
    EXPECT_NE(chart->BackImage()->SharedGraphic(), nullptr);
    EXPECT_EQ(chart->BackImage()->Graphic().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(page->BBrowseImage->text(), QStringLiteral("Clea&r"));

    // Clear, then a file no reader takes: one box naming it, still no image.
    page->BBrowseImage->click();
    ASSERT_FALSE(chart->HasBackImage());
    messages.clear();
    page->BBrowseImage->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().text.contains(QStringLiteral("broken.png")));
    EXPECT_FALSE(chart->HasBackImage());
    EXPECT_EQ(page->BBrowseImage->text(), QStringLiteral("B&rowse..."));
}

} // namespace
