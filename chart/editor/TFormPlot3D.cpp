// The 3D page.
#include "TFormPlot3D.h"

#include "ChartTypeRegistries.h"
#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "SeriesUtilities.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartGalleryPanel.h"
#include "TChartSeries.h"
#include "TChartWall.h"
#include "TChartWalls.h"
#include "TCustomAxisPanel.h"
#include "TGalleryChart.h"
#include "TPieSeries.h"
#include "TView3DOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>
#include <utility>

using EditorWidgets::named;

namespace {

constexpr int kOffsetRange = 1500;

QSlider *trackBar(QWidget *parent, const char *name, int minimum, int maximum)
{
    auto *bar = named(new QSlider(Qt::Horizontal, parent), name);
    bar->setRange(minimum, maximum);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

// The bar reaches at least the offset: one and a half times it, both ways.
void fitOffsetBar(QSlider &bar, int offset)
{
    if (std::abs(offset) > bar.maximum()) {
        const int reach = int(std::nearbyint(std::abs(offset) * 1.5));
        bar.setRange(-reach, reach);
    }
    bar.setValue(offset);
}

bool firstActiveIsPie(const TCustomAxisPanel &chart)
{
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        if (const TChartSeries *series = chart.GetSeries(i); series->Active())
            return qobject_cast<const TPieSeries *>(series) != nullptr;
    }
    return false;
}

enum class SampleView { Flat, OrthoRight, OrthoLeft, Front, Right, Left };

struct SampleSpec
{
    int caption;
    SampleView view;
};

const SampleSpec kSamples[] = {{PlotConst::msgView2D, SampleView::Flat},
                               {PlotConst::msgViewOrthoRight, SampleView::OrthoRight},
                               {PlotConst::msgViewOrthoLeft, SampleView::OrthoLeft},
                               {PlotConst::msgView3DFront, SampleView::Front},
                               {PlotConst::msgView3DRight, SampleView::Right},
                               {PlotConst::msgView3DLeft, SampleView::Left}};

// One view sample: the first registered series type on a walled chart, turned as the view says.
void prepareViewSample(TGalleryChart &sample, const SampleSpec &spec)
{
    sample.Title()->SetText({PlotConst::message(spec.caption)});
    sample.BackWall()->SetTransparent(false);
    sample.Walls()->SetSize(5);
    if (PlotSeriesTypes().Count() > 0) {
        const TPlotSeriesType &type = PlotSeriesTypes().GetItem(0);
        for (int i = 0; i < std::max(1, type.NumGallerySeries); ++i) {
            if (TChartSeries *series = CreateNewSeries(&sample, &sample, *type.SeriesClass, type.FunctionClass)) {
                series->PrepareForGallery(true);
                series->Clear();
                series->SetVertAxis(aBothVertAxis);
            }
        }
    }
    TView3DOptions &view = *sample.View3DOptions();
    sample.ApplyView3D(true);
    view.SetOrthogonal(false);
    view.SetElevation(360);
    sample.LeftAxis()->SetLabels(true);
    const auto seriesOnRight = [&sample] {
        for (int i = 0; i < sample.SeriesCount(); ++i)
            sample.GetSeries(i)->SetVertAxis(aRightAxis);
    };
    switch (spec.view) {
    case SampleView::Flat:
        sample.ApplyView3D(false);
        break;
    case SampleView::OrthoRight:
        view.SetOrthogonal(true);
        break;
    case SampleView::OrthoLeft:
        view.SetOrthogonal(true);
        sample.LeftWall()->SetVisible(false);
        sample.RightWall()->SetVisible(true);
        seriesOnRight();
        sample.RightAxis()->SetZPosition(0);
        view.SetOrthoAngle(135);
        break;
    case SampleView::Front:
        sample.LeftWall()->SetVisible(true);
        sample.RightWall()->SetVisible(true);
        sample.RightAxis()->SetZPosition(0);
        view.SetRotation(360);
        break;
    case SampleView::Right:
        sample.LeftWall()->SetVisible(true);
        sample.RightWall()->SetVisible(false);
        sample.RightAxis()->SetZPosition(100);
        view.SetRotation(300);
        break;
    case SampleView::Left:
        sample.LeftWall()->SetVisible(false);
        sample.RightWall()->SetVisible(true);
        sample.RightAxis()->SetZPosition(0);
        sample.LeftAxis()->SetZPosition(100);
        view.SetRotation(45);
        break;
    }
}

bool sameView(const TCustomAxisPanel &a, const TCustomAxisPanel &b)
{
    const TView3DOptions &x = *a.View3DOptions();
    const TView3DOptions &y = *b.View3DOptions();
    return a.View3D() == b.View3D() && x.Orthogonal() == y.Orthogonal() && x.OrthoAngle() == y.OrthoAngle()
           && x.Rotation() == y.Rotation() && x.Elevation() == y.Elevation();
}

} // namespace

