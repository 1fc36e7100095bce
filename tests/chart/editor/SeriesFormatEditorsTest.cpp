// The series types' Format-tab forms driven through their widgets on the series editor: what
// each control writes, what it enables, and the tabs the forms insert.
#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "PlotColorDialog.h"
#include "TAreaSeries.h"
#include "TAreaSeriesEditor.h"
#include "TArrowSeries.h"
#include "TArrowSeriesEditor.h"
#include "TBarSeries.h"
#include "TBarSeriesEditor.h"
#include "TChart.h"
#include "TChartShape.h"
#include "TChartShapeEditor.h"
#include "TCircledSeriesEditor.h"
#include "TPieOtherSlice.h"
#include "TPieSeries.h"
#include "TPieSeriesEditor.h"
#include "TCustomSeriesEditor.h"
#include "TFastLineSeries.h"
#include "TFastLineSeriesEditor.h"
#include "TFormPlotSeries.h"
#include "TGanttSeries.h"
#include "TGanttSeriesEditor.h"
#include "TLineSeries.h"
#include "TButtonPen.h"
#include "TPlotButton.h"
#include "TPlotFunction.h"
#include "TPlotGradientEditor.h"
#include "TPointSeries.h"
#include "TSeriesPointerEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SeriesFormatEditors : public EditorChartTest
{
protected:
    TFormPlotSeries form;

    ~SeriesFormatEditors() override { PlotColorDialog::DialogHook() = {}; }

    // Opens the series editor on a new series of the class; its Format form of the type asked.
    template <class Editor, class Series>
    Editor *open(Series **made = nullptr, int points = 5)
    {
        auto *series = chart->AddSeriesOfClass<Series>();
        series->FillSampleValues(points);
        if (made)
            *made = series;
        form.SetChart(chart.get());
        form.show();
        EXPECT_TRUE(form.SelectSeries(series));
        return form.TabFormat->findChild<Editor *>();
    }
    QString tabCaption(int index) const { return form.PageSeries->tabText(index); }
    QWidget *tabPage(int index) const { return form.PageSeries->widget(index); }
};

} // namespace

TEST_F(SeriesFormatEditors, LineSeriesOpensOnFormatWithItsPointerOnAPointTab)
{
    TLineSeries *series = nullptr;
    auto *editor = open<TCustomSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(form.PageSeries->currentWidget(), form.TabFormat);
    ASSERT_EQ(tabCaption(1), QStringLiteral("Point"));
    // The inserted tab comes before the General and Marks tabs, which stay shown.
    for (QWidget *tab : {form.TabGeneral, form.TabMarks}) {
        EXPECT_GT(form.PageSeries->indexOf(tab), 1);
        EXPECT_TRUE(form.PageSeries->isTabVisible(form.PageSeries->indexOf(tab)));
    }
    auto *pointer = tabPage(1)->findChild<TSeriesPointerEditor *>();
    ASSERT_NE(pointer, nullptr);
    form.PageSeries->setCurrentIndex(1);
    EXPECT_EQ(pointer->ThePointer(), series->Pointer());
    pointer->CBVisible->click();
    EXPECT_EQ(series->Pointer()->Visible(), pointer->CBVisible->isChecked());
    // Another line series: the old tabs go, the new ones are its own.
    TLineSeries *second = addLineSeries();
    ASSERT_TRUE(form.SelectSeries(second));
    EXPECT_EQ(form.PageSeries->count(), 5);
    form.PageSeries->setCurrentIndex(1);
    EXPECT_EQ(tabPage(1)->findChild<TSeriesPointerEditor *>()->ThePointer(), second->Pointer());
}

