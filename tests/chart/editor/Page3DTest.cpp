// The 3D page: what it enables for which chart, the offset bars, the view samples and its return
// to "Options".
#include "EditorTestSetup.h"

#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartGalleryPanel.h"
#include "TFormPlot3D.h"
#include "TGalleryChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TView3DOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Page3D : public EditorChartTest
{
protected:
    Page3D()
    {
        chart->SetView3D(true);
        page.resize(420, 360);
    }
    void showPage()
    {
        page.show();
        page.RefreshControls();
    }
    void showViews() { page.PageControl1->setCurrentWidget(page.TabViews); }
    TGalleryChart &sample(int index) const { return *page.Gallery->Charts().at(std::size_t(index)); }

    TFormPlot3D page{chart.get()};
};

} // namespace

TEST_F(Page3D, RotationControlsFollowThe3DSwitchTheOrthogonalViewAndAFirstPie)
{
    struct Case
    {
        const char *name;
        bool pieFirst;
        bool view3D;
        bool orthogonal;
        bool orthoEnabled;
        bool elevationEnabled;
        bool rotationEnabled;
    };
    const Case cases[] = {
        {"line in 3D", false, true, false, true, true, true},
        {"pie in 3D", true, true, false, false, true, false},
        {"flat", false, false, false, false, false, false},
        {"orthogonal", false, true, true, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        chart->FreeAllSeries();
        if (c.pieFirst)
            chart->AddSeriesOfClass<TPieSeries>()->FillSampleValues(4);
        addLineSeries();
        chart->SetView3D(c.view3D);
        chart->View3DOptions()->SetOrthogonal(c.orthogonal);
        showPage();
        EXPECT_EQ(page.CBOrthogonal->isEnabled(), c.orthoEnabled);
        EXPECT_EQ(page.EOrthoAngle->isEnabled(), c.orthoEnabled);
        EXPECT_EQ(page.SBElevation->isEnabled(), c.elevationEnabled);
        EXPECT_EQ(page.SBRotation->isEnabled(), c.rotationEnabled);
    }
}

TEST_F(Page3D, TheSwitchWritesThe3DViewAndEnablesAtOnce)
{
    addLineSeries();
    showPage();
    page.CBView3d->click();
    EXPECT_FALSE(chart->View3D());
    EXPECT_FALSE(page.SBElevation->isEnabled());
    EXPECT_FALSE(page.CBOrthogonal->isEnabled());
    page.CBView3d->click();
    EXPECT_TRUE(chart->View3D());
    EXPECT_TRUE(page.CBOrthogonal->isEnabled());
    page.CBOrthogonal->setChecked(true);
    page.CBOrthogonal->click();
    EXPECT_FALSE(chart->View3DOptions()->Orthogonal());
    EXPECT_TRUE(page.SBRotation->isEnabled());
}

TEST_F(Page3D, AnOffsetBeyondTheBarWidensItAndTheBarsWriteTheirOptions)
{
    chart->View3DOptions()->SetHorizOffset(2000);
    showPage();
    EXPECT_EQ(page.SBHOffset->minimum(), -3000);
    EXPECT_EQ(page.SBHOffset->maximum(), 3000);
    EXPECT_EQ(page.SBHOffset->value(), 2000);
    EXPECT_EQ(page.SBVOffset->maximum(), 1500);
    EXPECT_EQ(page.LHOffset->text(), QStringLiteral("2000"));
    EXPECT_EQ(page.LVOffset->text(), QStringLiteral("0")) << "a bar that did not move shows its value too";
    // Filling wrote nothing; a user's move writes the option and shows on the label.
    EXPECT_EQ(chart->View3DOptions()->HorizOffset(), 2000);
    page.SBRotation->setValue(350);
    EXPECT_EQ(chart->View3DOptions()->Rotation(), 350);
    EXPECT_EQ(page.LRotation->text(), QStringLiteral("350"));
    page.SBZoom->setValue(120);
    EXPECT_EQ(page.LZoom->text(), QStringLiteral("120%"));
    EXPECT_EQ(chart->View3DOptions()->Zoom(), 120);
}

TEST_F(Page3D, ARefusedDepthShowsTheLibrarysMessageAndKeepsTheDepth)
{
    chart->SetChart3DPercent(40);
    showPage();
    page.SE3d->setMinimum(0);
    page.SE3d->setValue(0);
    EXPECT_EQ(chart->Chart3DPercent(), 40);
    EXPECT_EQ(page.SE3d->value(), 40);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.startsWith(QStringLiteral("3D effect percent")));
}

TEST_F(Page3D, ViewsOffersSixSamplesSelectsTheMatchingOneAndAClickCopiesItsView)
{
    addLineSeries();
    showPage();
    showViews();
    ASSERT_EQ(page.Gallery->Charts().size(), 6u);
    const QStringList titles{QStringLiteral("2D"),       QStringLiteral("Ortho Right"), QStringLiteral("Ortho Left"),
                             QStringLiteral("3D Front"), QStringLiteral("3D Right"),    QStringLiteral("3D Left")};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sample(i).Title()->Text(), QStringList{titles[i]});
    EXPECT_FALSE(sample(0).View3D());
    EXPECT_TRUE(sample(2).View3DOptions()->Orthogonal());
    EXPECT_EQ(sample(2).View3DOptions()->OrthoAngle(), 135);
    EXPECT_EQ(page.Gallery->SelectedChart(), nullptr) << "no sample has the chart's view";

    QTest::mouseClick(&sample(5), Qt::LeftButton);
    const TView3DOptions &view = *chart->View3DOptions();
    EXPECT_TRUE(chart->View3D());
    EXPECT_FALSE(view.Orthogonal());
    EXPECT_EQ(view.Rotation(), 45);
    EXPECT_EQ(view.Elevation(), 360);
    QTest::mouseClick(&sample(0), Qt::LeftButton);
    EXPECT_FALSE(chart->View3D());

    // Back and again: the sample of the chart's view is the selected one, and selecting it wrote nothing.
    page.PageControl1->setCurrentWidget(page.TabOptions);
    EXPECT_FALSE(page.CBView3d->isChecked());
    chart->SetView3D(true);
    chart->View3DOptions()->SetOrthogonal(true);
    chart->View3DOptions()->SetOrthoAngle(135);
    showViews();
    EXPECT_EQ(page.Gallery->SelectedIndex(), 2);
    EXPECT_TRUE(chart->View3D());
}

TEST_F(Page3D, ShowingThe3DTabAgainReturnsToOptions)
{
    addLineSeries();
    TChartEditForm editor;
    editor.SetChart(chart.get());
    editor.show();
    editor.ShowTab(cet3D);
    auto *shown = qobject_cast<TFormPlot3D *>(editor.Page(cet3D));
    ASSERT_NE(shown, nullptr);
    shown->PageControl1->setCurrentWidget(shown->TabViews);
    editor.ShowTab(cetMain);
    editor.ShowTab(cet3D);
    EXPECT_EQ(shown->PageControl1->currentWidget(), shown->TabOptions);
}
