// The "Axis Maximum and Minimum" dialog: one new axis limit, typed as a number, or as a date and
// a time on a date-time axis (only the time for a value below a day).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TAxisMaxMin : public QDialog
{
    Q_OBJECT
public:
    explicit TAxisMaxMin(QWidget *parent = nullptr);

    // Set before showing, read after OK.
    bool IsDateTime = false;
    double MaxMin = 0;

    QLabel *LabelDate;
    QLabel *LabelTime;
    QLineEdit *EMaximum; // the number, or the date part
    QLineEdit *EMinimum; // the time part
    QPushButton *BOk;
    QPushButton *BCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Reads the texts; a text no conversion takes shows the message and keeps the dialog open.
    void okClicked();
    double readValue() const;
};
