// The tools gallery.
#include "TPlotToolsGallery.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TPlotCustomTool.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

using EditorWidgets::named;

namespace {

constexpr int kClassRole = Qt::UserRole + 1;

} // namespace

int ToolGalleryTab(const QObject &tool)
{
    if (qobject_cast<const TPlotCustomToolSeries *>(&tool))
        return 0;
    if (qobject_cast<const TPlotCustomToolAxis *>(&tool))
        return 1;
    return 2;
}

TPlotToolsGallery::TPlotToolsGallery(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PlotToolsGallery"));
    setWindowTitle(QStringLiteral("Chart Tools Gallery"));
    TabControl1 = named(new QTabBar(this), "TabControl1");
    LBTool = named(new QListWidget(this), "LBTool");
    LBTool->setIconSize(QSize(16, 16));
    // The descriptions are the library's gallery texts, translated with them.
    LBTool->setProperty(PlotTranslate::kUserTextsProperty, true);
    BOk = named(new QPushButton(QStringLiteral("&Add"), this), "BOk");
    BCan = named(new QPushButton(QStringLiteral("Cancel"), this), "BCan");
    BOk->setDefault(true);
    BOk->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BOk);
    buttons->addWidget(BCan);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabControl1);
    layout->addWidget(LBTool, 1);
    layout->addLayout(buttons);

    connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BCan, &QPushButton::clicked, this, &QDialog::reject);
    connect(LBTool, &QListWidget::itemSelectionChanged, this,
            [this] { BOk->setEnabled(!LBTool->selectedItems().isEmpty()); });
    connect(LBTool, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(TabControl1, &QTabBar::currentChanged, this, &TPlotToolsGallery::fillTools);
}

void TPlotToolsGallery::showEvent(QShowEvent *event)
{
    if (TabControl1->count() == 0) {
        const QSignalBlocker blocker(TabControl1);
        TabControl1->addTab(PlotConst::message(PlotConst::msgSeries));
        TabControl1->addTab(QStringLiteral("Axis"));
        TabControl1->addTab(PlotConst::message(PlotConst::msgPieOther));
        fillTools();
        PlotProcs::PlotTranslateControl(this);
    }
    QDialog::showEvent(event);
}

void TPlotToolsGallery::fillTools()
{
    LBTool->clear();
    BOk->setEnabled(false);
    const int tab = TabControl1->currentIndex();
    const TPlotToolTypes &types = PlotToolTypes();
    for (int i = 0; i < types.Count(); ++i) {
        const ChartClassDescriptor *toolClass = types.GetItem(i);
        if (!toolClass->factory)
            continue;
        // A passing instance tells what the tool binds to, its description and its icon.
        const std::unique_ptr<QObject> instance = toolClass->factory();
        const auto *tool = qobject_cast<const TPlotCustomTool *>(instance.get());
        if (!tool || (tab <= 2 && ToolGalleryTab(*tool) != tab))
            continue;
        auto *item = new QListWidgetItem(tool->Description(), LBTool);
        QImage bitmap;
        if (PlotProcs::LoadClassBitmap(tool, bitmap))
            item->setIcon(QPixmap::fromImage(bitmap));
        item->setData(kClassRole, QVariant::fromValue(quintptr(toolClass)));
    }
}

const ChartClassDescriptor *TPlotToolsGallery::SelectedClass() const
{
    const QList<QListWidgetItem *> selected = LBTool->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return reinterpret_cast<const ChartClassDescriptor *>(selected.front()->data(kClassRole).value<quintptr>());
}
