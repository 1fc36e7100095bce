// The Axis page.
#include "TFormPlotAxis.h"

#include "EditorConvert.h"
#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TAxisIncrement.h"
#include "TAxisMaxMin.h"
#include "TButtonPen.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"
#include "TFormatEditor.h"
#include "TPlotFontEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

using EditorWidgets::named;
using EditorWidgets::spinBox;
using EditorWidgets::tabPage;

namespace {

// "Custom ", the word before a custom axis' number.
constexpr int kCustomAxisText = 152;
constexpr int kStandardAxes = 6;

const PlotConst::Message kStandardAxisTexts[kStandardAxes] = {
    PlotConst::msgLeftAxis,   PlotConst::msgRightAxis, PlotConst::msgTopAxis,
    PlotConst::msgBottomAxis, PlotConst::msgDepthAxis, PlotConst::msgDepthTopAxis,
};

QCheckBox *checkBox(QWidget *parent, const QString &caption, const char *name)
{
    return named(new QCheckBox(caption, parent), name);
}

// A label, its spin box beside it, in the grid's next row.
QSpinBox *labelledSpin(QGridLayout *grid, int row, const QString &caption, const char *name, int minimum,
                       int maximum, int step = 1)
{
    QWidget *parent = grid->parentWidget();
    QSpinBox *box = spinBox(parent, name, minimum, maximum, step);
    grid->addWidget(EditorWidgets::label(parent, caption, box, nullptr), row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

// While Automatic is set the axis computes both limits, whatever each limit's own flag says: a
// limit that stops being automatic clears it, and the other limit keeps what it had.
void setLimitAutomatic(TChartAxis &axis, bool maximum, bool on)
{
    const bool minimumAuto = maximum ? axis.Automatic() || axis.AutomaticMinimum() : on;
    const bool maximumAuto = maximum ? on : axis.Automatic() || axis.AutomaticMaximum();
    axis.SetAutomatic(minimumAuto && maximumAuto);
    axis.SetAutomaticMinimum(minimumAuto);
    axis.SetAutomaticMaximum(maximumAuto);
}

QString limitText(const TChartAxis &axis, double value)
{
    if (!axis.IsDateTime())
        return PlotFormat::FormatFloat(axis.AxisValuesFormat(), value);
    if (value < 1)
        return EditorConvert::timeText(value);
    const double days = std::floor(value);
    return EditorConvert::dateText(days) + QLatin1Char(' ') + EditorConvert::timeText(value - days);
}

} // namespace

TFormPlotAxis::TFormPlotAxis(QWidget *parent, TCustomAxisPanel *chart, TChartAxis *axis)
    : QWidget(parent)
    , m_chart(chart)
    , m_axis(axis)
{
    setObjectName(QStringLiteral("FormPlotAxis"));
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    LBAxes = named(new QListWidget(this), "LBAxes");
    LBAxes->setProperty(PlotTranslate::kUserTextsProperty, true);
    auto *axesLabel = EditorWidgets::label(this, QStringLiteral("A&xes:"), LBAxes, "LabelAxes");
    BAdd = named(new QToolButton(this), "BAdd");
    BAdd->setText(QStringLiteral("+"));
    BDelete = named(new QToolButton(this), "BDelete");
    BDelete->setText(QStringLiteral("-"));
    auto *addDelete = new QHBoxLayout;
    // At the foot of the row the taller buttons make, right above the list it names.
    addDelete->addWidget(axesLabel, 0, Qt::AlignBottom);
    addDelete->addStretch();
    addDelete->addWidget(BAdd);
    addDelete->addWidget(BDelete);
    CBShow = checkBox(this, QStringLiteral("Visible"), "CBShow");
    CBAxisBeh = checkBox(this, QStringLiteral("&Behind"), "CBAxisBeh");
    left->addLayout(addDelete);
    left->addWidget(LBAxes, 1);
    left->addWidget(CBShow);
    left->addWidget(CBAxisBeh);
    LBAxes->setMaximumWidth(96);
    layout->addLayout(left);

    PageAxis = named(new QTabWidget(this), "PageAxis");
    layout->addWidget(PageAxis, 1);
    TabScales = tabPage(PageAxis, "TabScales", QStringLiteral("Scales"));
    TabTitle = tabPage(PageAxis, "TabTitle", QStringLiteral("Title"));
    TabLabels = tabPage(PageAxis, "TabLabels", QStringLiteral("Labels"));
    TabTicks = tabPage(PageAxis, "TabTicks", QStringLiteral("Ticks"));
    TabMinor = tabPage(PageAxis, "TabMinor", QStringLiteral("Minor"));
    TabPosition = tabPage(PageAxis, "TabPosition", QStringLiteral("Position"));
    buildScales();
    buildTitle();
    buildLabels();
    buildTicks();
    buildPosition();
    connectControls();
    m_filling = false;
}

void TFormPlotAxis::buildScales()
{
    auto *grid = new QGridLayout(TabScales);
    CBVisible = checkBox(TabScales, QStringLiteral("&Visible"), "CBVisible");
    CBAutomatic = checkBox(TabScales, QStringLiteral("&Automatic"), "CBAutomatic");
    CBLogarithmic = checkBox(TabScales, QStringLiteral("Logarith&mic"), "CBLogarithmic");
    ELogBase = named(new QLineEdit(QStringLiteral("10"), TabScales), "ELogBase");
    LogE = checkBox(TabScales, QStringLiteral("e"), "LogE");
    CBInverted = checkBox(TabScales, QStringLiteral("&Inverted"), "CBInverted");
    grid->addWidget(CBVisible, 0, 0);
    grid->addWidget(CBInverted, 0, 1);
    grid->addWidget(CBAutomatic, 1, 0, 1, 3);
    grid->addWidget(CBLogarithmic, 2, 0, 1, 3);
    auto *base = new QHBoxLayout;
    base->addWidget(EditorWidgets::label(TabScales, QStringLiteral("L&og Base:"), ELogBase, "LabelLogBase"));
    base->addWidget(ELogBase);
    base->addWidget(LogE);
    base->addStretch();
    ELogBase->setMaximumWidth(60);
    grid->addLayout(base, 3, 0, 1, 3);
    LAxisIncre = named(new QLabel(TabScales), "LAxisIncre");
    // Values, and the constant's symbol, are not translated.
    LAxisIncre->setProperty(PlotTranslate::kUserTextsProperty, true);
    LogE->setProperty(PlotTranslate::kUserTextsProperty, true);
    BIncre = named(new QPushButton(QStringLiteral("&Change..."), TabScales), "BIncre");
    grid->addWidget(named(new QLabel(QStringLiteral("Desired Increment:"), TabScales), "LabelIncrement"), 4, 0, 1, 3);
    grid->addWidget(LAxisIncre, 5, 0);
    grid->addWidget(BIncre, 5, 1, 1, 2, Qt::AlignRight);

    auto *limits = named(new QTabWidget(TabScales), "PageLimits");
    auto limit = [&](const QString &caption, const char *tabName, const QString &autoCaption, const char *autoName,
                     const char *labelName, const QString &change, const char *changeName, const char *offsetName,
                     QCheckBox *&autoBox, QLabel *&value, QPushButton *&button, QSpinBox *&offset) {
        QWidget *page = tabPage(limits, tabName, caption);
        auto *inner = new QGridLayout(page);
        autoBox = checkBox(page, autoCaption, autoName);
        value = named(new QLabel(page), labelName);
        value->setProperty(PlotTranslate::kUserTextsProperty, true);
        button = named(new QPushButton(change, page), changeName);
        offset = spinBox(page, offsetName, -10000, 10000);
        inner->setContentsMargins(4, 2, 4, 2);
        inner->addWidget(autoBox, 0, 0, 1, 2);
        inner->addWidget(value, 1, 0);
        inner->addWidget(button, 1, 1, Qt::AlignRight);
        inner->addWidget(new QLabel(QStringLiteral("Offset:"), page), 2, 0);
        inner->addWidget(offset, 2, 1);
    };
    limit(QStringLiteral("Minimum"), "TabMinimum", QStringLiteral("Aut&o"), "CBAutoMin", "LAxisMin",
          QStringLiteral("Cha&nge..."), "BAxisMin", "UDMinOff", CBAutoMin, LAxisMin, BAxisMin, UDMinOff);
    limit(QStringLiteral("Maximum"), "TabMaximum", QStringLiteral("A&uto"), "CBAutoMax", "LAxisMax",
          QStringLiteral("C&hange..."), "BAxisMax", "UDMaxOff", CBAutoMax, LAxisMax, BAxisMax, UDMaxOff);
    grid->addWidget(limits, 6, 0, 1, 3);
    grid->setVerticalSpacing(2);
    grid->setRowStretch(7, 1);
}

void TFormPlotAxis::buildTitle()
{
    auto *box = new QVBoxLayout(TabTitle);
    PageTitle = named(new QTabWidget(TabTitle), "PageTitle");
    box->addWidget(PageTitle);
    QWidget *style = tabPage(PageTitle, "TabTitleStyle", QStringLiteral("Style"));
    auto *grid = new QGridLayout(style);
    ETitle = named(new QLineEdit(style), "ETitle");
    ETitle->setProperty(PlotTranslate::kUserTextsProperty, true);
    grid->addWidget(EditorWidgets::label(style, QStringLiteral("T&itle:"), ETitle, "LabelTitle"), 0, 0);
    grid->addWidget(ETitle, 0, 1);
    UDTitleAngle = labelledSpin(grid, 1, QStringLiteral("An&gle:"), "UDTitleAngle", 0, 360, 90);
    UDTitleSize = labelledSpin(grid, 2, QStringLiteral("Si&ze:"), "UDTitleSize", 0, 1000);
    CBTitleVisible = checkBox(style, QStringLiteral("&Visible"), "CBTitleVisible");
    grid->addWidget(CBTitleVisible, 3, 0);
    grid->setRowStretch(4, 1);
    QWidget *text = tabPage(PageTitle, "TabTitleText", QStringLiteral("Text"));
    TitleFont = InsertFontEditor(*text);
    TitleFont->setObjectName(QStringLiteral("TitleFont"));
}

void TFormPlotAxis::buildLabels()
{
    auto *box = new QVBoxLayout(TabLabels);
    PageLabels = named(new QTabWidget(TabLabels), "PageLabels");
    box->addWidget(PageLabels);
    QWidget *style = tabPage(PageLabels, "TabLabelsStyle", QStringLiteral("Style"));
    auto *grid = new QGridLayout(style);
    CBLabels = checkBox(style, QStringLiteral("V&isible"), "CBLabels");
    CBMultiline = checkBox(style, QStringLiteral("Multi-lin&e"), "CBMultiline");
    CBOnAxis = checkBox(style, QStringLiteral("Label On A&xis"), "CBOnAxis");
    CBRoundFirst = checkBox(style, QStringLiteral("Ro&und First"), "CBRoundFirst");
    CBAlternate = checkBox(style, QStringLiteral("&Alternate"), "CBAlternate");
    grid->addWidget(CBLabels, 0, 0);
    grid->addWidget(CBMultiline, 1, 0);
    grid->addWidget(CBOnAxis, 2, 0);
    grid->addWidget(CBRoundFirst, 3, 0);
    grid->addWidget(CBAlternate, 4, 0);
    auto *right = new QGridLayout;
    grid->addLayout(right, 0, 1, 5, 1);
    UDLabelsSize = labelledSpin(right, 0, QStringLiteral("Si&ze:"), "UDLabelsSize", 0, 1000);
    UDLabelsAngle = labelledSpin(right, 1, QStringLiteral("An&gle:"), "UDLabelsAngle", 0, 360, 90);
    UDSepar = labelledSpin(right, 2, QStringLiteral("Min. Se&paration %:"), "UDSepar", 0, 100, 10);
    CBLabelStyle = named(new QComboBox(style), "CBLabelStyle");
    CBLabelStyle->addItems({QStringLiteral("Auto"), QStringLiteral("None"), QStringLiteral("Value"),
                            QStringLiteral("Mark"), QStringLiteral("Text")});
    right->addWidget(EditorWidgets::label(style, QStringLiteral("&Style:"), CBLabelStyle, "LabelStyle"), 3, 0);
    right->addWidget(CBLabelStyle, 3, 1);
    grid->setRowStretch(5, 1);

    QWidget *format = tabPage(PageLabels, "TabLabelsFormat", QStringLiteral("Format"));
    auto *formatGrid = new QGridLayout(format);
    CBFormat = named(new QComboBox(format), "CBFormat");
    CBFormat->setEditable(true);
    CBFormat->setInsertPolicy(QComboBox::NoInsert);
    CBFormat->setProperty(PlotTranslate::kUserTextsProperty, true);
    LabelAxisFormat = EditorWidgets::label(format, QStringLiteral("Values For&mat:"), CBFormat, "LabelAxisFormat");
    Button1 = named(new QPushButton(QStringLiteral("..."), format), "Button1");
    CBExpo = checkBox(format, QStringLiteral("&Exponential"), "CBExpo");
    CBLabelAlign = checkBox(format, QStringLiteral("&Default Alignment"), "CBLabelAlign");
    formatGrid->addWidget(LabelAxisFormat, 0, 0, 1, 2);
    formatGrid->addWidget(CBFormat, 1, 0);
    formatGrid->addWidget(Button1, 1, 1);
    formatGrid->addWidget(CBExpo, 2, 0);
    formatGrid->addWidget(CBLabelAlign, 3, 0);
    formatGrid->setRowStretch(4, 1);
    QWidget *text = tabPage(PageLabels, "TabLabelsText", QStringLiteral("Text"));
    LabelsFont = InsertFontEditor(*text);
    LabelsFont->setObjectName(QStringLiteral("LabelsFont"));
}

void TFormPlotAxis::buildTicks()
{
    auto *grid = new QGridLayout(TabTicks);
    auto pen = [](QWidget *parent, const QString &caption, const char *name) {
        auto *button = named(new TButtonPen(parent), name);
        button->setText(caption);
        return button;
    };
    BAxisPen = pen(TabTicks, QStringLiteral("&Axis..."), "BAxisPen");
    BTickPen = pen(TabTicks, QStringLiteral("T&icks..."), "BTickPen");
    BTickInner = pen(TabTicks, QStringLiteral("I&nner..."), "BTickInner");
    BGridPen = pen(TabTicks, QStringLiteral("&Grid..."), "BGridPen");
    grid->addWidget(BAxisPen, 0, 0);
    grid->addWidget(BTickPen, 1, 0);
    grid->addWidget(BTickInner, 2, 0);
    grid->addWidget(BGridPen, 3, 0);
    UDAxisTickLength = spinBox(TabTicks, "UDAxisTickLength", 0, 1000);
    UDInnerTicksLength = spinBox(TabTicks, "UDInnerTicksLength", 0, 1000);
    grid->addWidget(EditorWidgets::label(TabTicks, QStringLiteral("Len:"), UDAxisTickLength, nullptr), 1, 1);
    grid->addWidget(UDAxisTickLength, 1, 2);
    grid->addWidget(EditorWidgets::label(TabTicks, QStringLiteral("Len:"), UDInnerTicksLength, nullptr), 2, 1);
    grid->addWidget(UDInnerTicksLength, 2, 2);
    CBTickOnLabels = checkBox(TabTicks, QStringLiteral("At Labels Onl&y"), "CBTickOnLabels");
    CBGridCentered = checkBox(TabTicks, QStringLiteral("C&entered"), "CBGridCentered");
    grid->addWidget(CBTickOnLabels, 4, 0);
    grid->addWidget(CBGridCentered, 3, 1);
    UDGridZ = spinBox(TabTicks, "UDGridZ", 0, 100);
    grid->addWidget(EditorWidgets::label(TabTicks, QStringLiteral("&Z:"), UDGridZ, nullptr), 3, 2);
    grid->addWidget(UDGridZ, 3, 3);
    grid->setRowStretch(5, 1);

    auto *minor = new QGridLayout(TabMinor);
    BMinorTicks = pen(TabMinor, QStringLiteral("&Ticks..."), "BMinorTicks");
    BMinorGrid = pen(TabMinor, QStringLiteral("&Grid..."), "BMinorGrid");
    minor->addWidget(BMinorTicks, 0, 0);
    minor->addWidget(BMinorGrid, 1, 0);
    UDAxisMinorTickLen = spinBox(TabMinor, "UDAxisMinorTickLen", 0, 1000);
    UDMinorCount = spinBox(TabMinor, "UDMinorCount", 0, 1000);
    minor->addWidget(EditorWidgets::label(TabMinor, QStringLiteral("Length:"), UDAxisMinorTickLen, nullptr), 0, 1);
    minor->addWidget(UDAxisMinorTickLen, 0, 2);
    minor->addWidget(EditorWidgets::label(TabMinor, QStringLiteral("&Count:"), UDMinorCount, nullptr), 1, 1);
    minor->addWidget(UDMinorCount, 1, 2);
    minor->setRowStretch(2, 1);
}

void TFormPlotAxis::buildPosition()
{
    auto *grid = new QGridLayout(TabPosition);
    UDPos = labelledSpin(grid, 0, QStringLiteral("&Position %:"), "UDPos", -1000, 1000);
    UDStart = labelledSpin(grid, 1, QStringLiteral("St&art %:"), "UDStart", 0, 100);
    UDEnd = labelledSpin(grid, 2, QStringLiteral("&End %:"), "UDEnd", 0, 100);
    UDZ = labelledSpin(grid, 3, QStringLiteral("&Z %:"), "UDZ", 0, 100);
    CBPosUnits = named(new QComboBox(TabPosition), "CBPosUnits");
    CBPosUnits->addItems({QStringLiteral("Percent"), QStringLiteral("Pixels")});
    grid->addWidget(EditorWidgets::label(TabPosition, QStringLiteral("&Units:"), CBPosUnits, "LabelPosUnits"), 4, 0);
    grid->addWidget(CBPosUnits, 4, 1);
    CBOtherSide = checkBox(TabPosition, QStringLiteral("&Other side"), "CBOtherSide");
    CBHorizAxis = checkBox(TabPosition, QStringLiteral("&Horizontal"), "CBHorizAxis");
    grid->addWidget(CBOtherSide, 0, 2);
    grid->addWidget(CBHorizAxis, 1, 2);
    grid->setRowStretch(5, 1);
}

bool TFormPlotAxis::write(const std::function<void(TChartAxis &)> &change)
{
    if (m_filling || !m_axis)
        return false;
    return editorSet([&] { change(*m_axis); }, [this] { PageAxisChange(); });
}

void TFormPlotAxis::onSpin(QSpinBox *box, const std::function<void(TChartAxis &, int)> &change)
{
    connect(box, &QSpinBox::valueChanged, this, [this, change](int value) {
        write([&](TChartAxis &axis) { change(axis, value); });
    });
}

void TFormPlotAxis::onCheck(QCheckBox *box, const std::function<void(TChartAxis &, bool)> &change)
{
    connect(box, &QCheckBox::clicked, this, [this, change](bool on) {
        write([&](TChartAxis &axis) { change(axis, on); });
    });
}

void TFormPlotAxis::connectControls()
{
    connect(LBAxes, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || !m_chart || row < 0 || row >= m_chart->Axes().Count())
            return;
        m_axis = m_chart->Axes()[row];
        PageAxisChange();
    });
    connect(PageAxis, &QTabWidget::currentChanged, this, [this] { PageAxisChange(); });
    connect(PageLabels, &QTabWidget::currentChanged, this, [this] { PageAxisChange(); });
    connect(BAdd, &QToolButton::clicked, this, &TFormPlotAxis::addAxis);
    connect(BDelete, &QToolButton::clicked, this, &TFormPlotAxis::deleteAxis);
    connect(CBShow, &QCheckBox::clicked, this, [this](bool on) {
        if (m_chart)
            editorSet([&] { m_chart->SetAxisVisible(on); });
    });
    connect(CBAxisBeh, &QCheckBox::clicked, this, [this](bool on) {
        if (m_chart)
            editorSet([&] { m_chart->SetAxisBehind(on); });
    });

