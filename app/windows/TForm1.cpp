// The main window.
#include "app/windows/TForm1.h"

#include "app/container/DataPasswords.h"
#include "app/core/KollarProszt.h"
#include "app/core/PressureUnits.h"
#include "app/core/RangeLimits.h"
#include "app/core/RecordFields.h"
#include "app/core/SingleValue.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/VapourPressure.h"
#include "app/core/WaterSaturation.h"
#include "app/data/DataFiles.h"
#include "app/data/ProgramInfo.h"
#include "app/data/RecordFileEdit.h"
#include "app/data/StoredSettings.h"
#include "app/data/SubstanceDatabase.h"
#include "app/diagram/TKurveDlg.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/DiagramHost.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/SingleValueView.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TAbschaetzung1Dlg.h"
#include "app/windows/TAbschaetzung1SiedepDlg.h"
#include "app/windows/TAbschaetzung2Dlg.h"
#include "app/windows/TAbschaetzung2MessDlg.h"
#include "app/windows/TAbschaetzung2SiedepDlg.h"
#include "app/windows/TDatenbank_erweiternDlg.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TInfo.h"
#include "app/windows/TMesswerteDlg.h"
#include "app/windows/TSiedepAbschae2MessDlg.h"
#include "app/windows/TTabelleDlg.h"
#include "app/windows/TWaessrigDlg.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/UnitComboBox.h"
#include "platform/HelperProgram.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/QtTranslation.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString password(const char *text)
{
    return QString::fromLatin1(text);
}

QAction *addMenuAction(QMenu *menu, const QString &objectName, const QString &caption, bool enabled)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    // Commands whose windows are not part of the program yet stay disabled.
    action->setEnabled(enabled);
    return action;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    QApplication::setApplicationDisplayName(programTitle());
    setWindowTitle(programTitle());

    if (!LoadLanguageTexts())
        return;
    m_started = true;
    installQtTranslation(languageLetter(), this);

    buildMenus();
    buildPanels();
    resize(1000, 640);

    // The program's windows, each created once, in their fixed order.
    m_info = new TInfo(m_texts, this);
    m_diagram = new TKurveDlg(DiagramHost(*this), this);
    m_mediumPicker = new TMeddazuDlg(DiagramHost(*this), this);
    m_table = new TTabelleDlg(*this, this);
    m_mixture = new TFlueFlueDlg(*this, this);
    m_solidLiquid = new TFestFlueDlg(*this, this);
    m_kollarProszt = new TAbschaetzung1Dlg(*this, this);
    m_riedel = new TAbschaetzung2Dlg(*this, this);
    m_aqueous = new TWaessrigDlg(*this, this);
    m_measuredValues = new TMesswerteDlg(*this, this);
    m_twoPoint = new TAbschaetzung2MessDlg(*this, this);
    m_settings = new TeinstellungenDlg(m_texts, this);
    m_settings->setOnAccepted([this] { ShowRecordDetails(currentRecord()); });
    m_recordEditor = new TDatenbank_erweiternDlg(*this, this);
    m_twoPointBoiling = new TSiedepAbschae2MessDlg(*this, this);
    m_kollarProsztBoiling = new TAbschaetzung1SiedepDlg(*this, this);
    m_riedelBoiling = new TAbschaetzung2SiedepDlg(*this, this);
}

TForm1::~TForm1() = default;

