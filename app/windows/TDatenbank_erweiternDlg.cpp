// The record editor.
#include "app/windows/TDatenbank_erweiternDlg.h"

#include "app/core/RecordFields.h"
#include "app/core/SingleValue.h"
#include "app/core/VapourPressure.h"
#include "app/data/LanguageTables.h"
#include "app/data/RecordFileEdit.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/TForm1.h"
#include "platform/MessageService.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace {

struct Equation
{
    const char *item;
    const char *code;
    const char *formula;
};

// The equations the editor writes, by list index: item, code of field 15, formula.
constexpr std::array<Equation, 5> kEquations{{
    {"Antoine log10/kPa", "1.8", "log10(p/kPa) = A - [B/(T + C)]"},
    {"Antoine ln/bar", "3", "ln(p/bar) = A - [B/(T + C)]"},
    {"Antoine log10/Torr", "2000", "log10(p/Torr) = A - [B/(t + C)]"},
    {"Wagner nach VDI-Wärmeatlas", "42", "ln(P/Pc) = [A(1-Tr)+B(1-Tr)^1,5 + C(1-Tr)^3+D(1-Tr)^6]; Tr=T/Tc"},
    {"DIPPR", "101", "VP[Pa] = exp(A + B/T + C*ln(T) + D*T^E"},
}};
constexpr int kWagnerIndex = 3;
constexpr int kDipprIndex = 4;

// What an edit must hold.
enum class Check {
    None,
    ShownName, // not empty when it is the name shown in the program's language
    Text, // not empty
    Count, // a whole number, not negative
    Number,
    Positive, // a number above 0
    CoefficientD, // a number for the Wagner and DIPPR equations
    CoefficientE, // a number for DIPPR
    Tmax, // a number above Tmin
};

struct Field
{
    int edit; // Edit n
    int recordField;
    Check check;
    const char *designCaption;
};

// Edit2 ... Edit21 in their order, which is the order of the checks.
constexpr std::array<Field, 20> kFields{{
    {2, 5, Check::ShownName, "* Name Medium:"},
    {3, 6, Check::None, "* Weiterer Name Medium:"},
    {4, 7, Check::ShownName, "Name (englisch):"},
    {5, 8, Check::None, "Weiterer Name (englisch):"},
    {6, 3, Check::Text, "CAS-Nr.:"},
    {7, 9, Check::Text, "Formel:"},
    {8, 10, Check::Count, "Anzahl C-Atome:"},
    {9, 11, Check::Count, "Anzahl H-Atome:"},
    {10, 12, Check::Positive, "Molmasse in kg/kmol:"},
    {11, 13, Check::Number, "Schmelzpunkt in K:"},
    {12, 14, Check::Number, "Siedepunkt in K:"},
    {13, 16, Check::Number, "Koeffizient A:"},
    {14, 17, Check::Number, "Koeffizient B:"},
    {15, 18, Check::Number, "Koeffizient C:"},
    {16, 19, Check::CoefficientD, "Koeffizient D:"},
    {17, 20, Check::CoefficientE, "Koeffizient E:"},
    {18, 21, Check::Positive, "Tmin in K:"},
    {19, 22, Check::Tmax, "Tmax in K:"},
    {20, 23, Check::Number, "Tkrit in K:"},
    {21, 24, Check::Number, "Pkrit in bar:"},
}};
constexpr int kRecordFields = 24;
constexpr int kCodeField = 15;
constexpr int kNameLength = 35;

std::optional<long double> number(const QLineEdit *edit)
{
    return parseInputValue(edit->text());
}

bool isCount(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\+?[0-9]+$"));
    return digits.match(text).hasMatch();
}

// A TAB would shift the fields of the line, a CR or LF split it into two records.
bool breaksTheLine(const QString &text)
{
    return text.contains(u'\t') || text.contains(u'\r') || text.contains(u'\n');
}

} // namespace

