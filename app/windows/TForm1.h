// The main window: substance list, property panel and single-value calculation; the hub
// that every other window reads its substance, units and texts from.
#pragma once

#include "app/core/CalculationMode.h"
#include "app/core/NumberText.h"
#include "app/core/RangeLimits.h"
#include "app/core/SingleValue.h"
#include "app/data/LanguageTables.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class SubstanceListBox;
class TAbschaetzung1Dlg;
class TAbschaetzung1SiedepDlg;
class TAbschaetzung2Dlg;
class TAbschaetzung2MessDlg;
class TAbschaetzung2SiedepDlg;
class TDatenbank_erweiternDlg;
class TFestFlueDlg;
class TFlueFlueDlg;
class TInfo;
class TKurveDlg;
class TMeddazuDlg;
class TMesswerteDlg;
class TSiedepAbschae2MessDlg;
class TTabelleDlg;
class TWaessrigDlg;
class TeinstellungenDlg;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // False when the language tables could not be loaded: the program cannot run.
    bool started() const { return m_started; }

    // Record fields, units and number texts.
    static QString GetField(const QString &line, const QString &delimiter, int n);
    QString SwapDecimalSeparator(const QString &text, QChar from, QChar to) const;
    static long double PressureUnitToBar(const QString &unit, long double p);
    static long double BarToPressureUnit(const QString &unit, long double p);
    static long double TemperatureUnitToKelvin(const QString &unit, long double t);
    static long double KelvinToTemperatureUnit(const QString &unit, long double T);
    static int MagnitudeClass(double x);
    QString FormatResult(long double x) const;
    // Results as the settings and the language write them.
    ResultFormat resultFormat() const;
    void PressureRangeText(const QString &unit, QLabel *minCaption, QLabel *maxCaption, QLabel *minValue,
                           QLabel *maxValue, long double pminBar, long double pmaxBar) const;
    void ShowInputError(const QString &text, QWidget *control) const;

    // Vapour-pressure equations.
    static long double CalcRecordPressure(const QString &record, long double temperatureK);
    static long double CalcRecordBoilingTemperature(const QString &record, long double pressureBar);
    static long double CalcWaterSaturationPressure(long double temperatureK);
    static long double CalcWaterSaturationTemperature(long double pressureBar);
    static long double EstimateKollarProszt(long double boilingPointK, long double temperatureK);
    static long double EstimateKollarProsztTemperature(long double boilingPointK, long double pressureBar);

    // Data files: loads a file of the program folder into lines. A missing or damaged file
    // shows an error box naming it and leaves the lines empty; false then.
    bool LoadCryptFile(const QString &fileName, const QString &password, QStringList *lines);
    // Replaces a file of the program folder; an error box and false when it cannot.
    bool SaveCryptFile(const QString &fileName, const QString &password, const QStringList &lines);

    void LoadDatabase();
    void ListBox1Click();
    void ShowRecordDetails(const QString &record);
    void ReadSettings();
    void WriteSettings();

    const LanguageTables &languageTables() const { return m_texts; }
    QString globalText(GlobalText text) const { return m_texts.globalText(text); }
    QChar languageLetter() const { return m_texts.languageLetter(); }
    // The database records in list order; the list box has the same order.
    const QStringList &databaseList() const { return m_database; }
    // The record of the selected substance; empty without a selection.
    QString currentRecord() const;
    // The range of the selected substance.
    const RangeLimits &range() const { return m_range; }
    // The mode list's choice.
    CalculationMode calculationMode() const;
    // Selects the listed record equal to the line (the first row when none is), as a click would.
    void selectRecord(const QString &record);

    TInfo *infoDialog() const { return m_info; }
    TKurveDlg *diagramWindow() const { return m_diagram; }
    TMeddazuDlg *mediumPicker() const { return m_mediumPicker; }
    TTabelleDlg *tableDialog() const { return m_table; }
    TFlueFlueDlg *mixtureDialog() const { return m_mixture; }
    TFestFlueDlg *solidLiquidDialog() const { return m_solidLiquid; }
    TWaessrigDlg *aqueousDialog() const { return m_aqueous; }
    TeinstellungenDlg *settingsDialog() const { return m_settings; }
    TAbschaetzung1Dlg *kollarProsztDialog() const { return m_kollarProszt; }
    TAbschaetzung2Dlg *riedelDialog() const { return m_riedel; }
    TMesswerteDlg *measuredValuesDialog() const { return m_measuredValues; }
    TAbschaetzung2MessDlg *twoPointDialog() const { return m_twoPoint; }
    TDatenbank_erweiternDlg *recordEditorDialog() const { return m_recordEditor; }
    TSiedepAbschae2MessDlg *twoPointBoilingDialog() const { return m_twoPointBoiling; }
    TAbschaetzung1SiedepDlg *kollarProsztBoilingDialog() const { return m_kollarProsztBoiling; }
    TAbschaetzung2SiedepDlg *riedelBoilingDialog() const { return m_riedelBoiling; }

    // Components other windows and tests reach by their names.
    SubstanceListBox *ListBox1 = nullptr;
    QLabel *Label5 = nullptr; // name of the current substance, bold
    QLabel *Label6 = nullptr; // further name
    QLabel *Label7 = nullptr; // CAS caption
    QLabel *Label8 = nullptr; // CAS number
    QLabel *Label2 = nullptr; // formula
    QLabel *Label9 = nullptr; // molar-mass caption
    QLabel *Label10 = nullptr; // molar mass
    QLabel *Label11 = nullptr; // melting-point caption
    QLabel *Label12 = nullptr; // melting point
    QLabel *Label13 = nullptr; // boiling-point caption
    QLabel *Label14 = nullptr; // boiling point
    QLabel *Label17 = nullptr; // range minimum caption
    QLabel *Label18 = nullptr; // range maximum caption
    QLabel *Label19 = nullptr; // range minimum
    QLabel *Label20 = nullptr; // range maximum
    QComboBox *ComboBox2 = nullptr; // calculation mode
    QLabel *Label15 = nullptr; // input caption
    QLineEdit *Edit1 = nullptr; // input value
    QComboBox *ComboBox1 = nullptr; // input unit
    QLabel *Label21 = nullptr; // result caption
    QLabel *Label16 = nullptr; // result
    QComboBox *ComboBox3 = nullptr; // result unit
    QPushButton *BitBtn1 = nullptr; // calculate
    QGroupBox *GroupBox1 = nullptr; // search panel
    QLineEdit *Edit2 = nullptr; // search text
    QGroupBox *RadioGroup1 = nullptr; // search by name or CAS number
    QRadioButton *RadioGroup1Name = nullptr;
    QRadioButton *RadioGroup1Cas = nullptr;
    QToolButton *SpeedButton1 = nullptr; // search and search again
    QToolButton *SpeedButton3 = nullptr; // program information
    QCheckBox *CheckBox1 = nullptr; // sort by formula
    QGroupBox *RadioGroup2 = nullptr; // all, organic, inorganic
    QButtonGroup *RadioGroup2Buttons = nullptr;
    QLabel *Label22 = nullptr; // element count
    QLabel *StatusText = nullptr;

    QMenu *Datei1 = nullptr;
    QAction *Beenden1 = nullptr;
    QMenu *Tensimo1 = nullptr;
    QAction *Tabelle1 = nullptr;
    QAction *Diagramm1 = nullptr;
    QAction *Mewerte1 = nullptr;
    QMenu *Abschaetzungen1 = nullptr;
    QAction *auszweiMewerten1 = nullptr;
    QAction *ausnormalerSiedetemperatur1 = nullptr;
    QAction *ausSiedetempkritTempukritDruck1 = nullptr;
    QMenu *Siedepunkt1 = nullptr;
    QAction *abelle1 = nullptr;
    QAction *Diagramm2 = nullptr;
    QMenu *Abschaetzungen2 = nullptr;
    QAction *Aus2Messwerten1 = nullptr;
    QAction *ausnormalerSiedetemperatur2 = nullptr;
    QAction *ausSiedetempkritTempukritDruck2 = nullptr;
    QMenu *Mischungen1 = nullptr;
    QAction *FlssigFlssig1 = nullptr;
    QAction *FestFlssig1 = nullptr;
    QAction *WssrigeLsungen1 = nullptr;
    QMenu *Datenbank1 = nullptr;
    QAction *Datenbankerweitern1 = nullptr;
    QAction *Datensatzlschen1 = nullptr;
    QAction *Datensatzndern1 = nullptr;
    QMenu *Extras1 = nullptr;
    QAction *Einstellungen = nullptr;
    QMenu *Hilfe1 = nullptr;
    QAction *Index1 = nullptr;
    QAction *berKorvexTensimo1 = nullptr;

    QMenu *PopupMenu1 = nullptr; // context menu of the substance list
    QAction *TensimoTabelle1 = nullptr;
    QAction *TensimoDiagramm1 = nullptr;
    QAction *SiedepunktTabelle1 = nullptr;
    QAction *SiedepunktsDiagramm1 = nullptr;
    QAction *Datensatzndern2 = nullptr;
    QAction *Datensatzlschen2 = nullptr;

    // Handlers, named after their component and event.
    void CheckBox1Click();
    void RadioGroup2Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void Edit1Change();
    void BitBtn1Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void Datensatzlschen1Click();
    void Datensatzndern1Click();
    void Datenbankerweitern1Click();
    void Tabelle1Click();
    void abelle1Click();
    void Diagramm1Click();
    void Diagramm2Click();
    void ListBox1DblClick();
    void FlssigFlssig1Click();
    void FestFlssig1Click();
    void WssrigeLsungen1Click();
    void EinstellungenClick();
    void Index1Click();
    void berKorvexTensimo1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildPanels();
    bool LoadLanguageTexts();
    void FormShow();
    void applyTexts();
    void refreshRange(const QString &record);
    void clearResult();
    void advanceStatus();
    void showStatus(int index);
    void selectRow(int row);
    // A command of one mode: false without a selected substance; otherwise the mode list is set
    // to the mode (through its change handler, only when it differs).
    bool prepareModeCommand(CalculationMode mode);

    LanguageTables m_texts;
    bool m_started = false;
    bool m_shown = false;
    bool m_settingsFailureReported = false;
    QStringList m_database;
    QString m_databaseLabel;
    QString m_statusTexts[3];
    int m_statusIndex = 1;
    QString m_deleteQuestion;
    QString m_changeRefusal;
    RangeLimits m_range;

    TInfo *m_info = nullptr;
    TKurveDlg *m_diagram = nullptr;
    TMeddazuDlg *m_mediumPicker = nullptr;
    TTabelleDlg *m_table = nullptr;
    TFlueFlueDlg *m_mixture = nullptr;
    TFestFlueDlg *m_solidLiquid = nullptr;
    TWaessrigDlg *m_aqueous = nullptr;
    TeinstellungenDlg *m_settings = nullptr;
    TAbschaetzung1Dlg *m_kollarProszt = nullptr;
    TAbschaetzung2Dlg *m_riedel = nullptr;
    TMesswerteDlg *m_measuredValues = nullptr;
    TAbschaetzung2MessDlg *m_twoPoint = nullptr;
    TDatenbank_erweiternDlg *m_recordEditor = nullptr;
    TSiedepAbschae2MessDlg *m_twoPointBoiling = nullptr;
    TAbschaetzung1SiedepDlg *m_kollarProsztBoiling = nullptr;
    TAbschaetzung2SiedepDlg *m_riedelBoiling = nullptr;
};
