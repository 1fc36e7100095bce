// A calculation dialog whose system is a composition grid filled from a list.
#include "app/windows/CompositionDialog.h"

#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 300;

} // namespace

CompositionDialog::CompositionDialog(TForm1 &form, const QString &formName, const QString &calculateButtonName,
                                     int componentRows, QWidget *parent)
    : SystemDialog(form, formName, calculateButtonName, parent)
{
    Label1 = addLabel("Label1", QString());
    ListBox1 = new SubstanceListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Label3 = addLabel("Label3", QString());
    StringGrid1 = new CompositionGrid(componentRows, this);
    SpeedButton1 = addToolButton("SpeedButton1", QStyle::SP_ArrowRight);
    SpeedButton2 = addToolButton("SpeedButton2", QStyle::SP_ArrowLeft);

    connect(ListBox1, &SubstanceListBox::Click, this, &CompositionDialog::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &CompositionDialog::SpeedButton1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &CompositionDialog::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &CompositionDialog::SpeedButton2Click);
    connect(StringGrid1, &QTableWidget::cellClicked, this, &CompositionDialog::StringGrid1Click);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, &CompositionDialog::SpeedButton2Click);
    connect(StringGrid1, &CompositionGrid::percentEdited, this, &CompositionDialog::percentEdited);
}

QGridLayout *CompositionDialog::listAndGridLayout()
{
    auto *lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Label3, 0, 2);
    lists->addWidget(ListBox1, 1, 0, 2, 1);
    auto *moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(SpeedButton1);
    moves->addWidget(SpeedButton2);
    moves->addStretch(1);
    lists->addLayout(moves, 1, 1, 2, 1);
    lists->addWidget(StringGrid1, 1, 2, Qt::AlignTop);
    // Spare height goes to the list, not between the headings and what they head.
    lists->setRowStretch(2, 1);
    return lists;
}

void CompositionDialog::showHeadingsAndList(const QStringList &items)
{
    const LanguageTables &language = texts();
    StringGrid1->setCells(0, 0, language.globalText(GlobalText::SubstanceSelectionCaption));
    StringGrid1->setCells(1, 0, language.globalText(GlobalText::FormulaHeading));
    StringGrid1->setCells(2, 0, QStringLiteral("Ma.%"));
    StringGrid1->setColumnWidths(kGridWidth);
    ListBox1->clear();
    ListBox1->addItems(items);
    // The program's selection is no click of the user's: the handler runs here.
    ListBox1->setCurrentRow(0);
    ListBox1Click();
}

void CompositionDialog::ListBox1Click()
{
    SpeedButton1->setEnabled(ListBox1->count() > 0);
    SpeedButton2->setEnabled(false);
}

void CompositionDialog::StringGrid1Click()
{
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(StringGrid1->usedRows() > 0);
    percentEdited();
}

void CompositionDialog::percentEdited()
{
    if (calculationMode() == CalculationMode::BoilingPoint && showsPressureRange())
        Label10->clear();
    showResultCaption();
}

void CompositionDialog::SpeedButton1Click()
{
    // A full grid takes nothing; the same item may be added twice.
    const int row = StringGrid1->firstFreeRow();
    const QListWidgetItem *selected = ListBox1->currentItem();
    if (row == 0 || !selected)
        return;
    const QString item = selected->text();
    StringGrid1->setCells(0, row, item.section(u'\t', 0, 0));
    StringGrid1->setCells(1, row, item.section(u'\t', 1));
    showResultCaption();
    updateRange();
}

void CompositionDialog::SpeedButton2Click()
{
    StringGrid1->deleteRow(StringGrid1->Row());
    StringGrid1->setCurrentCell(0, 0);
    showResultCaption();
    updateRange();
    SpeedButton2->setEnabled(StringGrid1->usedRows() > 0);
}
