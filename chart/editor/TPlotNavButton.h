// A navigator's button: flat, with a normal and a disabled glyph, repeating while it is held.
#pragma once

#include <QToolButton>

#include <memory>

class QTimer;
class TCustomPlotNavigator;

enum TPlotNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel };
inline constexpr int kNavigateButtonCount = 9;

class TPlotNavButton : public QToolButton
{
    Q_OBJECT
public:
    TPlotNavButton(TPlotNavigateBtn index, TCustomPlotNavigator *navigator);
    ~TPlotNavButton() override;

    TPlotNavigateBtn Index() const { return m_index; }
    // The repeat timer, made at the first press; none before.
    QTimer *RepeatTimer() const { return m_timer.get(); }
    // One tick of the repeat timer: from then on every 100 ms, and a click while the button is held.
    void RepeatTick();

    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TPlotNavigateBtn m_index;
    TCustomPlotNavigator *m_navigator;
    std::unique_ptr<QTimer> m_timer;
};
