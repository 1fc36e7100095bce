// The export dialog's pages and buttons.
#include "TPlotExportForm.h"

#include "ComboFit.h"
#include "ExportFilters.h"
#include "NativeChartFile.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotMail.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "ReportException.h"
#include "SeriesUnit.h"
#include "TChartSeries.h"
#include "TCustomChart.h"
#include "TPlotExportFormat.h"
#include "TSeriesDataHTML.h"
#include "TSeriesDataText.h"
#include "TSeriesDataXLS.h"
#include "TSeriesDataXML.h"
#include "platform/BusyCursor.h"
#include "platform/DialogService.h"
#include "platform/MessageService.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kMaxSize = 3000;
const QString kMailBaseName = QStringLiteral("Plot");

template <class Widget, class... Args>
Widget *named(const char *name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString dataFilter()
{
    QStringList filters;
    for (int i = 0; i < 8; ++i)
        filters.append(PlotConst::message(PlotConst::msgDataFilterFirst + i));
    return filters.join(u'|');
}

QString nativeExtension()
{
    return QString::fromLatin1(PlotConst::kPlotExtension);
}

// The name with its extension replaced by ".plot".
QString withNativeExtension(const QString &path)
{
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return QDir(info.path()).filePath(base + u'.' + nativeExtension());
}

int rounded(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

TPlotExportForm::TPlotExportForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PlotExportForm"));
    setWindowTitle(QStringLiteral("Export Dialog"));
    auto *layout = new QVBoxLayout(this);
    PageControl1 = named<QTabWidget>("PageControl1", this);
    layout->addWidget(PageControl1);
    buildPicturePage();
    buildNativePage();
    buildDataPage();
    buildButtons();
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { enableButtons(); });
}

TPlotExportForm::~TPlotExportForm() = default;

void TPlotExportForm::buildPicturePage()
{
    TabPicture = named<QWidget>("TabPicture");
    PageControl1->addTab(TabPicture, QStringLiteral("Picture"));
    auto *layout = new QHBoxLayout(TabPicture);

    auto *formatGroup = named<QGroupBox>("GroupBox1", QStringLiteral("&Format"));
    LBFormat = named<QListWidget>("LBFormat");
    (new QVBoxLayout(formatGroup))->addWidget(LBFormat);
    layout->addWidget(formatGroup);
    connect(LBFormat, &QListWidget::currentRowChanged, this, [this] {
        if (!m_updating)
            formatSelected();
    });

    PageOptions = named<QTabWidget>("PageOptions");
    TabOptions = named<QWidget>("TabOptions");
    // The format's form is laid out in the page, so the dialog grows to its texts (German ones
    // are longer) instead of cutting them off; a fixed minimum would hide what the form needs.
    new QVBoxLayout(TabOptions);
    TabSize = named<QWidget>("TabSize");
    PageOptions->addTab(TabOptions, QStringLiteral("Options"));
    PageOptions->addTab(TabSize, QStringLiteral("Size"));
    layout->addWidget(PageOptions);

    auto *size = new QFormLayout(TabSize);
    UDWidth = named<QSpinBox>("UDWidth");
    UDHeight = named<QSpinBox>("UDHeight");
    for (QSpinBox *box : {UDWidth, UDHeight}) {
        box->setRange(0, kMaxSize);
        connect(box, &QSpinBox::valueChanged, this, [this, box] { sizeChanged(box); });
    }
    auto *widthLabel = named<QLabel>("LabelWidth", QStringLiteral("&Width:"));
    widthLabel->setBuddy(UDWidth);
    auto *heightLabel = named<QLabel>("LabelHeight", QStringLiteral("&Height:"));
    heightLabel->setBuddy(UDHeight);
    size->addRow(widthLabel, UDWidth);
    size->addRow(heightLabel, UDHeight);
    CBAspect = named<QCheckBox>("CBAspect", QStringLiteral("&Keep aspect ratio"));
    CBAspect->setChecked(true);
    size->addRow(CBAspect);
}

