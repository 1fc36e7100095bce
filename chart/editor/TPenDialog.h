// The "Border Editor": visibility, style, width, colour and end style of a pen, edited in place
// (the chart repaints while the user works); every way of cancelling gives the pen back.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TComboFlat;
class TPen;

class TPenDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TPenDialog(QWidget *parent = nullptr);
    ~TPenDialog() override;

    // The pen edited: a plain pen or a chart pen (visibility, small dots, end style).
    void SetPen(TPen *pen) { m_pen = pen; }
    TPen *Pen() const { return m_pen; }
    void SetHideColor(bool hide);

    // Cancel, Escape and the window's close button: the pen takes back the values it had when the
    // dialog showed (its owner hears of it through the pen's change notification).
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void styleChosen(int index);
    void refreshStyleSamples();
    bool differsFromCopy() const;
    int smallDotsIndex() const;

    QPointer<TPen> m_pen;
    std::unique_ptr<TPen> m_copy;
    bool m_filling = false;

    QCheckBox *m_visible;
    TComboFlat *m_style;
    QSpinBox *m_width;
    TButtonColor *m_color;
    QComboBox *m_endStyle;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// Opens the dialog modally on the pen; true on OK.
bool EditChartPen(QWidget *owner, TPen &pen, bool hideColor = false);