TEST_F(SeriesFormatEditors, LineControlsWriteTheirPropertiesAndStairsGateInverted)
{
    TLineSeries *series = nullptr;
    auto *editor = open<TCustomSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    editor->CBStairs->click();
    editor->CBInvStairs->click();
    EXPECT_TRUE(series->Stairs());
    EXPECT_TRUE(series->InvertedStairs());
    editor->CBStairs->click();
    EXPECT_FALSE(series->Stairs());
    EXPECT_FALSE(editor->CBInvStairs->isEnabled());
    EXPECT_TRUE(editor->CBInvStairs->isChecked());
    EXPECT_TRUE(series->InvertedStairs());

    choose(*editor->CBStack, 3);
    EXPECT_EQ(series->Stacked(), cssStack100);
    editor->SEHeight3D->setValue(12);
    EXPECT_EQ(series->LineHeight(), 12);
    editor->CBColorEach->click();
    EXPECT_TRUE(series->ColorEachPoint());
    EXPECT_FALSE(editor->BColor->isEnabled());
    for (QCheckBox *box : {editor->CBColorEachLine, editor->CBClickable, editor->CBDark3D})
        box->click();
    EXPECT_EQ(series->ColorEachLine(), editor->CBColorEachLine->isChecked());
    EXPECT_EQ(series->ClickableLine(), editor->CBClickable->isChecked());
    EXPECT_EQ(series->Dark3D(), editor->CBDark3D->isChecked());
    // Shown again, the controls read what was written.
    editor->hide();
    editor->show();
    EXPECT_EQ(editor->CBStack->currentIndex(), 3);
    EXPECT_EQ(editor->SEHeight3D->value(), 12);
    EXPECT_FALSE(editor->CBStairs->isChecked());
}

TEST_F(SeriesFormatEditors, APointSeriesThroughTheLineEditorHidesTheLineOnlyControls)
{
    auto *points = chart->AddSeriesOfClass<TPointSeries>();
    TCustomSeriesEditor editor(nullptr, points);
    editor.show();
    for (QWidget *control : QList<QWidget *>{editor.GBLineMode, editor.CBDark3D, editor.LHeight3D,
                                             editor.SEHeight3D, editor.BPattern, editor.BOutline}) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(control->isHidden());
    }
    EXPECT_FALSE(editor.CBStack->isHidden());
    EXPECT_FALSE(editor.BShadow->isHidden());
}

TEST_F(SeriesFormatEditors, LineShadowDialogLeavesOutTransparencyAndSmoothing)
{
    TLineSeries *series = nullptr;
    auto *editor = open<TCustomSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    bool seen = false;
    whenModalShows([&](QDialog &dialog) {
        seen = true;
        EXPECT_TRUE(child<QWidget>(dialog, "EShadowTransp")->isHidden());
        EXPECT_TRUE(child<QWidget>(dialog, "CBSmooth")->isHidden());
        child<QSpinBox>(dialog, "Edit1")->setValue(4);
        dialog.accept();
    });
    editor->BShadow->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(series->Shadow()->HorizSize(), 4);
}

TEST_F(SeriesFormatEditors, FastLineIsTheEmbeddedPenEditorWhoseColourIsTheSeriesColour)
{
    TFastLineSeries *series = nullptr;
    auto *editor = open<TFastLineSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isWindow());
    EXPECT_TRUE(child<QPushButton>(*editor, "BOk")->isHidden());
    EXPECT_TRUE(child<QPushButton>(*editor, "BCancel")->isHidden());
    EXPECT_EQ(editor->Pen(), series->LinePen());

    child<QSpinBox>(*editor, "SEWidth")->setValue(3);
    EXPECT_EQ(series->LinePen()->Width(), 3);
    // Escape on the page neither hides it nor gives the pen back.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(editor, &escape);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(series->LinePen()->Width(), 3);

    // The colour button shows the colour drawn, a palette colour; OK on it changes nothing.
    ASSERT_EQ(series->SeriesColor(), clPlotColor);
    std::optional<TColor> opened;
    std::optional<TColor> answer;
    PlotColorDialog::DialogHook() = [&](QWidget *, TColor color, QList<QColor> &) -> std::optional<TColor> {
        opened = color;
        return answer.value_or(color);
    };
    auto *colour = child<TButtonColor>(*editor, "BColor");
    EXPECT_EQ(colour->GetLinkedColor(), series->Color());
    colour->click();
    EXPECT_EQ(opened, series->Color());
    EXPECT_EQ(series->SeriesColor(), clPlotColor);
    answer = TColor(0x123456);
    colour->click();
    EXPECT_EQ(series->SeriesColor(), TColor(0x123456));
    EXPECT_EQ(series->LinePen()->Color(), TColor(0x123456));

    editor->CBStairs->click();
    EXPECT_TRUE(editor->CBInverted->isEnabled());
    editor->CBInverted->click();
    editor->CBStairs->click();
    EXPECT_FALSE(editor->CBInverted->isEnabled());
    EXPECT_TRUE(series->InvertedStairs());
    editor->CBDrawAll->click();
    editor->CBIgnoreNulls->click();
    EXPECT_EQ(series->DrawAllPoints(), editor->CBDrawAll->isChecked());
    EXPECT_EQ(series->IgnoreNulls(), editor->CBIgnoreNulls->isChecked());
}