    onCheck(CBVisible, [](TChartAxis &a, bool on) { a.SetVisible(on); });
    onCheck(CBInverted, [](TChartAxis &a, bool on) { a.SetInverted(on); });
    connect(CBAutomatic, &QCheckBox::clicked, this, [this](bool on) {
        if (m_settingScales)
            return;
        write([on](TChartAxis &a) {
            a.SetAutomatic(on);
            if (on)
                a.RecalcMinMax();
        });
        refreshScales();
    });
    for (QCheckBox *box : {CBAutoMin, CBAutoMax}) {
        connect(box, &QCheckBox::clicked, this, [this, box](bool on) {
            if (m_settingScales)
                return;
            write([&](TChartAxis &a) {
                setLimitAutomatic(a, box == CBAutoMax, on);
                a.RecalcMinMax();
            });
            refreshScales();
        });
    }
    onSpin(UDMinOff, [](TChartAxis &a, int v) { a.SetMinimumOffset(v); });
    onSpin(UDMaxOff, [](TChartAxis &a, int v) { a.SetMaximumOffset(v); });
    connect(CBLogarithmic, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartAxis &a) { a.SetLogarithmic(on); });
        fillScales();
    });
    connect(ELogBase, &QLineEdit::textEdited, this, &TFormPlotAxis::logBaseEdited);
    connect(LogE, &QCheckBox::clicked, this, [this] {
        const QString e = PlotFormat::FloatToStr(std::numbers::e);
        ELogBase->setText(e);
        logBaseEdited(e);
    });
    connect(BIncre, &QPushButton::clicked, this, &TFormPlotAxis::editIncrement);
    connect(BAxisMax, &QPushButton::clicked, this, [this] { editLimit(true); });
    connect(BAxisMin, &QPushButton::clicked, this, [this] { editLimit(false); });

    connect(ETitle, &QLineEdit::textEdited, this,
            [this](const QString &text) { write([&](TChartAxis &a) { a.Title()->SetCaption(text); }); });
    onSpin(UDTitleAngle, [](TChartAxis &a, int v) { a.Title()->SetAngle(v); });
    onSpin(UDTitleSize, [](TChartAxis &a, int v) { a.SetTitleSize(v); });
    onCheck(CBTitleVisible, [](TChartAxis &a, bool on) { a.Title()->SetVisible(on); });

    onCheck(CBLabels, [](TChartAxis &a, bool on) { a.SetLabels(on); });
    connect(CBLabelStyle, &QComboBox::activated, this,
            [this](int index) { write([index](TChartAxis &a) { a.SetLabelStyle(TAxisLabelStyle(index)); }); });
    onSpin(UDLabelsAngle, [](TChartAxis &a, int v) { a.SetLabelsAngle(v); });
    onSpin(UDLabelsSize, [](TChartAxis &a, int v) { a.SetLabelsSize(v); });
    onSpin(UDSepar, [](TChartAxis &a, int v) { a.SetLabelsSeparation(v); });
    onCheck(CBOnAxis, [](TChartAxis &a, bool on) { a.SetLabelsOnAxis(on); });
    onCheck(CBRoundFirst, [](TChartAxis &a, bool on) { a.SetRoundFirstLabel(on); });
    onCheck(CBMultiline, [](TChartAxis &a, bool on) { a.SetLabelsMultiLine(on); });
    onCheck(CBExpo, [](TChartAxis &a, bool on) { a.SetLabelsExponent(on); });
    onCheck(CBAlternate, [](TChartAxis &a, bool on) { a.SetLabelsAlternate(on); });
    onCheck(CBLabelAlign, [](TChartAxis &a, bool on) { a.SetLabelsAlign(on ? alDefault : alOpposite); });
    connect(CBFormat, &QComboBox::currentTextChanged, this, &TFormPlotAxis::formatChosen);
    connect(Button1, &QPushButton::clicked, this, [this] {
        QString result;
        if (m_axis && FormatEditor::EditFormat(this, CBFormat->currentText(), result, m_axis->IsDateTime()))
            CBFormat->setCurrentText(result);
    });

    onSpin(UDAxisTickLength, [](TChartAxis &a, int v) { a.SetTickLength(v); });
    onSpin(UDInnerTicksLength, [](TChartAxis &a, int v) { a.SetTickInnerLength(v); });
    onCheck(CBTickOnLabels, [](TChartAxis &a, bool on) { a.SetTickOnLabelsOnly(on); });
    onCheck(CBGridCentered, [](TChartAxis &a, bool on) { a.Grid()->SetCentered(on); });
    onSpin(UDGridZ, [](TChartAxis &a, int v) { a.Grid()->SetZPosition(v); });
    onSpin(UDAxisMinorTickLen, [](TChartAxis &a, int v) { a.SetMinorTickLength(v); });
    onSpin(UDMinorCount, [](TChartAxis &a, int v) { a.SetMinorTickCount(v); });

    onSpin(UDPos, [](TChartAxis &a, int v) { a.SetPositionPercent(v); });
    connect(UDStart, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_filling || !m_axis)
            return;
        if (value < m_axis->EndPosition())
            write([value](TChartAxis &a) { a.SetStartPosition(value); });
        else
            fillPosition();
    });
    connect(UDEnd, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_filling || !m_axis)
            return;
        if (value > m_axis->StartPosition())
            write([value](TChartAxis &a) { a.SetEndPosition(value); });
        else
            fillPosition();
    });
    onSpin(UDZ, [](TChartAxis &a, int v) { a.SetZPosition(v); });
    connect(CBPosUnits, &QComboBox::activated, this,
            [this](int index) { write([index](TChartAxis &a) { a.SetPositionUnits(TPlotUnits(index)); }); });
    onCheck(CBOtherSide, [](TChartAxis &a, bool on) { a.SetOtherSide(on); });
    connect(CBHorizAxis, &QCheckBox::clicked, this, [this](bool on) {
        if (!isCustom())
            return;
        if (write([on](TChartAxis &a) { a.SetHorizontal(on); }) && OnChangeHorizAxis)
            OnChangeHorizAxis(m_axis);
    });
}

