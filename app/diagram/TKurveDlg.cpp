// The diagram window.
#include "app/diagram/TKurveDlg.h"

#include "app/core/DiagramPoints.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/LanguageTables.h"
#include "app/diagram/NamedControl.h"
#include "app/diagram/DiagramContent.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/UnitComboBox.h"
#include "platform/BusyCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 692;
constexpr int kClientHeight = 472;
constexpr int kPanelHeight = 72;

} // namespace

TKurveDlg::TKurveDlg(const DiagramHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("KurveDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Tensimo-Diagramm"));
    resize(kClientWidth, kClientHeight);

    Panel2 = named(new QFrame(this), "Panel2");
    Panel2->setFixedHeight(kPanelHeight);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Logarithmische Achse"), Panel2), "CheckBox1");
    Label1 = named(new QLabel(QStringLiteral("Temperatur"), Panel2), "Label1");
    ComboBox1 = named(new QComboBox(Panel2), "ComboBox1");
    Label2 = named(new QLabel(QStringLiteral("Dampfdruck"), Panel2), "Label2");
    ComboBox2 = named(new QComboBox(Panel2), "ComboBox2");
    BitBtn1 = named(new QPushButton(QStringLiteral("Diagramm drucken"), Panel2), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("Medium hinzufügen"), Panel2), "BitBtn2");
    BitBtn3 = named(new QPushButton(QStringLiteral("&Schließen"), Panel2), "BitBtn3");
    BitBtn4 = named(new QPushButton(QStringLiteral("Diagramm bearbeiten"), Panel2), "BitBtn4");
    // The print preview and the chart editor are not part of the program yet.
    BitBtn1->setEnabled(false);
    BitBtn4->setEnabled(false);

    auto *strip = new QGridLayout(Panel2);
    strip->addWidget(CheckBox1, 0, 0, 1, 2);
    strip->addWidget(Label1, 1, 0);
    strip->addWidget(ComboBox1, 1, 1);
    strip->addWidget(Label2, 1, 2);
    strip->addWidget(ComboBox2, 1, 3);
    strip->addWidget(BitBtn2, 0, 4);
    strip->addWidget(BitBtn1, 1, 4);
    strip->addWidget(BitBtn4, 0, 5);
    strip->addWidget(BitBtn3, 1, 5);
    strip->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(Panel2);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TKurveDlg::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TKurveDlg::ComboBox2Change);
    connect(BitBtn2, &QPushButton::clicked, this, &TKurveDlg::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

TMeddazuDlg &TKurveDlg::picker() const
{
    return m_host.mediumPicker();
}

void TKurveDlg::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is no new show: the diagram stays as it is.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TKurveDlg::FormShow()
{
    LoadCaptions();
    // The picker, created after this window, redraws this diagram while it is open.
    picker().setOnRedraw([this] { DrawDiagram(); });
    // A stored count that is no number or out of bounds draws the default or the nearer bound.
    m_pointCount = diagramPointCount(m_host.diagramPointsText());
    // Without a selected substance there is no current medium to add.
    const QString medium = m_host.currentMedium();
    if (!medium.isEmpty())
        picker().ListBox2->addItem(medium);
    SetupUnitCombos();
    DrawDiagram();
}

void TKurveDlg::LoadCaptions()
{
    FormTextReader reader = m_host.texts().block(u"KurveDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    BitBtn2->setText(reader.next(BitBtn2->text()));
    BitBtn1->setText(reader.next(BitBtn1->text()));
    BitBtn4->setText(reader.next(BitBtn4->text()));
    // The notice text and two further lines follow; no control of the window shows them.
    BitBtn3->setText(m_host.texts().globalText(GlobalText::CloseCaption));
}

void TKurveDlg::SetupUnitCombos()
{
    // The list under the abscissa's heading holds the abscissa's unit.
    const int temperatureIndex = m_host.temperatureUnitIndex();
    const int pressureIndex = m_host.pressureUnitIndex();
    if (m_host.mode() == CalculationMode::VapourPressure) {
        fillUnitComboBox(ComboBox1, temperatureUnitTexts(), temperatureIndex);
        fillUnitComboBox(ComboBox2, pressureUnitTexts(), pressureIndex);
    } else {
        fillUnitComboBox(ComboBox1, pressureUnitTexts(), pressureIndex);
        fillUnitComboBox(ComboBox2, temperatureUnitTexts(), temperatureIndex);
    }
}

void TKurveDlg::DrawDiagram()
{
    const BusyCursor busy;
    const CalculationMode mode = m_host.mode();
    QStringList media;
    for (int row = 0; row < picker().ListBox2->count(); ++row)
        media.append(picker().ListBox2->item(row)->text());
    const DiagramContent content = buildDiagram(
        m_host, media, diagramUnits(mode, ComboBox1->currentText(), ComboBox2->currentText()), m_pointCount);

    setWindowTitle(content.caption);
    Label1->setText(content.label1);
    Label2->setText(content.label2);
    // Substances only can be added; a mixture or solution is the dialog's.
    BitBtn2->setVisible(content.system == DiagramSystem::Substances);
    const QSignalBlocker blocker(CheckBox1);
    CheckBox1->setChecked(false);
}

void TKurveDlg::ComboBox1Change()
{
    DrawDiagram();
}

void TKurveDlg::ComboBox2Change()
{
    DrawDiagram();
}

void TKurveDlg::BitBtn2Click()
{
    picker().exec();
}

void TKurveDlg::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TKurveDlg::FormClose()
{
    // The next showing starts with the then current medium only.
    picker().ListBox1->clear();
    picker().ListBox2->clear();
    picker().close();
}
