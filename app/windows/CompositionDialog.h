// A calculation dialog whose system is a composition grid filled from a list: the items of the
// list ("name TAB formula" or "name TAB key") are added to the first free row and removed again,
// and only their percentages are typed.
#pragma once

#include "app/windows/SystemDialog.h"

class CompositionGrid;
class QGridLayout;
class SubstanceListBox;

class CompositionDialog : public SystemDialog
{
    Q_OBJECT
public:
    SubstanceListBox *ListBox1 = nullptr; // what can be added
    QToolButton *SpeedButton1 = nullptr; // add the selected item
    QToolButton *SpeedButton2 = nullptr; // remove the selected row
    CompositionGrid *StringGrid1 = nullptr; // name, formula or key, mass percentage
    QLabel *Label1 = nullptr; // heading of the list
    QLabel *Label3 = nullptr; // heading of the grid

    void ListBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void StringGrid1Click();

protected:
    CompositionDialog(TForm1 &form, const QString &formName, const QString &calculateButtonName, int componentRows,
                      QWidget *parent);

    // The list and the grid side by side, with the add and remove buttons between them.
    QGridLayout *listAndGridLayout();
    // The grid's heading and column widths; the list filled with its items, the first selected.
    void showHeadingsAndList(const QStringList &items);
    // Label10 shows a pressure range that a new percentage makes stale.
    virtual bool showsPressureRange() const = 0;

private:
    void percentEdited();
};
