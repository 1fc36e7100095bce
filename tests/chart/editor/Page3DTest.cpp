// The 3D page: what it enables for which chart, the offset bars, the view samples and its return
// to "Options".
#include "EditorTestSetup.h"

#include "GuiCanvas.h"
#include "PlotColor.h"
#include "RecordingCanvas.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartEditForm.h"
#include "TChartGalleryPanel.h"
#include "TFormPlot3D.h"
#include "TGalleryChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TView3DOptions.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

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

// "3D vorn" drew the curves black (their faces seen edge-on show only their outline), "3D rechts"
// and turns of 30, 60 and 300 degrees ran the bottom labels together, "3D links" and the turns put
// the left title across its labels. A vapour-pressure chart in every view the page offers and
// turned from "3D vorn" on its options: each segment shows its series' colour, no two axis texts
// meet and every one lies on the picture.
TEST_F(Page3D, EveryViewAndTurnKeepsTheCurvesColoursAndTheAxisTextsApart)
{
    const QString bottomTitle = QStringLiteral("Temperatur in °C");
    const QString leftTitle = QStringLiteral("Dampfdruck in bar");
    for (const double shift : {0.0, 1.0}) {
        auto *series = chart->AddSeriesOfClass<TLineSeries>();
        for (int celsius = -100; celsius <= 20; celsius += 2)
            series->AddXY(celsius, std::exp(12.0 + shift - (4600.0 + 800.0 * shift) / (celsius + 273.15)));
    }
    chart->resize(600, 400);
    chart->BottomAxis()->Title()->SetCaption(bottomTitle);
    chart->LeftAxis()->Title()->SetCaption(leftTitle);
    chart->LeftAxis()->SetLogarithmic(true);
    chart->LeftAxis()->SetAxisValuesFormat(QStringLiteral("#,##0.##########"));
    dynamic_cast<TPlotCanvas3D *>(chart->Canvas())->SetBuffered(false);
    showPage();
    showViews();
    ASSERT_EQ(page.Gallery->Charts().size(), 6u);

    const auto check = [&](const std::string &view) {
        SCOPED_TRACE(view);
        QImage image(chart->width(), chart->height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        GuiCanvas gui(&image);
        chart->Draw(&gui, chart->GetRectangle());
        gui.endPaint();
        const TCanvas3D &canvas = *chart->Canvas();
        for (int s = 0; s < chart->SeriesCount(); ++s) {
            const TChartSeries &curve = *chart->GetSeries(s);
            const QRgb colours[] = {PlotColor::toQRgb(curve.Color()),
                                    PlotColor::toQRgb(PlotColor::darken(curve.Color(), PlotColor::kDarkenAmount))};
            const int z = (curve.StartZ() + curve.EndZ()) / 2;
            int coloured = 0;
            for (int i = 1; i < curve.Count(); ++i) {
                const TPoint at = canvas.Calc3DPoint((curve.CalcXPos(i - 1) + curve.CalcXPos(i)) / 2,
                                                     (curve.CalcYPos(i - 1) + curve.CalcYPos(i)) / 2, z);
                bool found = false;
                for (int dy = -2; dy <= 2 && !found; ++dy)
                    for (int dx = -2; dx <= 2 && !found; ++dx) {
                        const QPoint p(at.x + dx, at.y + dy);
                        found = image.rect().contains(p) && std::ranges::count(colours, image.pixel(p)) > 0;
                    }
                coloured += found;
            }
            EXPECT_GE(coloured, (curve.Count() - 1) * 9 / 10) << "series " << s;
        }

        auto owned = std::make_unique<RecordingCanvas>();
        RecordingCanvas &recording = *owned;
        chart->SetCanvas(std::move(owned));
        chart->Draw(nullptr, chart->GetRectangle());
        std::vector<QRect> labels;
        std::vector<QRect> titles;
        int bottomLabels = 0;
        for (const RecordedCall &text : recording.calls(QStringLiteral("TextOut"))) {
            bool number = false;
            const double value = QLocale().toDouble(text.text, &number);
            if (text.text == bottomTitle || text.text == leftTitle)
                titles.push_back(recording.textBox(text));
            else if (number)
                labels.push_back(recording.textBox(text));
            bottomLabels += number && (value <= 0.0 || value >= 1.0);
        }
        chart->SetCanvas(std::make_unique<TPlotCanvas3D>());
        dynamic_cast<TPlotCanvas3D *>(chart->Canvas())->SetBuffered(false);
        EXPECT_EQ(titles.size(), 2u);
        EXPECT_GE(bottomLabels, 4);
        EXPECT_GE(int(labels.size()) - bottomLabels, 4);
        const QRect picture(0, 0, chart->width(), chart->height());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(picture.contains(labels[i])) << "label " << i;
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].intersects(labels[j])) << "labels " << i << " and " << j;
            for (const QRect &title : titles)
                EXPECT_FALSE(labels[i].intersects(title)) << "label " << i;
        }
        for (const QRect &title : titles)
            EXPECT_TRUE(picture.contains(title));
    };
    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(&sample(i), Qt::LeftButton);
        check(sample(i).Title()->Text().join(u' ').toStdString());
    }
    QTest::mouseClick(&sample(3), Qt::LeftButton);
    page.PageControl1->setCurrentWidget(page.TabOptions);
    ASSERT_TRUE(page.SBRotation->isEnabled());
    for (const int rotation : {30, 60, 300, 330}) {
        page.SBRotation->setValue(rotation);
        ASSERT_EQ(chart->View3DOptions()->Rotation(), rotation);
        check("rotation " + std::to_string(rotation));
    }
}