void TFormPlotAxis::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_axis || !m_chart)
        return;
    m_filling = true;
    fillAxesList();
    CBShow->setChecked(m_chart->AxisVisible());
    CBAxisBeh->setChecked(m_chart->AxisBehind());
    {
        const QSignalBlocker blockAxis(PageAxis), blockLabels(PageLabels);
        PageAxis->setCurrentWidget(TabScales);
        PageLabels->setCurrentIndex(0);
        PageTitle->setCurrentIndex(0);
    }
    PageAxisChange();
}

void TFormPlotAxis::fillAxesList()
{
    const bool filling = m_filling;
    m_filling = true;
    LBAxes->clear();
    for (int i = 0; m_chart && i < m_chart->Axes().Count(); ++i) {
        LBAxes->addItem(AxisListName(i));
        if (m_chart->Axes()[i] == m_axis)
            LBAxes->setCurrentRow(i);
    }
    m_filling = filling;
}

QString TFormPlotAxis::AxisListName(int index)
{
    return index < kStandardAxes ? PlotConst::message(kStandardAxisTexts[index])
                                 : PlotConst::message(kCustomAxisText) + QString::number(index - kStandardAxes);
}

void TFormPlotAxis::SetAxis(TChartAxis *axis)
{
    m_axis = axis;
    if (isVisible())
        fillAxesList();
    PageAxisChange();
}