bool TForm1::LoadLanguageTexts()
{
    QStringList formLines;
    QStringList globalLines;
    const bool loaded = loadCryptFile(kFormTextsFile, password(DataPasswords::kLanguage), &formLines)
            == DataFileError::None
        && loadCryptFile(kGlobalTextsFile, password(DataPasswords::kLanguage), &globalLines)
            == DataFileError::None
        && m_texts.setTables(formLines, globalLines, kLanguageLetter);
    if (!loaded) {
        // The caption text is not known at this moment, so the box has none.
        showMessage(QStringLiteral("The files varsonst.gru/varglob.gru are not available. It is not possible to "
                                   "start the program."),
                    m_texts.globalText(GlobalText::MissingFilesCaption), MbOk | MbIconWarning);
    }
    return loaded;
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    Datei1 = bar->addMenu(QStringLiteral("&Datei"));
    Beenden1 = addMenuAction(Datei1, QStringLiteral("Beenden1"), QStringLiteral("&Beenden"), true);

    Tensimo1 = bar->addMenu(QStringLiteral("T&ensimo"));
    Tabelle1 = addMenuAction(Tensimo1, QStringLiteral("Tabelle1"), QStringLiteral("&Tabelle"), true);
    Diagramm1 = addMenuAction(Tensimo1, QStringLiteral("Diagramm1"), QStringLiteral("&Diagramm"), true);
    Mewerte1 = addMenuAction(Tensimo1, QStringLiteral("Mewerte1"), QStringLiteral("&Messwerte..."), true);
    Abschaetzungen1 = Tensimo1->addMenu(QStringLiteral("&Abschätzungen"));
    auszweiMewerten1 = addMenuAction(Abschaetzungen1, QStringLiteral("auszweiMewerten1"),
                                     QStringLiteral("aus zwei &Messwerten..."), true);
    ausnormalerSiedetemperatur1 = addMenuAction(Abschaetzungen1, QStringLiteral("ausnormalerSiedetemperatur1"),
                                                QStringLiteral("aus normaler &Siedetemperatur..."), true);
    ausSiedetempkritTempukritDruck1
        = addMenuAction(Abschaetzungen1, QStringLiteral("ausSiedetempkritTempukritDruck1"),
                        QStringLiteral("aus Siedetemp., &krit. Temp. u. krit. Druck..."), true);

    Siedepunkt1 = bar->addMenu(QStringLiteral("&Siedepunkt"));
    abelle1 = addMenuAction(Siedepunkt1, QStringLiteral("abelle1"), QStringLiteral("&Tabelle"), true);
    Diagramm2 = addMenuAction(Siedepunkt1, QStringLiteral("Diagramm2"), QStringLiteral("&Diagramm"), true);
    Abschaetzungen2 = Siedepunkt1->addMenu(QStringLiteral("&Abschätzungen"));
    Aus2Messwerten1 = addMenuAction(Abschaetzungen2, QStringLiteral("Aus2Messwerten1"),
                                    QStringLiteral("aus zwei Messwerten..."), true);
    ausnormalerSiedetemperatur2 = addMenuAction(Abschaetzungen2, QStringLiteral("ausnormalerSiedetemperatur2"),
                                                QStringLiteral("aus normaler Siedetemperatur..."), true);
    ausSiedetempkritTempukritDruck2
        = addMenuAction(Abschaetzungen2, QStringLiteral("ausSiedetempkritTempukritDruck2"),
                        QStringLiteral("aus Siedetemp., krit. Temp. u. krit. Druck..."), true);

    Mischungen1 = bar->addMenu(QStringLiteral("&Mischungen"));
    FlssigFlssig1 = addMenuAction(Mischungen1, QStringLiteral("FlssigFlssig1"), QStringLiteral("&Flüssig / Flüssig..."),
                                  true);
    FestFlssig1 = addMenuAction(Mischungen1, QStringLiteral("FestFlssig1"), QStringLiteral("F&est / Flüssig..."), true);
    WssrigeLsungen1 = addMenuAction(Mischungen1, QStringLiteral("WssrigeLsungen1"),
                                    QStringLiteral("&Wässrige Lösungen..."), true);

    Datenbank1 = bar->addMenu(QStringLiteral("Daten&bank"));
    Datenbankerweitern1 = addMenuAction(Datenbank1, QStringLiteral("Datenbankerweitern1"),
                                        QStringLiteral("Datensatz &neu..."), true);
    Datensatzlschen1 = addMenuAction(Datenbank1, QStringLiteral("Datensatzlschen1"),
                                     QStringLiteral("Datensatz &löschen"), true);
    Datensatzndern1 = addMenuAction(Datenbank1, QStringLiteral("Datensatzndern1"),
                                    QStringLiteral("Datensatz &ändern..."), true);

    Extras1 = bar->addMenu(QStringLiteral("&Extras"));
    Einstellungen = addMenuAction(Extras1, QStringLiteral("Einstellungen"), QStringLiteral("&Einstellungen..."), true);

    Hilfe1 = bar->addMenu(QStringLiteral("&Hilfe"));
    Index1 = addMenuAction(Hilfe1, QStringLiteral("Index1"), QStringLiteral("&Index"), true);
    Index1->setShortcut(QKeySequence(Qt::Key_F1));
    Index1->setShortcutContext(Qt::ApplicationShortcut);
    berKorvexTensimo1 = addMenuAction(Hilfe1, QStringLiteral("berKorvexTensimo1"),
                                      QStringLiteral("&Über Korvex Tensimo"), true);

    PopupMenu1 = new QMenu(this);
    TensimoTabelle1 = addMenuAction(PopupMenu1, QStringLiteral("TensimoTabelle1"), QStringLiteral("Tensimo-Tabelle"),
                                    true);
    TensimoDiagramm1 = addMenuAction(PopupMenu1, QStringLiteral("TensimoDiagramm1"),
                                     QStringLiteral("Tensimo-Diagramm"), true);
    PopupMenu1->addSeparator();
    SiedepunktTabelle1 = addMenuAction(PopupMenu1, QStringLiteral("SiedepunktTabelle1"),
                                       QStringLiteral("Siedepunkt-Tabelle"), true);
    SiedepunktsDiagramm1 = addMenuAction(PopupMenu1, QStringLiteral("SiedepunktsDiagramm1"),
                                         QStringLiteral("Siedepunkts-Diagramm"), true);
    PopupMenu1->addSeparator();
    Datensatzndern2 = addMenuAction(PopupMenu1, QStringLiteral("Datensatzndern2"), QStringLiteral("Datensatz ändern"),
                                    true);
    Datensatzlschen2 = addMenuAction(PopupMenu1, QStringLiteral("Datensatzlschen2"),
                                     QStringLiteral("Datensatz löschen"), true);

    connect(Beenden1, &QAction::triggered, this, &QWidget::close);
    connect(Tabelle1, &QAction::triggered, this, &TForm1::Tabelle1Click);
    connect(TensimoTabelle1, &QAction::triggered, this, &TForm1::Tabelle1Click);
    connect(abelle1, &QAction::triggered, this, &TForm1::abelle1Click);
    connect(SiedepunktTabelle1, &QAction::triggered, this, &TForm1::abelle1Click);
    connect(Diagramm1, &QAction::triggered, this, &TForm1::Diagramm1Click);
    connect(TensimoDiagramm1, &QAction::triggered, this, &TForm1::Diagramm1Click);
    connect(Diagramm2, &QAction::triggered, this, &TForm1::Diagramm2Click);
    connect(SiedepunktsDiagramm1, &QAction::triggered, this, &TForm1::Diagramm2Click);
    connect(FlssigFlssig1, &QAction::triggered, this, &TForm1::FlssigFlssig1Click);
    connect(FestFlssig1, &QAction::triggered, this, &TForm1::FestFlssig1Click);
    connect(WssrigeLsungen1, &QAction::triggered, this, &TForm1::WssrigeLsungen1Click);
    connect(Datensatzlschen1, &QAction::triggered, this, &TForm1::Datensatzlschen1Click);
    connect(Datensatzlschen2, &QAction::triggered, this, &TForm1::Datensatzlschen1Click);
    connect(Datensatzndern1, &QAction::triggered, this, &TForm1::Datensatzndern1Click);
    connect(Datensatzndern2, &QAction::triggered, this, &TForm1::Datensatzndern1Click);
    connect(Einstellungen, &QAction::triggered, this, &TForm1::EinstellungenClick);
    connect(Datenbankerweitern1, &QAction::triggered, this, &TForm1::Datenbankerweitern1Click);
    // The dialogs are created after the menus; each command shows its own.
    const auto opens = [this](QAction *action, auto dialog) {
        connect(action, &QAction::triggered, this, [this, dialog] { (this->*dialog)()->exec(); });
    };
    opens(Mewerte1, &TForm1::measuredValuesDialog);
    opens(auszweiMewerten1, &TForm1::twoPointDialog);
    opens(ausnormalerSiedetemperatur1, &TForm1::kollarProsztDialog);
    opens(ausSiedetempkritTempukritDruck1, &TForm1::riedelDialog);
    opens(Aus2Messwerten1, &TForm1::twoPointBoilingDialog);
    opens(ausnormalerSiedetemperatur2, &TForm1::kollarProsztBoilingDialog);
    opens(ausSiedetempkritTempukritDruck2, &TForm1::riedelBoilingDialog);
    connect(Index1, &QAction::triggered, this, &TForm1::Index1Click);
    connect(berKorvexTensimo1, &QAction::triggered, this, &TForm1::berKorvexTensimo1Click);
}