void TPlotExportForm::buildNativePage()
{
    TabNative = named<QWidget>("TabNative");
    PageControl1->addTab(TabNative, QStringLiteral("Native"));
    auto *layout = new QFormLayout(TabNative);
    CBNativeData = named<QCheckBox>("CBNativeData", QStringLiteral("&Include Series data"));
    CBNativeData->setChecked(true);
    layout->addRow(CBNativeData);
    CBFileSize = named<QCheckBox>("CBFileSize", QStringLiteral("&File size:"));
    LabelSize = named<QLabel>("LabelSize", QStringLiteral("?"));
    layout->addRow(CBFileSize, LabelSize);
    CBNativeFormat = named<QComboBox>("CBNativeFormat");
    fitToItems(*CBNativeFormat);
    CBNativeFormat->addItems({QStringLiteral("Binary"), QStringLiteral("Text")});
    auto *formatLabel = named<QLabel>("LabelNativeFormat", QStringLiteral("&Format:"));
    formatLabel->setBuddy(CBNativeFormat);
    layout->addRow(formatLabel, CBNativeFormat);

    connect(CBFileSize, &QCheckBox::toggled, this, [this] { showFileSize(); });
    connect(CBNativeData, &QCheckBox::toggled, this, [this] { showFileSize(); });
    connect(CBNativeFormat, &QComboBox::currentIndexChanged, this, [this] {
        showFileSize();
        enableButtons();
    });
}

void TPlotExportForm::buildDataPage()
{
    TabData = named<QWidget>("TabData");
    PageControl1->addTab(TabData, QStringLiteral("Data"));
    auto *layout = new QVBoxLayout(TabData);

    auto *seriesRow = new QFormLayout;
    CBSeries = named<QComboBox>("CBSeries");
    auto *seriesLabel = named<QLabel>("LabelSeries", QStringLiteral("Se&ries:"));
    seriesLabel->setBuddy(CBSeries);
    seriesRow->addRow(seriesLabel, CBSeries);
    layout->addLayout(seriesRow);

    auto *row = new QHBoxLayout;
    auto *formatGroup = named<QGroupBox>("GroupRGText", QStringLiteral("&Format:"));
    auto *formats = new QVBoxLayout(formatGroup);
    RGText = new QButtonGroup(this);
    RGText->setObjectName(QStringLiteral("RGText"));
    const char *const buttonNames[] = {"RBText", "RBXML", "RBHTML", "RBExcel"};
    const QString captions[] = {QStringLiteral("Text"), QStringLiteral("XML"), QStringLiteral("HTML Table"),
                                QStringLiteral("Excel")};
    for (int i = 0; i < 4; ++i) {
        auto *button = named<QRadioButton>(buttonNames[i], captions[i]);
        RGText->addButton(button, i);
        formats->addWidget(button);
    }
    RGText->button(DataText)->setChecked(true);
    connect(RGText, &QButtonGroup::idClicked, this, [this] { dataFormatChanged(); });
    row->addWidget(formatGroup);

    auto *textOptions = new QFormLayout;
    CBDelim = named<QComboBox>("CBDelim");
    fitToItems(*CBDelim);
    CBDelim->addItems({QStringLiteral("Space"), QStringLiteral("Tab"), QStringLiteral("Comma"), QStringLiteral("Colon"),
                       QStringLiteral("Custom")});
    auto *delimLabel = named<QLabel>("LabelDelim", QStringLiteral("&Delimiter:"));
    delimLabel->setBuddy(CBDelim);
    textOptions->addRow(delimLabel, CBDelim);
    ECustom = named<QLineEdit>("ECustom");
    ECustom->setMaxLength(1);
    textOptions->addRow(QString(), ECustom);
    EQuotes = named<QLineEdit>("EQuotes");
    EQuotes->setMaxLength(1);
    auto *quotesLabel = named<QLabel>("LabelQuotes", QStringLiteral("Text &Quotes:"));
    quotesLabel->setBuddy(EQuotes);
    textOptions->addRow(quotesLabel, EQuotes);
    row->addLayout(textOptions);
    connect(CBDelim, &QComboBox::currentIndexChanged, this, [this] { delimiterChanged(); });

    auto *include = named<QGroupBox>("GroupInclude", QStringLiteral("&Include:"));
    auto *includes = new QVBoxLayout(include);
    CBLabels = named<QCheckBox>("CBLabels", QStringLiteral("Point &Labels"));
    CBLabels->setChecked(true);
    CBIndex = named<QCheckBox>("CBIndex", QStringLiteral("Point &Index"));
    CBHeader = named<QCheckBox>("CBHeader", QStringLiteral("&Header"));
    CBHeader->setChecked(true);
    CBColors = named<QCheckBox>("CBColors", QStringLiteral("Point &Colors"));
    for (QCheckBox *box : {CBLabels, CBIndex, CBHeader, CBColors})
        includes->addWidget(box);
    row->addWidget(include);
    layout->addLayout(row);
}

