// The liquid-liquid mixture dialog: up to 14 substances of the database with their mass
// percentages, the vapour pressure of the ideal mixture at a temperature or its boiling
// temperature at a pressure, and the mixture's table window.
#pragma once

#include "app/core/RaoultMixture.h"
#include "app/windows/CompositionDialog.h"

#include <QString>

#include <optional>
#include <vector>

class TTabelleMischungDlg;

class TFlueFlueDlg : public CompositionDialog
{
    Q_OBJECT
public:
    static constexpr int kComponentRows = 14;

    TFlueFlueDlg(TForm1 &form, QWidget *parent);

    // ListBox1: the main window's substances, name TAB formula; StringGrid1: name, formula, %.
    QToolButton *SpeedButton3 = nullptr; // notes on the model
    QPushButton *BitBtn1 = nullptr; // diagram
    QPushButton *BitBtn2 = nullptr; // close
    QPushButton *BitBtn3 = nullptr; // calculate
    QPushButton *BitBtn4 = nullptr; // table

    // The mixture's temperature range: the largest lower and the smallest upper limit of its
    // components (0 and 5000 K without components), and its pressures there.
    long double MixTmin = 0.0L;
    long double MixTmax = 5000.0L;
    long double MixPmin = 0.0L;
    long double MixPmax = 0.0L;
    // The components taken into the model by CalcMoleFractions, in grid order.
    int ComponentCount = 0;
    std::vector<long double> MoleFractions;
    std::vector<int> RecordIndexes; // lines of the main window's database list

    // Takes every named row of the grid into the model (an empty percentage is 0 %); the
    // components' equations are read here once, not per pressure.
    void CalcMoleFractions();
    // Raoult's sum at T (K), in bar; after CalcMoleFractions.
    long double CalcMixturePressure(long double temperatureK) const;
    // The temperature (K) at which the mixture boils at p (bar); NaN when none is found.
    long double CalcMixtureBoilingTemperature(long double pressureBar) const;
    // The checks of the table button: a component is listed, the ranges overlap, every
    // percentage is readable and within 0 to 100, and they add up to 100. Shows their boxes;
    // true when a table or a diagram may open.
    bool CheckComposition() override;

    TTabelleMischungDlg *tableDialog() const { return m_table; }

    void SpeedButton3Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void FormShow() override;
    void updateRange() override;
    void FormClose() override;
    bool showsPressureRange() const override { return m_rangeValid; }
    bool canCalculate() const override;
    RangeLimits temperatureLimits() const override;
    bool checkInputComposition() override { return checkPercentages(false); }
    void prepareModel() override { CalcMoleFractions(); }
    RangeLimits updatePressureRange() override;
    long double modelPressureBar(long double temperatureK) override { return CalcMixturePressure(temperatureK); }
    long double modelBoilingTemperatureK(long double pressureBar) override
    {
        return CalcMixtureBoilingTemperature(pressureBar);
    }

private:
    void updateButtons();
    // The percentages of the named rows: the rows that are unreadable or outside 0 to 100 (an
    // empty one is 0 %), and the sum of the others.
    struct Percentages
    {
        std::vector<int> badRows;
        long double sum = 0.0L;
        bool addUp() const;
    };
    Percentages readPercentages() const;
    // Reports every bad row (the table button writes a blank before the row number) and a sum
    // other than 100; false when any was found.
    bool checkPercentages(bool blankBeforeRow);
    // The line of the main window's database list that a grid row names; -1 when none does.
    int recordIndex(int row) const;

    TTabelleMischungDlg *m_table = nullptr;
    std::vector<MixtureComponent> m_components;
    bool m_rangeValid = true;
    QString TextBadPercentage;
    QString TextSumNot100;
    QString TextRangeCheckFailed;
};