TEST_F(SeriesFormatEditors, AreaEditorInsertsPointAndGradientTabsAndWritesItsControls)
{
    TAreaSeries *series = nullptr;
    auto *editor = open<TAreaSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(tabCaption(1), QStringLiteral("Point"));
    ASSERT_EQ(tabCaption(2), QStringLiteral("Gradient"));
    EXPECT_NE(tabPage(1)->findChild<TSeriesPointerEditor *>(), nullptr);
    auto *gradient = tabPage(2)->findChild<TPlotGradientEditor *>();
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Gradient(), series->Gradient());
    EXPECT_FALSE(gradient->isWindow());

    editor->MultiAreaButtons->button(2)->click();
    EXPECT_EQ(series->MultiArea(), maStacked100);
    // Until the area has its own colour the button shows the series colour as drawn (a palette
    // colour, not the placeholder); a pick is the area's.
    EXPECT_EQ(editor->BAreaColor->GetLinkedColor(), series->Color());
    EXPECT_NE(series->Color(), clPlotColor);
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> {
        return TColor(0x123456);
    };
    editor->BAreaColor->click();
    EXPECT_EQ(series->AreaColor(), TColor(0x123456));
    EXPECT_NE(series->SeriesColor(), TColor(0x123456));

    EXPECT_FALSE(editor->SEOrigin->isEnabled());
    editor->CBUseOrigin->click();
    EXPECT_TRUE(editor->SEOrigin->isEnabled());
    editor->SEOrigin->setValue(-250);
    EXPECT_EQ(series->YOrigin(), -250.0);
    editor->SETransparency->setValue(40);
    EXPECT_EQ(series->Transparency(), 40);
    editor->CBStairs->click();
    editor->CBInvStairs->click();
    editor->CBStairs->click();
    EXPECT_FALSE(editor->CBInvStairs->isEnabled());
    EXPECT_TRUE(series->InvertedStairs());
    EXPECT_EQ(editor->BAreaLinesPen->Pen(), series->AreaLinesPen());
    EXPECT_EQ(editor->BAreaLinePen->Pen(), series->LinePen());
}

TEST_F(SeriesFormatEditors, BarStyleGatesGradientAndBevelAndGradientSwitchesToRectGradient)
{
    TBarSeries *series = nullptr;
    auto *editor = open<TBarSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->CBBarStyle->count(), 13);
    struct Case { TBarStyle style; bool gradient; bool bevel; };
    const Case cases[] = {{bsRectangle, true, false}, {bsRectGradient, true, false}, {bsCilinder, false, false},
                          {bsBevel, false, true},     {bsInvCone, false, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.style));
        choose(*editor->CBBarStyle, int(c.style));
        EXPECT_EQ(series->BarStyle(), c.style);
        EXPECT_EQ(editor->BGradient->isEnabled(), c.gradient);
        EXPECT_EQ(editor->SEBevel->isEnabled(), c.bevel);
        EXPECT_EQ(editor->LBevel->isEnabled(), c.bevel);
    }
    choose(*editor->CBBarStyle, int(bsRectangle));
    // Switched before the editor opens; kept on OK, given back on Cancel.
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        whenModalShows([&](QDialog &dialog) {
            EXPECT_EQ(series->BarStyle(), bsRectGradient);
            ok ? dialog.accept() : dialog.reject();
        });
        editor->BGradient->click();
        const TBarStyle kept = ok ? bsRectGradient : bsRectangle;
        EXPECT_EQ(series->BarStyle(), kept);
        EXPECT_EQ(editor->CBBarStyle->currentIndex(), int(kept));
    }

    editor->SEBarWidth->setValue(45);
    editor->SEBarOffset->setValue(-20);
    editor->SEBarDepth->setValue(60);
    EXPECT_EQ(series->BarWidthPercent(), 45);
    EXPECT_EQ(series->OffsetPercent(), -20);
    EXPECT_EQ(series->DepthPercent(), 60);
    editor->CBAutoMarkPos->click();
    EXPECT_EQ(series->AutoMarkPosition(), editor->CBAutoMarkPos->isChecked());
}

