// The settings dialog: default units, notation of pressures, points of a diagram.
#pragma once

#include "app/data/StoredSettings.h"

#include <QDialog>

#include <functional>

class LanguageTables;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TeinstellungenDlg : public QDialog
{
    Q_OBJECT
public:
    TeinstellungenDlg(const LanguageTables &texts, QWidget *parent);

    // Other windows read the controls: units by index, the notation, the points.
    QComboBox *ComboBox1 = nullptr; // temperature unit
    QComboBox *ComboBox2 = nullptr; // pressure unit, "m WS"/"mm WS" at the water columns
    QCheckBox *CheckBox2 = nullptr; // scientific notation
    QLineEdit *Edit1 = nullptr; // points of a diagram
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // cancel

    StoredSettings values() const;
    void setValues(const StoredSettings &settings);

    // Run after OK, so the main window shows its temperatures in the new unit.
    void setOnAccepted(std::function<void()> onAccepted) { m_onAccepted = std::move(onAccepted); }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void BitBtn1Click();

    const LanguageTables &m_texts;
    QLabel *m_outputLabel = nullptr;
    QLabel *m_temperatureLabel = nullptr;
    QLabel *m_pressureLabel = nullptr;
    QLabel *m_diagramLabel = nullptr;
    QLabel *m_pointsLabel = nullptr;
    QLabel *m_noteLabel = nullptr;
    StoredSettings m_remembered;
    std::function<void()> m_onAccepted;
};
