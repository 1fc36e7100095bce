// The "Axis Increment" dialog: one number for a numeric axis; for a date-time axis a standard
// step of the step table or a custom duration "[days] [h:mm:ss]", with the exact-date-time option.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TAxisIncrement : public QDialog
{
    Q_OBJECT
public:
    explicit TAxisIncrement(QWidget *parent = nullptr);

    // Set before showing, read after OK.
    bool IsDateTime = false;
    bool IsExact = false;
    double Increment = 0; // days on a date-time axis
    int IStep = 0;        // 0..26, or kNoTimeStep

    // The names of the step table, in its order.
    static QStringList StepNames();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setStandard(bool standard);
    void standardClicked();
    void customClicked();
    void exactClicked(bool checked);
    // Reads the typed or chosen increment; on a refused text shows the message and stays open.
    void okClicked();
    double readIncrement() const;

    QGroupBox *m_group;
    QRadioButton *m_standard;
    QRadioButton *m_custom;
    QComboBox *m_steps;
    QLabel *m_label;
    QLineEdit *m_edit;
    QCheckBox *m_exact;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

namespace AxisIncrement {

// The increment as the dialog shows it: whole days, a blank and the time of the rest; a time
// below a day; one second for a negative value.
QString IncrementText(double increment);
// The increment as the axis page shows it.
QString GetIncrementText(bool isDateTime, bool exactDateTime, const QString &numberFormat, double increment);
// The name of the step of the table, from the dialog's list (so it follows the translation).
QString GetIncrementStepName(int index);

// Shows the dialog modally; true on OK, with the fields written back.
bool EditIncrement(QWidget *owner, const QString &caption, bool isDateTime, bool &exactDateTime, double &increment);

} // namespace AxisIncrement