void TPlotExportForm::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    BCopy = named<QPushButton>("BCopy", QStringLiteral("&Copy"));
    BSave = named<QPushButton>("BSave", QStringLiteral("&Save..."));
    BSend = named<QPushButton>("BSend", QStringLiteral("S&end..."));
    BClose = named<QPushButton>("BClose", QStringLiteral("Close"));
    BClose->setDefault(true);
    for (QPushButton *button : {BCopy, BSave, BSend}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(BClose);
    static_cast<QVBoxLayout *>(layout())->addLayout(buttons);
    connect(BCopy, &QPushButton::clicked, this, [this] { run([this] { copy(); }); });
    connect(BSave, &QPushButton::clicked, this, [this] { run([this] { save(); }); });
    connect(BSend, &QPushButton::clicked, this, [this] { run([this] { send(); }); });
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlotExportForm::HideCloseButton()
{
    BClose->hide();
}

void TPlotExportForm::HideNativePage()
{
    m_nativeHidden = true;
    PageControl1->setTabVisible(PageControl1->indexOf(TabNative), false);
}

void TPlotExportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    RGText->button(DataText)->setChecked(true);
    if (m_panel)
        fillFromPanel();
    PlotProcs::PlotTranslateControl(this);
}

void TPlotExportForm::fillFromPanel()
{
    m_updating = true;
    UDWidth->setValue(m_panel->width());
    UDHeight->setValue(m_panel->height());
    // A panel without height keeps no ratio rather than dividing by zero.
    m_aspectRatio = m_panel->height() > 0 ? double(m_panel->width()) / m_panel->height() : 0;
    prepareDataPage();
    LBFormat->clear();
    m_shownOptions = nullptr;
    m_formats = createExportFormats(m_panel);
    for (const std::unique_ptr<TPlotExportFormat> &format : m_formats.formats)
        LBFormat->addItem(QString(format->Description()).remove(u'&'));
    CBDelim->setCurrentIndex(1);
    LBFormat->setCurrentRow(0);
    m_updating = false;
    formatSelected();
    dataFormatChanged();
    showFileSize();
}

void TPlotExportForm::prepareDataPage()
{
    CBSeries->clear();
    CBSeries->addItem(PlotConst::message(PlotConst::msgAll));
    const auto *chart = qobject_cast<const TCustomAxisPanel *>(m_panel.data());
    const bool isChart = chart != nullptr;
    PageControl1->setTabVisible(PageControl1->indexOf(TabData), isChart);
    PageControl1->setTabVisible(PageControl1->indexOf(TabNative), isChart && !m_nativeHidden);
    if (!chart)
        return;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries *series = chart->GetSeries(i);
        CBSeries->addItem(PlotEngine::SeriesTitleOrName(*series), QVariant::fromValue(static_cast<QObject *>(series)));
    }
    CBSeries->setCurrentIndex(0);
}

TPlotExportFormat *TPlotExportForm::SelectedFormat() const
{
    const int row = LBFormat->currentRow();
    if (row < 0 || row >= int(m_formats.formats.size()))
        return nullptr;
    return m_formats.formats[size_t(row)].get();
}

void TPlotExportForm::formatSelected()
{
    if (m_shownOptions) {
        // The format keeps its form; the page only shows it.
        m_shownOptions->hide();
        m_shownOptions->setParent(nullptr);
        m_shownOptions = nullptr;
    }
    TPlotExportFormat *format = SelectedFormat();
    QWidget *options = format ? format->Options(true) : nullptr;
    const bool visible = options && !options->findChildren<QWidget *>().isEmpty();
    PageOptions->setTabVisible(PageOptions->indexOf(TabOptions), visible);
    if (!visible) {
        PageOptions->setCurrentWidget(TabSize);
        return;
    }
    PageOptions->setCurrentWidget(TabOptions);
    PlotPenDlg::EmbedForm(*options, *TabOptions);
    TabOptions->layout()->addWidget(options);
    m_shownOptions = options;
    PlotProcs::PlotTranslateControl(options);
}

void TPlotExportForm::sizeChanged(QSpinBox *changed)
{
    if (m_updating || !CBAspect->isChecked() || m_aspectRatio == 0)
        return;
    m_updating = true;
    if (changed == UDHeight)
        UDWidth->setValue(rounded(UDHeight->value() * m_aspectRatio));
    else
        UDHeight->setValue(rounded(UDWidth->value() / m_aspectRatio));
    m_updating = false;
}