bool TFormPlotAxis::isCustom() const
{
    return m_chart && m_axis && m_chart->Axes().Items().size() > std::size_t(kStandardAxes) &&
           std::find(m_chart->Axes().Items().begin() + kStandardAxes, m_chart->Axes().Items().end(), m_axis.data()) !=
               m_chart->Axes().Items().end();
}

QString TFormPlotAxis::axisName() const
{
    if (!m_axis)
        return {};
    if (!m_axis->Title()->Caption().isEmpty())
        return m_axis->Title()->Caption();
    const int row = LBAxes->currentRow();
    return row >= 0 ? LBAxes->item(row)->text() : QString();
}

void TFormPlotAxis::PageAxisChange()
{
    if (!m_axis)
        return;
    m_filling = true;
    BAxisPen->LinkPen(m_axis->Axis());
    BTickPen->LinkPen(m_axis->Ticks());
    BTickInner->LinkPen(m_axis->TicksInner());
    BGridPen->LinkPen(m_axis->Grid());
    BMinorTicks->LinkPen(m_axis->MinorTicks());
    BMinorGrid->LinkPen(m_axis->MinorGrid());
    QWidget *current = PageAxis->currentWidget();
    if (current == TabScales) {
        fillScales();
    } else if (current == TabLabels) {
        fillLabels();
    } else if (current == TabTitle) {
        ETitle->setText(m_axis->Title()->Caption());
        UDTitleAngle->setValue(m_axis->Title()->Angle());
        UDTitleSize->setValue(m_axis->TitleSize());
        CBTitleVisible->setChecked(m_axis->Title()->Visible());
        TitleFont->RefreshControls(m_axis->Title()->Font());
    } else if (current == TabTicks) {
        UDAxisTickLength->setValue(m_axis->TickLength());
        UDInnerTicksLength->setValue(m_axis->TickInnerLength());
        CBTickOnLabels->setChecked(m_axis->TickOnLabelsOnly());
        CBGridCentered->setChecked(m_axis->Grid()->Centered());
        UDGridZ->setValue(int(std::nearbyint(m_axis->Grid()->ZPosition())));
    } else if (current == TabMinor) {
        UDAxisMinorTickLen->setValue(m_axis->MinorTickLength());
        UDMinorCount->setValue(m_axis->MinorTickCount());
    } else if (current == TabPosition) {
        fillPosition();
    }
    BDelete->setEnabled(isCustom());
    CBVisible->setChecked(m_axis->Visible());
    const bool vertical = !m_axis->Horizontal() && !m_axis->IsDepthAxis();
    CBLabelAlign->setChecked(m_axis->LabelsAlign() == alDefault);
    CBLabelAlign->setEnabled(vertical);
    m_filling = false;
}

