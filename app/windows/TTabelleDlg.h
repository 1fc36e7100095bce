// The table window of a pure substance: vapour pressure against temperature or boiling
// temperature against pressure, in whole or tenth steps, to print or copy.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/RangeLimits.h"
#include "app/core/VapourPressureModel.h"

#include <QDialog>
#include <QString>
#include <QStringList>

struct StepRange;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TForm1;
class TablePrinter;

class TTabelleDlg : public QDialog
{
    Q_OBJECT
public:
    TTabelleDlg(TForm1 &form, QWidget *parent);

    QFrame *Bevel1 = nullptr;
    QListWidget *ListBox1 = nullptr; // one row per step: first column, TAB, second column
    QLabel *Label1 = nullptr; // heading of the first column
    QLabel *Label2 = nullptr; // heading of the second column
    QLabel *Label3 = nullptr; // substance name
    QPushButton *BitBtn1 = nullptr; // print
    QPushButton *BitBtn2 = nullptr; // close
    QPushButton *BitBtn3 = nullptr; // copy
    QToolButton *SpeedButton1 = nullptr; // notice
    QCheckBox *CheckBox1 = nullptr; // tenth steps
    QCheckBox *CheckBox2 = nullptr; // scientific notation
    QComboBox *ComboBox1 = nullptr; // unit of the first column
    QComboBox *ComboBox2 = nullptr; // unit of the second column

    // Which table the window builds when it is shown: by temperature or by pressure.
    void setMode(CalculationMode mode) { m_mode = mode; }
    CalculationMode mode() const { return m_mode; }

    TablePrinter *tablePrinter() const { return m_printer; }
    // The rows of ListBox1 in order.
    QStringList rows() const;

    void BuildTemperatureRows();
    void BuildPressureRows();

    void BitBtn1Click();
    void BitBtn3Click();
    void SpeedButton1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void ComboBox1Change();
    void ComboBox2Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void applyTexts();
    void rebuild();
    void showRows(const QStringList &rows);
    // An error box naming the row limit when the range passes it; true then.
    bool refuseRowLimit(const StepRange &range);
    void reportFailedRow(const QString &quantityText, long double value, const QString &unit);

    TForm1 &m_form;
    TablePrinter *m_printer = nullptr;
    CalculationMode m_mode = CalculationMode::VapourPressure;
    QString m_substanceName;
    QString m_record;
    RangeLimits m_range;
    VapourPressureModel m_model;
    // Message parts of the window's language block.
    QString m_M3;
    QString m_M4;
    QString m_M5;
    QString m_M6;
};
