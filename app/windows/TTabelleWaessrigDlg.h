// The table window of an aqueous solution: the table of the pure-substance window for the
// solution of the aqueous dialog, with a copy of its composition and its boiling point at
// 1.013 bar. Its temperatures in °C are the solutes' whole degrees, both limits included.
#pragma once

#include "app/windows/CompositionTableDialog.h"

class TWaessrigDlg;

class TTabelleWaessrigDlg : public CompositionTableDialog
{
    Q_OBJECT
public:
    TTabelleWaessrigDlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent);

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override { return m_temperatureHeading; }
    std::optional<StepRange> temperatureSteps(const QString &unit) const override;
    PrintTexts printTexts() const override;
    QString noticeText() const override;

private:
    TWaessrigDlg &m_solution;
    QString m_temperatureHeading;
    QString m_printHeading;
};
