// The boiling temperature estimated from the normal boiling point and the critical data (Riedel).
#pragma once

#include "app/windows/RiedelDialog.h"

class TAbschaetzung2SiedepDlg : public RiedelDialog
{
    Q_OBJECT
public:
    TAbschaetzung2SiedepDlg(TForm1 &form, QWidget *parent)
        : RiedelDialog(form, CalculationMode::BoilingPoint, QStringLiteral("Abschaetzung2SiedepDlg"),
                       QStringLiteral("Siedepunkt-Abschätzung"), parent)
    {
    }

    QLabel *const Label40 = TbCaption;
};