void TFormPlotAxis::refreshScales()
{
    const bool filling = m_filling;
    m_filling = true;
    fillScales();
    m_filling = filling;
}

void TFormPlotAxis::fillScales()
{
    if (!m_axis)
        return;
    const bool dateTime = m_axis->IsDateTime();
    LAxisIncre->setText(AxisIncrement::GetIncrementText(dateTime, m_axis->ExactDateTime(),
                                                         m_axis->AxisValuesFormat(), m_axis->Increment()));
    LAxisMax->setText(limitText(*m_axis, m_axis->Maximum()));
    LAxisMin->setText(limitText(*m_axis, m_axis->Minimum()));
    m_settingScales = true;
    CBAutomatic->setChecked(m_axis->Automatic());
    CBAutoMax->setChecked(m_axis->Automatic() || m_axis->AutomaticMaximum());
    CBAutoMin->setChecked(m_axis->Automatic() || m_axis->AutomaticMinimum());
    UDMaxOff->setValue(m_axis->MaximumOffset());
    UDMinOff->setValue(m_axis->MinimumOffset());
    m_settingScales = false;
    CBLogarithmic->setChecked(m_axis->Logarithmic());
    CBLogarithmic->setEnabled(!m_axis->IsDepthAxis());
    LogE->setChecked(m_axis->LogarithmicBase() == std::numbers::e);
    ELogBase->setText(PlotFormat::FloatToStr(m_axis->LogarithmicBase()));
    const bool baseEditable = CBLogarithmic->isChecked() && CBLogarithmic->isEnabled();
    ELogBase->setEnabled(baseEditable);
    LogE->setEnabled(baseEditable);
    CBInverted->setChecked(m_axis->Inverted());
}

