// The table window of a liquid mixture.
#include "app/windows/TTabelleMischungDlg.h"

#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/TFlueFlueDlg.h"

#include <QCheckBox>
#include <QLabel>

TTabelleMischungDlg::TTabelleMischungDlg(TForm1 &form, TFlueFlueDlg &mixture, QWidget *parent)
    : CompositionTableDialog(form, QStringLiteral("TabelleMischungDlg"), TFlueFlueDlg::kComponentRows, parent)
    , m_mixture(mixture)
{
    m_noteInBothTables = true;
}

void TTabelleMischungDlg::applyTexts()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"TabelleMischungDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_notePrefix = reader.next();
    readQuestions(reader, false);
    m_temperatureHeading = reader.next();
    Label3->setText(withoutAccelerator(language.globalText(GlobalText::MixtureCaption)) + u':');
}

ValueTableDialog::TableSystem TTabelleMischungDlg::prepareSystem()
{
    copyComposition(*m_mixture.StringGrid1);
    m_mixture.CalcMoleFractions();
    TableSystem system;
    system.available = m_mixture.ComponentCount > 0;
    system.limits.TminK = m_mixture.MixTmin;
    system.limits.TmaxK = m_mixture.MixTmax;
    system.limits.pminBar = m_mixture.CalcMixturePressure(m_mixture.MixTmin);
    system.limits.pmaxBar = m_mixture.CalcMixturePressure(m_mixture.MixTmax);
    system.model.pressureBarAt = [this](long double T) { return m_mixture.CalcMixturePressure(T); };
    system.model.temperatureKAt = [this](long double p) { return m_mixture.CalcMixtureBoilingTemperature(p); };
    return system;
}

ValueTableDialog::PrintTexts TTabelleMischungDlg::printTexts() const
{
    const LanguageTables &language = texts();
    const QString liquid = language.globalText(GlobalText::LiquidWord);
    PrintTexts print;
    print.kind = TableHeaderKind::Mixture;
    print.s4 = language.globalText(GlobalText::MixtureCaption) + u' ' + liquid + QStringLiteral(" / ") + liquid
        + unitsText();
    print.s3 = StringGrid1->compositionLine();
    print.s2 = language.globalText(GlobalText::ModelNote1);
    print.s1 = language.globalText(GlobalText::ModelNote2);
    return print;
}

QString TTabelleMischungDlg::noticeText() const
{
    const LanguageTables &language = texts();
    return language.globalText(GlobalText::ModelNote1) + u'\r' + language.globalText(GlobalText::ModelNote2);
}
