// The table window of a liquid mixture: the table of the pure-substance window for the mixture of
// the liquid-liquid dialog, with a copy of its composition and its boiling point at 1.013 bar.
#pragma once

#include "app/windows/CompositionTableDialog.h"

class TFlueFlueDlg;

class TTabelleMischungDlg : public CompositionTableDialog
{
    Q_OBJECT
public:
    TTabelleMischungDlg(TForm1 &form, TFlueFlueDlg &mixture, QWidget *parent);

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override { return m_temperatureHeading; }
    PrintTexts printTexts() const override;
    QString noticeText() const override;

private:
    TFlueFlueDlg &m_mixture;
    QString m_temperatureHeading;
};
