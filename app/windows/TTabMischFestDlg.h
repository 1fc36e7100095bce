// The table window of a solid dissolved in a liquid: the table of the pure-substance window for
// the solution of the solid-liquid dialog, with its solvent, solid and mass percentage, and its
// boiling point at 1.013 bar when it boils inside its range.
#pragma once

#include "app/windows/ValueTableDialog.h"

class TFestFlueDlg;

class TTabMischFestDlg : public ValueTableDialog
{
    Q_OBJECT
public:
    TTabMischFestDlg(TForm1 &form, TFestFlueDlg &solution, QWidget *parent);

    QLabel *Label3 = nullptr; // solvent caption
    QLabel *Label4 = nullptr; // solvent
    QLabel *Label5 = nullptr; // solid caption
    QLabel *Label6 = nullptr; // solid
    QLabel *Label7 = nullptr; // mass-fraction caption
    QLabel *Label8 = nullptr; // mass percentage and " %"
    QLabel *Label15 = nullptr; // boiling point note

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override { return m_temperatureHeading; }
    void rowsBuilt() override;
    PrintTexts printTexts() const override;
    QString noticeText() const override;

private:
    TFestFlueDlg &m_solution;
    QString m_notePrefix;
    QString m_temperatureHeading;
};
