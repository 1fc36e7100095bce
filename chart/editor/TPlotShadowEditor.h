// The "Shadow editor": sizes, colour, transparency and smoothing of a shadow, written at once.
// Modal with an OK button, or embedded in an editor page without one.
#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void write(const std::function<void(TPlotShadow &)> &change);

    QPointer<TPlotShadow> m_shadow;
    bool m_filling = false;
    QSpinBox *m_horizSize;
    QSpinBox *m_vertSize;
    QSpinBox *m_transparency;
    TButtonColor *m_color;
    QCheckBox *m_smooth;
    QPushButton *m_ok;
};

// The editor shown modally on the shadow; true when closed with OK.
bool EditShadow(QWidget *owner, TPlotShadow &shadow);
// The editor embedded in the host, without its OK button; the host owns it and links a shadow
// through RefreshControls.
TPlotShadowEditor *InsertShadowEditor(QWidget &host);
