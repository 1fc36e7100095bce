// The table window of a system given by a composition grid.
#include "app/windows/CompositionTableDialog.h"

#include "app/windows/CompositionGrid.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 300;

} // namespace

CompositionTableDialog::CompositionTableDialog(TForm1 &form, const QString &formName, int componentRows,
                                               QWidget *parent)
    : ValueTableDialog(form, formName, parent)
{
    Label3 = new QLabel(Bevel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    StringGrid1 = new CompositionGrid(componentRows, Bevel1);
    StringGrid1->setColumnWidths(kGridWidth);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label4 = new QLabel(Bevel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    systemArea()->addWidget(Label3);
    systemArea()->addWidget(StringGrid1);
    noteArea()->addWidget(Label4);
    resize(420, 360 + StringGrid1->height());
}

void CompositionTableDialog::copyComposition(const CompositionGrid &grid)
{
    StringGrid1->copyFrom(grid);
    Label4->clear();
}

void CompositionTableDialog::rowsBuilt()
{
    Label4->setText(boilingNote(m_notePrefix, m_noteInBothTables));
}
