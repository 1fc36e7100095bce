// The table window of a pure substance.
#include "app/windows/TTabelleDlg.h"

#include "app/data/LanguageTables.h"
#include "app/windows/TForm1.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

TTabelleDlg::TTabelleDlg(TForm1 &form, QWidget *parent)
    : ValueTableDialog(form, QStringLiteral("TabelleDlg"), parent)
{
    Label3 = new QLabel(Bevel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->setWordWrap(true);
    systemArea()->addWidget(Label3);
}

void TTabelleDlg::applyTexts()
{
    FormTextReader reader = texts().block(u"TabelleDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    readQuestions(reader, false);
}

ValueTableDialog::TableSystem TTabelleDlg::prepareSystem()
{
    // The substance of the main window, which cannot change while this modal window is open.
    Label3->setText(form().Label5->text());
    const QString record = form().currentRecord();
    TableSystem system;
    system.available = !record.isEmpty();
    system.limits = recordRangeLimits(record);
    system.model = recordModel(record);
    return system;
}

QString TTabelleDlg::temperatureValueHeading() const
{
    return texts().globalText(GlobalText::VapourPressureWord);
}

ValueTableDialog::PrintTexts TTabelleDlg::printTexts() const
{
    const LanguageTables &language = texts();
    PrintTexts print;
    print.kind = TableHeaderKind::PureSubstance;
    print.s3 = language.globalText(GlobalText::DisclaimerPart1) + u' ' + language.globalText(GlobalText::DisclaimerPart2);
    print.s4 = Label3->text() + unitsText();
    return print;
}

QString TTabelleDlg::noticeText() const
{
    const LanguageTables &language = texts();
    return language.globalText(GlobalText::NoteCaption) + QStringLiteral(": ")
        + language.globalText(GlobalText::DisclaimerPart1) + u'\r' + language.globalText(GlobalText::DisclaimerPart2);
}
