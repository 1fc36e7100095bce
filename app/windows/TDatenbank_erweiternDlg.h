// The record editor: adds a substance record to the database, or changes one the user created.
#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

class TDatenbank_erweiternDlg : public QDialog
{
    Q_OBJECT
public:
    TDatenbank_erweiternDlg(TForm1 &form, QWidget *parent);

    // The modes the main window sets before the show.
    static inline const QString kModeNew = QStringLiteral("neu");
    static inline const QString kModeChange = QStringLiteral("aendern"); // the selected record of the main list
    void setEditMode(const QString &mode) { m_editMode = mode; }
    const QString &editMode() const { return m_editMode; }

    QLabel *Label0 = nullptr; // caption of the equation list
    QComboBox *ComboBox1 = nullptr; // the equation; never without a choice
    QLabel *Label1 = nullptr; // its formula
    // Edit n (2..21) with its caption Label n; index n - 2.
    std::array<QLabel *, 20> Labels{};
    std::array<QLineEdit *, 20> Edits{};
    QLabel *Label22 = nullptr; // note on the required names
    QPushButton *BitBtn1 = nullptr; // save
    QPushButton *BitBtn2 = nullptr; // close

    QLineEdit *edit(int n) const { return Edits.at(std::size_t(n - 2)); }
    QLabel *label(int n) const { return Labels.at(std::size_t(n - 2)); }

    void ComboBox1Change();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void applyTexts();
    // Every bad field is reported, in field order; false when one was.
    bool fieldsAccepted() const;
    QString recordLine() const;
    // The equation evaluated at Tmin and Tmax and back; false after the box that says where it fails.
    bool equationEvaluates(const QString &line) const;
    void save(const QString &line);

    TForm1 &m_form;
    QString m_editMode = kModeNew;
    QString m_oldRecord; // the record being changed, as the main list held it at the show
    QString m_editorTexts[10];
};
