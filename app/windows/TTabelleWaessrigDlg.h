// The table window of an aqueous solution: the table of the pure-substance window for the
// solution of the aqueous dialog, with a copy of its composition and its boiling point at
// 1.013 bar. Its temperatures in °C are the solutes' whole degrees, both limits included.
#pragma once

#include "app/windows/ValueTableDialog.h"

class CompositionGrid;
class TWaessrigDlg;

class TTabelleWaessrigDlg : public ValueTableDialog
{
    Q_OBJECT
public:
    TTabelleWaessrigDlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent);

    QLabel *Label3 = nullptr; // caption of the composition
    QLabel *Label4 = nullptr; // boiling point note
    CompositionGrid *StringGrid1 = nullptr; // the dialog's composition, read-only

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override { return m_temperatureHeading; }
    std::optional<StepRange> temperatureSteps(const QString &unit) const override;
    void rowsBuilt() override;
    PrintTexts printTexts() const override;
    QString noticeText() const override;

private:
    TWaessrigDlg &m_solution;
    QString m_notePrefix;
    QString m_temperatureHeading;
    QString m_printHeading;
};
