// The period options most functions use: all points, every number of points, or every range
// of X, with the alignment of each result in its period.
#pragma once

#include "TBaseFunctionEditor.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class TPlotFunctionEditor : public TBaseFunctionEditor
{
    Q_OBJECT
public:
    TPlotFunctionEditor(QWidget *parent, QObject *tag);

    enum Style { StyleAllPoints, StyleNumPoints, StyleRange };

    QComboBox *CBPeriodStyle;
    QLineEdit *ENum;
    QComboBox *CBAlign;
    QPushButton *BChange;

protected:
    void ShowFunctionSettings() override;
    void StoreFunctionSettings() override;
    // Rows below the period controls for the forms derived from this one.
    QGridLayout *grid() const { return m_grid; }

private:
    void styleChanged();
    void editRange();
    // The period as the edit shows it for the chosen style.
    QString periodText(double period) const;

    QGridLayout *m_grid;
};
