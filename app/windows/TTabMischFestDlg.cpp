// The table window of a solid dissolved in a liquid.
#include "app/windows/TTabMischFestDlg.h"

#include "app/data/LanguageTables.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TFestFlueDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString nameOf(const QListWidgetItem *item)
{
    return item ? item->text().section(u'\t', 0, 0) : QString();
}

} // namespace

TTabMischFestDlg::TTabMischFestDlg(TForm1 &form, TFestFlueDlg &solution, QWidget *parent)
    : ValueTableDialog(form, QStringLiteral("TabMischFestDlg"), parent)
    , m_solution(solution)
{
    auto *labels = new QGridLayout;
    QLabel **all[] = {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 6; ++i) {
        *all[i] = new QLabel(Bevel1);
        (*all[i])->setObjectName(QStringLiteral("Label%1").arg(i + 3));
        labels->addWidget(*all[i], i / 2, i % 2);
    }
    systemArea()->addLayout(labels);
    Label15 = new QLabel(Bevel1);
    Label15->setObjectName(QStringLiteral("Label15"));
    noteArea()->addWidget(Label15);
}

void TTabMischFestDlg::applyTexts()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"TabMischFestDlg");
    Label5->setText(reader.next() + u':');
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_notePrefix = reader.next();
    readQuestions(reader, true);
    m_temperatureHeading = reader.next();
    Label3->setText(withoutAccelerator(language.globalText(GlobalText::SolventCaption)) + u':');
    Label7->setText(withoutAccelerator(language.globalText(GlobalText::MassFractionCaption)) + u':');
}

ValueTableDialog::TableSystem TTabMischFestDlg::prepareSystem()
{
    Label3->setText(m_solution.Label5->text());
    Label4->setText(nameOf(m_solution.ListBox1->currentItem()));
    Label5->setText(m_solution.Label7->text());
    Label6->setText(nameOf(m_solution.ListBox2->currentItem()));
    Label8->setText(m_solution.Edit3->text() + QStringLiteral(" %"));
    Label15->clear();
    m_solution.CalcSolventMoleFraction();
    TableSystem system;
    system.available = m_solution.ListBox1->currentItem() && m_solution.ListBox2->currentItem();
    system.limits.TminK = m_solution.MixTmin;
    system.limits.TmaxK = m_solution.MixTmax;
    system.limits.pminBar = m_solution.CalcSolutionPressure(m_solution.MixTmin);
    system.limits.pmaxBar = m_solution.CalcSolutionPressure(m_solution.MixTmax);
    system.model.pressureBarAt = [this](long double T) { return m_solution.CalcSolutionPressure(T); };
    system.model.temperatureKAt = [this](long double p) { return m_solution.CalcSolutionBoilingTemperature(p); };
    return system;
}

void TTabMischFestDlg::rowsBuilt()
{
    // Only a solution that boils inside its range at the note's pressure has a note.
    Label15->setText(system().limits.pmaxBar > kNotePressureBar ? boilingNote(m_notePrefix, false) : QString());
}

ValueTableDialog::PrintTexts TTabMischFestDlg::printTexts() const
{
    const LanguageTables &language = texts();
    PrintTexts print;
    print.kind = TableHeaderKind::SolidInLiquid;
    print.s4 = Label6->text() + QStringLiteral(" (") + Label8->text() + QStringLiteral(" Ma.%) ")
        + language.globalText(GlobalText::DissolvedWord) + QStringLiteral(" in ") + Label4->text() + unitsText();
    print.s3 = language.globalText(GlobalText::ModelNote1);
    print.s2 = language.globalText(GlobalText::ModelNote2);
    return print;
}

QString TTabMischFestDlg::noticeText() const
{
    const LanguageTables &language = texts();
    return language.globalText(GlobalText::ModelNote1) + u'\r' + language.globalText(GlobalText::ModelNote2);
}
