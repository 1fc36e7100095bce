// The aqueous-solution dialog: water with up to three solutes of the solute file, the solution's
// vapour pressure at a temperature or its boiling temperature at a pressure, its table window and
// the window of the solutes' concentration ranges.
#pragma once

#include "app/core/AqueousSolution.h"
#include "app/data/AqueousFiles.h"
#include "app/windows/CompositionDialog.h"

#include <QString>

#include <vector>

class TKonz_Bereiche_Dlg;
class TTabelleWaessrigDlg;

class TWaessrigDlg : public CompositionDialog
{
    Q_OBJECT
public:
    static constexpr int kComponentRows = 3;

    TWaessrigDlg(TForm1 &form, QWidget *parent);

    // ListBox1: the solutes, name TAB key; StringGrid1: name, key, mass percentage.
    QPushButton *BitBtn3 = nullptr; // concentration ranges
    QPushButton *BitBtn4 = nullptr; // calculate
    QPushButton *BitBtn6 = nullptr; // table
    QPushButton *BitBtn7 = nullptr; // diagram
    QPushButton *BitBtn8 = nullptr; // close

    // The range of the listed solutes in whole °C (0 and 5000 without solutes), and the
    // solution's pressures there.
    int AqTmin = 0;
    int AqTmax = 5000;
    long double AqPmin = 0.0L;
    long double AqPmax = 0.0L;
    // Per used grid row: mol per kg water, and the coefficient k at the last temperature.
    std::vector<long double> Molality;
    std::vector<long double> SoluteCoefficient;

    // The solutes of the files in list order; emptied when the dialog closes.
    const std::vector<AqueousSolute> &SoluteLines() const { return m_solutes; }

    // The molalities of the used rows from their percentages (an empty one is 0 %).
    void CalcMolalities();
    // The coefficients at t (°C), computed anew; after CalcMolalities.
    void CalcSoluteCoefficients(long double temperatureC);
    // The solution's pressure (bar) over pure water of waterPressureBar; after the coefficients.
    long double CalcSolutionPressure(long double waterPressureBar) const;
    // The temperature (K) at which the solution boils at p (bar); NaN when none is found.
    long double CalcSolutionBoilingTemperature(long double pressureBar) const;
    // The checks of the table button: solutes are listed, their ranges overlap in more than one
    // temperature, every percentage is readable, they add up to at most 80 and each lies in its
    // solute's range, by mass and by molality. Shows their boxes; true when a table or a diagram
    // may open.
    bool CheckComposition() override;

    TTabelleWaessrigDlg *tableDialog() const { return m_table; }
    TKonz_Bereiche_Dlg *rangesDialog() const { return m_ranges; }

    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    // The information box on the selected solute: its name and ranges.
    void showSoluteInformation();

protected:
    void FormShow() override;
    void updateRange() override;
    void FormClose() override;
    bool showsPressureRange() const override { return m_rangeValid && !m_singleTemperature; }
    bool canCalculate() const override;
    RangeLimits temperatureLimits() const override;
    bool inputFixed() const override { return m_singleTemperature; }
    long double fixedInputInBaseUnit() const override;
    bool checkInputComposition() override { return checkPercentages() && checkConcentrations(); }
    void prepareModel() override { CalcMolalities(); }
    RangeLimits updatePressureRange() override;
    long double modelPressureBar(long double temperatureK) override;
    long double modelBoilingTemperatureK(long double pressureBar) override
    {
        return CalcSolutionBoilingTemperature(pressureBar);
    }

private:
    void loadSolutes();
    void updateButtons();
    const AqueousSolute *soluteOfRow(int row) const;
    long double rowPercent(int row) const;
    // Readable percentages that add up to at most 80; the first failure's box, false then.
    bool checkPercentages();
    // Each percentage within its solute's range, and each molality no higher than the range's
    // highest percentage gives alone; a box for every row outside, false then.
    bool checkConcentrations();
    // The used rows whose solute is listed, in grid order, as the model takes them.
    std::vector<AqueousComponent> rowComponents() const;

    TTabelleWaessrigDlg *m_table = nullptr;
    TKonz_Bereiche_Dlg *m_ranges = nullptr;
    std::vector<AqueousSolute> m_solutes;
    std::vector<AqueousComponent> m_components;
    // False when the solutes' temperature ranges do not overlap: nothing can be computed.
    bool m_rangeValid = true;
    // The solutes share one temperature: the input is that temperature or its pressure.
    bool m_singleTemperature = false;
    QString TextOnlyAt;
    QString TextBadPercentage;
    QString TextSumAbove80;
    QString TextOutsideRange;
    QString TextRangeInfo;
};