int TPlotExportForm::dataKind() const
{
    return std::max(0, RGText->checkedId());
}

void TPlotExportForm::dataFormatChanged()
{
    CBDelim->setEnabled(dataKind() == DataText);
    delimiterChanged();
    enableButtons();
}

void TPlotExportForm::delimiterChanged()
{
    const bool custom = CBDelim->isEnabled() && CBDelim->currentIndex() == 4;
    ECustom->setEnabled(custom);
    if (custom && isVisible())
        ECustom->setFocus();
}

QChar TPlotExportForm::Delimiter() const
{
    switch (CBDelim->currentIndex()) {
    case 0:
        return u' ';
    case 1:
        return u'\t';
    case 2:
        return u',';
    case 3:
        return u';';
    default:
        return ECustom->text().isEmpty() ? QChar(u' ') : ECustom->text().at(0);
    }
}

int TPlotExportForm::DataFilterIndex() const
{
    return dataKind() != DataText ? dataKind() + 5 : CBDelim->currentIndex() + 1;
}

bool TPlotExportForm::HasData() const
{
    const auto *chart = qobject_cast<const TCustomAxisPanel *>(m_panel.data());
    return chart && chart->SeriesCount() > 0;
}

std::unique_ptr<TSeriesData> TPlotExportForm::CreateData() const
{
    auto *chart = qobject_cast<TCustomChart *>(m_panel.data());
    auto *series = qobject_cast<TChartSeries *>(CBSeries->currentData().value<QObject *>());
    std::unique_ptr<TSeriesData> data;
    switch (dataKind()) {
    case DataText: {
        auto text = std::make_unique<TSeriesDataText>(chart, series);
        text->TextDelimiter = Delimiter();
        text->TextQuotes = EQuotes->text();
        data = std::move(text);
        break;
    }
    case DataXML:
        data = std::make_unique<TSeriesDataXML>(chart, series);
        break;
    case DataHTML:
        data = std::make_unique<TSeriesDataHTML>(chart, series);
        break;
    default:
        data = std::make_unique<TSeriesDataXLS>(chart, series);
        break;
    }
    data->IncludeLabels = CBLabels->isChecked();
    data->IncludeIndex = CBIndex->isChecked();
    data->IncludeHeader = CBHeader->isChecked();
    data->IncludeColors = CBColors->isChecked();
    return data;
}

void TPlotExportForm::enableButtons()
{
    const QWidget *page = PageControl1->currentWidget();
    const bool picture = page == TabPicture && SelectedFormat();
    // A chart file needs a chart, not series: one without series is a file too.
    const bool native = page == TabNative && qobject_cast<const TCustomAxisPanel *>(m_panel.data());
    const bool data = page == TabData && HasData();
    const bool copyable = picture || (data && dataKind() != DataExcel) || (native && CBNativeFormat->currentIndex() == 1);
    const bool savable = picture || native || data;
    BCopy->setEnabled(copyable);
    BSave->setEnabled(savable);
    BSend->setEnabled(savable && PlotMail::available());
}

TCustomAxisPanel &TPlotExportForm::axisPanel() const
{
    auto *chart = qobject_cast<TCustomAxisPanel *>(m_panel.data());
    if (!chart)
        throw PlotException(PlotConst::message(PlotConst::msgExportPanelNotSet));
    return *chart;
}

QByteArray TPlotExportForm::nativeBytes(bool textFormat) const
{
    return SaveChartToBytes(axisPanel(), CBNativeData->isChecked(), textFormat);
}

void TPlotExportForm::showFileSize()
{
    if (!CBFileSize->isChecked() || !qobject_cast<const TCustomAxisPanel *>(m_panel.data())) {
        LabelSize->setText(QStringLiteral("?"));
        return;
    }
    try {
        const qsizetype bytes = nativeBytes(CBNativeFormat->currentIndex() == 1).size();
        LabelSize->setText(PlotConst::plotFormat(PlotConst::message(PlotConst::msgBytes), {qlonglong(bytes)}));
    } catch (const std::exception &) {
        LabelSize->setText(QStringLiteral("?"));
    }
}

