// The font and shape editors on a chart's title, and where the series editor shows them.
#include "TFormPlotShape.h"

#include "DialogDriver.h"
#include "EditorRegistry.h"
#include "EditorShownPage.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "TChart.h"
#include "TChartTitle.h"
#include "TFormPlotSeries.h"
#include "TLineSeries.h"
#include "TPlotFont.h"
#include "TPlotFontEditor.h"
#include "TPlotGradientEditor.h"
#include "TSeriesMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

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

} // namespace
