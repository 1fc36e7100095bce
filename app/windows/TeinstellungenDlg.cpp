// The settings dialog.
#include "app/windows/TeinstellungenDlg.h"

#include "app/core/DiagramPoints.h"
#include "app/core/NumberText.h"
#include "app/data/LanguageTables.h"
#include "app/windows/InputErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TeinstellungenDlg::TeinstellungenDlg(const LanguageTables &texts, QWidget *parent)
    : QDialog(parent)
    , m_texts(texts)
{
    setObjectName(QStringLiteral("einstellungenDlg"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(settingsTemperatureItems());
    // Typed units would leave no selection for the other windows: the list is closed.
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(false);
    ComboBox2->addItems(settingsPressureItems());
    CheckBox2 = new QCheckBox(QStringLiteral("Wissenschaftliche Notation"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    m_outputLabel = new QLabel(QStringLiteral("Datenausgabe:"), this);
    m_temperatureLabel = new QLabel(QStringLiteral("Temperatur:"), this);
    m_pressureLabel = new QLabel(QStringLiteral("Dampfdruck:"), this);
    m_diagramLabel = new QLabel(QStringLiteral("Diagramm:"), this);
    m_pointsLabel = new QLabel(QStringLiteral("Anzahl Punkte:"), this);
    m_noteLabel = new QLabel(QStringLiteral("Standard= 250, muss evtl. bei Zoom-Aktionen erhöht werden."), this);
    m_noteLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_outputLabel);
    auto *units = new QFormLayout;
    units->addRow(m_temperatureLabel, ComboBox1);
    units->addRow(m_pressureLabel, ComboBox2);
    units->addRow(QString(), CheckBox2);
    layout->addLayout(units);
    layout->addWidget(m_diagramLabel);
    auto *points = new QFormLayout;
    points->addRow(m_pointsLabel, Edit1);
    layout->addLayout(points);
    layout->addWidget(m_noteLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TeinstellungenDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TeinstellungenDlg::reject);

    setValues(StoredSettings{});
}

StoredSettings TeinstellungenDlg::values() const
{
    StoredSettings settings;
    settings.temperatureUnit = ComboBox1->currentText();
    settings.pressureUnit = ComboBox2->currentText();
    settings.scientificNotation = CheckBox2->isChecked();
    settings.diagramPoints = Edit1->text();
    return settings;
}

void TeinstellungenDlg::setValues(const StoredSettings &settings)
{
    ComboBox1->setCurrentIndex(std::max(0, int(ComboBox1->findText(settings.temperatureUnit))));
    ComboBox2->setCurrentIndex(std::max(0, int(ComboBox2->findText(settings.pressureUnit))));
    CheckBox2->setChecked(settings.scientificNotation);
    Edit1->setText(settings.diagramPoints);
}

void TeinstellungenDlg::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is no new show: the user's input stays.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TeinstellungenDlg::FormShow()
{
    FormTextReader reader = m_texts.block(u"einstellungenDlg");
    setWindowTitle(reader.next(windowTitle()));
    m_outputLabel->setText(withoutAccelerator(reader.next(QStringLiteral("Datenausgabe"))) + u':');
    m_temperatureLabel->setText(withoutAccelerator(m_texts.globalText(GlobalText::TemperatureWord)) + u':');
    m_pressureLabel->setText(withoutAccelerator(m_texts.globalText(GlobalText::VapourPressureWord)) + u':');
    m_diagramLabel->setText(withoutAccelerator(m_texts.globalText(GlobalText::DiagramCaption)) + u':');
    m_pointsLabel->setText(withoutAccelerator(reader.next(QStringLiteral("Anzahl Punkte"))) + u':');
    m_noteLabel->setText(reader.next(QStringLiteral("Standard= 250, muss evtl. bei Zoom-Aktionen erhöht werden"))
                         + u'.');
    CheckBox2->setText(m_texts.globalText(GlobalText::ScientificNotationCaption));
    BitBtn2->setText(m_texts.globalText(GlobalText::CancelCaption));
    // Cancel goes back to what was in force when the dialog opened, the notation included.
    m_remembered = values();
}

void TeinstellungenDlg::BitBtn1Click()
{
    if (!isValidDiagramPoints(Edit1->text())) {
        // The field by its caption, and what it takes.
        const QString allowed = m_texts.globalText(GlobalText::DiagramPointsRange)
                                    .arg(QString::number(kMinDiagramPoints), groupedDigitsText(kMaxDiagramPoints));
        showErrorBox(m_texts,
                     inputErrorMessage(m_texts.globalText(GlobalText::InvalidInput), m_pointsLabel->text()) + u'\r'
                         + allowed,
                     Edit1);
        return;
    }
    Edit1->setText(Edit1->text().trimmed());
    if (m_onAccepted)
        m_onAccepted();
    accept();
}

void TeinstellungenDlg::reject()
{
    setValues(m_remembered);
    QDialog::reject();
}
