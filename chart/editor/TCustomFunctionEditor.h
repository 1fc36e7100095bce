// The options of y = f(x): where the points start, their step and how many there are.
#pragma once

#include "TBaseFunctionEditor.h"

class QLineEdit;

class TCustomFunctionEditor : public TBaseFunctionEditor
{
    Q_OBJECT
public:
    TCustomFunctionEditor(QWidget *parent, QObject *tag);

    QLineEdit *EStartX;
    QLineEdit *EStep;
    QLineEdit *ENumPoints;

protected:
    void ShowFunctionSettings() override;
    void StoreFunctionSettings() override;
    bool ValidateSettings() override;

private:
    // The three values as typed; throws PlotConvertError for a refused text.
    struct Values
    {
        double startX = 0;
        double step = 1;
        int numPoints = 100;
    };
    Values read() const;
};
