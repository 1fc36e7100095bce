// The measured values.
#include "app/windows/TMesswerteDlg.h"

#include "app/container/DataPasswords.h"
#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/SingleValue.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/DataFiles.h"
#include "app/data/LanguageTables.h"
#include "app/data/MeasuredValuesFile.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/SingleValueView.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/UnitComboBox.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

TMesswerteDlg::TMesswerteDlg(TForm1 &form, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("MesswerteDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Tensimo-Messwerte"));

    const auto label = [this](QWidget *owner, const QString &name, const QString &text = QString()) {
        auto *created = new QLabel(text, owner);
        created->setObjectName(name);
        return created;
    };
    MediumListbox = new SubstanceListBox(this);
    MediumListbox->setObjectName(QStringLiteral("MediumListbox"));

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Stofflabel = label(Panel1, QStringLiteral("Stofflabel"));
    QFont bold = Stofflabel->font();
    bold.setBold(true);
    Stofflabel->setFont(bold);
    Stofflabel->setWordWrap(true);
    Label6 = label(Panel1, QStringLiteral("Label6"));
    Label4 = label(Panel1, QStringLiteral("Label4"));
    Label9 = label(Panel1, QStringLiteral("Label9"));
    auto *details = new QVBoxLayout(Panel1);
    for (QLabel *detail : {Stofflabel, Label6, Label4, Label9})
        details->addWidget(detail);

    Label2 = label(this, QStringLiteral("Label2"));
    TemperaturListbox = new SubstanceListBox(this);
    TemperaturListbox->setObjectName(QStringLiteral("TemperaturListbox"));

    Panel2 = new QFrame(this);
    Panel2->setFrameShape(QFrame::StyledPanel);
    Label1 = label(Panel2, QStringLiteral("Label1"), QStringLiteral("Interpolation / Umrechnung:"));
    Label3 = label(Panel2, QStringLiteral("Label3"));
    Edit1 = new QLineEdit(Panel2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    Label5 = label(Panel2, QStringLiteral("Label5"));
    Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ComboBox3 = new QComboBox(Panel2);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    BitBtn1 = new QPushButton(QStringLiteral("&Berechnen"), Panel2);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    // Enter in Edit1 presses it, once: the edit does not click it as well.
    BitBtn1->setDefault(true);
    auto *interpolation = new QGridLayout(Panel2);
    interpolation->addWidget(Label1, 0, 0, 1, 3);
    interpolation->addWidget(Label3, 1, 0);
    interpolation->addWidget(Edit1, 1, 1);
    interpolation->addWidget(ComboBox1, 1, 2);
    interpolation->addWidget(Label5, 2, 0, 1, 2);
    interpolation->addWidget(ComboBox3, 2, 2);
    interpolation->addWidget(BitBtn1, 3, 1, 1, 2);

    CancelBtn = new QPushButton(QStringLiteral("&Schließen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *right = new QVBoxLayout;
    right->addWidget(Panel1);
    right->addWidget(Label2);
    right->addWidget(TemperaturListbox, 1);
    right->addWidget(Panel2);
    auto *columns = new QHBoxLayout;
    columns->addWidget(MediumListbox, 3);
    columns->addLayout(right, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(MediumListbox, &SubstanceListBox::Click, this, &TMesswerteDlg::MediumListboxClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TMesswerteDlg::BitBtn1Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TMesswerteDlg::Edit1Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TMesswerteDlg::ComboBox3Change);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TMesswerteDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar gets a spontaneous show: that is no new show, and the
    // user's input stays.
    if (!event->spontaneous())
        FormShow();
}

void TMesswerteDlg::loadMeasuredList()
{
    m_loadTried = true;
    QStringList fileLines;
    // A missing or damaged file is reported once, naming it; the window then lists nothing.
    m_form.LoadCryptFile(kMeasuredValuesFile, QString::fromLatin1(DataPasswords::kMeasuredValues), &fileLines);
    m_measuredList = measuredValueLines(fileLines, m_form.languageLetter());
    MediumListbox->clear();
    for (const QString &line : std::as_const(m_measuredList))
        MediumListbox->addItem(listItemText(line, m_form.languageLetter()));
    if (!m_measuredList.isEmpty()) {
        const QSignalBlocker blocker(MediumListbox);
        MediumListbox->setCurrentRow(0);
    }
    MediumListboxClick();
}

void TMesswerteDlg::applyTexts()
{
    const LanguageTables &texts = m_form.languageTables();
    FormTextReader reader = texts.block(objectName());
    setWindowTitle(reader.next(windowTitle()));
    reader.next(); // a line the window does not use
    const QString pressure = texts.globalText(GlobalText::VapourPressureWord);
    Label2->setText(QStringLiteral("Temp. °C / ") + pressure + QStringLiteral(" bar:"));
    Label3->setText(texts.globalText(GlobalText::TemperatureWord) + u':');
    CancelBtn->setText(texts.globalText(GlobalText::CloseCaption));
    BitBtn1->setText(texts.globalText(GlobalText::MeasuredCalculateCaption));
}

void TMesswerteDlg::FormShow()
{
    applyTexts();
    if (!m_loadTried)
        loadMeasuredList();
    const TeinstellungenDlg *settings = m_form.settingsDialog();
    fillUnitComboBox(ComboBox1, temperatureUnitTexts(), settings->ComboBox1->currentIndex());
    fillUnitComboBox(ComboBox3, pressureUnitTexts(), settings->ComboBox2->currentIndex());
    Edit1->clear();
    resetResult();
    // The main window's substance, when it has measured values; else the selection stays.
    const QString current = m_form.currentRecord();
    if (current.isEmpty())
        return;
    const QChar letter = m_form.languageLetter();
    const QString item = listItemText(current, letter);
    const auto found = std::find_if(m_measuredList.cbegin(), m_measuredList.cend(),
                                    [&](const QString &line) { return listItemText(line, letter) == item; });
    if (found == m_measuredList.cend())
        return;
    const int row = int(found - m_measuredList.cbegin());
    {
        const QSignalBlocker blocker(MediumListbox);
        MediumListbox->setCurrentRow(row);
    }
    MediumListbox->scrollToItem(MediumListbox->item(row));
    MediumListboxClick();
}

void TMesswerteDlg::resetResult()
{
    Label5->setText(m_form.globalText(GlobalText::VapourPressureWord) + QStringLiteral(" ="));
}

void TMesswerteDlg::MediumListboxClick()
{
    Edit1->clear();
    resetResult();
    TemperaturListbox->clear();
    const int row = MediumListbox->currentRow();
    const QString line = row >= 0 && row < m_measuredList.size() ? m_measuredList.at(row) : QString();
    m_points = measuredPoints(line);
    const QChar letter = m_form.languageLetter();
    const QString further = line.isEmpty() ? QString() : furtherName(line, letter);
    Stofflabel->setText(line.isEmpty() ? QString() : displayName(line, letter));
    Label6->setText(further.isEmpty() ? QString()
                                      : m_form.globalText(GlobalText::AlsoWord) + QStringLiteral(": ") + further);
    Label4->setText(getField(line, 9).toString());
    Label9->setText(line.isEmpty() ? QString() : QStringLiteral("CAS: ") + getField(line, 3).toString());
    for (const MeasuredPoint &point : std::as_const(m_points))
        TemperaturListbox->addItem(measuredPointText(point, letter, systemDecimalSeparator()));
    if (TemperaturListbox->count() > 0)
        TemperaturListbox->setCurrentRow(0);
    // Without a point there is nothing to interpolate on.
    BitBtn1->setEnabled(!m_points.isEmpty());
}

void TMesswerteDlg::Edit1Change()
{
    resetResult();
}

void TMesswerteDlg::ComboBox3Change()
{
    resetResult();
}

void TMesswerteDlg::BitBtn1Click()
{
    if (m_points.isEmpty())
        return;
    const SingleValueRequest request{CalculationMode::VapourPressure, Edit1->text(), ComboBox1->currentText(),
                                     ComboBox3->currentText(), m_form.resultFormat()};
    const SingleValueResult result
        = computeSingleValue(measuredPointsModel(m_points), measuredTemperatureRange(m_points), request);
    if (result.error != SingleValueError::None) {
        showSingleValueError(m_form.languageTables(), result.error, Edit1, Label3);
        return;
    }
    Label5->setText(m_form.globalText(GlobalText::VapourPressureWord) + QStringLiteral(" = ") + result.text);
}
