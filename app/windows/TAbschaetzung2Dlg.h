// The vapour pressure estimated from the normal boiling point and the critical data (Riedel).
#pragma once

#include "app/windows/RiedelDialog.h"

class TAbschaetzung2Dlg : public RiedelDialog
{
    Q_OBJECT
public:
    TAbschaetzung2Dlg(TForm1 &form, QWidget *parent)
        : RiedelDialog(form, CalculationMode::VapourPressure, QStringLiteral("Abschaetzung2Dlg"),
                       QStringLiteral("Tensimo-Abschätzung"), parent)
    {
    }

    QLabel *const Label4 = TbCaption;
};
