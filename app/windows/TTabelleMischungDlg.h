// The table window of a liquid mixture: the table of the pure-substance window for the mixture of
// the liquid-liquid dialog, with a copy of its composition and its boiling point at 1.013 bar.
#pragma once

#include "app/windows/ValueTableDialog.h"

class CompositionGrid;
class TFlueFlueDlg;

class TTabelleMischungDlg : public ValueTableDialog
{
    Q_OBJECT
public:
    TTabelleMischungDlg(TForm1 &form, TFlueFlueDlg &mixture, QWidget *parent);

    QLabel *Label3 = nullptr; // "Mischung:"
    QLabel *Label4 = nullptr; // boiling point note
    CompositionGrid *StringGrid1 = nullptr; // the dialog's composition, read-only

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override { return m_temperatureHeading; }
    void rowsBuilt() override;
    PrintTexts printTexts() const override;
    QString noticeText() const override;

private:
    TFlueFlueDlg &m_mixture;
    QString m_notePrefix;
    QString m_temperatureHeading;
};
