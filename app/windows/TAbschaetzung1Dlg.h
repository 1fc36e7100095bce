// The vapour pressure estimated from the normal boiling point alone (Kollar and Proszt).
#pragma once

#include "app/windows/KollarProsztDialog.h"

class TAbschaetzung1Dlg : public KollarProsztDialog
{
    Q_OBJECT
public:
    TAbschaetzung1Dlg(TForm1 &form, QWidget *parent)
        : KollarProsztDialog(form, CalculationMode::VapourPressure, QStringLiteral("Abschaetzung1Dlg"),
                             QStringLiteral("Tensimo-Abschätzung"), parent)
    {
    }
};
