// The estimation from the normal boiling point and the critical data (Riedel), in both directions:
// the vapour pressure at a temperature, or the boiling temperature at a pressure.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/windows/EstimationDialog.h"

class RiedelDialog : public EstimationDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr; // heading, three lines
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *TbCaption = nullptr; // Label4, Label40 in the boiling direction
    QLineEdit *Edit1 = nullptr; // Tb
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label6 = nullptr; // caption of Tc
    QLineEdit *Edit3 = nullptr; // Tc
    QComboBox *ComboBox2 = nullptr;
    QLabel *Label7 = nullptr; // caption of Pc
    QLineEdit *Edit4 = nullptr; // Pc
    QComboBox *ComboBox3 = nullptr;
    QLabel *Label5 = nullptr; // caption of T or p
    QLineEdit *Edit2 = nullptr; // T or p
    QComboBox *ComboBox4 = nullptr;
    QLabel *Label8 = nullptr; // result
    QComboBox *ComboBox5 = nullptr; // unit of the result

    void BitBtn1Click() override;

protected:
    // componentName names the window and its language block.
    RiedelDialog(TForm1 &form, CalculationMode mode, const QString &componentName, const QString &designCaption,
                  QWidget *parent);

private:
    void FormShow() override;

    CalculationMode m_mode;
};