void TForm1::buildPanels()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *columns = new QHBoxLayout(central);

    // Left half: the substance list with search, order and filter.
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 3);
    ListBox1 = new SubstanceListBox(central);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(ListBox1, 1);
    Label22 = new QLabel(central);
    Label22->setObjectName(QStringLiteral("Label22"));
    left->addWidget(Label22);

    GroupBox1 = new QGroupBox(QStringLiteral("Suche:"), central);
    auto *search = new QHBoxLayout(GroupBox1);
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    search->addWidget(Edit2, 1);
    RadioGroup1 = new QGroupBox(QStringLiteral("Suchen nach"), GroupBox1);
    auto *searchKeys = new QVBoxLayout(RadioGroup1);
    RadioGroup1Name = new QRadioButton(QStringLiteral("Name"), RadioGroup1);
    RadioGroup1Cas = new QRadioButton(QStringLiteral("CAS-Nr."), RadioGroup1);
    RadioGroup1Name->setChecked(true);
    searchKeys->addWidget(RadioGroup1Name);
    searchKeys->addWidget(RadioGroup1Cas);
    search->addWidget(RadioGroup1);
    SpeedButton1 = new QToolButton(GroupBox1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    SpeedButton1->setToolTip(QStringLiteral("Suchen und Weitersuchen"));
    search->addWidget(SpeedButton1);
    left->addWidget(GroupBox1);

    auto *order = new QHBoxLayout;
    CheckBox1 = new QCheckBox(QStringLiteral("Medien sortiert nach Formel"), central);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    order->addWidget(CheckBox1);
    RadioGroup2 = new QGroupBox(central);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    auto *filter = new QHBoxLayout(RadioGroup2);
    RadioGroup2Buttons = new QButtonGroup(RadioGroup2);
    const QString filterItems[] = {QStringLiteral("Alle Medien"), QStringLiteral("Organische"),
                                   QStringLiteral("Anorganische")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QRadioButton(filterItems[i], RadioGroup2);
        RadioGroup2Buttons->addButton(button, i);
        filter->addWidget(button);
    }
    RadioGroup2Buttons->button(0)->setChecked(true);
    order->addWidget(RadioGroup2);
    left->addLayout(order);

    // Right half: the current substance and the calculation.
    auto *right = new QVBoxLayout;
    columns->addLayout(right, 2);
    auto *nameRow = new QHBoxLayout;
    Label5 = new QLabel(central);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont bold = Label5->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    Label5->setFont(bold);
    Label5->setWordWrap(true);
    nameRow->addWidget(Label5, 1);
    SpeedButton3 = new QToolButton(central);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    nameRow->addWidget(SpeedButton3);
    right->addLayout(nameRow);
    Label6 = new QLabel(central);
    Label6->setWordWrap(true);
    right->addWidget(Label6);

    auto *details = new QGridLayout;
    const auto addDetail = [&](int row, QLabel *&caption, QLabel *&value, const QString &captionText) {
        caption = new QLabel(captionText, central);
        value = new QLabel(central);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->addWidget(caption, row, 0);
        details->addWidget(value, row, 1);
    };
    addDetail(0, Label7, Label8, QStringLiteral("CAS-Nr."));
    QLabel *formulaCaption = nullptr;
    addDetail(1, formulaCaption, Label2, QStringLiteral("Formel:"));
    addDetail(2, Label9, Label10, QStringLiteral("Molmasse in kg/kmol:"));
    addDetail(3, Label11, Label12, QStringLiteral("Schmelzpunkt:"));
    addDetail(4, Label13, Label14, QStringLiteral("Siedepunkt:"));
    addDetail(5, Label17, Label19, QString());
    addDetail(6, Label18, Label20, QString());
    Label2->setObjectName(QStringLiteral("Label2"));
    right->addLayout(details);

    auto *calculation = new QGridLayout;
    ComboBox2 = new QComboBox(central);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("Berechnung Tensimo"), QStringLiteral("Berechnung Siedepunkt")});
    calculation->addWidget(ComboBox2, 0, 0, 1, 3);
    Label15 = new QLabel(QStringLiteral("Temperatur:"), central);
    Edit1 = new QLineEdit(central);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(central);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    calculation->addWidget(Label15, 1, 0);
    calculation->addWidget(Edit1, 1, 1);
    calculation->addWidget(ComboBox1, 1, 2);
    Label21 = new QLabel(QStringLiteral("Dampfdruck ="), central);
    Label16 = new QLabel(central);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ComboBox3 = new QComboBox(central);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    calculation->addWidget(Label21, 2, 0);
    calculation->addWidget(Label16, 2, 1);
    calculation->addWidget(ComboBox3, 2, 2);
    BitBtn1 = new QPushButton(QStringLiteral("Be&rechnen"), central);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    calculation->addWidget(BitBtn1, 3, 1, 1, 2);
    right->addLayout(calculation);
    right->addStretch(1);

    StatusText = new QLabel(this);
    statusBar()->addWidget(StatusText, 1);

    connect(ListBox1, &SubstanceListBox::Click, this, &TForm1::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm1::ListBox1DblClick);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos)); });
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(RadioGroup2Buttons, &QButtonGroup::idClicked, this, &TForm1::RadioGroup2Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox3Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, BitBtn1, &QPushButton::click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(Edit2, &QLineEdit::returnPressed, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
}

// --- Services of the calculation core, under the names every window calls ---

QString TForm1::GetField(const QString &line, const QString &delimiter, int n)
{
    return getField(line, n, delimiter).toString();
}

QString TForm1::SwapDecimalSeparator(const QString &text, QChar from, QChar to) const
{
    return swapDecimalSeparator(text, from, to, languageLetter());
}

long double TForm1::PressureUnitToBar(const QString &unit, long double p)
{
    return pressureUnitToBar(QStringView(unit), p);
}

long double TForm1::BarToPressureUnit(const QString &unit, long double p)
{
    return barToPressureUnit(QStringView(unit), p);
}

long double TForm1::TemperatureUnitToKelvin(const QString &unit, long double t)
{
    return temperatureUnitToKelvin(unit, t);
}

long double TForm1::KelvinToTemperatureUnit(const QString &unit, long double T)
{
    return kelvinToTemperatureUnit(unit, T);
}

int TForm1::MagnitudeClass(double x)
{
    return magnitudeClass(x);
}

ResultFormat TForm1::resultFormat() const
{
    return {m_settings->CheckBox2->isChecked(), languageLetter(), systemDecimalSeparator()};
}

QString TForm1::FormatResult(long double x) const
{
    const ResultFormat format = resultFormat();
    return formatResult(x, format.scientific, format.languageLetter, format.systemDecimalSeparator);
}

void TForm1::PressureRangeText(const QString &unit, QLabel *minCaption, QLabel *maxCaption, QLabel *minValue,
                               QLabel *maxValue, long double pminBar, long double pmaxBar) const
{
    const RangeTexts texts = pressureRangeText(unit, pminBar, pmaxBar, languageLetter());
    minCaption->setText(texts.minCaption);
    maxCaption->setText(texts.maxCaption);
    minValue->setText(texts.minValue);
    maxValue->setText(texts.maxValue);
}

void TForm1::ShowInputError(const QString &text, QWidget *control) const
{
    showInputError(m_texts, text, control);
}

long double TForm1::CalcRecordPressure(const QString &record, long double temperatureK)
{
    return calcRecordPressure(record, temperatureK);
}

long double TForm1::CalcRecordBoilingTemperature(const QString &record, long double pressureBar)
{
    return calcRecordBoilingTemperature(record, pressureBar);
}

long double TForm1::CalcWaterSaturationPressure(long double temperatureK)
{
    return waterSaturationPressureBar(temperatureK);
}

long double TForm1::CalcWaterSaturationTemperature(long double pressureBar)
{
    return waterSaturationTemperatureK(pressureBar);
}

long double TForm1::EstimateKollarProszt(long double boilingPointK, long double temperatureK)
{
    return estimateKollarProszt(boilingPointK, temperatureK);
}

long double TForm1::EstimateKollarProsztTemperature(long double boilingPointK, long double pressureBar)
{
    return estimateKollarProsztTemperature(boilingPointK, pressureBar);
}

// --- Data files ---

bool TForm1::LoadCryptFile(const QString &fileName, const QString &filePassword, QStringList *lines)
{
    const DataFileError error = loadCryptFile(fileName, filePassword, lines);
    if (error == DataFileError::None)
        return true;
    showDataFileError(m_texts, error, programFilePath(fileName));
    return false;
}

bool TForm1::SaveCryptFile(const QString &fileName, const QString &filePassword, const QStringList &lines)
{
    const DataFileError error = saveCryptFile(fileName, filePassword, lines);
    if (error == DataFileError::None)
        return true;
    showDataFileError(m_texts, error, programFilePath(fileName));
    return false;
}

// --- Life cycle ---

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    ReadSettings();
    applyTexts();
    fillUnitComboBox(ComboBox1, temperatureUnitTexts(), m_settings->ComboBox1->currentIndex());
    fillUnitComboBox(ComboBox3, pressureUnitTexts(), m_settings->ComboBox2->currentIndex());
    setWindowTitle(programTitle());
    LoadDatabase();
    clearResult();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The settings are written on every close, whether or not the dialog was opened.
    if (m_started)
        WriteSettings();
    event->accept();
}

