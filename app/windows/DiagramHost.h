// What the diagram window and its medium picker take from the program: the main window's
// substance, list, texts and settings, and the mixture and solution dialogs. The diagram windows
// read the program through this one place; the names of the windows stay on the windows.
#pragma once

#include "app/core/CalculationMode.h"

#include <QString>
#include <QStringList>

class LanguageTables;
class QComboBox;
class TFestFlueDlg;
class TFlueFlueDlg;
class TForm1;
class TMeddazuDlg;
class TWaessrigDlg;

// What a diagram draws: the picked substances, or the system of the visible dialog.
enum class DiagramSystem { Substances, LiquidMixture, AqueousSolution, SolidSolution };

class DiagramHost
{
public:
    explicit DiagramHost(TForm1 &form)
        : m_form(&form)
    {
    }

    TForm1 &form() const { return *m_form; }
    const LanguageTables &texts() const;

    // The main list's lines, name TAB formula, in list order.
    QStringList substanceLines() const;
    // The selected substance as a line of the main list; empty when nothing is selected.
    QString currentMedium() const;
    // Selects the line in the main list and runs the main window's click handler, which loads
    // the record, its range and its labels. A line the list does not hold selects nothing and
    // runs nothing: false then.
    bool selectSubstance(const QString &line) const;

    // The settings dialog's choices, read at every showing: units by index, since the settings
    // name two pressure units apart from the unit table.
    int temperatureUnitIndex() const;
    int pressureUnitIndex() const;
    QString diagramPointsText() const;

    // The diagram window's medium picker.
    TMeddazuDlg &mediumPicker() const;

    TFlueFlueDlg &liquidMixture() const;
    TWaessrigDlg &aqueousSolution() const;
    TFestFlueDlg &solidSolution() const;

    // The first visible of the liquid/liquid, the aqueous and the solid/liquid dialog (they are
    // modal, so there is at most one), else the substances of the main window.
    DiagramSystem visibleSystem() const;
    // The mode list of that system: the visible dialog's, else the main window's.
    QComboBox *modeSource() const;
    CalculationMode mode() const;

private:
    TForm1 *m_form;
};