TDatenbank_erweiternDlg::TDatenbank_erweiternDlg(TForm1 &form, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("Datenbank_erweiternDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Datensatz neu"));

    Label0 = new QLabel(QStringLiteral("Dampfdruckgleichung:"), this);
    Label0->setObjectName(QStringLiteral("Label0"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    // A closed list whose first item is chosen from the start: every record gets an equation code.
    ComboBox1->setEditable(false);
    for (const Equation &equation : kEquations)
        ComboBox1->addItem(QString::fromUtf8(equation.item));
    ComboBox1->setCurrentIndex(0);
    Label1 = new QLabel(QString::fromUtf8(kEquations[0].formula), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto *grid = new QGridLayout;
    grid->addWidget(Label0, 0, 0);
    grid->addWidget(ComboBox1, 0, 1, 1, 3);
    grid->addWidget(Label1, 1, 0, 1, 4);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const Field &field = kFields[i];
        Labels[i] = new QLabel(QString::fromUtf8(field.designCaption), this);
        Labels[i]->setObjectName(QStringLiteral("Label%1").arg(field.edit));
        Edits[i] = new QLineEdit(this);
        Edits[i]->setObjectName(QStringLiteral("Edit%1").arg(field.edit));
        // Names and data in two columns of ten.
        const int row = 2 + int(i % 10);
        const int column = i < 10 ? 0 : 2;
        grid->addWidget(Labels[i], row, column);
        grid->addWidget(Edits[i], row, column + 1);
    }
    edit(2)->setMaxLength(kNameLength);
    edit(4)->setMaxLength(kNameLength);
    Label22 = new QLabel(QStringLiteral("* required in the German version only"), this);
    Label22->setObjectName(QStringLiteral("Label22"));

    BitBtn1 = new QPushButton(QStringLiteral("&Speichern"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Schließen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    // Enter in a field neither saves nor closes: a half-typed record would give one box for every
    // field still empty. Saving is a click on BitBtn1.
    for (QPushButton *button : {BitBtn1, BitBtn2})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Label22, 1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDatenbank_erweiternDlg::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TDatenbank_erweiternDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TDatenbank_erweiternDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar gets a spontaneous show: that is no new show, and the
    // user's input stays.
    if (!event->spontaneous())
        FormShow();
}

void TDatenbank_erweiternDlg::applyTexts()
{
    const LanguageTables &texts = m_form.languageTables();
    FormTextReader reader = texts.block(objectName());
    const auto withColon = [&](QLabel *target, const QString &suffix) {
        target->setText(reader.next(target->text().chopped(suffix.size())) + suffix);
    };
    withColon(Label0, QStringLiteral(":"));
    withColon(label(4), QStringLiteral(":"));
    withColon(label(5), QStringLiteral(":"));
    label(6)->setText(texts.globalText(GlobalText::CasCaption) + u':');
    withColon(label(7), QStringLiteral(":"));
    withColon(label(8), QStringLiteral(":"));
    withColon(label(9), QStringLiteral(":"));
    label(10)->setText(texts.globalText(GlobalText::MolarMassWord) + QStringLiteral(" in kg/kmol:"));
    label(11)->setText(texts.globalText(GlobalText::MeltingPointWord) + QStringLiteral(" in K:"));
    label(12)->setText(texts.globalText(GlobalText::BoilingPointWord) + QStringLiteral(" in K:"));
    const QString coefficient = texts.globalText(GlobalText::CoefficientWord);
    for (int n = 13; n <= 17; ++n)
        label(n)->setText(coefficient + u' ' + QChar(u'A' + (n - 13)) + u':');
    withColon(label(20), QStringLiteral(" in K:"));
    withColon(label(21), QStringLiteral(" in bar:"));
    BitBtn1->setText(texts.globalText(GlobalText::SaveCaption));
    BitBtn2->setText(texts.globalText(GlobalText::CloseCaption));
    for (QString &text : m_editorTexts)
        text = reader.next();
}

void TDatenbank_erweiternDlg::FormShow()
{
    applyTexts();
    if (m_editMode == kModeNew) {
        m_oldRecord.clear();
        setWindowTitle(m_editorTexts[0]);
        for (QLineEdit *e : Edits)
            e->clear();
        return;
    }
    setWindowTitle(m_editorTexts[1]);
    m_oldRecord = m_form.currentRecord();
    const QStringView code = getField(m_oldRecord, kCodeField);
    for (std::size_t i = 0; i < kEquations.size(); ++i) {
        if (code == QLatin1StringView(kEquations[i].code))
            ComboBox1->setCurrentIndex(int(i));
    }
    ComboBox1Change();
    for (std::size_t i = 0; i < kFields.size(); ++i)
        Edits[i]->setText(getField(m_oldRecord, kFields[i].recordField).toString());
}

void TDatenbank_erweiternDlg::ComboBox1Change()
{
    Label1->setText(QString::fromUtf8(kEquations[std::size_t(std::max(0, ComboBox1->currentIndex()))].formula));
}

bool TDatenbank_erweiternDlg::fieldsAccepted() const
{
    const bool german = m_form.languageLetter() == u'D';
    const int equation = ComboBox1->currentIndex();
    bool accepted = true;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const QLineEdit *e = Edits[i];
        const QString text = e->text();
        const std::optional<long double> value = number(e);
        bool ok = true;
        switch (kFields[i].check) {
        case Check::None:
            break;
        case Check::ShownName:
            // Field 5 in German, field 7 otherwise: the name of the list and of every lookup.
            ok = kFields[i].edit != (german ? 2 : 4) || !text.isEmpty();
            break;
        case Check::Text:
            ok = !text.isEmpty();
            break;
        case Check::Count:
            ok = isCount(text);
            break;
        case Check::Number:
            ok = value.has_value();
            break;
        case Check::Positive:
            ok = value && *value > 0.0L;
            break;
        case Check::CoefficientD:
            ok = (equation != kWagnerIndex && equation != kDipprIndex) || value;
            break;
        case Check::CoefficientE:
            ok = equation != kDipprIndex || value;
            break;
        case Check::Tmax: {
            // Tmin >= Tmax would make every temperature lie outside the range.
            const std::optional<long double> Tmin = number(edit(18));
            ok = value && (!Tmin || *value > *Tmin);
            break;
        }
        }
        if (!ok || breaksTheLine(text)) {
            m_form.ShowInputError(Labels[i]->text(), Edits[i]);
            accepted = false;
        }
    }
    return accepted;
}

QString TDatenbank_erweiternDlg::recordLine() const
{
    QStringList fields(kRecordFields);
    fields[0] = QStringLiteral("XXX");
    fields[1] = QStringLiteral("E001");
    fields[3] = QStringLiteral("frei");
    fields[kCodeField - 1] = QString::fromLatin1(kEquations[std::size_t(ComboBox1->currentIndex())].code);
    // As typed: a decimal comma stays a comma, the readers take it.
    for (std::size_t i = 0; i < kFields.size(); ++i)
        fields[kFields[i].recordField - 1] = Edits[i]->text();
    return fields.join(u'\t');
}

bool TDatenbank_erweiternDlg::equationEvaluates(const QString &line) const
{
    const LanguageTables &texts = m_form.languageTables();
    const long double Tmin = number(edit(18)).value_or(0.0L);
    const long double Tmax = number(edit(19)).value_or(0.0L);
    const long double Tc = number(edit(20)).value_or(0.0L);
    if (Tc < Tmax) {
        showErrorBox(texts, m_editorTexts[6], edit(19));
        return false;
    }
    // An overflow or a logarithm of 0 gives no number here instead of a floating-point trap.
    const auto evaluates = [&](long double T) {
        const long double p = calcRecordPressure(line, T);
        const long double back = calcRecordBoilingTemperature(line, p);
        return std::isfinite(p) && p > 0.0L && std::isfinite(back) && back > 0.0L;
    };
    if (!evaluates(Tmin)) {
        showErrorBox(texts, m_editorTexts[4], edit(18));
        return false;
    }
    if (!evaluates(Tmax)) {
        showErrorBox(texts, m_editorTexts[5], edit(19));
        return false;
    }
    return true;
}

void TDatenbank_erweiternDlg::BitBtn1Click()
{
    if (!fieldsAccepted())
        return;
    const QString line = recordLine();
    if (!equationEvaluates(line))
        return;
    save(line);
}

void TDatenbank_erweiternDlg::save(const QString &line)
{
    const LanguageTables &texts = m_form.languageTables();
    const bool german = m_form.languageLetter() == u'D';
    const QString oldLine = m_editMode == kModeNew ? QString() : m_oldRecord;
    UserRecordRefusal refusal = UserRecordRefusal::None;
    // The duplicate test runs on the file as loaded for the save, with no filter hiding a record.
    const RecordFileEditResult result
        = editDatabaseFile(savingUserRecord(oldLine, line, german ? 5 : 7, &refusal));
    switch (result.failedStep) {
    case RecordFileStep::None:
        break;
    case RecordFileStep::Load:
        showDataFileError(texts, result.error, result.filePath);
        return;
    case RecordFileStep::Change:
        if (refusal == UserRecordRefusal::DuplicateName)
            showErrorBox(texts, m_editorTexts[2], edit(german ? 2 : 4));
        else
            showErrorBox(texts, texts.globalText(GlobalText::RecordNotFound) + u'\r'
                                    + displayName(m_oldRecord, m_form.languageLetter()));
        return;
    case RecordFileStep::Save:
        // One box naming the real file; the old file is still there, and the input stays for another try.
        showErrorBox(texts, texts.globalText(GlobalText::SaveErrorStart) + u'\r' + result.filePath + u'\r'
                                + m_editorTexts[9]);
        return;
    }
    showMessage(m_editorTexts[8], texts.globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
    m_form.LoadDatabase();
    m_form.selectRecord(line);
    accept();
}