TEST_F(SeriesFormatEditors, BarStackTabGatesTheGroupAndKeepsTheOriginOnBadText)
{
    TBarSeries *series = nullptr;
    open<TBarSeriesEditor>(&series);
    ASSERT_EQ(tabCaption(1), QStringLiteral("Stack"));
    form.PageSeries->setCurrentIndex(1);
    auto *stack = tabPage(1)->findChild<TStackBarSeriesEditor *>();
    ASSERT_NE(stack, nullptr);
    const bool groupEnabled[] = {false, false, true, true, false, false};
    for (int multi = 0; multi < 6; ++multi) {
        SCOPED_TRACE(multi);
        stack->MultiBarButtons->button(multi)->click();
        EXPECT_EQ(int(series->MultiBar()), multi);
        EXPECT_EQ(stack->SEStackGroup->isEnabled(), groupEnabled[multi]);
    }
    stack->MultiBarButtons->button(int(mbStacked))->click();
    stack->SEStackGroup->setValue(3);
    EXPECT_EQ(series->StackGroup(), 3);

    if (!series->UseYOrigin())
        stack->CBYOrigin->click();
    EXPECT_TRUE(stack->EYOrigin->isEnabled());
    stack->EYOrigin->clear();
    QTest::keyClicks(stack->EYOrigin, QStringLiteral("12"));
    EXPECT_EQ(series->YOrigin(), 12.0);
    QTest::keyClicks(stack->EYOrigin, QStringLiteral("x"));
    EXPECT_EQ(series->YOrigin(), 12.0);
    EXPECT_TRUE(messages.shown().isEmpty());
    stack->CBYOrigin->click();
    EXPECT_FALSE(series->UseYOrigin());
    EXPECT_FALSE(stack->EYOrigin->isEnabled());
}

TEST_F(SeriesFormatEditors, PieDark3DFollowsTheChartsViewAndTheCircleTabHasNoBackground)
{
    for (const bool view3D : {false, true}) {
        SCOPED_TRACE(view3D);
        chart->SetView3D(view3D);
        auto *editor = open<TPieSeriesEditor, TPieSeries>();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->CBDark3D->isEnabled(), view3D);
    }
    ASSERT_EQ(tabCaption(1), QStringLiteral("Circled"));
    auto *circled = tabPage(1)->findChild<TCircledSeriesEditor *>();
    ASSERT_NE(circled, nullptr);
    EXPECT_TRUE(circled->BBackColor->isHidden());
    EXPECT_TRUE(circled->CBTransparent->isHidden());
    EXPECT_TRUE(circled->BCircleGradient->isHidden());
}

TEST_F(SeriesFormatEditors, CircleRadiusOfZeroIsAutoAndAutoSetsZero)
{
    TPieSeries *pie = nullptr;
    open<TPieSeriesEditor>(&pie);
    form.PageSeries->setCurrentIndex(1);
    auto *circled = tabPage(1)->findChild<TCircledSeriesEditor *>();
    ASSERT_NE(circled, nullptr);
    struct Radius { QSpinBox *edit; QCheckBox *autoBox; std::function<int()> stored; };
    const Radius radii[] = {{circled->SEXRadius, circled->CBAutoXR, [pie] { return pie->CustomXRadius(); }},
                            {circled->SEYRadius, circled->CBAutoYR, [pie] { return pie->CustomYRadius(); }}};
    for (const Radius &r : radii) {
        SCOPED_TRACE(r.edit->objectName().toStdString());
        EXPECT_TRUE(r.autoBox->isChecked());
        r.edit->setValue(120);
        EXPECT_EQ(r.stored(), 120);
        EXPECT_FALSE(r.autoBox->isChecked());
        r.edit->setValue(0);
        EXPECT_TRUE(r.autoBox->isChecked());
        r.edit->setValue(80);
        r.autoBox->click();
        EXPECT_EQ(r.stored(), 0);
        EXPECT_EQ(r.edit->value(), 0);
    }
    circled->SERotation->setValue(355);
    circled->SERotation->stepUp(); // wraps
    EXPECT_EQ(pie->RotationAngle(), 0);
    circled->CB3D->click();
    EXPECT_EQ(chart->View3D(), circled->CB3D->isChecked());
}

