// The substance list: "name TAB formula" items shown in two columns that never touch.
#pragma once

#include <QListWidget>

class SubstanceListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit SubstanceListBox(QWidget *parent);

    // Where the formula column starts, in pixels from the start of an item's text: the first
    // tab stop (120 dialog units), or after the longest name of the list as far as the widest
    // formula still fits into the list. A name that would reach the column is elided with "…"
    // and shown whole in its tooltip.
    int formulaColumn() const;
    // The room of a name before the formula column.
    int nameWidth() const;

    void reset() override;

Q_SIGNALS:
    // A click on an item, also on the selected one, a right press on one, or a selection moved
    // by the keyboard; never a selection made by the program.
    void Click();

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void measure() const;

    int m_rowAtPress = -1;
    // Measured again after the items or the font change.
    mutable bool m_measured = false;
    mutable int m_longestName = 0;
    mutable int m_widestFormula = 0;
};
