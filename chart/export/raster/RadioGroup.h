// A captioned group of radio buttons in columns whose checked item is an index, as the option forms
// of the picture formats pass their choices on.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class RadioGroup : public QGroupBox
{
public:
    RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent);
    // -1 when none is checked.
    int ItemIndex() const { return m_buttons.checkedId(); }
    void SetItemIndex(int index);

private:
    QButtonGroup m_buttons;
};
