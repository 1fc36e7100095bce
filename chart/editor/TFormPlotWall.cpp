// The Walls page.
#include "TFormPlotWall.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TChartEditForm.h"
#include "TChartWall.h"
#include "TChartWalls.h"
#include "TCustomChart.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr int kBottomTab = 2;

} // namespace

TFormPlotWall::TFormPlotWall(QWidget *parent, TCustomChartWall *wall, TCustomChart *chart)
    : QWidget(parent)
    , m_chart(chart)
    , m_wall(wall)
{
    setObjectName(QStringLiteral("FormPlotWall"));
    TabSubWalls = named(new QTabBar(this), "TabSubWalls");
    for (const char *caption : {"Left", "Right", "Bottom", "Back"})
        TabSubWalls->addTab(QString::fromLatin1(caption));
    BWallColor = named(new TButtonColor(this), "BWallColor");
    BWallColor->setText(QStringLiteral("&Color..."));
    BWallPen = named(new TButtonPen(this), "BWallPen");
    BWallPen->setText(QStringLiteral("B&order..."));
    BWallBrush = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BWallBrush");
    BGradient = named(new TButtonGradient(this), "BGradient");
    BGradient->setText(QStringLiteral("&Gradient..."));
    UDWallSize = spinBox(this, "UDWallSize", 0, 100);
    CBTransp = named(new QCheckBox(QStringLiteral("&Transparent"), this), "CBTransp");
    CBDark3D = named(new QCheckBox(QStringLiteral("&Dark 3D"), this), "CBDark3D");
    CBVisible = named(new QCheckBox(QStringLiteral("V&isible"), this), "CBVisible");
    UDTransp = spinBox(this, "UDTransp", 0, 100);
    CBAutoHide = named(new QCheckBox(QStringLiteral("&Auto Hide"), this), "CBAutoHide");
    CBView3dWalls = named(new QCheckBox(QStringLiteral("&Visible Walls"), this), "CBView3dWalls");
    UDAllSize = spinBox(this, "UDAllSize", 0, 100);

    auto *grid = new QGridLayout;
    grid->addWidget(BWallColor, 0, 0);
    grid->addWidget(BWallPen, 1, 0);
    grid->addWidget(BWallBrush, 2, 0);
    grid->addWidget(BGradient, 3, 0);
    grid->addWidget(label(this, QStringLiteral("Siz&e:"), UDWallSize, "LabelWallSize"), 0, 1);
    grid->addWidget(UDWallSize, 0, 2);
    grid->addWidget(CBTransp, 1, 1);
    grid->addWidget(CBDark3D, 2, 1);
    grid->addWidget(CBVisible, 3, 1);
    grid->addWidget(label(this, QStringLiteral("T&ransparency:"), UDTransp, "LabelTransp"), 4, 1);
    grid->addWidget(UDTransp, 4, 2);
    grid->addWidget(CBAutoHide, 5, 1);
    auto *all = new QHBoxLayout;
    all->addWidget(CBView3dWalls);
    all->addWidget(label(this, QStringLiteral("Size:"), UDAllSize, "LabelAllSize"));
    all->addWidget(UDAllSize);
    all->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabSubWalls);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(all);
    connectControls();
}

TCustomChartWall *TFormPlotWall::WallAt(int index) const
{
    if (!m_chart)
        return nullptr;
    TChartWalls &walls = *m_chart->Walls();
    switch (index) {
    case 0:
        return walls.Left();
    case 1:
        return walls.Right();
    case kBottomTab:
        return walls.Bottom();
    default:
        return walls.Back();
    }
}

void TFormPlotWall::write(const std::function<void(TCustomChartWall &)> &change)
{
    if (m_wall && !m_filling)
        editorSet([&] { change(*m_wall); }, [this] { fill(); });
}