TEST_F(SeriesFormatEditors, CircleTransparencyGivesWayToAColourOrAShownGradient)
{
    TPieSeries *pie = nullptr;
    open<TPieSeriesEditor>(&pie);
    TCircledSeriesEditor circled(nullptr, pie); // a circled form of its own shows its background controls
    circled.show();
    EXPECT_TRUE(circled.CBTransparent->isChecked());
    EXPECT_FALSE(circled.CBTransparent->isEnabled());
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> {
        return TColor(0x123456);
    };
    circled.BBackColor->click();
    EXPECT_EQ(pie->CircleBackColor(), TColor(0x123456));
    EXPECT_FALSE(circled.CBTransparent->isChecked());
    EXPECT_TRUE(circled.CBTransparent->isEnabled());
    pie->Gradient()->SetVisible(true);
    circled.CBTransparent->click();
    EXPECT_EQ(pie->CircleBackColor(), clPlotColor);
    EXPECT_FALSE(pie->Gradient()->Visible());
    EXPECT_FALSE(circled.CBTransparent->isEnabled());
}

TEST_F(SeriesFormatEditors, PieGroupValueIgnoresTextThatIsNoNumberYet)
{
    TPieSeries *pie = nullptr;
    auto *editor = open<TPieSeriesEditor>(&pie);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->EOtherValue->isEnabled());
    choose(*editor->CBOther, int(poBelowValue));
    EXPECT_EQ(pie->OtherSlice()->Style(), poBelowValue);
    ASSERT_TRUE(editor->EOtherValue->isEnabled());
    editor->EOtherValue->clear();
    QTest::keyClicks(editor->EOtherValue, QStringLiteral("25"));
    ASSERT_EQ(pie->OtherSlice()->Value(), 25.0);
    // Typed or pasted in whole: a lone sign, a number with a letter, nothing.
    for (const char *text : {"-", "1a", "", "1,2,3"}) {
        SCOPED_TRACE(text);
        editor->EOtherValue->selectAll();
        editor->EOtherValue->insert(QString::fromLatin1(text));
        EXPECT_EQ(pie->OtherSlice()->Value(), 25.0);
    }
    EXPECT_TRUE(messages.shown().isEmpty());
    editor->EOtherValue->selectAll();
    editor->EOtherValue->insert(QStringLiteral("8"));
    EXPECT_EQ(pie->OtherSlice()->Value(), 8.0);
    editor->EOtherValue->clear();
    QTest::keyClicks(editor->EOtherValue, QStringLiteral("-3"));
    EXPECT_EQ(pie->OtherSlice()->Value(), -3.0);
    QTest::keyClicks(editor->EOtherLabel, QStringLiteral("Rest"));
    EXPECT_EQ(pie->OtherSlice()->Text(), QStringLiteral("OtherRest"));
}

TEST_F(SeriesFormatEditors, PieLegendButtonOpensTheLegendPageOnTheOtherSlicesLegend)
{
    auto *editor = open<TPieSeriesEditor, TPieSeries>();
    ASSERT_NE(editor, nullptr);
    editor->PageControl1->setCurrentWidget(editor->TabGroup);
    EXPECT_TRUE(editor->BLegend->isHidden()); // no legend page registered
    QObject *edited = nullptr;
    const ScopedEditorForm legendPage(QStringLiteral("TFormPlotLegend"), [&](QWidget *owner, QObject *tag) -> QWidget * {
        edited = tag;
        return new QLabel(QStringLiteral("legend"), owner);
    });
    editor->Refill();
    ASSERT_FALSE(editor->BLegend->isHidden());
    bool seen = false;
    whenModalShows([&](QDialog &dialog) {
        seen = dialog.findChild<QLabel *>() != nullptr;
        dialog.accept();
    });
    editor->BLegend->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(edited, editor->TheSeries()->OtherSlice()->legendIfAny());
    EXPECT_NE(edited, nullptr);
}

