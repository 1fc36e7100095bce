// What the diagram windows take from the program.
#include "app/windows/DiagramHost.h"

#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TForm1.h"
#include "app/windows/TWaessrigDlg.h"
#include "app/windows/TeinstellungenDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

const LanguageTables &DiagramHost::texts() const
{
    return m_form->languageTables();
}

QStringList DiagramHost::substanceLines() const
{
    QStringList lines;
    const SubstanceListBox *list = m_form->ListBox1;
    lines.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

QString DiagramHost::currentMedium() const
{
    // The labels keep the last substance shown; without a selection there is none.
    if (m_form->currentRecord().isEmpty())
        return {};
    return m_form->Label5->text() + u'\t' + m_form->Label2->text();
}

bool DiagramHost::selectSubstance(const QString &line) const
{
    SubstanceListBox *list = m_form->ListBox1;
    const QList<QListWidgetItem *> found = list->findItems(line, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    // The first equal line, as the list's own search gives it; the list reports no selection
    // made by the program, so the handler runs here.
    int row = list->count();
    for (const QListWidgetItem *item : found)
        row = std::min(row, list->row(item));
    {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(row);
    }
    m_form->ListBox1Click();
    return true;
}

int DiagramHost::temperatureUnitIndex() const
{
    return m_form->settingsDialog()->ComboBox1->currentIndex();
}

int DiagramHost::pressureUnitIndex() const
{
    return m_form->settingsDialog()->ComboBox2->currentIndex();
}

QString DiagramHost::diagramPointsText() const
{
    return m_form->settingsDialog()->Edit1->text();
}

TMeddazuDlg &DiagramHost::mediumPicker() const
{
    return *m_form->mediumPicker();
}

TFlueFlueDlg &DiagramHost::liquidMixture() const
{
    return *m_form->mixtureDialog();
}

TWaessrigDlg &DiagramHost::aqueousSolution() const
{
    return *m_form->aqueousDialog();
}

TFestFlueDlg &DiagramHost::solidSolution() const
{
    return *m_form->solidLiquidDialog();
}

DiagramSystem DiagramHost::visibleSystem() const
{
    if (liquidMixture().isVisible())
        return DiagramSystem::LiquidMixture;
    if (aqueousSolution().isVisible())
        return DiagramSystem::AqueousSolution;
    if (solidSolution().isVisible())
        return DiagramSystem::SolidSolution;
    return DiagramSystem::Substances;
}

QComboBox *DiagramHost::modeSource() const
{
    switch (visibleSystem()) {
    case DiagramSystem::LiquidMixture:
        return liquidMixture().ComboBox2;
    case DiagramSystem::AqueousSolution:
        return aqueousSolution().ComboBox2;
    case DiagramSystem::SolidSolution:
        return solidSolution().ComboBox2;
    case DiagramSystem::Substances:
        break;
    }
    return m_form->ComboBox2;
}

CalculationMode DiagramHost::mode() const
{
    // Only item 0 is the vapour pressure.
    return modeSource()->currentIndex() == int(CalculationMode::VapourPressure) ? CalculationMode::VapourPressure
                                                                                 : CalculationMode::BoilingPoint;
}
