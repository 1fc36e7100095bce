// The window of the concentration ranges: each solute of the aqueous dialog with the mass
// percentages its data cover.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class SubstanceListBox;
class TForm1;
class TWaessrigDlg;

class TKonz_Bereiche_Dlg : public QDialog
{
    Q_OBJECT
public:
    TKonz_Bereiche_Dlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent);

    QLabel *Label2 = nullptr; // heading
    QLabel *Label1 = nullptr; // "Massen-% (von / bis):"
    SubstanceListBox *ListBox1 = nullptr; // key TAB lowest / highest
    QPushButton *OKBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    TForm1 &m_form;
    TWaessrigDlg &m_solution;
};