TEST_F(SeriesFormatEditors, ArrowSizesPercentAndColourEachWriteTheArrows)
{
    TArrowSeries *series = nullptr;
    auto *editor = open<TArrowSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->LPercent->text(), QStringLiteral("50%"));
    editor->SBPercent->setValue(70);
    EXPECT_EQ(series->ArrowPercent(), 70);
    EXPECT_EQ(editor->LPercent->text(), QStringLiteral("70%"));
    editor->SEArrowWidth->setValue(9);
    editor->SEArrowHeight->setValue(13);
    EXPECT_EQ(series->Pointer()->HorizSize(), 9);
    EXPECT_EQ(series->Pointer()->VertSize(), 13);
    EXPECT_EQ(editor->BArrowPen->Pen(), series->Pointer()->Pen());
    series->Pointer()->Brush()->SetColor(0x00FF00);
    if (series->ColorEachPoint())
        editor->CBColorEach->click();
    EXPECT_EQ(series->Pointer()->Brush()->Color(), TColor(0x00FF00)); // switching off keeps it
    editor->CBColorEach->click();
    EXPECT_TRUE(series->ColorEachPoint());
    EXPECT_EQ(series->Pointer()->Brush()->Color(), clPlotColor);
    EXPECT_FALSE(editor->BArrowColor->isEnabled());
}

TEST_F(SeriesFormatEditors, GanttPointerTabHasNoSizesAndAColourEndsColourEach)
{
    TGanttSeries *series = nullptr;
    auto *editor = open<TGanttSeriesEditor>(&series);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(tabCaption(1), QStringLiteral("Gantt"));
    form.PageSeries->setCurrentIndex(1);
    auto *pointer = tabPage(1)->findChild<TSeriesPointerEditor *>();
    ASSERT_NE(pointer, nullptr);
    EXPECT_TRUE(pointer->SEPointHorizSize->isHidden());
    EXPECT_TRUE(pointer->SEPointVertSize->isHidden());
    EXPECT_FALSE(pointer->CBStyle->isHidden());
    form.PageSeries->setCurrentIndex(0);

    editor->SEPointVertSize->setValue(17);
    EXPECT_EQ(series->Pointer()->VertSize(), 17);
    editor->SETransparency->setValue(30);
    EXPECT_EQ(series->Transparency(), 30);
    EXPECT_EQ(editor->BConnLines->Pen(), series->ConnectingPen());
    if (!series->ColorEachPoint())
        editor->CBColorEach->click();
    ASSERT_TRUE(series->ColorEachPoint());
    PlotColorDialog::DialogHook() = [](QWidget *, TColor, QList<QColor> &) -> std::optional<TColor> {
        return TColor(0x123456);
    };
    editor->BGanttColor->click();
    EXPECT_EQ(series->SeriesColor(), TColor(0x123456));
    EXPECT_FALSE(series->ColorEachPoint());
    EXPECT_FALSE(editor->CBColorEach->isChecked());
}

TEST_F(SeriesFormatEditors, ShapePositionShowsTwoPointShapesAndIgnoresTextThatIsNoNumber)
{
    TChartShape *shape = nullptr;
    auto *editor = open<TChartShapeEditor>(&shape, 0);
    ASSERT_NE(editor, nullptr);
    shape->SetX0(10);
    shape->SetY0(20);
    shape->SetX1(110);
    shape->SetY1(90);
    editor->Refill();
    EXPECT_EQ(editor->EX0->text(), QStringLiteral("10"));
    EXPECT_EQ(editor->EY1->text(), QStringLiteral("90"));
    for (const char *text : {"a", "", "-", "12x"}) {
        SCOPED_TRACE(text);
        editor->EX0->selectAll();
        editor->EX0->insert(QString::fromLatin1(text));
        EXPECT_EQ(shape->X0(), 10.0);
    }
    editor->EX0->selectAll();
    editor->EX0->insert(QStringLiteral("15"));
    EXPECT_EQ(shape->X0(), 15.0);
    EXPECT_TRUE(messages.shown().isEmpty());
    choose(*editor->CBXYStyle, int(xysPixels));
    EXPECT_EQ(shape->XYStyle(), xysPixels);

    shape->AddXY(5, 5);
    editor->Refill();
    for (QLineEdit *edit : {editor->EX0, editor->EY0, editor->EX1, editor->EY1})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
}

