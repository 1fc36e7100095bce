// The source series chooser.
#include "TSelectListForm.h"

#include "EditorWidgets.h"
#include "PlotPenDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using EditorWidgets::named;

TSelectListForm::TSelectListForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SelectListForm"));
    auto *grid = new QGridLayout(this);
    FromList = named(new QListWidget(this), "FromList");
    ToList = named(new QListWidget(this), "ToList");
    for (QListWidget *list : {FromList, ToList})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    L1 = EditorWidgets::label(this, QStringLiteral("A&vailable:"), FromList, "L1");
    L2 = EditorWidgets::label(this, QStringLiteral("&Selected: "), ToList, "L2");
    BRightOne = named(new QPushButton(QStringLiteral(">"), this), "BRightOne");
    BRightAll = named(new QPushButton(QStringLiteral(">>"), this), "BRightAll");
    BLeftOne = named(new QPushButton(QStringLiteral("<"), this), "BLeftOne");
    BLeftAll = named(new QPushButton(QStringLiteral("<<"), this), "BLeftAll");
    BMoveUp = named(new QToolButton(this), "BMoveUp");
    BMoveDown = named(new QToolButton(this), "BMoveDown");
    BMoveUp->setArrowType(Qt::UpArrow);
    BMoveDown->setArrowType(Qt::DownArrow);
    auto *middle = new QVBoxLayout;
    for (QPushButton *b : {BRightOne, BRightAll, BLeftOne, BLeftAll})
        middle->addWidget(b);
    middle->addStretch();
    auto *order = new QVBoxLayout;
    order->addWidget(BMoveUp);
    order->addWidget(BMoveDown);
    order->addStretch();
    grid->addWidget(L1, 0, 0);
    grid->addWidget(L2, 0, 2);
    grid->addWidget(FromList, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(ToList, 1, 2);
    grid->addLayout(order, 1, 3);

    connect(BRightOne, &QPushButton::clicked, this, [this] {
        PlotPenDlg::MoveListSelected(*FromList, *ToList);
        moved();
    });
    connect(BRightAll, &QPushButton::clicked, this, [this] {
        PlotPenDlg::MoveListAll(*FromList, *ToList);
        moved();
    });
    connect(BLeftOne, &QPushButton::clicked, this, [this] {
        PlotPenDlg::MoveListSelected(*ToList, *FromList);
        moved();
    });
    connect(BLeftAll, &QPushButton::clicked, this, [this] {
        PlotPenDlg::MoveListAll(*ToList, *FromList);
        moved();
    });
    // A double-click moves the clicked item alone.
    connect(FromList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        FromList->clearSelection();
        item->setSelected(true);
        BRightOne->click();
    });
    connect(ToList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        ToList->clearSelection();
        item->setSelected(true);
        BLeftOne->click();
    });
    connect(BMoveUp, &QToolButton::clicked, this, [this] { exchange(-1); });
    connect(BMoveDown, &QToolButton::clicked, this, [this] { exchange(1); });
    connect(ToList, &QListWidget::itemSelectionChanged, this, [this] { EnableButtons(); });
    EnableButtons();
}

void TSelectListForm::moved()
{
    Q_EMIT OnChange();
    EnableButtons();
}

void TSelectListForm::exchange(int delta)
{
    const int row = ToList->currentRow();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= ToList->count())
        return;
    QListWidgetItem *item = ToList->takeItem(row);
    ToList->insertItem(other, item);
    ToList->clearSelection();
    ToList->setCurrentItem(item);
    item->setSelected(true);
    moved();
}

void TSelectListForm::EnableButtons()
{
    const bool left = FromList->count() > 0;
    const bool right = ToList->count() > 0;
    BRightOne->setEnabled(left);
    BRightAll->setEnabled(left);
    BLeftOne->setEnabled(right);
    BLeftAll->setEnabled(right);
    const int row = ToList->currentItem() && ToList->currentItem()->isSelected() ? ToList->currentRow() : -1;
    BMoveUp->setEnabled(row > 0);
    BMoveDown->setEnabled(row >= 0 && row < ToList->count() - 1);
}

void TSelectListForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (FromList->count() == 0)
        ToList->setFocus();
}
