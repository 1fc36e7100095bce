// The estimation from the normal boiling point and the critical data.
#include "app/windows/RiedelDialog.h"

#include "app/core/Riedel.h"
#include "app/core/SingleValue.h"
#include "app/windows/SingleValueView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

RiedelDialog::RiedelDialog(TForm1 &form, CalculationMode mode, const QString &componentName,
                           const QString &designCaption, QWidget *parent)
    : EstimationDialog(form, componentName, designCaption, mode, parent)
    , m_mode(mode)
{
    const bool boiling = mode == CalculationMode::BoilingPoint;
    Label1 = makeLabel(QStringLiteral("Label1"), (boiling ? QStringLiteral("Siedepunkt") : QStringLiteral("Tensimo"))
                                                     + QStringLiteral("-Abschätzung aus normaler Siedetemperatur,"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("krit. Temperatur und kritischem Druck"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("(nach Riedel)"));
    TbCaption = makeLabel(boiling ? QStringLiteral("Label40") : QStringLiteral("Label4"));
    Edit1 = makeEdit(QStringLiteral("Edit1"));
    ComboBox1 = makeCombo(QStringLiteral("ComboBox1"));
    Label6 = makeLabel(QStringLiteral("Label6"));
    Edit3 = makeEdit(QStringLiteral("Edit3"));
    ComboBox2 = makeCombo(QStringLiteral("ComboBox2"));
    Label7 = makeLabel(QStringLiteral("Label7"));
    Edit4 = makeEdit(QStringLiteral("Edit4"));
    ComboBox3 = makeCombo(QStringLiteral("ComboBox3"));
    Label5 = makeLabel(QStringLiteral("Label5"), boiling ? QStringLiteral("Druck:") : QStringLiteral("Temperatur:"));
    Edit2 = makeEdit(QStringLiteral("Edit2"));
    ComboBox4 = makeCombo(QStringLiteral("ComboBox4"));
    Label8 = makeLabel(QStringLiteral("Label8"));
    ComboBox5 = makeCombo(QStringLiteral("ComboBox5"));
    arrange({Label1, Label2, Label3},
            rowsGrid({{TbCaption, Edit1, ComboBox1}, {Label6, Edit3, ComboBox2}, {Label7, Edit4, ComboBox3},
                      {Label5, Edit2, ComboBox4}}),
            Label8, ComboBox5);
}

void RiedelDialog::FormShow()
{
    applyBlockTexts({Label1, Label2, Label3, Label5});
    TbCaption->setText(normalBoilingPointCaption());
    Label6->setText(globalText(GlobalText::CriticalTemperatureCaption) + u':');
    Label7->setText(globalText(GlobalText::CriticalPressureCaption) + u':');
    // Edit2 is a temperature (ComboBox4) and the result a pressure (ComboBox5), or the other way round.
    if (m_mode == CalculationMode::VapourPressure)
        prepareInputs({Edit1, Edit2, Edit3, Edit4}, {ComboBox1, ComboBox2, ComboBox4}, {ComboBox3, ComboBox5});
    else
        prepareInputs({Edit1, Edit2, Edit3, Edit4}, {ComboBox1, ComboBox2, ComboBox5}, {ComboBox3, ComboBox4});
}

void RiedelDialog::BitBtn1Click()
{
    resetResult();
    const Input tb{Edit1, TbCaption};
    const Input tc{Edit3, Label6};
    const Input pc{Edit4, Label7};
    const Input second{Edit2, Label5};
    if (!inputsReadable({tb, tc, pc, second}, {tb, tc, pc, second}))
        return;
    const bool boiling = m_mode == CalculationMode::BoilingPoint;
    const long double PcBar = pressureBar(Edit4, ComboBox3);
    const long double pBar = boiling ? pressureBar(Edit2, ComboBox4) : 0.0L;
    if (!positivePressure(pc, PcBar) || (boiling && !positivePressure(second, pBar)))
        return;
    const long double Tb = temperatureK(Edit1, ComboBox1);
    const long double Tc = temperatureK(Edit3, ComboBox2);
    const long double T = boiling ? 0.0L : temperatureK(Edit2, ComboBox4);
    // Tb = Tc leaves the method without a slope.
    if (!(Tb > 0.0L && Tc > 0.0L && Tb < Tc) || (!boiling && !(T > 0.0L))) {
        reportNoResult();
        return;
    }
    // Above the critical point the curve has ended: the input is out of the estimate's range.
    const SingleValueError outside = rangeError(m_mode, boiling ? pBar : T, riedelRangeLimits(Tc, PcBar));
    if (outside != SingleValueError::None) {
        showSingleValueError(texts(), outside, Edit2, nullptr);
        return;
    }
    if (boiling)
        showTemperature(riedelTemperatureK(Tb, Tc, PcBar, pBar), ComboBox5);
    else
        showPressure(riedelPressureBar(Tb, Tc, PcBar, T), ComboBox5);
}
