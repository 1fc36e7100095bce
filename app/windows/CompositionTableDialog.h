// The table window of a system given by a composition grid (a liquid mixture, an aqueous
// solution): a read-only copy of the owner's grid above the table, its caption, and the boiling
// note under it.
#pragma once

#include "app/windows/ValueTableDialog.h"

class CompositionGrid;

class CompositionTableDialog : public ValueTableDialog
{
    Q_OBJECT
public:
    QLabel *Label3 = nullptr; // caption of the composition
    QLabel *Label4 = nullptr; // boiling point note
    CompositionGrid *StringGrid1 = nullptr; // the owner's composition, read-only

protected:
    CompositionTableDialog(TForm1 &form, const QString &formName, int componentRows, QWidget *parent);

    // Shows the owner's composition; the note waits for the rows.
    void copyComposition(const CompositionGrid &grid);
    // The boiling note under the rows.
    void rowsBuilt() override;

    QString m_notePrefix;
    // The note says " in " before the unit in both tables, not only in the pressure table.
    bool m_noteInBothTables = false;
};
