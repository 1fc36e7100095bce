// The common ground of the series types' Format-tab forms: the edited object is the tag, the
// controls are set from it on every showing (their handlers write nothing meanwhile), each
// control writes one property through the setter guard, and extra tabs go in once per form.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonColor;
class TChartSeries;

class SeriesFormatForm : public QWidget
{
    Q_OBJECT
public:
    SeriesFormatForm(QWidget *parent, QObject *tag);

    QObject *Tag() const { return m_tag; }
    // Sets the controls from the edited object again.
    void Refill();

protected:
    void showEvent(QShowEvent *event) override;
    // Once, at the first showing with an owner, before the controls are set: the inserted tabs.
    virtual void FirstShow() {}
    // Sets every control from the edited object.
    virtual void FillControls() = 0;
    bool Filling() const { return m_filling; }

    // One property write from a control; ignored while filling; a refused value puts the
    // stored values back into the controls.
    void Write(const std::function<void()> &write);

    // Controls that write one property each.
    QCheckBox *addCheck(const QString &caption, const char *name, std::function<void(bool)> set);
    QSpinBox *addSpin(const char *name, int minimum, int maximum, int step, std::function<void(int)> set);
    QComboBox *addCombo(const char *name, const QStringList &items, std::function<void(int)> set);
    // A radio group: one button per item, named prefix + index, in a box captioned caption.
    QGroupBox *addRadioGroup(const QString &caption, const char *name, const QStringList &items,
                             QButtonGroup *&buttons, std::function<void(int)> set);
    // A field whose text is written as a number on each keystroke; a text that is not a number
    // is left as typed and changes nothing.
    QLineEdit *addNumberEdit(const char *name, std::function<void(double)> set);
    // The series colour: linked to "SeriesColor", disabled while each point has its own colour.
    TButtonColor *addSeriesColorButton(const char *name, const QString &caption = QStringLiteral("&Color..."));
    void fillSeriesColorButton(TButtonColor *button, TChartSeries *series);
    // The controls a page's layout holds become the page's children.
    static void adoptLayoutWidgets(QWidget *page);

private:
    QPointer<QObject> m_tag;
    bool m_filling = false;
    bool m_shownOnce = false;
};

// Links the button to the series' colour as the series is drawn (a palette colour included).
void LinkSeriesColor(TButtonColor &button, TChartSeries *series);

// The number a field holds, or none for a text that is not a finite number in the user's
// locale (an empty one included).
std::optional<double> EditorNumber(const QString &text);