void TFormPlotAxis::fillFormats()
{
    const QLocale locale;
    QStringList formats;
    if (m_axis->IsDateTime()) {
        const double range = m_axis->Maximum() - m_axis->Minimum();
        if (!(range >= 1)) {
            formats = {PlotProcs::DateTimeFormatFromQt(locale.timeFormat(QLocale::ShortFormat)),
                       PlotProcs::DateTimeFormatFromQt(locale.timeFormat(QLocale::LongFormat)),
                       QStringLiteral("hh:nn"), QStringLiteral("hh:nn:ss"), QStringLiteral("hh:nn:ss.zzz")};
        } else {
            formats = {PlotProcs::DateTimeFormatFromQt(locale.dateFormat(QLocale::ShortFormat)),
                       PlotProcs::DateTimeFormatFromQt(locale.dateFormat(QLocale::LongFormat)),
                       QStringLiteral("yyyy-mm-dd"), QStringLiteral("mm-dd-yyyy"), QStringLiteral("dd-mm-yyyy"),
                       QStringLiteral("ddd"), QStringLiteral("dddd"), QStringLiteral("mmm"), QStringLiteral("mmmm")};
        }
        LabelAxisFormat->setText(PlotConst::message(PlotConst::msgDateTimeFormat));
        QString text = m_axis->DateTimeFormat();
        if (text.isEmpty())
            text = PlotProcs::DateTimeDefaultFormat(range);
        formats.append(text);
        CBFormat->clear();
        formats.removeDuplicates();
        CBFormat->addItems(formats);
        CBFormat->setCurrentText(text);
        return;
    }
    for (const char *format : {"#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)", "00e-0",
                               "#.0 \"x10\" E+0", "#.# x10E-#"})
        formats.append(PlotProcs::FormatToLocalSeparators(QString::fromLatin1(format)));
    LabelAxisFormat->setText(PlotConst::message(PlotConst::msgValuesFormat));
    const QString stored = m_axis->AxisValuesFormat();
    const QString text = PlotProcs::FormatToLocalSeparators(stored.isEmpty() ? QStringLiteral("#,##0.###") : stored);
    // Formats typed earlier stay offered.
    for (int i = 0; i < CBFormat->count(); ++i)
        formats.append(CBFormat->itemText(i));
    if (!CBFormat->currentText().isEmpty())
        formats.append(CBFormat->currentText());
    formats.append(text);
    formats.removeDuplicates();
    CBFormat->clear();
    CBFormat->addItems(formats);
    CBFormat->setCurrentText(text);
}