void TPlotExportForm::run(const std::function<void()> &action)
{
    QString failure;
    m_notice.clear();
    {
        const BusyCursor busy;
        try {
            action();
        } catch (const PlotException &e) {
            failure = e.message();
        } catch (const std::exception &e) {
            failure = QString::fromUtf8(e.what());
        }
    }
    // Reported once the hourglass is gone; the dialog stays usable.
    if (!failure.isEmpty())
        reportEditorException(failure);
    else if (!m_notice.isEmpty())
        showMessage(m_notice, windowTitle(), MbOk | MbIconInformation);
}

void TPlotExportForm::copy()
{
    const QWidget *page = PageControl1->currentWidget();
    if (page == TabPicture) {
        TPlotExportFormat *format = SelectedFormat();
        if (!format)
            return;
        format->SetWidth(UDWidth->value());
        format->SetHeight(UDHeight->value());
        format->CopyToClipboard();
    } else if (page == TabData) {
        CreateData()->CopyToClipboard();
    } else if (page == TabNative) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(nativeBytes(true)));
    }
}

void TPlotExportForm::save()
{
    DialogService &dialogs = DialogService::instance();
    const QWidget *page = PageControl1->currentWidget();
    if (page == TabPicture) {
        const TPlotExportFormat *format = SelectedFormat();
        if (!format)
            return;
        if (const auto chosen = dialogs.saveFile(this, ExportFilters::nameFilters(m_formats.filter),
                                                 format->GetFilterIndex(), format->FileExtension()))
            savePicture(chosen->path, chosen->filterIndex);
    } else if (page == TabNative) {
        const QString filter = PlotConst::ChartFileFilterText();
        if (const auto chosen = dialogs.saveFile(this, ExportFilters::nameFilters(filter), 1, nativeExtension()))
            saveNative(withNativeExtension(chosen->path));
    } else if (page == TabData) {
        const QString filter = dataFilter();
        const auto chosen = dialogs.saveFile(this, ExportFilters::nameFilters(filter), DataFilterIndex(),
                                             ExportFilters::extension(filter, DataFilterIndex()));
        if (!chosen)
            return;
        // The chosen filter names what is written: a comma file is comma delimited.
        const int index = chosen->filterIndex;
        RGText->button(index > 5 ? std::min(index - 5, int(DataExcel)) : int(DataText))->setChecked(true);
        if (index >= 1 && index <= 5)
            CBDelim->setCurrentIndex(index - 1);
        dataFormatChanged();
        saveData(ExportFilters::withExtension(chosen->path, ExportFilters::extension(filter, DataFilterIndex())));
    }
}

void TPlotExportForm::savePicture(QString path, int filterIndex)
{
    TPlotExportFormat *format = SelectedFormat();
    if (QFileInfo(path).suffix().isEmpty()) {
        // No extension typed: the chosen filter's format, named with its extension.
        for (const std::unique_ptr<TPlotExportFormat> &candidate : m_formats.formats)
            if (candidate->WantsFilterIndex(filterIndex)) {
                format = candidate.get();
                break;
            }
        path = ExportFilters::withExtension(path, format->FileExtension());
    } else if (TPlotExportFormat *byName = formatForExtension(m_formats, QFileInfo(path).suffix())) {
        format = byName;
    }
    format->SetWidth(UDWidth->value());
    format->SetHeight(UDHeight->value());
    format->SaveToFile(path);
}

void TPlotExportForm::saveNative(const QString &path)
{
    SaveChartToFile(axisPanel(), path, CBNativeData->isChecked(), CBNativeFormat->currentIndex() == 1);
}

void TPlotExportForm::saveData(const QString &path)
{
    QString reason;
    if (!CreateData()->SaveToFile(path, &reason))
        throw PlotException(PlotConst::CannotWriteText(path, reason));
}

void TPlotExportForm::send()
{
    const QString base = QDir(PlotMail::folder()).filePath(kMailBaseName);
    const QWidget *page = PageControl1->currentWidget();
    QString file;
    if (page == TabPicture) {
        const TPlotExportFormat *format = SelectedFormat();
        if (!format)
            return;
        file = base + u'.' + format->FileExtension().toLower();
        savePicture(file, format->GetFilterIndex());
    } else if (page == TabNative) {
        file = base + u'.' + nativeExtension();
        saveNative(file);
    } else {
        file = base + u'.' + ExportFilters::extension(dataFilter(), DataFilterIndex());
        saveData(file);
    }
    if (PlotMail::send(file) == PlotMail::Outcome::Started)
        m_notice = PlotMail::startedText();
}
