// The base of a function's option forms, shown on the "Options" tab of the function editor:
// copies the function into the controls on show and the controls into the function on close.
#pragma once

#include "TChartSeries.h"
#include "TPlotFunction.h"

#include <QPointer>
#include <QWidget>

struct ChartClassDescriptor;

class TBaseFunctionEditor : public QWidget
{
    Q_OBJECT
public:
    // The tag is the series the function belongs to.
    TBaseFunctionEditor(QWidget *parent, QObject *tag);

    // True while the form copies the function into its controls.
    bool Showing = false;
    // The function being edited; none until one exists.
    TPlotFunction *TheFunction() const { return m_function; }
    TChartSeries *TheSeries() const { return m_series; }
    // The class of the function made on close when the series has none.
    const ChartClassDescriptor *FunctionClass = nullptr;

    // Validates the controls first; on a refused text shows the message and changes nothing.
    // Otherwise makes the function when there is none, stores the settings inside an update of
    // the function (which recalculates when it ends) and gives it to the series. False when
    // nothing was stored.
    bool FormCloseQuery();

Q_SIGNALS:
    // A control changed: the owner's Apply becomes enabled.
    void Changed();

protected:
    void showEvent(QShowEvent *event) override;
    // Controls into the function.
    virtual void StoreFunctionSettings() {}
    // Function into the controls.
    virtual void ShowFunctionSettings() {}
    // True when every text converts; else shows "Incorrect value. Reason: ..." and answers false.
    virtual bool ValidateSettings() { return true; }
    // For the controls' change handlers: tells the owner unless the form is filling itself.
    void MarkChanged();

private:
    QPointer<TChartSeries> m_series;
    QPointer<TPlotFunction> m_function;
};
