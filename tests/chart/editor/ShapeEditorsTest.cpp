// The font and shape editors on a chart's title, and where the series editor shows them.
#include "TFormPlotShape.h"

#include "DialogDriver.h"
#include "EditorRegistry.h"
#include "EditorShownPage.h"
#include "EditorTestSetup.h"
#include "EnglishLibrary.h"
#include "PlotColorDialog.h"
#include "PlotGerman.h"
#include "PlotProcs.h"
#include "TChart.h"
#include "TChartShape.h"
#include "TChartShapeEditor.h"
#include "TChartTitle.h"
#include "TFormPlotSeries.h"
#include "TLineSeries.h"
#include "TPlotFont.h"
#include "TPlotFontEditor.h"
#include "TPlotGradientEditor.h"
#include "TPlotShadow.h"
#include "TSeriesMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace {

QStringList tabTexts(const QTabWidget &pages)
{
    QStringList texts;
    for (int i = 0; i < pages.count(); ++i)
        texts.append(pages.tabText(i));
    return texts;
}

class ShapeEditors : public EditorChartTest
{
protected:
    TChartTitle &title() { return *chart->Title(); }
};

TEST_F(ShapeEditors, MovedIntoAHostItsFourTabsFollowTheHostsOwnAndTheFirstIsActive)
{
    QTabWidget host;
    host.addTab(new QWidget, QStringLiteral("Style"));
    host.addTab(new QWidget, QStringLiteral("Position"));
    host.setCurrentIndex(1);
    TFormPlotShape *editor = InsertShapeEditor(host);
    EXPECT_EQ(tabTexts(host), (QStringList{QStringLiteral("Style"), QStringLiteral("Position"), QStringLiteral("Format"),
                                           QStringLiteral("Text"), QStringLiteral("Gradient"), QStringLiteral("Shadow")}));
    EXPECT_EQ(host.currentIndex(), 0);
    EXPECT_EQ(editor->PC1->count(), 0);
    // The moved tabs still edit the shape the host links.
    editor->RefreshControls(&title());
    host.show();
    host.setCurrentWidget(editor->TabFormat);
    editor->CBRound->click();
    EXPECT_EQ(title().ShapeStyle(), fosRoundRectangle);
    editor->CBRound->click();
    EXPECT_EQ(title().ShapeStyle(), fosRectangle);
}

TEST_F(ShapeEditors, TheBevelSizeIsEditableOnlyWithABevel)
{
    const std::unique_ptr<TFormPlotShape> editor(CreateShapeEditor(nullptr, &title(), nullptr));
    editor->show();
    ASSERT_EQ(title().Bevel(), bvNone);
    EXPECT_FALSE(editor->UDBevW->isEnabled());
    EXPECT_EQ(editor->UDBevW->minimum(), 1);
    choose(*editor->CBBevel, 2);
    EXPECT_EQ(title().Bevel(), bvRaised);
    EXPECT_TRUE(editor->UDBevW->isEnabled());
    editor->UDBevW->setValue(5);
    EXPECT_EQ(title().BevelWidth(), 5);
    choose(*editor->CBBevel, 0);
    EXPECT_EQ(title().Bevel(), bvNone);
    EXPECT_FALSE(editor->UDBevW->isEnabled());
    // Another title shows its own values, and refreshing writes nothing back.
    editor->RefreshControls(chart->SubTitle());
    EXPECT_EQ(editor->UDBevW->value(), chart->SubTitle()->BevelWidth());
    EXPECT_EQ(title().BevelWidth(), 5);
}

TEST_F(ShapeEditors, ShowingTheEditorsCreatesNoGradientOrOutlineUntilTheirTabOrButtonIsUsed)
{
    QWidget host;
    TFormPlotShape *editor = CreateShapeEditor(&host, &title(), &host);
    host.show();
    EXPECT_EQ(title().gradientIfAny(), nullptr);
    EXPECT_EQ(title().Font()->gradientIfAny(), nullptr);
    EXPECT_EQ(title().Font()->outLineIfAny(), nullptr);
    editor->PC1->setCurrentWidget(editor->TabGradient);
    ASSERT_NE(title().gradientIfAny(), nullptr);
    EXPECT_EQ(editor->GradientEditor->Gradient(), title().gradientIfAny());
}