void TForm1::applyTexts()
{
    FormTextReader reader = m_texts.block(u"Form1");
    const auto setMenu = [&](QMenu *menu) { menu->setTitle(reader.next(menu->title())); };
    const auto setAction = [&](QAction *action) { action->setText(reader.next(action->text())); };
    setMenu(Datei1);
    setAction(Beenden1);
    setMenu(Tensimo1);
    setAction(Tabelle1);
    setAction(Diagramm1);
    setAction(Mewerte1);
    setMenu(Abschaetzungen1);
    setAction(auszweiMewerten1);
    setAction(ausnormalerSiedetemperatur1);
    setAction(ausSiedetempkritTempukritDruck1);
    setMenu(Siedepunkt1);
    setAction(abelle1);
    setAction(Diagramm2);
    setMenu(Abschaetzungen2);
    setAction(Aus2Messwerten1);
    setAction(ausnormalerSiedetemperatur2);
    setAction(ausSiedetempkritTempukritDruck2);
    setMenu(Mischungen1);
    setAction(FlssigFlssig1);
    setAction(FestFlssig1);
    setAction(WssrigeLsungen1);
    setMenu(Datenbank1);
    setAction(Datenbankerweitern1);
    setAction(Datensatzlschen1);
    setAction(Datensatzndern1);
    setMenu(Extras1);
    setAction(Einstellungen);
    setMenu(Hilfe1);
    setAction(Index1);
    setAction(berKorvexTensimo1);
    reader.next(); // two lines the window does not use
    reader.next();

    setAction(TensimoTabelle1);
    setAction(TensimoDiagramm1);
    setAction(SiedepunktTabelle1);
    setAction(SiedepunktsDiagramm1);
    setAction(Datensatzndern2);
    setAction(Datensatzlschen2);

    SpeedButton1->setToolTip(reader.next(SpeedButton1->toolTip()));
    CheckBox1->setText(reader.next(CheckBox1->text()));
    GroupBox1->setTitle(withoutAccelerator(reader.next(QStringLiteral("Suche"))) + u':');
    RadioGroup1->setTitle(withoutAccelerator(reader.next(RadioGroup1->title())));
    RadioGroup1Name->setText(m_texts.globalText(GlobalText::NameCaption));
    RadioGroup1Cas->setText(m_texts.globalText(GlobalText::CasCaption));

    Label7->setText(withoutAccelerator(m_texts.globalText(GlobalText::CasCaption)) + u':');
    Label9->setText(withoutAccelerator(m_texts.globalText(GlobalText::MolarMassWord)) + QStringLiteral(" in kg/kmol:"));
    Label15->setText(withoutAccelerator(m_texts.globalText(GlobalText::TemperatureWord)) + u':');
    Label21->setText(withoutAccelerator(m_texts.globalText(GlobalText::VapourPressureWord)) + QStringLiteral(" ="));
    BitBtn1->setText(m_texts.globalText(GlobalText::MainCalculateCaption));
    {
        const QSignalBlocker blocker(ComboBox2);
        const int mode = std::max(0, ComboBox2->currentIndex());
        const QString calculation = m_texts.globalText(GlobalText::CalculationWord) + u' ';
        ComboBox2->setItemText(0, calculation + m_texts.globalText(GlobalText::VapourPressureWord));
        ComboBox2->setItemText(1, calculation + m_texts.globalText(GlobalText::BoilingPointWord));
        ComboBox2->setCurrentIndex(mode);
    }

    m_deleteQuestion = reader.next();
    m_changeRefusal = reader.next();
    for (QString &status : m_statusTexts)
        status = reader.next();
    reader.next(); // a further message the window does not show
    for (int i = 0; i < 3; ++i) {
        QAbstractButton *button = RadioGroup2Buttons->button(i);
        button->setText(reader.next(button->text()));
    }
}

