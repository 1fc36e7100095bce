// The average function's options: the period, and whether null points count.
#pragma once

#include "TPlotFunctionEditor.h"

class QCheckBox;

class TAverageFuncEditor : public TPlotFunctionEditor
{
    Q_OBJECT
public:
    TAverageFuncEditor(QWidget *parent, QObject *tag);

    QCheckBox *CBNulls;

protected:
    void ShowFunctionSettings() override;
    void StoreFunctionSettings() override;
};
