// The frame of every value table window: vapour pressure against temperature or boiling
// temperature against pressure of one system, in whole or tenth steps, to print or copy. The
// windows that derive from it say which system, with which texts; the frame reads no owner's
// widgets.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/RangeLimits.h"
#include "app/core/TableLayout.h"
#include "app/core/TableRows.h"
#include "app/core/VapourPressureModel.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class FormTextReader;
class LanguageTables;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class TForm1;
class TablePrinter;

class ValueTableDialog : public QDialog
{
    Q_OBJECT
public:
    ~ValueTableDialog() override;

    QFrame *Bevel1 = nullptr;
    QListWidget *ListBox1 = nullptr; // one row per step: first column, TAB, second column
    QLabel *Label1 = nullptr; // heading of the first column
    QLabel *Label2 = nullptr; // heading of the second column
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
    ValueTableDialog(TForm1 &form, const QString &formName, QWidget *parent);

    // The system a table shows: its limits (K, and the pressures there in bar) and its model.
    // Without a system the window shows no rows.
    struct TableSystem
    {
        bool available = false;
        RangeLimits limits;
        VapourPressureModel model;
    };

    // The texts of the size and print questions from the window's language block.
    struct QuestionTexts
    {
        QString size1; // the number of steps follows
        QString size2;
        QString size3; // also ends the print question
        QString print; // the number of pages follows
        bool blankBeforePageCount = false;
    };

    struct PrintTexts
    {
        TableHeaderKind kind = TableHeaderKind::PureSubstance;
        QString s1;
        QString s2;
        QString s3;
        QString s4;
    };

    // Reads the window's language block; the frame has set the shared captions before.
    virtual void applyTexts() = 0;
    // The system at this show, read from the owner after its preparation call.
    virtual TableSystem prepareSystem() = 0;
    // Label2 of the temperature table.
    virtual QString temperatureValueHeading() const = 0;
    // The temperature steps in the unit: by default the whole steps inside the limits.
    virtual std::optional<StepRange> temperatureSteps(const QString &unit) const;
    // Runs after the rows are built, e.g. for a boiling note.
    virtual void rowsBuilt() {}
    virtual PrintTexts printTexts() const = 0;
    virtual QString noticeText() const = 0;
    // A new unit of the second column keeps the selected row of the temperature table.
    virtual bool keepsSelectionOnUnitChange() const { return false; }

    // The pressure of the boiling notes: 1.013 bar as the notes have always said, not 1.01325.
    static constexpr long double kNotePressureBar = 1.013L;

    TForm1 &form() const { return m_form; }
    const LanguageTables &texts() const;
    const TableSystem &system() const { return m_system; }
    // Where a window shows what it tabulates, above the units; and its notes under the table.
    QVBoxLayout *systemArea() const { return m_systemArea; }
    QVBoxLayout *noteArea() const { return m_noteArea; }

    // " (first unit / second unit)" of the print headings.
    QString unitsText() const;
    // The unit of the temperature column.
    QString temperatureUnit() const;
    // The system's boiling temperature at 1.013 bar in the temperature unit, one decimal; empty
    // when it is no number. The notes use 1.013 bar, not 1.01325.
    QString normalBoilingText() const;
    // The boiling note: prefix, " in " (in the temperature table only " " unless inInBoth), the
    // unit, ": " and the value; empty when the value is.
    QString boilingNote(const QString &prefix, bool inInBoth) const;
    // The next four lines of a language block: the size question's three and the print
    // question's start.
    void readQuestions(FormTextReader &reader, bool blankBeforePageCount);

    QuestionTexts m_questions;

private:
    void FormShow();
    void rebuild();
    // Print and copy only for a table with rows.
    void updateTableCommands();
    // An error box naming the row limit when the range passes it; true then.
    bool refuseRowLimit(const StepRange &range);
    void reportFailedRow(const QString &quantityText, long double value, const QString &unit);

    void showEvent(QShowEvent *event) override;

    TForm1 &m_form;
    TablePrinter *m_printer = nullptr;
    QVBoxLayout *m_systemArea = nullptr;
    QVBoxLayout *m_noteArea = nullptr;
    CalculationMode m_mode = CalculationMode::VapourPressure;
    TableSystem m_system;
};
