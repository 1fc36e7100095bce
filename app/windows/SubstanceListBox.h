// The substance list: "name TAB formula" items shown in two aligned columns.
#pragma once

#include <QListWidget>

class SubstanceListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit SubstanceListBox(QWidget *parent);

Q_SIGNALS:
    // A click on an item, also on the selected one, or a selection moved by the keyboard;
    // never a selection made by the program.
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_rowAtPress = -1;
};
