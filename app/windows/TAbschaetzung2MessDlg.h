// The vapour pressure estimated from two measured points, or the normal boiling point and one.
#pragma once

#include "app/windows/TwoPointDialog.h"

class TAbschaetzung2MessDlg : public TwoPointDialog
{
    Q_OBJECT
public:
    TAbschaetzung2MessDlg(TForm1 &form, QWidget *parent)
        : TwoPointDialog(form, CalculationMode::VapourPressure, QStringLiteral("Abschaetzung2MessDlg"),
                         QStringLiteral("Tensimo-Abschätzung"), parent)
    {
    }
};