// --- Settings ---

void TForm1::ReadSettings()
{
    const SettingsStore store(settingsKeyPath(m_texts.globalText(GlobalText::SettingsPath)));
    m_settings->setValues(readStoredSettings(store));
}

void TForm1::WriteSettings()
{
    SettingsStore store(settingsKeyPath(m_texts.globalText(GlobalText::SettingsPath)));
    if (writeStoredSettings(store, m_settings->values()) || m_settingsFailureReported)
        return;
    // The values stay in force for this session; only keeping them for the next one failed.
    m_settingsFailureReported = true;
    showErrorBox(m_texts, m_texts.globalText(GlobalText::FileNotWritten) + u'\r' + store.fileName());
}

// --- Database and list ---

void TForm1::LoadDatabase()
{
    QStringList fileLines;
    LoadCryptFile(kDatabaseFile, password(DataPasswords::kDatabase), &fileLines);
    const SubstanceDatabase database = splitDatabaseFile(fileLines);
    m_databaseLabel = database.label;
    const auto filter = static_cast<SubstanceFilter>(std::max(0, RadioGroup2Buttons->checkedId()));
    const QStringList filtered = filterRecords(database.records, filter);
    m_database = CheckBox1->isChecked() ? sortByFormula(filtered, languageLetter())
                                        : sortByName(filtered, languageLetter());

    Label22->setText(elementCountText(m_databaseLabel, int(m_database.size())));
    // A new order, filter or record set shows another substance: no result may stay beside it.
    clearResult();
    ListBox1->clear();
    for (const QString &record : std::as_const(m_database))
        ListBox1->addItem(listItemText(record, languageLetter()));

    if (m_database.isEmpty()) {
        // Nothing to show: no stale details of a substance that is no longer listed.
        ShowRecordDetails(QString());
        showStatus(1);
        return;
    }
    refreshRange(m_database.first());
    ShowRecordDetails(m_database.first());
    selectRow(0);
    showStatus(1);
}

