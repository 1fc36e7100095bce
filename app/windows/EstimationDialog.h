// What the six estimation dialogs share: named controls, the checks of their inputs in a given
// order, the unit lists at the settings' units, and the result label that every edit or unit
// change puts back to its caption.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/data/GlobalTexts.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <initializer_list>

class LanguageTables;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

class EstimationDialog : public QDialog
{
    Q_OBJECT
public:
    QPushButton *BitBtn1 = nullptr; // calculate
    QPushButton *BitBtn2 = nullptr; // close

    virtual void BitBtn1Click() = 0;

protected:
    // componentName names the window and its block of the language table; the mode says whether
    // the result is a vapour pressure or a boiling temperature.
    EstimationDialog(TForm1 &form, const QString &componentName, const QString &designCaption, CalculationMode mode,
                     QWidget *parent);

    // An input: its edit and the label whose text names it in an input-error box.
    struct Input
    {
        QLineEdit *edit;
        QLabel *caption;
    };

    QLabel *makeLabel(const QString &name, const QString &designText = QString());
    // Every edit and unit list puts the result back to its caption when it changes.
    QLineEdit *makeEdit(const QString &name);
    QComboBox *makeCombo(const QString &name);
    // A framed panel around a label, as the warning about polar substances stands.
    QFrame *makePanel(const QString &name, QLabel *content);
    // One input a row: caption, edit, unit list (none: the row above's list serves it too).
    struct Row
    {
        QLabel *caption;
        QLineEdit *edit;
        QComboBox *unit;
    };
    static QGridLayout *rowsGrid(std::initializer_list<Row> rows);
    // The two measured points side by side under their headings, one quantity a row, and the target below.
    struct PointsRow
    {
        QLabel *caption;
        QLineEdit *point1;
        QLineEdit *point2;
        QComboBox *unit;
    };
    static QGridLayout *pointsGrid(QLabel *heading1, QLabel *heading2, const PointsRow &first,
                                   const PointsRow &second, const Row &target);
    // The result label, its unit list and the two buttons below the given grid, all in one layout
    // with the heading labels on top.
    void arrange(std::initializer_list<QLabel *> heading, QGridLayout *inputs, QLabel *result, QComboBox *resultUnit);

    // Texts of the window's block: the caption, then the labels in their order.
    void applyBlockTexts(std::initializer_list<QLabel *> labels);
    // Empties the edits and fills the unit lists at the settings' units.
    void prepareInputs(std::initializer_list<QLineEdit *> edits, std::initializer_list<QComboBox *> temperatureUnits,
                       std::initializer_list<QComboBox *> pressureUnits);
    const LanguageTables &texts() const;
    QString globalText(GlobalText text) const;
    // "Siedepunkt bei Normaldruck:", the caption of the normal boiling point.
    QString normalBoilingPointCaption() const;

    void resetResult();
    // Empty edits first, then texts that are no number, each list in its order: the input-error
    // box names the first failing input and takes the focus there; false then.
    bool inputsReadable(const QList<Input> &emptyOrder, const QList<Input> &numberOrder) const;
    static long double inputValue(const QLineEdit *edit);
    static long double temperatureK(const QLineEdit *edit, const QComboBox *unit);
    static long double pressureBar(const QLineEdit *edit, const QComboBox *unit);
    // A pressure not above 0 is an input error of its field; false then.
    bool positivePressure(const Input &input, long double pressureBar) const;
    // The box of a calculation without a result: a temperature not above 0 K, or arithmetic.
    void reportNoResult() const;
    // The result in the unit of the list, or the no-result box when there is no number.
    void showPressure(long double pressureBar, const QComboBox *unit);
    void showTemperature(long double temperatureK, const QComboBox *unit);

    TForm1 &m_form;

private:
    void showEvent(QShowEvent *event) override;
    virtual void FormShow() = 0;
    void showResult(const QString &text);

    QLabel *m_result = nullptr;
    GlobalText m_resultQuantity;
};
