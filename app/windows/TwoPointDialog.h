// The estimation from two measured points, or the normal boiling point and one, by
// log10 p = A - B / T (after August), in both directions: the vapour pressure at a temperature,
// or the boiling temperature at a pressure.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/windows/EstimationDialog.h"

class TwoPointDialog : public EstimationDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr; // first heading
    QLabel *Label9 = nullptr; // second heading
    QLabel *Label2 = nullptr; // the method
    QLabel *Label6 = nullptr; // heading of point 1
    QLabel *Label7 = nullptr; // heading of point 2
    // The first row holds the temperatures in the vapour-pressure direction, the pressures in the
    // boiling direction; the second row the other quantity.
    QLabel *Label3 = nullptr;
    QLineEdit *Edit1 = nullptr; // point 1
    QLineEdit *Edit3 = nullptr; // point 2
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit2 = nullptr; // point 1
    QLineEdit *Edit4 = nullptr; // point 2
    QComboBox *ComboBox2 = nullptr;
    QLabel *Label8 = nullptr; // caption of the target value
    QLineEdit *Edit5 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QLabel *Label4 = nullptr; // result
    QComboBox *ComboBox4 = nullptr; // unit of the result

    void BitBtn1Click() override;

protected:
    // componentName names the window and its language block.
    TwoPointDialog(TForm1 &form, CalculationMode mode, const QString &componentName, const QString &designCaption,
                    QWidget *parent);

private:
    void FormShow() override;

    CalculationMode m_mode;
};
