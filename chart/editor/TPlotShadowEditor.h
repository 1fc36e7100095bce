// The "Shadow editor": sizes, colour, transparency and smoothing of a shadow, written at once.
// Modal with OK and Cancel (every way out but OK gives the shadow back as it was shown), or
// embedded in an editor page without them.
#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class QCheckBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TPlotShadow;

class TPlotShadowEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotShadowEditor(QWidget *parent = nullptr);

    // Links the shadow and shows its values.
    void RefreshControls(TPlotShadow *shadow);
    TPlotShadow *Shadow() const { return m_shadow; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }

    // Cancel, Escape and the title bar's close: the shadow takes back its values of the showing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void write(const std::function<void(TPlotShadow &)> &change);

    QPointer<TPlotShadow> m_shadow;
    std::unique_ptr<TPlotShadow> m_copy;
    bool m_filling = false;
    QSpinBox *m_horizSize;
    QSpinBox *m_vertSize;
    QSpinBox *m_transparency;
    TButtonColor *m_color;
    QCheckBox *m_smooth;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// The editor shown modally on the shadow; true when closed with OK.
bool EditShadow(QWidget *owner, TPlotShadow &shadow);
// The editor embedded in the host, without its OK button; the host owns it and links a shadow
// through RefreshControls.
TPlotShadowEditor *InsertShadowEditor(QWidget &host);