void TForm1::selectRow(int row)
{
    const QSignalBlocker blocker(ListBox1);
    ListBox1->setCurrentRow(row);
}

CalculationMode TForm1::calculationMode() const
{
    return ComboBox2->currentIndex() == int(CalculationMode::BoilingPoint) ? CalculationMode::BoilingPoint
                                                                            : CalculationMode::VapourPressure;
}

void TForm1::selectRecord(const QString &record)
{
    const qsizetype row = m_database.indexOf(record);
    if (row >= 0) {
        selectRow(int(row));
        ListBox1->scrollToItem(ListBox1->item(int(row)));
    }
    ListBox1Click();
}

QString TForm1::currentRecord() const
{
    const int row = ListBox1->currentRow();
    return row >= 0 && row < m_database.size() ? m_database.at(row) : QString();
}

void TForm1::refreshRange(const QString &record)
{
    m_range = recordRangeLimits(record);
}

void TForm1::ListBox1Click()
{
    const QString record = currentRecord();
    if (record.isEmpty())
        return;
    refreshRange(record);
    ShowRecordDetails(record);
    clearResult();
    advanceStatus();
}

void TForm1::ShowRecordDetails(const QString &record)
{
    const QChar language = languageLetter();
    if (record.isEmpty()) {
        for (QLabel *label : {Label5, Label6, Label8, Label2, Label10, Label12, Label14, Label19, Label20})
            label->clear();
        return;
    }
    Label5->setText(displayName(record, language));
    const QString further = furtherName(record, language);
    Label6->setText(further.isEmpty() ? QString()
                                      : m_texts.globalText(GlobalText::AlsoWord) + QStringLiteral(": ") + further);
    Label8->setText(getField(record, 3).toString());
    Label2->setText(getField(record, 9).toString());
    Label10->setText(storedNumberText(getField(record, 12), language));

    const QString unit = m_settings->ComboBox1->currentText();
    const QString notKnown = m_texts.globalText(GlobalText::NotKnownMarker);
    const auto temperatureText = [&](int field) {
        const QString stored = getField(record, field).toString();
        if (stored == notKnown)
            return stored;
        if (unit == QStringLiteral("K"))
            return storedNumberText(stored, language);
        return oneDecimalText(KelvinToTemperatureUnit(unit, numericField(record, field)), 1, language).trimmed();
    };
    const QString inUnit = QStringLiteral(" in ") + unit + u':';
    Label11->setText(withoutAccelerator(m_texts.globalText(GlobalText::MeltingPointWord)) + inUnit);
    Label12->setText(temperatureText(13));
    Label13->setText(withoutAccelerator(m_texts.globalText(GlobalText::BoilingPointWord)) + inUnit);
    Label14->setText(temperatureText(14));

    const QString inputUnit = ComboBox1->currentText();
    if (calculationMode() == CalculationMode::BoilingPoint) {
        PressureRangeText(inputUnit, Label17, Label18, Label19, Label20, m_range.pminBar, m_range.pmaxBar);
        return;
    }
    const RangeTexts range = temperatureRangeText(inputUnit, m_range.TminK, m_range.TmaxK, languageLetter());
    Label17->setText(range.minCaption);
    Label18->setText(range.maxCaption);
    Label19->setText(range.minValue);
    Label20->setText(range.maxValue);
}

