// The calculation panel shared by the mixture and solution dialogs: the mode, the input with its
// unit, the result with its unit, the range label and the pressure-range button. The dialogs that
// derive from it add the system they compute.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/RangeLimits.h"

#include <QDialog>

#include <optional>

class LanguageTables;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TForm1;
class TeinstellungenDlg;
class ValueTableDialog;

class SystemDialog : public QDialog
{
    Q_OBJECT
public:
    QFrame *Panel2 = nullptr;
    QComboBox *ComboBox2 = nullptr; // mode: vapour pressure at a temperature, boiling temperature at a pressure
    QLabel *Label14 = nullptr; // input caption
    QLineEdit *Edit1 = nullptr; // input value
    QComboBox *ComboBox1 = nullptr; // input unit
    QComboBox *ComboBox3 = nullptr; // result unit
    QLabel *Label17 = nullptr; // result: caption " = " value
    QLabel *Label10 = nullptr; // range of the system
    QPushButton *BitBtn5 = nullptr; // "p min/max", boiling-point mode only
    QLabel *Label15 = nullptr; // hidden pieces of the pressure range: minimum caption
    QLabel *Label16 = nullptr; // maximum caption
    QLabel *Label18 = nullptr; // minimum value
    QLabel *Label19 = nullptr; // maximum value

    CalculationMode calculationMode() const;

    // The checks the table button runs before its window opens, with their boxes: something is
    // listed, the ranges overlap, the composition can be computed. True when a table or a
    // diagram of the system may open.
    virtual bool CheckComposition() = 0;

    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void Edit1Change();

protected:
    // The calculate button carries the dialog's own component name.
    SystemDialog(TForm1 &form, const QString &formName, const QString &calculateButtonName, QWidget *parent);

    TForm1 &form() const { return m_form; }
    const LanguageTables &texts() const;
    const TeinstellungenDlg &settings() const;
    QPushButton *calculateButton() const { return m_calculate; }

    // The panel's captions and the mode list at index 0 with its units from the settings.
    void applyPanelTexts();
    // Recomputes the range of the system and shows it in Label10, after every change of the
    // system, of the input unit and of the mode.
    virtual void updateRange() = 0;
    // Runs when the dialog is shown anew; restoring it from the task bar (a spontaneous show)
    // keeps the user's input.
    virtual void FormShow() = 0;
    // Runs when the dialog closes, however it closes.
    virtual void FormClose() {}

    // The system of the calculate button, in the order it runs them.
    // Components are listed and their ranges overlap.
    virtual bool canCalculate() const = 0;
    // The system's temperature limits in K, for the input in vapour-pressure mode.
    virtual RangeLimits temperatureLimits() const = 0;
    // A system of one temperature takes its own input, whatever Edit1 holds.
    virtual bool inputFixed() const { return false; }
    // That input in K or bar; in boiling-point mode after updatePressureRange.
    virtual long double fixedInputInBaseUnit() const { return 0.0L; }
    // The composition's own checks with their boxes, before any model sees it.
    virtual bool checkInputComposition() = 0;
    // Reads the composition into the model.
    virtual void prepareModel() = 0;
    // Prepares the model, computes and shows the pressure range of the current composition.
    virtual RangeLimits updatePressureRange() = 0;
    virtual long double modelPressureBar(long double temperatureK) = 0;
    virtual long double modelBoilingTemperatureK(long double pressureBar) = 0;

    // The calculate button: the input (empty: nothing; a temperature that is no number or out
    // of range: nothing, without a message; a pressure that is no number: the input-error box),
    // the composition's checks, then the vapour pressure, or the pressure range of this very
    // composition, the range check and the boiling temperature.
    void calculate();
    // The table button: its checks, then the table window in the dialog's mode.
    void openTable(ValueTableDialog *table);
    // The diagram button: the table button's checks, then the diagram of this dialog's system.
    void openDiagram();

    // Children of the dialog under their component names.
    QLabel *addLabel(const char *name, const QString &text);
    QPushButton *addButton(const char *name, const QString &caption);
    QToolButton *addToolButton(const char *name, int standardIcon);

    // Label17 back to its caption: "Dampfdruck = " or "Siedepunkt = ".
    void showResultCaption();
    // The result in Label17: a pressure (bar) as the settings write it, or a temperature (K)
    // with one decimal, in the unit of ComboBox3. A result that is no number gives the
    // calculation-impossible box instead; false then.
    bool showResult(long double resultInBaseUnit);
    // Edit1 as a number, ',' or '.' as the decimal point; no value when it is empty or no number.
    std::optional<long double> inputValue() const;
    // The input in K or bar by the mode and the unit of ComboBox1.
    long double inputInBaseUnit(long double value) const;
    // The pressure range into the hidden labels and Label10, in the unit of ComboBox1.
    void showPressureRange(long double pminBar, long double pmaxBar);
    // An error box, then the focus on the control.
    void showError(const QString &message, QWidget *control) const;
    // The out-of-range text followed, after a line break, by the range Label10 shows.
    QString temperatureOutOfRangeMessage() const;

private:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void fillUnits();

    TForm1 &m_form;
    QPushButton *m_calculate = nullptr;
};
