// The table window of a liquid mixture.
#include "app/windows/TTabelleMischungDlg.h"

#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/TFlueFlueDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 300;

} // namespace

TTabelleMischungDlg::TTabelleMischungDlg(TForm1 &form, TFlueFlueDlg &mixture, QWidget *parent)
    : ValueTableDialog(form, QStringLiteral("TabelleMischungDlg"), parent)
    , m_mixture(mixture)
{
    Label3 = new QLabel(Bevel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    StringGrid1 = new CompositionGrid(TFlueFlueDlg::kComponentRows, Bevel1);
    StringGrid1->setColumnWidths(kGridWidth);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label4 = new QLabel(Bevel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    systemArea()->addWidget(Label3);
    systemArea()->addWidget(StringGrid1);
    noteArea()->addWidget(Label4);
    resize(420, 760);
}

void TTabelleMischungDlg::applyTexts()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"TabelleMischungDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_notePrefix = reader.next();
    m_questions.size1 = reader.next();
    m_questions.size2 = reader.next();
    m_questions.size3 = reader.next();
    m_questions.print = reader.next();
    m_questions.blankBeforePageCount = false;
    m_temperatureHeading = reader.next();
    Label3->setText(withoutAccelerator(language.globalText(GlobalText::MixtureCaption)) + u':');
}

ValueTableDialog::TableSystem TTabelleMischungDlg::prepareSystem()
{
    StringGrid1->copyFrom(*m_mixture.StringGrid1);
    Label4->clear();
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

void TTabelleMischungDlg::rowsBuilt()
{
    const QString value = normalBoilingText();
    Label4->setText(value.isEmpty() ? QString()
                                    : m_notePrefix + QStringLiteral(" in ") + temperatureUnit() + QStringLiteral(": ")
                                        + value);
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