TFormPlot3D::TFormPlot3D(TCustomAxisPanel *chart, QWidget *parent)
    : QWidget(parent)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("FormPlot3D"));
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabOptions = named(new QWidget, "TabOptions");
    TabViews = named(new QWidget, "TabViews");
    PageControl1->addTab(TabOptions, QStringLiteral("Options"));
    PageControl1->addTab(TabViews, QStringLiteral("Views"));
    (new QVBoxLayout(this))->addWidget(PageControl1);
    buildOptions();

    Gallery = named(new TChartGalleryPanel(TabViews), "Gallery");
    Gallery->DisplaySub = false;
    Gallery->FocusRotation = false;
    Gallery->SetNumCols(3);
    Gallery->SetNumRows(2);
    (new QVBoxLayout(TabViews))->addWidget(Gallery);

    connectOptions();
    connect(Gallery, &TChartGalleryPanel::OnChangeChart, this, &TFormPlot3D::viewChosen);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabViews) {
            fillGallery();
            selectMatchingView();
        } else {
            RefreshControls();
        }
    });
}

void TFormPlot3D::buildOptions()
{
    QWidget *p = TabOptions;
    CBView3d = named(new QCheckBox(QStringLiteral("&3 Dimensions"), p), "CBView3d");
    SE3d = EditorWidgets::spinBox(p, "SE3d", 1, 100, 5);
    CBOrthogonal = named(new QCheckBox(QStringLiteral("&Orthogonal"), p), "CBOrthogonal");
    EOrthoAngle = EditorWidgets::spinBox(p, "EOrthoAngle", 0, 180, 5);
    SBZoom = trackBar(p, "SBZoom", 1, 500);
    SBRotation = trackBar(p, "SBRotation", 0, 360);
    SBElevation = trackBar(p, "SBElevation", 270, 360);
    SBHOffset = trackBar(p, "SBHOffset", -kOffsetRange, kOffsetRange);
    SBVOffset = trackBar(p, "SBVOffset", -kOffsetRange, kOffsetRange);
    SBPerspec = trackBar(p, "SBPerspec", 0, 200);
    SBHOffset->setTickInterval(kOffsetRange / 6);
    SBVOffset->setTickInterval(kOffsetRange / 6);
    SBZoom->setTickInterval(25);
    SBPerspec->setTickInterval(10);
    CBZoomText = named(new QCheckBox(QStringLiteral("Zoom &Text"), p), "CBZoomText");
    ETextSize = EditorWidgets::spinBox(p, "ETextSize", 1, 2000, 5);
    CBClipPoints = named(new QCheckBox(QStringLiteral("&Clip Points"), p), "CBClipPoints");
    LZoom = named(new QLabel(p), "LZoom");
    LRotation = named(new QLabel(p), "LRotation");
    LElevation = named(new QLabel(p), "LElevation");
    LHOffset = named(new QLabel(p), "LHOffset");
    LVOffset = named(new QLabel(p), "LVOffset");
    LPerspec = named(new QLabel(p), "LPerspec");

    auto *grid = new QGridLayout(p);
    grid->addWidget(CBView3d, 0, 0);
    grid->addWidget(EditorWidgets::label(p, QStringLiteral("3&D %:"), SE3d, "Label5"), 0, 1);
    grid->addWidget(SE3d, 0, 2);
    grid->addWidget(CBOrthogonal, 1, 0);
    grid->addWidget(EditorWidgets::label(p, QStringLiteral("&Angle:"), EOrthoAngle, "LOrthoAngle"), 1, 1);
    grid->addWidget(EOrthoAngle, 1, 2);
    const struct
    {
        const char *caption;
        const char *name;
        QSlider *bar;
        QLabel *value;
    } bars[] = {{"&Zoom:", "Label1", SBZoom, LZoom},
                {"&Rotation:", "Label2", SBRotation, LRotation},
                {"E&levation:", "Label3", SBElevation, LElevation},
                {"&Horiz. Offset:", "Label6", SBHOffset, LHOffset},
                {"&Vert. Offset:", "Label7", SBVOffset, LVOffset},
                {"&Perspective:", "Label4", SBPerspec, LPerspec}};
    int row = 2;
    for (const auto &b : bars) {
        grid->addWidget(EditorWidgets::label(p, QString::fromLatin1(b.caption), b.bar, b.name), row, 0);
        grid->addWidget(b.bar, row, 1);
        grid->addWidget(b.value, row, 2);
        ++row;
    }
    grid->addWidget(CBZoomText, row, 0);
    grid->addWidget(ETextSize, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), p), row, 2);
    grid->addWidget(CBClipPoints, row + 1, 0);
    grid->setRowStretch(row + 2, 1);
}

