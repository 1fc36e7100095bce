// The solid-liquid dialog: a solvent of the database with one dissolved, non-volatile solid of
// the solids file, the solution's vapour pressure at a temperature or its boiling temperature at
// a pressure by Raoult's law for the solvent, and the solution's table window.
#pragma once

#include "app/core/VapourPressure.h"
#include "app/data/SolidsFile.h"
#include "app/windows/SystemDialog.h"

#include <QString>

class QToolButton;
class SubstanceListBox;
class TTabMischFestDlg;

class TFestFlueDlg : public SystemDialog
{
    Q_OBJECT
public:
    TFestFlueDlg(TForm1 &form, QWidget *parent);

    SubstanceListBox *ListBox1 = nullptr; // solvents: the main window's substances
    SubstanceListBox *ListBox2 = nullptr; // solids: name TAB formula, by name
    QLabel *Label1 = nullptr; // heading of the solvents
    QLabel *Label2 = nullptr; // heading of the solids
    QLabel *Label5 = nullptr; // solvent caption
    QLabel *Label6 = nullptr; // the selected solvent
    QLabel *Label7 = nullptr; // solid caption
    QLabel *Label8 = nullptr; // the selected solid
    QLabel *Label3 = nullptr; // caption of the mass percentage
    QLineEdit *Edit3 = nullptr; // mass percentage of the solid in the solution
    QToolButton *SpeedButton3 = nullptr; // notes on the model
    QPushButton *BitBtn3 = nullptr; // calculate
    QPushButton *BitBtn4 = nullptr; // table
    QPushButton *BitBtn6 = nullptr; // diagram
    QPushButton *BitBtn7 = nullptr; // close

    // The solution's temperature range: the solvent's, limited above by the solid's limit; and
    // its pressures there.
    long double MixTmin = 0.0L;
    long double MixTmax = 0.0L;
    long double MixPmin = 0.0L;
    long double MixPmax = 0.0L;
    long double SolventMoleFraction = 1.0L;

    // The solids of the file in the order of their names; emptied when the dialog closes.
    const std::vector<SolidEntry> &SolidList() const { return m_solids; }

    // x of the solvent from the selected solvent, the selected solid and Edit3; the solvent's
    // equation is read here once.
    void CalcSolventMoleFraction();
    // x p_solvent(T) in bar; after CalcSolventMoleFraction.
    long double CalcSolutionPressure(long double temperatureK) const;
    // The temperature (K) at which the solution boils at p (bar); NaN when none is found.
    long double CalcSolutionBoilingTemperature(long double pressureBar) const;
    // The checks of the table button: a solvent and a solid are selected, their ranges overlap
    // and Edit3 holds a percentage from 0 to below 100. Shows their boxes; true when a table or
    // a diagram may open.
    bool CheckComposition() override;

    TTabMischFestDlg *tableDialog() const { return m_table; }

    void ListBox1Click();
    void ListBox2Click();
    void Edit3Change();
    void SpeedButton3Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void FormShow() override;
    void updateRange() override;
    void FormClose() override;
    bool canCalculate() const override;
    RangeLimits temperatureLimits() const override;
    bool checkInputComposition() override { return checkEdit3(); }
    void prepareModel() override { CalcSolventMoleFraction(); }
    RangeLimits updatePressureRange() override;
    long double modelPressureBar(long double temperatureK) override { return CalcSolutionPressure(temperatureK); }
    long double modelBoilingTemperatureK(long double pressureBar) override
    {
        return CalcSolutionBoilingTemperature(pressureBar);
    }

private:
    void loadSolids();
    void updateButtons();
    // Edit3 as a mass percentage: a box and the focus on Edit3 when it is empty, unreadable or
    // outside 0 to below 100.
    bool checkEdit3();
    QString solventRecord() const;
    const SolidEntry *selectedSolid() const;

    TTabMischFestDlg *m_table = nullptr;
    std::vector<SolidEntry> m_solids;
    VapourPressureCoefficients m_solvent;
    // False when the solvent's range ends below the solid's limit: nothing can be computed.
    bool m_rangeValid = false;
    QString SolidTexts[4];
};
