// The boiling temperature estimated from two measured points, or the normal boiling point and one.
#pragma once

#include "app/windows/TwoPointDialog.h"

class TSiedepAbschae2MessDlg : public TwoPointDialog
{
    Q_OBJECT
public:
    TSiedepAbschae2MessDlg(TForm1 &form, QWidget *parent)
        : TwoPointDialog(form, CalculationMode::BoilingPoint, QStringLiteral("SiedepAbschae2MessDlg"),
                         QStringLiteral("Siedepunkt-Abschätzung"), parent)
    {
    }
};