void TFormPlot3D::write(const std::function<void(TCustomAxisPanel &)> &setter)
{
    if (m_filling || !m_chart)
        return;
    editorSet([this, &setter] { setter(*m_chart); }, [this] { RefreshControls(); });
}

void TFormPlot3D::connectOptions()
{
    const auto options = [](TCustomAxisPanel &c) -> TView3DOptions & { return *c.View3DOptions(); };
    connect(CBView3d, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TCustomAxisPanel &c) { c.SetView3D(on); });
        enableControls();
    });
    connect(CBOrthogonal, &QCheckBox::clicked, this, [this, options](bool on) {
        write([&, on](TCustomAxisPanel &c) { options(c).SetOrthogonal(on); });
        enableControls();
    });
    connect(SE3d, &QSpinBox::valueChanged, this, [this](int value) {
        if (isVisible())
            write([value](TCustomAxisPanel &c) { c.SetChart3DPercent(value); });
    });
    connect(EOrthoAngle, &QSpinBox::valueChanged, this, [this, options](int value) {
        if (isVisible())
            write([&, value](TCustomAxisPanel &c) { options(c).SetOrthoAngle(value); });
    });
    connect(ETextSize, &QSpinBox::valueChanged, this, [this, options](int value) {
        if (isVisible())
            write([&, value](TCustomAxisPanel &c) { options(c).SetFontZoom(value); });
    });
    connect(CBZoomText, &QCheckBox::clicked, this,
            [this, options](bool on) { write([&, on](TCustomAxisPanel &c) { options(c).SetZoomText(on); }); });
    connect(CBClipPoints, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TCustomAxisPanel &c) { c.SetClipPoints(on); }); });

    // The value labels follow their bars even while the controls are filled.
    const auto bar = [this](QSlider *slider, QLabel *value, const QString &suffix,
                            void (TView3DOptions::*setter)(int)) {
        connect(slider, &QSlider::valueChanged, this, [this, value, suffix, setter](int v) {
            value->setText(QString::number(v) + suffix);
            write([setter, v](TCustomAxisPanel &c) { (c.View3DOptions()->*setter)(v); });
        });
    };
    bar(SBZoom, LZoom, QStringLiteral("%"), &TView3DOptions::SetZoom);
    bar(SBRotation, LRotation, {}, &TView3DOptions::SetRotation);
    bar(SBElevation, LElevation, {}, &TView3DOptions::SetElevation);
    bar(SBHOffset, LHOffset, {}, &TView3DOptions::SetHorizOffset);
    bar(SBVOffset, LVOffset, {}, &TView3DOptions::SetVertOffset);
    bar(SBPerspec, LPerspec, {}, &TView3DOptions::SetPerspective);
}