TEST_F(SeriesFormatEditors, ShapeStyleTextAndAlignmentWriteTheShape)
{
    TChartShape *shape = nullptr;
    auto *editor = open<TChartShapeEditor>(&shape, 0);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->CBStyle->count(), 14);
    struct Case { TChartShapeStyle style; bool round; };
    for (const Case &c : {Case{chasCircle, false}, Case{chasRectangle, true}, Case{chasStar, false}}) {
        SCOPED_TRACE(int(c.style));
        choose(*editor->CBStyle, int(c.style));
        EXPECT_EQ(shape->Style(), c.style);
        EXPECT_EQ(editor->CBRound->isEnabled(), c.round);
    }
    // Shown on a 3D chart, a rectangle cannot be rounded.
    chart->SetView3D(true);
    choose(*editor->CBStyle, int(chasRectangle));
    editor->Refill();
    EXPECT_FALSE(editor->CBRound->isEnabled());

    editor->MemoText->setPlainText(QStringLiteral("abc\n123"));
    EXPECT_EQ(shape->Text(), (QStringList{QStringLiteral("abc"), QStringLiteral("123")}));
    const TAlignment horizontal[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        editor->AlignButtons->button(i)->click();
        EXPECT_EQ(shape->Alignment(), horizontal[i]);
        editor->VertAlignButtons->button(i)->click();
        EXPECT_EQ(int(shape->VertAlign()), i);
    }
    editor->CBTransparent->click();
    EXPECT_EQ(shape->Transparent(), editor->CBTransparent->isChecked());
}

TEST_F(SeriesFormatEditors, EveryRegisteredSeriesTypeOpensOnItsOwnFormatForm)
{
    QStringList missing;
    int seen = 0;
    for (int i = 0; i < PlotSeriesTypes().Count(); ++i) {
        const TPlotSeriesType &type = PlotSeriesTypes().GetItem(i);
        if (type.FunctionClass || !type.SeriesClass || !type.SeriesClass->factory)
            continue;
        std::unique_ptr<QObject> made = type.SeriesClass->factory();
        auto *series = qobject_cast<TChartSeries *>(made.get());
        ASSERT_NE(series, nullptr) << type.SeriesClass->name.toStdString();
        SCOPED_TRACE(type.SeriesClass->name.toStdString());
        ++seen;
        if (!GetSeriesEditorClass(series)) {
            missing.append(type.SeriesClass->name + QLatin1Char(':') + series->GetEditorClassName());
            continue;
        }
        series->setParent(chart.get()); // the chart frees it
        made.release();
        chart->AddSeries(series);
        form.SetChart(chart.get());
        form.show();
        ASSERT_TRUE(form.SelectSeries(series));
        EXPECT_EQ(form.PageSeries->currentWidget(), form.TabFormat);
        EXPECT_NE(form.TabFormat->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly), nullptr);
    }
    EXPECT_GE(seen, 13);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

TEST_F(SeriesFormatEditors, EveryRegisteredFunctionFindsTheFormItsEditorNameNames)
{
    QStringList missing;
    int seen = 0;
    for (int i = 0; i < PlotSeriesTypes().Count(); ++i) {
        const TPlotSeriesType &type = PlotSeriesTypes().GetItem(i);
        if (!type.FunctionClass || !type.FunctionClass->factory)
            continue;
        const std::unique_ptr<QObject> made = type.FunctionClass->factory();
        const auto *function = qobject_cast<const TPlotFunction *>(made.get());
        ASSERT_NE(function, nullptr) << type.FunctionClass->name.toStdString();
        ++seen;
        if (!GetSeriesEditorClass(function))
            missing.append(type.FunctionClass->name + QLatin1Char(':') + function->GetEditorClassName());
    }
    EXPECT_GE(seen, 10);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}