TEST_F(ShapeEditors, TheFontEditorWritesSpacingColourAndOutlineGradient)
{
    QWidget host;
    TPlotFontEditor *editor = InsertFontEditor(host);
    editor->RefreshControls(title().Font());
    host.show();
    editor->UDInter->setValue(7);
    EXPECT_EQ(title().Font()->InterCharSize(), 7);
    editor->UDInter->setValue(-100);
    EXPECT_EQ(title().Font()->InterCharSize(), -100);

    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> { return 0x0000FF; };
    sendMouse(*editor->SHText, QEvent::MouseButtonPress, 5, 5);
    sendMouse(*editor->SHText, QEvent::MouseButtonRelease, 5, 5);
    PlotColorDialog::DialogHook() = {};
    EXPECT_EQ(title().Font()->Color(), TColor(0x0000FF));
    EXPECT_EQ(editor->SHText->Color(), TColor(0x0000FF));

    editor->CBOutGrad->click();
    ASSERT_NE(title().Font()->gradientIfAny(), nullptr);
    EXPECT_TRUE(title().Font()->gradientIfAny()->Outline());
    EXPECT_EQ(editor->BGradient->Gradient(), title().Font()->gradientIfAny());
}

class SeriesEditorShapes : public EditorChartTest
{
protected:
    TFormPlotSeries form;
    TLineSeries *series = addLineSeries();

    void open()
    {
        form.SetChart(chart.get());
        form.show();
        ASSERT_TRUE(form.SelectSeries(series));
    }
};

TEST_F(SeriesEditorShapes, TheMarksTabShowsTheShapeTabsBesideStyleAndArrows)
{
    open();
    form.PageSeries->setCurrentWidget(form.TabMarks);
    EXPECT_EQ(tabTexts(*form.PageMarks),
              (QStringList{QStringLiteral("Style"), QStringLiteral("Arrows"), QStringLiteral("Format"), QStringLiteral("Text"),
                           QStringLiteral("Gradient"), QStringLiteral("Shadow"), QStringLiteral("Symbol")}));
    EXPECT_EQ(form.PageMarks->currentWidget(), form.TabStyle);
    ASSERT_NE(form.MarksShape, nullptr);
    EXPECT_EQ(form.MarksShape->Shape(), series->Marks());
    EXPECT_EQ(series->Marks()->symbolIfAny(), nullptr);

    form.PageMarks->setCurrentWidget(form.MarksShape->TabFormat);
    form.MarksShape->CBTransparent->click();
    EXPECT_EQ(series->Marks()->Transparent(), form.MarksShape->CBTransparent->isChecked());

    // The symbol's own editor has no Text tab and a visibility box of its own.
    form.PageMarks->setCurrentWidget(form.TabSymbol);
    ASSERT_NE(series->Marks()->symbolIfAny(), nullptr);
    EXPECT_EQ(form.SymbolShape->Shape(), series->Marks()->symbolIfAny());
    EXPECT_FALSE(form.SymbolShape->PC1->isTabVisible(1));
    const bool wasVisible = series->Marks()->symbolIfAny()->Visible();
    form.CBSymbolVisible->click();
    EXPECT_NE(series->Marks()->symbolIfAny()->Visible(), wasVisible);
    // The next series' marks follow.
    TLineSeries *second = addLineSeries();
    form.FillSeriesCombo();
    ASSERT_TRUE(form.SelectSeries(second));
    form.PageSeries->setCurrentWidget(form.TabMarks);
    EXPECT_EQ(form.MarksShape->Shape(), second->Marks());
}

TEST_F(SeriesEditorShapes, TheFormatButtonsStoreTheDialogsResult)
{
    open();
    form.PageSeries->setCurrentWidget(form.TabGeneral);
    ASSERT_TRUE(form.BValueFormat->isVisible());
    ASSERT_TRUE(form.BPercentFormat->isVisible());
    whenModalShows([](QDialog &dialog) {
        child<QSpinBox>(dialog, "UpDown1")->setValue(0);
        child<QSpinBox>(dialog, "UpDown2")->setValue(2);
        child<QCheckBox>(dialog, "CBThousands")->setChecked(false);
        child<QPushButton>(dialog, "Button1")->click();
    });
    form.BValueFormat->click();
    EXPECT_EQ(series->ValueFormat(), QStringLiteral("00"));
    EXPECT_EQ(form.CBFormat->currentText(), QStringLiteral("00"));

    const QString percentBefore = series->PercentFormat();
    whenModalShows([](QDialog &dialog) { dialog.reject(); });
    form.BPercentFormat->click();
    EXPECT_EQ(series->PercentFormat(), percentBefore);
}

TEST_F(SeriesEditorShapes, WithoutTheRegisteredFormsTheButtonsAndShapeTabsStayHidden)
{
    ScopedEditorForm noFormat(QStringLiteral("TFormatEditor"), {});
    ScopedEditorForm noShape(QStringLiteral("TFormPlotShape"), {});
    open();
    form.PageSeries->setCurrentWidget(form.TabGeneral);
    EXPECT_FALSE(form.BValueFormat->isVisible());
    form.PageSeries->setCurrentWidget(form.TabMarks);
    EXPECT_EQ(form.PageMarks->count(), 2);
    EXPECT_EQ(form.MarksShape, nullptr);
}