void TFormPlotAxis::fillLabels()
{
    CBLabels->setChecked(m_axis->Labels());
    CBLabelStyle->setCurrentIndex(int(m_axis->LabelStyle()));
    CBOnAxis->setChecked(m_axis->LabelsOnAxis());
    CBRoundFirst->setChecked(m_axis->RoundFirstLabel());
    UDLabelsAngle->setValue(m_axis->LabelsAngle());
    UDSepar->setValue(m_axis->LabelsSeparation());
    UDLabelsSize->setValue(m_axis->LabelsSize());
    CBMultiline->setChecked(m_axis->LabelsMultiLine());
    CBExpo->setChecked(m_axis->LabelsExponent());
    CBAlternate->setChecked(m_axis->LabelsAlternate());
    fillFormats();
    LabelsFont->RefreshControls(m_axis->LabelsFont());
}

void TFormPlotAxis::fillPosition()
{
    const bool filling = m_filling;
    m_filling = true;
    UDPos->setValue(int(std::nearbyint(m_axis->PositionPercent())));
    UDStart->setValue(int(std::nearbyint(m_axis->StartPosition())));
    UDEnd->setValue(int(std::nearbyint(m_axis->EndPosition())));
    UDZ->setValue(int(std::nearbyint(m_axis->ZPosition())));
    CBPosUnits->setCurrentIndex(int(m_axis->PositionUnits()));
    CBOtherSide->setChecked(m_axis->OtherSide());
    CBHorizAxis->setChecked(m_axis->Horizontal());
    CBOtherSide->setEnabled(isCustom());
    CBHorizAxis->setEnabled(isCustom());
    m_filling = filling;
}