void TForm1::clearResult()
{
    Label16->clear();
}

void TForm1::showStatus(int index)
{
    m_statusIndex = index;
    StatusText->setText(m_statusTexts[index - 1]);
}

void TForm1::advanceStatus()
{
    showStatus(m_statusIndex % 3 + 1);
}

// --- Handlers ---

void TForm1::CheckBox1Click()
{
    LoadDatabase();
}

void TForm1::RadioGroup2Click()
{
    LoadDatabase();
}

void TForm1::ComboBox1Change()
{
    ShowRecordDetails(currentRecord());
    clearResult();
}

void TForm1::ComboBox2Change()
{
    if (calculationMode() == CalculationMode::BoilingPoint) {
        Label15->setText(withoutAccelerator(m_texts.globalText(GlobalText::PressureWord)) + u':');
        fillUnitComboBox(ComboBox1, pressureUnitTexts(), 0);
        Label21->setText(withoutAccelerator(m_texts.globalText(GlobalText::BoilingPointWord)) + QStringLiteral(" ="));
        fillUnitComboBox(ComboBox3, temperatureUnitTexts(), m_settings->ComboBox1->currentIndex());
    } else {
        Label15->setText(withoutAccelerator(m_texts.globalText(GlobalText::TemperatureWord)) + u':');
        fillUnitComboBox(ComboBox1, temperatureUnitTexts(), 0);
        Label21->setText(withoutAccelerator(m_texts.globalText(GlobalText::VapourPressureWord)) + QStringLiteral(" ="));
        fillUnitComboBox(ComboBox3, pressureUnitTexts(), m_settings->ComboBox2->currentIndex());
    }
    ShowRecordDetails(currentRecord());
    clearResult();
}

void TForm1::ComboBox3Change()
{
    clearResult();
}

void TForm1::Edit1Change()
{
    clearResult();
}

void TForm1::BitBtn1Click()
{
    const QString record = currentRecord();
    if (record.isEmpty())
        return;
    const SingleValueRequest request{calculationMode(), Edit1->text(), ComboBox1->currentText(),
                                     ComboBox3->currentText(), resultFormat()};
    showSingleValue(m_texts, computeSingleValue(recordModel(record), m_range, request), Edit1, Label15, Label16);
}