void TFormPlot3D::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    RefreshControls();
}

void TFormPlot3D::RefreshOnShow()
{
    m_firstShow = true;
    RefreshControls();
}

void TFormPlot3D::RefreshControls()
{
    if (!m_chart)
        return;
    m_filling = true;
    const TView3DOptions &view = *m_chart->View3DOptions();
    const bool fullRotation = m_chart->Canvas() && m_chart->Canvas()->ReservedQuery();
    CBView3d->setChecked(m_chart->View3D());
    SE3d->setValue(m_chart->Chart3DPercent());
    CBClipPoints->setChecked(m_chart->ClipPoints());
    SBRotation->setMinimum(0);
    SBRotation->setTickInterval(fullRotation ? 20 : 45);
    SBElevation->setMinimum(fullRotation ? 0 : 270);
    SBElevation->setTickInterval(fullRotation ? 20 : 10);
    SBZoom->setValue(view.Zoom());
    CBOrthogonal->setChecked(view.Orthogonal());
    SBRotation->setValue(view.Rotation());
    SBElevation->setValue(view.Elevation());
    fitOffsetBar(*SBHOffset, view.HorizOffset());
    fitOffsetBar(*SBVOffset, view.VertOffset());
    CBZoomText->setChecked(view.ZoomText());
    SBPerspec->setValue(view.Perspective());
    EOrthoAngle->setValue(view.OrthoAngle());
    ETextSize->setValue(view.FontZoom());
    // A bar already at the value did not move: its label is set here.
    LZoom->setText(QString::number(SBZoom->value()) + QLatin1Char('%'));
    for (const auto &[bar, value] : {std::pair{SBRotation, LRotation}, std::pair{SBElevation, LElevation},
                                     std::pair{SBHOffset, LHOffset}, std::pair{SBVOffset, LVOffset},
                                     std::pair{SBPerspec, LPerspec}})
        value->setText(QString::number(bar->value()));
    m_rotationAllowed = fullRotation || !firstActiveIsPie(*m_chart);
    if (m_firstShow) {
        m_firstShow = false;
        PageControl1->setCurrentWidget(TabOptions);
    }
    enableControls();
    m_filling = false;
}

void TFormPlot3D::enableControls()
{
    if (!m_chart)
        return;
    const bool fullRotation = m_chart->Canvas() && m_chart->Canvas()->ReservedQuery();
    const bool view3D = m_chart->View3D();
    const bool orthogonalEnabled = view3D && m_rotationAllowed;
    CBOrthogonal->setEnabled(orthogonalEnabled);
    SBElevation->setEnabled(view3D && (fullRotation || !m_chart->View3DOptions()->Orthogonal()));
    SBRotation->setEnabled(SBElevation->isEnabled() && orthogonalEnabled);
    EOrthoAngle->setEnabled(orthogonalEnabled);
}

void TFormPlot3D::fillGallery()
{
    if (!Gallery->Charts().empty())
        return;
    m_filling = true;
    for (const SampleSpec &spec : kSamples)
        prepareViewSample(*Gallery->AddChart(), spec);
    m_filling = false;
}

void TFormPlot3D::selectMatchingView()
{
    if (!m_chart)
        return;
    TGalleryChart *match = nullptr;
    for (const auto &sample : Gallery->Charts()) {
        if (!match && sameView(*sample, *m_chart))
            match = sample.get();
    }
    m_filling = true;
    Gallery->SetSelectedChart(match);
    m_filling = false;
}

void TFormPlot3D::viewChosen()
{
    TGalleryChart *sample = Gallery->SelectedChart();
    if (!sample)
        return;
    const bool view3D = sample->View3D();
    const TView3DOptions &from = *sample->View3DOptions();
    write([&](TCustomAxisPanel &c) {
        TView3DOptions &to = *c.View3DOptions();
        to.SetOrthogonal(from.Orthogonal());
        to.SetOrthoAngle(from.OrthoAngle());
        to.SetRotation(from.Rotation());
        to.SetElevation(from.Elevation());
        c.SetView3D(view3D);
    });
}
