// The estimation from the normal boiling point alone (Kollar and Proszt), in both directions:
// the vapour pressure at a temperature, or the boiling temperature at a pressure.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/windows/EstimationDialog.h"

class KollarProsztDialog : public EstimationDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr; // heading
    QLabel *Label2 = nullptr; // heading, the method
    QFrame *Panel3 = nullptr;
    QLabel *Label23 = nullptr; // warning about polar substances
    QLabel *Label3 = nullptr; // caption of Tb
    QLineEdit *Edit1 = nullptr; // Tb
    QComboBox *ComboBox1 = nullptr; // unit of Tb, and of T in the vapour-pressure direction
    QLabel *Label5 = nullptr; // caption of T or p
    QLineEdit *Edit2 = nullptr; // T or p
    QComboBox *ComboBox2 = nullptr; // unit of p (boiling direction)
    QLabel *Label4 = nullptr; // result
    QComboBox *ComboBox3 = nullptr; // unit of the pressure result (vapour-pressure direction)
    QComboBox *ComboBox4 = nullptr; // unit of the temperature result (boiling direction)

    void BitBtn1Click() override;

protected:
    // componentName names the window and its language block.
    KollarProsztDialog(TForm1 &form, CalculationMode mode, const QString &componentName, const QString &designCaption,
                        QWidget *parent);

private:
    void FormShow() override;

    CalculationMode m_mode;
};