void TForm1::SpeedButton1Click()
{
    const SearchKey key = RadioGroup1Cas->isChecked() ? SearchKey::Cas : SearchKey::Name;
    const int found = findSubstance(m_database, Edit2->text(), key, ListBox1->currentRow(), languageLetter());
    if (found < 0)
        return;
    selectRow(found);
    ListBox1->scrollToItem(ListBox1->item(found));
    refreshRange(m_database.at(found));
    ShowRecordDetails(m_database.at(found));
    // The result belonged to the substance shown before, as after a click in the list.
    clearResult();
}

void TForm1::SpeedButton3Click()
{
    showMessage(m_texts.globalText(GlobalText::NoteCaption) + QStringLiteral(": ")
                    + m_texts.globalText(GlobalText::DisclaimerPart1) + u'\r'
                    + m_texts.globalText(GlobalText::DisclaimerPart2),
                m_texts.globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
}

void TForm1::Datensatzlschen1Click()
{
    const int row = ListBox1->currentRow();
    const QString record = currentRecord();
    if (record.isEmpty())
        return;
    if (showMessage(m_deleteQuestion + u'\r' + Label5->text(), m_texts.globalText(GlobalText::DeleteCaption),
                    MbYesNo | MbIconQuestion)
        != IdYes)
        return;

    const RecordFileEditResult edit = editDatabaseFile(removingFirstRecord(record));
    if (edit.failedStep == RecordFileStep::Change) {
        // Nothing to delete: the file stays as it is, and the user is told.
        showErrorBox(m_texts, m_texts.globalText(GlobalText::RecordNotFound) + u'\r' + Label5->text());
        return;
    }
    if (!edit.ok()) {
        showDataFileError(m_texts, edit.error, edit.filePath);
        return;
    }

    LoadDatabase();
    if (row > 0 && row - 1 < ListBox1->count())
        selectRow(row - 1);
    ListBox1Click();
}

void TForm1::Datensatzndern1Click()
{
    const QString record = currentRecord();
    if (record.isEmpty())
        return;
    if (getField(record, 2) == u"E001") {
        // Only the user's own records: a shipped record can never be changed.
        m_recordEditor->setEditMode(TDatenbank_erweiternDlg::kModeChange);
        m_recordEditor->exec();
        return;
    }
    showMessage(m_changeRefusal, m_texts.globalText(GlobalText::NoteCaption), MbOk | MbIconWarning);
}

void TForm1::Datenbankerweitern1Click()
{
    m_recordEditor->setEditMode(TDatenbank_erweiternDlg::kModeNew);
    m_recordEditor->exec();
}

bool TForm1::prepareModeCommand(CalculationMode mode)
{
    if (currentRecord().isEmpty())
        return false;
    // Switching the mode applies it through the mode list's change handler.
    if (calculationMode() != mode)
        ComboBox2->setCurrentIndex(int(mode));
    return true;
}

void TForm1::Tabelle1Click()
{
    if (!prepareModeCommand(CalculationMode::VapourPressure))
        return;
    m_table->setMode(CalculationMode::VapourPressure);
    m_table->exec();
}

void TForm1::abelle1Click()
{
    if (!prepareModeCommand(CalculationMode::BoilingPoint))
        return;
    m_table->setMode(CalculationMode::BoilingPoint);
    m_table->exec();
}

void TForm1::Diagramm1Click()
{
    if (prepareModeCommand(CalculationMode::VapourPressure))
        m_diagram->exec();
}

void TForm1::Diagramm2Click()
{
    if (prepareModeCommand(CalculationMode::BoilingPoint))
        m_diagram->exec();
}

void TForm1::ListBox1DblClick()
{
    // The diagram in the current mode.
    if (!currentRecord().isEmpty())
        m_diagram->exec();
}

void TForm1::FlssigFlssig1Click()
{
    m_mixture->exec();
}

void TForm1::FestFlssig1Click()
{
    m_solidLiquid->exec();
}

void TForm1::WssrigeLsungen1Click()
{
    m_aqueous->exec();
}

void TForm1::EinstellungenClick()
{
    m_settings->exec();
}

void TForm1::Index1Click()
{
    const QString helpFile = programFilePath(m_texts.globalText(GlobalText::HelpFile));
    // Without the file or a program that shows it, the user learns which file was meant.
    const auto report = [this, helpFile] {
        showErrorBox(m_texts, m_texts.globalText(GlobalText::HelpNotOpened) + u'\r' + helpFile);
    };
    // QDesktopServices reports success as soon as xdg-open starts, also when it then finds no
    // viewer: its exit status tells, also when it tells only after the watch.
    if (QFileInfo::exists(helpFile) &&
        runHelperProgram(QStringLiteral("xdg-open"), {helpFile}, kHelperWatchMs, [report](const HelperRun &) { report(); })
            .ok())
        return;
    report();
}

void TForm1::berKorvexTensimo1Click()
{
    m_info->exec();
}
