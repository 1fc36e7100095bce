// The chooser of a function's source series: the available series on the left, the chosen ones
// on the right in the order they feed the function.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

class TSelectListForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSelectListForm(QWidget *parent = nullptr);

    QLabel *L1;
    QListWidget *FromList;
    QLabel *L2;
    QListWidget *ToList;
    QPushButton *BRightOne;
    QPushButton *BRightAll;
    QPushButton *BLeftOne;
    QPushButton *BLeftAll;
    QToolButton *BMoveUp;
    QToolButton *BMoveDown;

    // Refreshes the buttons from the two lists.
    void EnableButtons();

Q_SIGNALS:
    // After every move.
    void OnChange();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void moved();
    void exchange(int delta);
};
