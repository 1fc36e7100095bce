// The boiling temperature estimated from the normal boiling point alone (Kollar and Proszt).
#pragma once

#include "app/windows/KollarProsztDialog.h"

class TAbschaetzung1SiedepDlg : public KollarProsztDialog
{
    Q_OBJECT
public:
    TAbschaetzung1SiedepDlg(TForm1 &form, QWidget *parent)
        : KollarProsztDialog(form, CalculationMode::BoilingPoint, QStringLiteral("Abschaetzung1SiedepDlg"),
                             QStringLiteral("Siedepunkt Abschätzung"), parent)
    {
    }
};
