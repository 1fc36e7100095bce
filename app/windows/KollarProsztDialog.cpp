// The estimation from the normal boiling point alone.
#include "app/windows/KollarProsztDialog.h"

#include "app/core/KollarProszt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

KollarProsztDialog::KollarProsztDialog(TForm1 &form, CalculationMode mode, const QString &componentName,
                                       const QString &designCaption, QWidget *parent)
    : EstimationDialog(form, componentName, designCaption, mode, parent)
    , m_mode(mode)
{
    const bool boiling = mode == CalculationMode::BoilingPoint;
    Label1 = makeLabel(QStringLiteral("Label1"), (boiling ? QStringLiteral("Siedepunkt") : QStringLiteral("Tensimo"))
                                                     + QStringLiteral("-Abschätzung aus normaler Siedetemperatur"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("(nach Kollar und Proszt)"));
    Label23 = makeLabel(QStringLiteral("Label23"),
                        QStringLiteral("Achtung: Bei polaren Stoffen können erhebliche Fehler auftreten."));
    Panel3 = makePanel(QStringLiteral("Panel3"), Label23);
    Label3 = makeLabel(QStringLiteral("Label3"));
    Edit1 = makeEdit(QStringLiteral("Edit1"));
    ComboBox1 = makeCombo(QStringLiteral("ComboBox1"));
    Label5 = makeLabel(QStringLiteral("Label5"), boiling ? QStringLiteral("Druck:") : QStringLiteral("Temperatur:"));
    Edit2 = makeEdit(QStringLiteral("Edit2"));
    if (boiling)
        ComboBox2 = makeCombo(QStringLiteral("ComboBox2"));
    Label4 = makeLabel(QStringLiteral("Label4"));
    QComboBox *resultUnit = makeCombo(boiling ? QStringLiteral("ComboBox4") : QStringLiteral("ComboBox3"));
    (boiling ? ComboBox4 : ComboBox3) = resultUnit;

    QGridLayout *grid = rowsGrid({{Label3, Edit1, ComboBox1}, {Label5, Edit2, ComboBox2}});
    grid->addWidget(Panel3, 2, 0, 1, 3);
    arrange({Label1, Label2}, grid, Label4, resultUnit);
}

void KollarProsztDialog::FormShow()
{
    applyBlockTexts({Label1, Label2, Label23, Label5});
    Label3->setText(normalBoilingPointCaption());
    if (m_mode == CalculationMode::VapourPressure)
        prepareInputs({Edit1, Edit2}, {ComboBox1}, {ComboBox3});
    else
        prepareInputs({Edit1, Edit2}, {ComboBox4, ComboBox1}, {ComboBox2});
}

void KollarProsztDialog::BitBtn1Click()
{
    resetResult();
    const Input tb{Edit1, Label3};
    const Input second{Edit2, Label5};
    if (!inputsReadable({tb, second}, {tb, second}))
        return;
    const long double Tb = temperatureK(Edit1, ComboBox1);
    if (m_mode == CalculationMode::VapourPressure) {
        // One unit serves both temperatures: changing it reinterprets both.
        const long double T = temperatureK(Edit2, ComboBox1);
        if (!(Tb > 0.0L && T > 0.0L)) {
            reportNoResult();
            return;
        }
        showPressure(estimateKollarProszt(Tb, T), ComboBox3);
        return;
    }
    if (!(Tb > 0.0L)) {
        reportNoResult();
        return;
    }
    const long double pBar = pressureBar(Edit2, ComboBox2);
    if (positivePressure(second, pBar))
        showTemperature(estimateKollarProsztTemperature(Tb, pBar), ComboBox4);
}