void TFormPlotAxis::logBaseEdited(const QString &text)
{
    if (m_filling || !m_axis)
        return;
    double base = m_axis->LogarithmicBase();
    try {
        base = EditorConvert::textToNumber(text);
    } catch (const PlotException &) {
        return; // not a number (yet): the base stays
    }
    if (base == 0 || base == 1)
        return;
    const bool filling = m_filling;
    if (editorSet([&] { m_axis->SetLogarithmicBase(base); },
                  [this] {
                      m_filling = true;
                      ELogBase->setText(PlotFormat::FloatToStr(m_axis->LogarithmicBase()));
                      m_filling = false;
                  })) {
        LogE->setChecked(base == std::numbers::e);
        LogE->setEnabled(base != std::numbers::e);
    }
    m_filling = filling;
}

void TFormPlotAxis::formatChosen(const QString &text)
{
    if (m_filling || !m_axis)
        return;
    if (m_axis->IsDateTime())
        write([&](TChartAxis &a) { a.SetDateTimeFormat(text); });
    else
        write([&](TChartAxis &a) { a.SetAxisValuesFormat(PlotProcs::FormatFromLocalSeparators(text)); });
}

void TFormPlotAxis::editIncrement()
{
    if (!m_axis)
        return;
    bool exact = m_axis->ExactDateTime();
    double increment = m_axis->Increment();
    const QString caption = PlotConst::plotFormat(PlotConst::message(PlotConst::msgDesiredIncrement), {axisName()});
    if (!AxisIncrement::EditIncrement(this, caption, m_axis->IsDateTime(), exact, increment))
        return;
    write([&](TChartAxis &a) {
        a.SetIncrement(increment);
        a.SetExactDateTime(exact);
    });
    refreshScales();
}

void TFormPlotAxis::editLimit(bool maximum)
{
    if (!m_axis)
        return;
    TAxisMaxMin dialog(this);
    dialog.setWindowTitle(axisName() + QLatin1Char(' ') +
                          PlotConst::message(maximum ? PlotConst::msgMaximum : PlotConst::msgMinimum));
    dialog.IsDateTime = m_axis->IsDateTime();
    dialog.MaxMin = maximum ? m_axis->Maximum() : m_axis->Minimum();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const double value = dialog.MaxMin;
    const bool set = write([&](TChartAxis &a) {
        if (maximum)
            a.SetMaximum(value);
        else
            a.SetMinimum(value);
    });
    if (set)
        write([&](TChartAxis &a) {
            setLimitAutomatic(a, maximum, false);
            a.RecalcMinMax();
        });
    refreshScales();
}

void TFormPlotAxis::addAxis()
{
    if (!m_chart)
        return;
    TChartAxis *axis = nullptr;
    if (!editorSet([&] { axis = m_chart->AddCustomAxis(); }) || !axis)
        return;
    m_axis = axis;
    fillAxesList();
    PageAxisChange();
    if (OnAxesChanged)
        OnAxesChanged();
}

void TFormPlotAxis::deleteAxis()
{
    if (!m_chart || !isCustom())
        return;
    const int row = LBAxes->currentRow();
    const int index = int(std::find(m_chart->Axes().Items().begin(), m_chart->Axes().Items().end(), m_axis.data()) -
                          m_chart->Axes().Items().begin());
    if (!editorSet([&] { m_chart->RemoveCustomAxis(index - kStandardAxes); }))
        return;
    m_axis = m_chart->Axes()[std::max(0, row - 1)];
    fillAxesList();
    PageAxisChange();
    if (OnAxesChanged)
        OnAxesChanged();
}