// The shape series' text, edited on its Text tab in the German series editor and seen on the chart.
class ShapeSeriesText : public EditorChartTest
{
protected:
    static constexpr TColor kRed = 0x0000FF;
    static constexpr TColor kGreen = 0x00FF00;
    TFormPlotSeries form;
    TChartShape *shape = nullptr;

    ~ShapeSeriesText() override
    {
        PlotColorDialog::DialogHook() = {};
        restoreEnglishLibrary();
    }

    TPlotFontEditor *openTextTab()
    {
        chart->resize(400, 300);
        shape = chart->AddSeriesOfClass<TChartShape>();
        shape->SetXYStyle(xysPixels);
        shape->SetStyle(chasRectangle);
        shape->SetX0(100);
        shape->SetY0(80);
        shape->SetX1(300);
        shape->SetY1(220);
        shape->SetText({QStringLiteral("WMW")});
        shape->Font()->SetSize(28);
        shape->Font()->SetStyle(TFontStyles(fsBold));
        PlotGerman::SelectGermanLanguage();
        PlotProcs::PlotTranslateControl(&form);
        form.SetChart(chart.get());
        form.show();
        EXPECT_TRUE(form.SelectSeries(shape));
        auto *editor = form.TabFormat->findChild<TChartShapeEditor *>();
        if (!editor)
            return nullptr;
        editor->PageControl1->setCurrentWidget(editor->TabText);
        EXPECT_TRUE(editor->FontEditor->isVisible());
        return editor->FontEditor;
    }
    static void answerColor(TColor color)
    {
        PlotColorDialog::DialogHook() = [color](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> {
            return color;
        };
    }
    // Pixels of the shape's inside close to the colour.
    int pixelsNear(TColor color) const
    {
        const QImage image = chart->grab().toImage();
        const QColor want(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
        int count = 0;
        for (int y = 82; y < 218; ++y)
            for (int x = 102; x < 298; ++x) {
                const QColor seen = image.pixelColor(x, y);
                if (std::abs(seen.red() - want.red()) < 60 && std::abs(seen.green() - want.green()) < 60 &&
                    std::abs(seen.blue() - want.blue()) < 60)
                    ++count;
            }
        return count;
    }
};

TEST_F(ShapeSeriesText, TheTextTabsFontEditorColoursTheDrawnText)
{
    TPlotFontEditor *editor = openTextTab();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Font(), shape->Font());
    EXPECT_EQ(editor->BShadow->text().remove(QLatin1Char('&')), QStringLiteral("Schatten..."));
    EXPECT_GT(pixelsNear(clBlack), 50);
    EXPECT_EQ(pixelsNear(kRed), 0);
    answerColor(kRed);
    sendMouse(*editor->SHText, QEvent::MouseButtonPress, 5, 5);
    sendMouse(*editor->SHText, QEvent::MouseButtonRelease, 5, 5);
    EXPECT_EQ(shape->Font()->Color(), kRed);
    EXPECT_GT(pixelsNear(kRed), 50);
    EXPECT_EQ(pixelsNear(clBlack), 0);
    editor->UDInter->setValue(12);
    EXPECT_EQ(shape->Font()->InterCharSize(), 12);
}

TEST_F(ShapeSeriesText, TheShadowDialogOfTheTextTabKeepsItsChangeOnlyOnOk)
{
    TPlotFontEditor *editor = openTextTab();
    ASSERT_NE(editor, nullptr);
    const QImage before = chart->grab().toImage();
    struct Case
    {
        const char *name;
        std::function<void(QDialog &)> leave;
        bool kept;
    };
    const Case cases[] = {
        {"Cancel", [](QDialog &d) { child<QPushButton>(d, "BCancel")->click(); }, false},
        {"OK", [](QDialog &d) { child<QPushButton>(d, "BOK")->click(); }, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        whenModalShows([&c](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Schatteneditor"));
            child<QSpinBox>(dialog, "Edit1")->setValue(5);
            child<QSpinBox>(dialog, "EVertSize")->setValue(5);
            child<QSpinBox>(dialog, "EShadowTransp")->setValue(0);
            answerColor(kGreen);
            child<QPushButton>(dialog, "BShadowColor")->click();
            c.leave(dialog);
        });
        editor->BShadow->click();
        EXPECT_EQ(shape->Font()->Shadow()->HorizSize() == 5, c.kept);
        if (c.kept)
            EXPECT_GT(pixelsNear(kGreen), 50);
        else
            EXPECT_EQ(chart->grab().toImage(), before);
    }
}

} // namespace
