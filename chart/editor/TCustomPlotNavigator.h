// The strip of nine navigator buttons (first, prior, next, last, insert, delete, edit, post,
// cancel) that the data grid and the page navigator bind to what they navigate: even layout,
// keyboard focus among the buttons, hints and repeat of a held button.
#pragma once

#include "TCustomPlotPanel.h"
#include "TPlotEventListeners.h"
#include "TPlotNavButton.h"

#include <QFrame>
#include <QPointer>
#include <QStringList>

#include <array>

class TCustomPlotNavigator : public QFrame, public TPlotEventListener
{
    Q_OBJECT
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    Q_PROPERTY(QStringList Hints READ Hints WRITE SetHints)
public:
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    static constexpr int kMinButtonWidth = 20;
    static constexpr int kMinButtonHeight = 18;
    // The strip as created: 25 pixels high, and that wide per button in a layout.
    static constexpr int kButtonHeight = 25;
    static constexpr int kPreferredButtonWidth = 25;

    explicit TCustomPlotNavigator(QWidget *parent = nullptr);
    ~TCustomPlotNavigator() override;

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool Locked() const { return m_locked; }
    void SetLocked(bool value) { m_locked = value; }
    // Overrides of the default hints: a non-empty line i replaces the hint of button i.
    QStringList Hints() const { return m_hints; }
    void SetHints(const QStringList &value);

    // Set by an owner whose layout gives the navigator its width: the buttons then fill it.
    bool Aligned = false;

    TPlotNavButton *Button(TPlotNavigateBtn index) const { return m_buttons[index]; }
    int ButtonWidth() const { return m_buttonWidth; }
    int FocusedButton() const { return m_focused; }
    // The button the mouse pressed takes the keyboard focus of the strip.
    void FocusButton(TPlotNavigateBtn index);

    TCustomPlotPanel *Panel() const { return m_panel; }
    // Joins the panel's listeners (leaving the old one's) and enables the buttons.
    virtual void SetPanel(TCustomPlotPanel *panel);
    virtual void EnableButtons() {}
    virtual int PageCount() { return 1; }
    virtual void Print() {}

    // A button's click: the descendant's action, the buttons enabled again, OnButtonClicked.
    void BtnClick(TPlotNavigateBtn index);
    // Places the visible buttons evenly and shrinks an unaligned strip to whole button widths.
    void LayOutButtons();

    void PlotEvent(TPlotEvent &event) override { PanelEvent(event); }

    // A layout gives the strip its buttons' height: without a hint it was squeezed to nothing.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void OnButtonClicked(TPlotNavigateBtn index);

protected:
    // The button places a layout should make room for: the visible buttons, at least one.
    virtual int ButtonSlots() const;
    int BorderWidth() const { return m_borderStyle == bsSingle ? 2 : 0; }
    virtual void PanelEvent(TPlotEvent &event) { Q_UNUSED(event); }
    virtual void ButtonAction(TPlotNavigateBtn index) { Q_UNUSED(index); }

    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyHints();
    void moveFocus(int step);

    std::array<TPlotNavButton *, kNavigateButtonCount> m_buttons{};
    QPointer<TCustomPlotPanel> m_panel;
    QStringList m_hints;
    TBorderStyle m_borderStyle = bsNone;
    bool m_locked = false;
    bool m_layingOut = false;
    int m_buttonWidth = kMinButtonWidth;
    int m_focused = nbFirst;
};
