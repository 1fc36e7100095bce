// The estimation from two measured points.
#include "app/windows/TwoPointDialog.h"

#include "app/core/TwoPointRelation.h"
#include "app/data/LanguageTables.h"
#include "app/windows/InputErrorBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TwoPointDialog::TwoPointDialog(TForm1 &form, CalculationMode mode, const QString &componentName,
                               const QString &designCaption, QWidget *parent)
    : EstimationDialog(form, componentName, designCaption, mode, parent)
    , m_mode(mode)
{
    const bool boiling = mode == CalculationMode::BoilingPoint;
    Label1 = makeLabel(QStringLiteral("Label1"), (boiling ? QStringLiteral("Siedepunkt") : QStringLiteral("Tensimo"))
                                                     + QStringLiteral("-Abschätzung aus 2 Messwerten"));
    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("oder aus normalem Siedepunkt und 1 Messwert"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("(nach August)"));
    Label6 = makeLabel(QStringLiteral("Label6"));
    Label7 = makeLabel(QStringLiteral("Label7"));
    Label3 = makeLabel(QStringLiteral("Label3"));
    Edit1 = makeEdit(QStringLiteral("Edit1"));
    Edit3 = makeEdit(QStringLiteral("Edit3"));
    ComboBox1 = makeCombo(QStringLiteral("ComboBox1"));
    Label5 = makeLabel(QStringLiteral("Label5"));
    Edit2 = makeEdit(QStringLiteral("Edit2"));
    Edit4 = makeEdit(QStringLiteral("Edit4"));
    ComboBox2 = makeCombo(QStringLiteral("ComboBox2"));
    Label8 = makeLabel(QStringLiteral("Label8"), boiling ? QStringLiteral("Druck für den Siedepunkt:")
                                                         : QStringLiteral("Temperatur für den Dampfdruck:"));
    Edit5 = makeEdit(QStringLiteral("Edit5"));
    ComboBox3 = makeCombo(QStringLiteral("ComboBox3"));
    Label4 = makeLabel(QStringLiteral("Label4"));
    ComboBox4 = makeCombo(QStringLiteral("ComboBox4"));
    if (!boiling) {
        // Two labels of the vapour-pressure form without a role, kept hidden.
        makeLabel(QStringLiteral("Label11"))->hide();
        makeLabel(QStringLiteral("Label12"))->hide();
    }
    arrange({Label1, Label9, Label2},
            pointsGrid(Label6, Label7, {Label3, Edit1, Edit3, ComboBox1}, {Label5, Edit2, Edit4, ComboBox2},
                       {Label8, Edit5, ComboBox3}),
            Label4, ComboBox4);
}

void TwoPointDialog::FormShow()
{
    applyBlockTexts({Label1, Label9, Label2, Label8});
    const bool boiling = m_mode == CalculationMode::BoilingPoint;
    Label3->setText(globalText(boiling ? GlobalText::PressureWord : GlobalText::TemperatureWord) + u':');
    Label5->setText(globalText(boiling ? GlobalText::BoilingPointWord : GlobalText::PressureWord) + u':');
    Label6->setText(globalText(GlobalText::MeasuredValueWord) + QStringLiteral(" 1"));
    Label7->setText(globalText(GlobalText::MeasuredValueWord) + QStringLiteral(" 2"));
    if (boiling)
        prepareInputs({Edit1, Edit2, Edit3, Edit4, Edit5}, {ComboBox2, ComboBox4}, {ComboBox1, ComboBox3});
    else
        prepareInputs({Edit1, Edit2, Edit3, Edit4, Edit5}, {ComboBox1, ComboBox3}, {ComboBox2, ComboBox4});
}

void TwoPointDialog::BitBtn1Click()
{
    resetResult();
    const Input first1{Edit1, Label3};
    const Input first2{Edit3, Label3};
    const Input second1{Edit2, Label5};
    const Input second2{Edit4, Label5};
    const Input target{Edit5, Label8};
    if (!inputsReadable({first1, first2, second1, second2, target}, {first1, first2, target, second1, second2}))
        return;
    const bool boiling = m_mode == CalculationMode::BoilingPoint;
    // Every pressure must be above 0: a logarithm follows.
    const Input &p1 = boiling ? first1 : second1;
    const Input &p2 = boiling ? first2 : second2;
    const QComboBox *pressureUnit = boiling ? ComboBox1 : ComboBox2;
    const QComboBox *temperatureUnit = boiling ? ComboBox2 : ComboBox1;
    const long double p1Bar = pressureBar(p1.edit, pressureUnit);
    const long double p2Bar = pressureBar(p2.edit, pressureUnit);
    const long double pBar = boiling ? pressureBar(Edit5, ComboBox3) : 0.0L;
    if (!positivePressure(p1, p1Bar) || !positivePressure(p2, p2Bar) || (boiling && !positivePressure(target, pBar)))
        return;
    const long double T1 = temperatureK((boiling ? second1 : first1).edit, temperatureUnit);
    const long double T2 = temperatureK((boiling ? second2 : first2).edit, temperatureUnit);
    const long double T = boiling ? 0.0L : temperatureK(Edit5, ComboBox3);
    // Equal temperatures give no slope; equal pressures give no boiling temperature, but p1 at
    // every temperature is a fine vapour pressure.
    if (!(T1 > 0.0L && T2 > 0.0L) || T1 == T2 || (boiling ? p1Bar == p2Bar : !(T > 0.0L))) {
        reportNoResult();
        return;
    }
    // No vapour pressure falls as the temperature rises: say so, rather than name a fault of
    // the temperatures that is not there.
    if ((p2Bar - p1Bar) * (T2 - T1) < 0.0L) {
        showErrorBox(texts(), globalText(GlobalText::PressureMustRise), p2.edit);
        return;
    }
    const TwoPointRelation relation = twoPointRelation(T1, p1Bar, T2, p2Bar);
    if (boiling)
        showTemperature(twoPointTemperatureK(relation, pBar), ComboBox4);
    else
        showPressure(twoPointPressureBar(relation, T), ComboBox4);
}
