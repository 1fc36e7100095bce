// The medium picker.
#include "app/diagram/TMeddazuDlg.h"

#include "app/data/LanguageTables.h"
#include "app/diagram/NamedControl.h"
#include "app/windows/SubstanceListBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

TMeddazuDlg::TMeddazuDlg(const DiagramHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("MeddazuDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Medium zum Diagramm hinzufügen"));
    resize(626, 278);

    ListBox1 = named(new SubstanceListBox(this), "ListBox1");
    ListBox2 = named(new SubstanceListBox(this), "ListBox2");
    Label1 = named(new QLabel(QStringLiteral("Medienauswahl:"), this), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Medien in Diagramm:"), this), "Label2");
    SpeedButton1 = named(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    SpeedButton2 = named(new QToolButton(this), "SpeedButton2");
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BitBtn1 = named(new QPushButton(QStringLiteral("&Schließen"), this), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("Diagramm &aktualisieren"), this), "BitBtn2");

    auto *lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Label2, 0, 2);
    lists->addWidget(ListBox1, 1, 0);
    auto *moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(SpeedButton1);
    moves->addWidget(SpeedButton2);
    moves->addStretch(1);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(ListBox2, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(ListBox1, &SubstanceListBox::Click, this, &TMeddazuDlg::ListBox1Click);
    connect(ListBox2, &SubstanceListBox::Click, this, &TMeddazuDlg::ListBox2Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TMeddazuDlg::SpeedButton1Click);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &TMeddazuDlg::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TMeddazuDlg::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TMeddazuDlg::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &TMeddazuDlg::BitBtn2Click);
}

void TMeddazuDlg::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is no new show: the lists stay as the user left them.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TMeddazuDlg::LoadCaptions()
{
    FormTextReader reader = m_host.texts().block(u"MeddazuDlg");
    setWindowTitle(reader.next(windowTitle()));
    Label2->setText(reader.next(QStringLiteral("Medien in Diagramm")) + u':');
    Label1->setText(reader.next(QStringLiteral("Medienauswahl")) + u':');
    BitBtn2->setText(reader.next(BitBtn2->text()));
    BitBtn1->setText(m_host.texts().globalText(GlobalText::CloseCaption));
}

void TMeddazuDlg::FormShow()
{
    LoadCaptions();
    ListBox1->clear();
    ListBox1->addItems(m_host.substanceLines());
    ListBox1->setCurrentRow(0);
    // An empty main list has nothing to add.
    SpeedButton1->setEnabled(ListBox1->currentItem() != nullptr);
    SpeedButton2->setEnabled(false);
}

void TMeddazuDlg::ListBox1Click()
{
    SpeedButton2->setEnabled(false);
    SpeedButton1->setEnabled(ListBox1->currentItem() != nullptr);
}

void TMeddazuDlg::ListBox2Click()
{
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(ListBox2->currentItem() != nullptr);
}

void TMeddazuDlg::SpeedButton1Click()
{
    // Only a selected line is added; the same line may be added twice.
    const QListWidgetItem *selected = ListBox1->currentItem();
    if (!selected)
        return;
    ListBox2->addItem(selected->text());
}

void TMeddazuDlg::SpeedButton2Click()
{
    // Without a selection there is nothing to remove: the row would be -1.
    const int row = ListBox2->currentRow();
    if (row < 0 || !ListBox2->currentItem())
        return;
    std::unique_ptr<QListWidgetItem>(ListBox2->takeItem(row));
    // The neighbour takes the removed line's place, so the next click removes that one.
    if (ListBox2->count() > 0)
        ListBox2->setCurrentRow(std::min(row, ListBox2->count() - 1));
    SpeedButton2->setEnabled(ListBox2->currentItem() != nullptr);
}

void TMeddazuDlg::BitBtn2Click()
{
    if (m_redraw)
        m_redraw();
}
