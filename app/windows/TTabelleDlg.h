// The table window of a pure substance: vapour pressure against temperature or boiling
// temperature against pressure, in whole or tenth steps, to print or copy.
#pragma once

#include "app/windows/ValueTableDialog.h"

class TTabelleDlg : public ValueTableDialog
{
    Q_OBJECT
public:
    TTabelleDlg(TForm1 &form, QWidget *parent);

    QLabel *Label3 = nullptr; // substance name

protected:
    void applyTexts() override;
    TableSystem prepareSystem() override;
    QString temperatureValueHeading() const override;
    PrintTexts printTexts() const override;
    QString noticeText() const override;
    bool keepsSelectionOnUnitChange() const override { return true; }
};
