// The export dialog: the chart as a picture of any registered format, as the native chart file,
// or its series data, copied to the clipboard, saved or mailed. Also the chart editor's Export
// page.
#pragma once

#include "PlotExportFormats.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TCustomAxisPanel;
class TCustomPlotPanel;
class TSeriesData;

class TPlotExportForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotExportForm(QWidget *parent = nullptr);
    ~TPlotExportForm() override;

    // The chart to export; the dialog fills itself from it when shown.
    TCustomPlotPanel *ExportPanel() const { return m_panel; }
    void SetExportPanel(TCustomPlotPanel *panel) { m_panel = panel; }

    // As a page of another form: no Close button, no Native page.
    void HideCloseButton();
    void HideNativePage();

    // The format chosen in the list; none before the first showing.
    TPlotExportFormat *SelectedFormat() const;
    // The data file's filter position: 1 to 5 the delimited text kinds, 6 XML, 7 HTML, 8 Excel.
    int DataFilterIndex() const;
    // The delimiter of delimited text as the Data page sets it.
    QChar Delimiter() const;
    // A new exporter as the Data page sets it.
    std::unique_ptr<TSeriesData> CreateData() const;
    // Whether the panel is a chart with at least one series.
    bool HasData() const;

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabPicture = nullptr;
    QWidget *TabNative = nullptr;
    QWidget *TabData = nullptr;

    QListWidget *LBFormat = nullptr;
    QTabWidget *PageOptions = nullptr;
    QWidget *TabOptions = nullptr;
    QWidget *TabSize = nullptr;
    QSpinBox *UDWidth = nullptr;
    QSpinBox *UDHeight = nullptr;
    QCheckBox *CBAspect = nullptr;

    QCheckBox *CBNativeData = nullptr;
    QCheckBox *CBFileSize = nullptr;
    QLabel *LabelSize = nullptr;
    QComboBox *CBNativeFormat = nullptr;

    QComboBox *CBSeries = nullptr;
    // RGText: the data format, item index 0 Text, 1 XML, 2 HTML Table, 3 Excel.
    QButtonGroup *RGText = nullptr;
    QComboBox *CBDelim = nullptr;
    QLineEdit *ECustom = nullptr;
    QLineEdit *EQuotes = nullptr;
    QCheckBox *CBLabels = nullptr;
    QCheckBox *CBIndex = nullptr;
    QCheckBox *CBHeader = nullptr;
    QCheckBox *CBColors = nullptr;

    QPushButton *BCopy = nullptr;
    QPushButton *BSave = nullptr;
    QPushButton *BSend = nullptr;
    QPushButton *BClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum DataKind { DataText, DataXML, DataHTML, DataExcel };

    void buildPicturePage();
    void buildNativePage();
    void buildDataPage();
    void buildButtons();
    void fillFromPanel();
    void prepareDataPage();

    void formatSelected();
    void sizeChanged(QSpinBox *changed);
    void dataFormatChanged();
    void delimiterChanged();
    void enableButtons();
    void showFileSize();

    void copy();
    void save();
    void send();
    // Writes the file the Save button's dialog or the mail asks for, on the page shown.
    void savePicture(QString path, int filterIndex);
    void saveNative(const QString &path);
    void saveData(const QString &path);
    QByteArray nativeBytes(bool textFormat) const;
    TCustomAxisPanel &axisPanel() const;
    int dataKind() const;
    // Runs an action of a button with the hourglass; a failure is reported once afterwards, or
    // else the notice the action left.
    void run(const std::function<void()> &action);

    QPointer<TCustomPlotPanel> m_panel;
    ExportFormatList m_formats;
    QPointer<QWidget> m_shownOptions;
    double m_aspectRatio = 0;
    bool m_updating = false;
    bool m_nativeHidden = false;
    QString m_notice;
};
