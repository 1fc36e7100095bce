// The measured values: tabulated saturation points of a substance, and the vapour pressure
// interpolated between them.
#pragma once

#include "app/core/MeasuredPoints.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SubstanceListBox;
class TForm1;

class TMesswerteDlg : public QDialog
{
    Q_OBJECT
public:
    TMesswerteDlg(TForm1 &form, QWidget *parent);

    SubstanceListBox *MediumListbox = nullptr; // name TAB formula
    QFrame *Panel1 = nullptr;
    QLabel *Stofflabel = nullptr; // name
    QLabel *Label6 = nullptr; // further name
    QLabel *Label4 = nullptr; // formula
    QLabel *Label9 = nullptr; // CAS number
    QLabel *Label2 = nullptr; // heading of the points
    SubstanceListBox *TemperaturListbox = nullptr; // temperature TAB pressure in bar
    QFrame *Panel2 = nullptr;
    QLabel *Label1 = nullptr; // heading of the interpolation
    QLabel *Label3 = nullptr; // caption of the temperature
    QLineEdit *Edit1 = nullptr; // temperature
    QComboBox *ComboBox1 = nullptr; // its unit
    QComboBox *ComboBox3 = nullptr; // unit of the result
    QPushButton *BitBtn1 = nullptr; // calculate
    QLabel *Label5 = nullptr; // result
    QPushButton *CancelBtn = nullptr;

    void MediumListboxClick();
    void BitBtn1Click();
    void Edit1Change();
    void ComboBox3Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void applyTexts();
    void loadMeasuredList();
    void resetResult();

    TForm1 &m_form;
    // Read once, at the first show: the program starts without touching the file.
    bool m_loadTried = false;
    QStringList m_measuredList;
    QList<MeasuredPoint> m_points; // of the selected line
};
