// The "Numeric Format" dialog: builds a number format from its options (percent, thousands,
// currency, decimals, fixed digits), or picks a date-time, geographic or custom format, and
// recognises a given format back into those options. Formats are written with the locale's
// separators, as the editor pages show them.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

class TFormatEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TFormatEditor(QWidget *parent = nullptr);

    // The format being edited; FormShow recognises it.
    QString TheFormat;
    bool IsDate = false;
    bool IsGeo = false;

    // The format the options describe.
    QString BuiltFormat() const;
    // Sets the options from the format.
    void Recognise(const QString &format);
    void SetDateAllowed(bool allowed);
    void AddCustomFormats(const QStringList &formats);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void radioGroupClicked();
    void percentClicked();
    void showInCombo(QComboBox &combo, const QString &format);

    bool m_setting = false;
    QRadioButton *m_number;
    QRadioButton *m_date;
    QRadioButton *m_geo;
    QRadioButton *m_custom;
    QButtonGroup *m_choices;
    QCheckBox *m_percent;
    QCheckBox *m_thousands;
    QCheckBox *m_currency;
    QCheckBox *m_fixedDecimals;
    QSpinBox *m_decimals;
    QSpinBox *m_fixed;
    QComboBox *m_dateCombo;
    QComboBox *m_geoCombo;
    QComboBox *m_customCombo;
};

namespace FormatEditor {

// Shows the dialog on the current format; the result is the built format on OK, else the current
// one. True on OK.
bool EditFormat(QWidget *owner, const QString &current, QString &result, bool dateTimeAllowed);

} // namespace FormatEditor
