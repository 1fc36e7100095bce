// The window of the concentration ranges.
#include "app/windows/TKonz_Bereiche_Dlg.h"

#include "app/data/LanguageTables.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TWaessrigDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TKonz_Bereiche_Dlg::TKonz_Bereiche_Dlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
    , m_solution(solution)
{
    setObjectName(QStringLiteral("Konz_Bereiche_Dlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Mögliche Konz.bereiche"));
    Label2 = new QLabel(QStringLiteral("Berechenbare Konzentrationsbereiche"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label1 = new QLabel(QStringLiteral("Massen-% (von / bis):"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new SubstanceListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
    layout->addWidget(ListBox1, 1);
    layout->addWidget(OKBtn, 0, Qt::AlignRight);
    resize(300, 360);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TKonz_Bereiche_Dlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is no new show: the user's input stays.
    if (!event->spontaneous())
        FormShow();
}

void TKonz_Bereiche_Dlg::FormShow()
{
    FormTextReader reader = m_form.languageTables().block(u"Konz_Bereiche_Dlg");
    setWindowTitle(reader.next(windowTitle()));
    Label2->setText(reader.next(Label2->text()));
    Label1->setText(reader.next(Label1->text()));
    ListBox1->clear();
    for (const AqueousSolute &solute : m_solution.SoluteLines())
        ListBox1->addItem(solute.key + u'\t' + solute.massPercentMinText + QStringLiteral(" / ")
                          + solute.massPercentMaxText);
    ListBox1->setCurrentRow(m_solution.ListBox1->currentRow());
}