void TFormPlotWall::connectControls()
{
    connect(TabSubWalls, &QTabBar::currentChanged, this, [this](int index) {
        if (m_filling)
            return;
        m_wall = WallAt(index);
        fill();
    });
    connect(UDWallSize, &QSpinBox::valueChanged, this, [this](int v) {
        write([v](TCustomChartWall &w) { w.SetSize(v); });
        CBDark3D->setEnabled(v > 0);
    });
    connect(CBTransp, &QCheckBox::clicked, this, [this](bool on) { write([on](TCustomChartWall &w) { w.SetTransparent(on); }); });
    connect(CBDark3D, &QCheckBox::clicked, this, [this](bool on) { write([on](TCustomChartWall &w) { w.SetDark3D(on); }); });
    connect(CBVisible, &QCheckBox::clicked, this, [this](bool on) { write([on](TCustomChartWall &w) { w.SetVisible(on); }); });
    connect(UDTransp, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TCustomChartWall &w) { w.SetTransparency(v); }); });
    connect(CBAutoHide, &QCheckBox::clicked, this, [this](bool on) { write([on](TCustomChartWall &w) { w.SetAutoHide(on); }); });
    connect(BWallBrush, &QPushButton::clicked, this, [this] {
        if (m_wall)
            EditChartBrush(this, *m_wall->Brush());
    });
    connect(BGradient, &TButtonGradient::OnClick, this, [this] {
        // A visible gradient shows only on a wall that is not transparent.
        if (m_wall && m_wall->gradientIfAny() && m_wall->gradientIfAny()->Visible()) {
            editorSet([this] { m_wall->SetTransparent(false); });
            CBTransp->setChecked(false);
        }
    });
    connect(CBView3dWalls, &QCheckBox::clicked, this, [this](bool on) {
        if (m_chart && !m_filling)
            editorSet([&] { m_chart->SetView3DWalls(on); });
    });
    connect(UDAllSize, &QSpinBox::valueChanged, this, [this](int v) {
        if (!m_chart || m_filling)
            return;
        editorSet([&] { m_chart->Walls()->SetSize(v); });
        fill();
    });
}

void TFormPlotWall::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_wall && m_chart) {
        m_filling = true;
        TChartWalls &walls = *m_chart->Walls();
        const TCustomChartWall *wall = m_wall;
        TabSubWalls->setCurrentIndex(wall == walls.Left() ? 0 : wall == walls.Right() ? 1 : wall == walls.Bottom() ? 2 : 3);
    }
    fill();
}

void TFormPlotWall::fill()
{
    m_filling = true;
    if (m_wall && m_chart) {
        const QSignalBlocker blockSize(UDWallSize), blockTransp(UDTransp), blockAll(UDAllSize);
        TCustomChartWall &w = *m_wall;
        CBView3dWalls->setChecked(m_chart->View3DWalls());
        UDWallSize->setValue(w.Size());
        CBTransp->setChecked(w.Transparent());
        CBDark3D->setChecked(w.Dark3D());
        CBDark3D->setEnabled(w.Size() >= 1);
        CBVisible->setChecked(w.Visible());
        CBAutoHide->setChecked(w.AutoHide());
        CBAutoHide->setVisible(TabSubWalls->currentIndex() != kBottomTab);
        UDTransp->setValue(w.Transparency());
        UDAllSize->setValue(w.Size());
        BWallPen->LinkPen(w.Pen());
        if (w.gradientIfAny())
            BGradient->LinkGradient(w.gradientIfAny());
        else
            BGradient->LinkGradientSource([wall = m_wall]() -> TCustomPlotGradient * { return wall ? wall->Gradient() : nullptr; });
        BWallColor->LinkProperty(&w, QStringLiteral("Color"));
        BWallColor->update();
    }
    m_filling = false;
}

EditorPage wallsEditorPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        TCustomChart *chart = form.TheChart();
        return chart ? new TFormPlotWall(host, chart->LeftWall(), chart) : nullptr;
    };
    return page;
}
