// The series editor's fixed tabs: General, Marks (Style and Arrows) and Data Source.
#include "TFormPlotSeries.h"

#include "EditorRegistry.h"
#include "PlotConst.h"
#include "PlotCursorNames.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "RangeSpinBox.h"
#include "TBaseSourceEditor.h"
#include "TButtonPen.h"
#include "TChartAxis.h"
#include "TFormPlotAxis.h"
#include "TPlotSeriesSource.h"
#include "TSeriesMarks.h"
#include "TSeriesPointerEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(widget->objectName());
    return widget;
}

QSpinBox *spin(QWidget *parent, const char *name, int minimum, int maximum, int step = 1)
{
    auto *box = named(new RangeSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    return box;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy, const char *name)
{
    auto *label = named(new QLabel(caption, buddy->parentWidget()), name);
    label->setBuddy(buddy);
    return label;
}

// Mark styles that can put their text on several lines.
bool styleAllowsMultiLine(int style)
{
    return style == smsLabelPercent || style == smsLabelValue || style == smsPercentTotal ||
           style == smsLabelPercentTotal || style == smsXY;
}

bool allMarksVisible(const TCustomAxisPanel *chart)
{
    if (!chart)
        return false;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        if (!chart->GetSeries(i)->Marks()->Visible())
            return false;
    }
    return true;
}

enum SourceItem { siManual, siRandom, siFunction };

// The list the points are ordered by: X for an ordinary series, Y for a horizontal one.
TChartValueList *sortedList(const TChartSeries &series)
{
    return series.NotMandatoryValueList();
}

// The sample count of the series' type, whatever count the series stores.
int typeSampleCount(TChartSeries &series)
{
    const int stored = series.SampleCount;
    series.SampleCount = 0;
    const int count = series.DefaultSampleCount();
    series.SampleCount = stored;
    return count;
}

} // namespace

void TFormPlotSeries::buildGeneralTab()
{
    auto *grid = new QGridLayout(TabGeneral);
    CBShowInLegend = named(new QCheckBox(QStringLiteral("&Show In Legend"), TabGeneral), "CBShowInLegend");
    CBCursor = named(new QComboBox(TabGeneral), "CBCursor");
    CBCursor->setProperty(PlotTranslate::kUserTextsProperty, true);
    LabelCursor = buddyLabel(QStringLiteral("&Cursor:"), CBCursor, "LabelCursor");
    SEDepth = spin(TabGeneral, "SEDepth", 0, 1200);
    LabelDepth = buddyLabel(QStringLiteral("&Depth:"), SEDepth, "LabelDepth");
    CBDepthAuto = named(new QCheckBox(QStringLiteral("Auto"), TabGeneral), "CBDepthAuto");
    CBFormat = named(new QComboBox(TabGeneral), "CBFormat");
    CBFormat->setEditable(true);
    CBFormat->setProperty(PlotTranslate::kUserTextsProperty, true);
    LabelValues = buddyLabel(QStringLiteral("&Values:"), CBFormat, "LabelValues");
    EPercentFormat = named(new QLineEdit(TabGeneral), "EPercentFormat");
    LabelPercents = buddyLabel(QStringLiteral("&Percents:"), EPercentFormat, "LabelPercents");
    CBPersistent = named(new QCheckBox(QStringLiteral("Persistent"), TabGeneral), "CBPersistent");

    GBHorizAxis = named(new QGroupBox(QStringLiteral("Horizontal Axis:"), TabGeneral), "GBHorizAxis");
    CBHorizAxis = named(new QComboBox(GBHorizAxis), "CBHorizAxis");
    CBHorizAxis->addItems({QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Top and Bottom")});
    CBXDateTime = named(new QCheckBox(QStringLiteral("Dat&eTime"), GBHorizAxis), "CBXDateTime");
    auto *horiz = new QVBoxLayout(GBHorizAxis);
    horiz->addWidget(CBHorizAxis);
    horiz->addWidget(CBXDateTime);
    GBVertAxis = named(new QGroupBox(QStringLiteral("Vertical Axis:"), TabGeneral), "GBVertAxis");
    CBVertAxis = named(new QComboBox(GBVertAxis), "CBVertAxis");
    CBVertAxis->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Left and Right")});
    CBYDateTime = named(new QCheckBox(QStringLiteral("D&ateTime"), GBVertAxis), "CBYDateTime");
    auto *vert = new QVBoxLayout(GBVertAxis);
    vert->addWidget(CBVertAxis);
    vert->addWidget(CBYDateTime);
    CBZDateTime = named(new QCheckBox(QStringLiteral("&Z DateTime"), TabGeneral), "CBZDateTime");
    CBSort = named(new QComboBox(TabGeneral), "CBSort");
    CBSort->addItems({QStringLiteral("Ascending"), QStringLiteral("Descending"), QStringLiteral("None")});
    LabelSort = buddyLabel(QStringLiteral("S&ort:"), CBSort, "LabelSort");

    grid->addWidget(CBShowInLegend, 0, 0, 1, 2);
    grid->addWidget(LabelCursor, 1, 0);
    grid->addWidget(CBCursor, 1, 1);
    grid->addWidget(LabelDepth, 2, 0);
    grid->addWidget(SEDepth, 2, 1);
    grid->addWidget(CBDepthAuto, 2, 2);
    grid->addWidget(LabelValues, 3, 0);
    grid->addWidget(CBFormat, 3, 1, 1, 2);
    grid->addWidget(LabelPercents, 4, 0);
    grid->addWidget(EPercentFormat, 4, 1, 1, 2);
    grid->addWidget(GBHorizAxis, 5, 0, 1, 2);
    grid->addWidget(GBVertAxis, 5, 2, 1, 2);
    grid->addWidget(CBZDateTime, 6, 0, 1, 2);
    grid->addWidget(LabelSort, 7, 0);
    grid->addWidget(CBSort, 7, 1);
    grid->addWidget(CBPersistent, 8, 0, 1, 2);
    grid->setRowStretch(9, 1);
    addFormatButtons(*grid);
}

void TFormPlotSeries::connectGeneralTab()
{
    connect(CBShowInLegend, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartSeries &s) { s.SetShowInLegend(on); }, [this] { fillGeneralTab(); });
    });
    connect(CBCursor, &QComboBox::activated, this, [this](int index) {
        const int cursor = PlotPenDlg::CursorFromName(m_series ? m_series->Cursor() : 0, CBCursor->itemText(index));
        write([cursor](TChartSeries &s) { s.SetCursor(cursor); }, [this] { fillGeneralTab(); });
    });
    connect(SEDepth, &QSpinBox::valueChanged, this, [this](int value) {
        if (ignoring() || CBDepthAuto->isChecked())
            return;
        write([value](TChartSeries &s) { s.SetDepth(value); }, [this] { fillGeneralTab(); });
    });
    connect(CBDepthAuto, &QCheckBox::clicked, this, [this](bool on) {
        const int depth = on ? -1 : SEDepth->value();
        write([depth](TChartSeries &s) { s.SetDepth(depth); }, [this] { fillGeneralTab(); });
    });
    const auto storeFormat = [this](const QString &text) {
        if (ignoring())
            return;
        const QString format = PlotProcs::FormatFromLocalSeparators(text);
        write([format](TChartSeries &s) { s.SetValueFormat(format); }, [this] { fillGeneralTab(); });
    };
    connect(CBFormat, &QComboBox::activated, this, [this, storeFormat](int index) { storeFormat(CBFormat->itemText(index)); });
    connect(CBFormat->lineEdit(), &QLineEdit::textEdited, this, storeFormat);
    connect(EPercentFormat, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (ignoring())
            return;
        const QString format = PlotProcs::FormatFromLocalSeparators(text);
        write([format](TChartSeries &s) { s.SetPercentFormat(format); }, [this] { fillGeneralTab(); });
    });
    const auto chooseAxis = [this](QComboBox *combo, bool horizontal, int index) {
        TChartAxis *custom = index >= 3 ? qobject_cast<TChartAxis *>(combo->itemData(index).value<QObject *>()) : nullptr;
        write(
            [=](TChartSeries &s) {
                if (horizontal) {
                    if (custom)
                        s.SetCustomHorizAxis(custom);
                    else
                        s.SetHorizAxis(THorizAxis(index));
                } else if (custom) {
                    s.SetCustomVertAxis(custom);
                } else {
                    s.SetVertAxis(TVertAxis(index));
                }
            },
            [this] { fillGeneralTab(); });
    };
    connect(CBHorizAxis, &QComboBox::activated, this, [=](int index) { chooseAxis(CBHorizAxis, true, index); });
    connect(CBVertAxis, &QComboBox::activated, this, [=](int index) { chooseAxis(CBVertAxis, false, index); });
    const auto dateTime = [this](QCheckBox *box, int list) {
        connect(box, &QCheckBox::clicked, this, [this, list](bool on) {
            write(
                [list, on](TChartSeries &s) {
                    if (list < int(s.ValueLists().size()))
                        s.ValueLists()[std::size_t(list)]->SetDateTime(on);
                    s.Repaint();
                },
                [this] { fillGeneralTab(); });
        });
    };
    dateTime(CBXDateTime, 0);
    dateTime(CBYDateTime, 1);
    dateTime(CBZDateTime, 2);
    connect(CBSort, &QComboBox::activated, this, [this](int index) {
        static constexpr TChartListOrder orders[] = {loAscending, loDescending, loNone};
        const TChartListOrder order = orders[std::clamp(index, 0, 2)];
        write(
            [order](TChartSeries &s) {
                TChartValueList *sorted = sortedList(s);
                (sorted == s.XValues() ? s.YValues() : s.XValues())->SetOrder(loNone);
                sorted->SetOrder(order);
                // The points move with the list; "None" leaves them where they are.
                sorted->Sort();
                s.Repaint();
            },
            [this] { fillGeneralTab(); });
    });
    connect(CBPersistent, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartSeries &s) { s.SetStyle(on ? s.Style() | TCustomChartSeries::kStylePersistent : s.Style() & ~TCustomChartSeries::kStylePersistent); }, [this] { fillGeneralTab(); });
    });
}

void TFormPlotSeries::fillGeneralTab()
{
    TChartSeries &s = *m_series;
    const QList<QWidget *> widgets = TabGeneral->findChildren<QWidget *>();
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget *w : widgets)
        blockers.push_back(std::make_unique<QSignalBlocker>(w));
    CBShowInLegend->setChecked(s.ShowInLegend());
    PlotPenDlg::FillCursorList(*CBCursor, s.Cursor());
    CBDepthAuto->setChecked(s.Depth() == -1);
    SEDepth->setValue(s.Depth() == -1 ? 0 : s.Depth());
    SEDepth->setEnabled(s.Depth() != -1);

    QStringList formats;
    PlotPenDlg::AddDefaultValueFormats(formats);
    if (!formats.contains(s.ValueFormat()))
        formats.append(s.ValueFormat());
    CBFormat->clear();
    for (const QString &format : formats)
        CBFormat->addItem(PlotProcs::FormatToLocalSeparators(format));
    CBFormat->setCurrentIndex(int(formats.indexOf(s.ValueFormat())));
    EPercentFormat->setText(PlotProcs::FormatToLocalSeparators(s.PercentFormat()));
    const bool formatDialog = bool(FindEditorForm(QStringLiteral("TFormatEditor")));
    BValueFormat->setVisible(formatDialog);
    BPercentFormat->setVisible(formatDialog);

    fillAxisCombo(CBHorizAxis, true);
    fillAxisCombo(CBVertAxis, false);
    const auto &lists = s.ValueLists();
    CBXDateTime->setChecked(s.XValues()->DateTime());
    CBYDateTime->setChecked(s.YValues()->DateTime());
    CBZDateTime->setVisible(lists.size() >= 3);
    if (lists.size() >= 3)
        CBZDateTime->setChecked(lists[2]->DateTime());

    const bool fewLists = lists.size() < 3;
    for (QWidget *w : {static_cast<QWidget *>(LabelSort), static_cast<QWidget *>(CBSort),
                       static_cast<QWidget *>(LabelDepth), static_cast<QWidget *>(SEDepth),
                       static_cast<QWidget *>(CBDepthAuto)})
        w->setVisible(fewLists);
    switch (sortedList(s)->Order()) {
    case loAscending:
        CBSort->setCurrentIndex(0);
        break;
    case loDescending:
        CBSort->setCurrentIndex(1);
        break;
    default:
        CBSort->setCurrentIndex(2);
    }
    CBPersistent->setChecked(s.Style() & TCustomChartSeries::kStylePersistent);
}

void TFormPlotSeries::fillAxisCombo(QComboBox *combo, bool horizontal)
{
    TChartSeries &s = *m_series;
    // The three fixed items stay as made (and translated); the custom axes follow the chart.
    while (combo->count() > 3)
        combo->removeItem(combo->count() - 1);
    TCustomAxisPanel *chart = s.ParentChart();
    if (chart) {
        const TChartAxes &axes = chart->Axes();
        for (int i = TChartAxes::kStandardCount; i < axes.Count(); ++i) {
            TChartAxis *axis = axes[i];
            if (axis->Horizontal() != horizontal)
                continue;
            // Named as in the axis list, one name per axis.
            combo->addItem(TFormPlotAxis::AxisListName(i), QVariant::fromValue<QObject *>(axis));
        }
    }
    int index = horizontal ? int(s.HorizAxis()) : int(s.VertAxis());
    if (index >= 3) {
        TChartAxis *custom = horizontal ? s.CustomHorizAxis() : s.CustomVertAxis();
        index = combo->findData(QVariant::fromValue<QObject *>(custom));
    }
    combo->setCurrentIndex(index);
}

void TFormPlotSeries::buildMarksTab()
{
    auto *layout = new QVBoxLayout(TabMarks);
    PageMarks = named(new QTabWidget(TabMarks), "PageMarks");
    layout->addWidget(PageMarks);
    TabStyle = named(new QWidget(PageMarks), "TabStyle");
    PageMarks->addTab(TabStyle, QStringLiteral("Style"));
    TabArrows = named(new QWidget(PageMarks), "TabArrows");
    PageMarks->addTab(TabArrows, QStringLiteral("Arrows"));

    auto *style = new QGridLayout(TabStyle);
    CBMarksVisible = named(new QCheckBox(QStringLiteral("&Visible"), TabStyle), "CBMarksVisible");
    CBClipped = named(new QCheckBox(QStringLiteral("Cl&ipped"), TabStyle), "CBClipped");
    SEMarksAngle = spin(TabStyle, "SEMarksAngle", 0, 360, 5);
    SEMarksAngle->setWrapping(true);
    SEDrawEvery = spin(TabStyle, "SEDrawEvery", 1, 5000);
    CBMarkStyle = named(new QComboBox(TabStyle), "CBMarkStyle");
    CBMarkStyle->addItems({QStringLiteral("Value"), QStringLiteral("Percent"), QStringLiteral("Label"),
                           QStringLiteral("Label and Percent"), QStringLiteral("Label and Value"),
                           QStringLiteral("Legend"), QStringLiteral("Percent Total"),
                           QStringLiteral("Label and Percent Total"), QStringLiteral("X value"),
                           QStringLiteral("X and Y values")});
    CBMultiLine = named(new QCheckBox(QStringLiteral("&Multi line"), TabStyle), "CBMultiLine");
    CBAllVisible = named(new QCheckBox(QStringLiteral("All Series Visi&ble"), TabStyle), "CBAllVisible");
    style->addWidget(CBMarksVisible, 0, 0);
    style->addWidget(CBClipped, 0, 1);
    style->addWidget(buddyLabel(QStringLiteral("&Angle:"), SEMarksAngle, "LabelAngle"), 1, 0);
    style->addWidget(SEMarksAngle, 1, 1);
    style->addWidget(buddyLabel(QStringLiteral("Draw &every:"), SEDrawEvery, "LabelDrawEvery"), 2, 0);
    style->addWidget(SEDrawEvery, 2, 1);
    style->addWidget(buddyLabel(QStringLiteral("&Style:"), CBMarkStyle, "LabelMarkStyle"), 3, 0);
    style->addWidget(CBMarkStyle, 3, 1);
    style->addWidget(CBMultiLine, 4, 0);
    style->addWidget(CBAllVisible, 5, 0, 1, 2);
    style->setRowStretch(6, 1);

    auto *arrows = new QGridLayout(TabArrows);
    BMarksArrowPen = named(new TButtonPen(TabArrows), "BMarksArrowPen");
    BMarksArrowPen->setText(QStringLiteral("&Border..."));
    SEArrowLength = spin(TabArrows, "SEArrowLength", -1000, 1000);
    SEArrowDistance = spin(TabArrows, "SEArrowDistance", -1000, 1000);
    CBArrowHead = named(new QComboBox(TabArrows), "CBArrowHead");
    CBArrowHead->addItems({QStringLiteral("None"), QStringLiteral("Line"), QStringLiteral("Solid")});
    SEArrowHeadSize = spin(TabArrows, "SEArrowHeadSize", -1000, 1000);
    BPointer = named(new QPushButton(QStringLiteral("&Pointer..."), TabArrows), "BPointer");
    arrows->addWidget(BMarksArrowPen, 0, 0);
    arrows->addWidget(buddyLabel(QStringLiteral("&Length:"), SEArrowLength, "LabelArrowLength"), 1, 0);
    arrows->addWidget(SEArrowLength, 1, 1);
    arrows->addWidget(buddyLabel(QStringLiteral("&Distance:"), SEArrowDistance, "LabelArrowDistance"), 2, 0);
    arrows->addWidget(SEArrowDistance, 2, 1);
    arrows->addWidget(buddyLabel(QStringLiteral("&Arrow head:"), CBArrowHead, "LabelArrowHead"), 3, 0);
    arrows->addWidget(CBArrowHead, 3, 1);
    arrows->addWidget(buddyLabel(QStringLiteral("&Size:"), SEArrowHeadSize, "LabelArrowHeadSize"), 4, 0);
    arrows->addWidget(SEArrowHeadSize, 4, 1);
    arrows->addWidget(BPointer, 5, 0);
    arrows->setRowStretch(6, 1);
    // Shown while the pointer editor is registered.
    BPointer->hide();
}

void TFormPlotSeries::connectMarksTab()
{
    const auto refill = [this] { fillMarksTab(); };
    connect(CBMarksVisible, &QCheckBox::clicked, this, [=](bool on) {
        write([on](TChartSeries &s) { s.Marks()->SetVisible(on); }, refill);
        fillMarksTab();
    });
    connect(CBClipped, &QCheckBox::clicked, this, [=](bool on) {
        write([on](TChartSeries &s) { s.Marks()->SetClip(on); }, refill);
    });
    connect(SEMarksAngle, &QSpinBox::valueChanged, this, [=](int value) {
        if (!ignoring())
            write([value](TChartSeries &s) { s.Marks()->SetAngle(value); }, refill);
    });
    connect(SEDrawEvery, &QSpinBox::valueChanged, this, [=](int value) {
        if (!ignoring())
            write([value](TChartSeries &s) { s.Marks()->SetDrawEvery(value); }, refill);
    });
    connect(CBMarkStyle, &QComboBox::activated, this, [=](int index) {
        write([index](TChartSeries &s) { s.Marks()->SetStyle(TSeriesMarksStyle(index)); }, refill);
        CBMultiLine->setEnabled(styleAllowsMultiLine(index));
    });
    connect(CBMultiLine, &QCheckBox::clicked, this, [=](bool on) {
        write([on](TChartSeries &s) { s.Marks()->SetMultiLine(on); }, refill);
    });
    connect(CBAllVisible, &QCheckBox::clicked, this, [=](bool on) {
        write(
            [on](TChartSeries &s) {
                TCustomAxisPanel *chart = s.ParentChart();
                for (int i = 0; chart && i < chart->SeriesCount(); ++i)
                    chart->GetSeries(i)->Marks()->SetVisible(on);
                s.Marks()->SetVisible(on);
            },
            refill);
        fillMarksTab();
    });
    connect(SEArrowLength, &QSpinBox::valueChanged, this, [=](int value) {
        if (!ignoring())
            write([value](TChartSeries &s) { s.Marks()->Callout()->SetLength(value); }, refill);
    });
    connect(SEArrowDistance, &QSpinBox::valueChanged, this, [=](int value) {
        if (!ignoring())
            write([value](TChartSeries &s) { s.Marks()->Callout()->SetDistance(value); }, refill);
    });
    connect(BPointer, &QPushButton::clicked, this, [this] {
        if (m_series)
            EditSeriesPointer(this, m_series->Marks()->Callout());
    });
    connect(CBArrowHead, &QComboBox::activated, this, [=](int index) {
        write([index](TChartSeries &s) { s.Marks()->Callout()->SetArrowHead(TArrowHeadStyle(index)); }, refill);
    });
    connect(SEArrowHeadSize, &QSpinBox::valueChanged, this, [=](int value) {
        if (!ignoring())
            write([value](TChartSeries &s) { s.Marks()->Callout()->SetArrowHeadSize(value); }, refill);
    });
}

void TFormPlotSeries::fillMarksTab()
{
    TSeriesMarks &marks = *m_series->Marks();
    const bool wasFilling = m_filling;
    m_filling = true;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget *w : TabMarks->findChildren<QWidget *>())
        blockers.push_back(std::make_unique<QSignalBlocker>(w));
    CBMarksVisible->setChecked(marks.Visible());
    CBClipped->setChecked(marks.Clip());
    SEMarksAngle->setValue(marks.Angle());
    SEDrawEvery->setValue(marks.DrawEvery());
    CBMarkStyle->setCurrentIndex(int(marks.Style()));
    CBMultiLine->setChecked(marks.MultiLine());
    CBMultiLine->setEnabled(styleAllowsMultiLine(int(marks.Style())));
    CBAllVisible->setChecked(allMarksVisible(m_series->ParentChart()));
    TMarksCallout &callout = *marks.Callout();
    BMarksArrowPen->LinkPen(callout.Arrow());
    SEArrowLength->setValue(callout.Length());
    SEArrowDistance->setValue(callout.Distance());
    CBArrowHead->setCurrentIndex(int(callout.ArrowHead()));
    SEArrowHeadSize->setValue(callout.ArrowHeadSize());
    BPointer->setVisible(bool(FindEditorForm(QStringLiteral("TSeriesPointerEditor"))));
    fillMarksShapes();
    m_filling = wasFilling;
}

void TFormPlotSeries::buildDataSourceTab()
{
    auto *layout = new QVBoxLayout(TabDataSource);
    CBDataSourceStyle = named(new QComboBox(TabDataSource), "CBDataSourceStyle");
    CBDataSourceStyle->setMaxVisibleItems(12);
    CBDataSourceStyle->addItems({QStringLiteral("Manual"), QStringLiteral("Random"), QStringLiteral("Function")});
    layout->addWidget(CBDataSourceStyle);
    PanelRandom = named(new QWidget(TabDataSource), "PanelRandom");
    auto *random = new QGridLayout(PanelRandom);
    SENumPoints = spin(PanelRandom, "SENumPoints", 0, 10000000);
    CBDefault = named(new QCheckBox(QStringLiteral("&Default"), PanelRandom), "CBDefault");
    BApplyRandom = named(new QPushButton(QStringLiteral("&Apply"), PanelRandom), "BApplyRandom");
    BClearRandom = named(new QPushButton(QStringLiteral("&Clear"), PanelRandom), "BClearRandom");
    random->addWidget(buddyLabel(QStringLiteral("&Number of sample values:"), SENumPoints, "LabelNumPoints"), 0, 0);
    random->addWidget(SENumPoints, 0, 1);
    random->addWidget(CBDefault, 1, 0);
    random->addWidget(BApplyRandom, 2, 0);
    random->addWidget(BClearRandom, 2, 1);
    layout->addWidget(PanelRandom);
    PanelSourceHost = named(new QWidget(TabDataSource), "PanelSourceHost");
    auto *hostLayout = new QVBoxLayout(PanelSourceHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PanelSourceHost, 1);
    layout->addStretch();
}

void TFormPlotSeries::connectDataSourceTab()
{
    connect(CBDataSourceStyle, &QComboBox::activated, this, [this](int index) { dataSourceStyleChosen(index); });
    connect(SENumPoints, &QSpinBox::valueChanged, this, [this](int value) {
        if (ignoring())
            return;
        m_series->SampleCount = value;
        fillRandomPanel();
        BApplyRandom->setEnabled(true);
    });
    connect(CBDefault, &QCheckBox::clicked, this, [this](bool on) {
        if (!on || !m_series)
            return;
        m_series->SampleCount = 0;
        fillRandomPanel();
        BApplyRandom->setEnabled(true);
    });
    connect(BApplyRandom, &QPushButton::clicked, this, [this] {
        const int count = SENumPoints->value();
        write([count](TChartSeries &s) { s.FillSampleValues(count); }, [this] { fillRandomPanel(); });
        BApplyRandom->setEnabled(false);
    });
    connect(BClearRandom, &QPushButton::clicked, this, [this] {
        write([](TChartSeries &s) { s.Clear(); }, {});
        {
            const QSignalBlocker blocker(CBDataSourceStyle);
            CBDataSourceStyle->setCurrentIndex(siManual);
        }
        dataSourceStyleChosen(siManual);
    });
}

void TFormPlotSeries::fillDataSourceTab()
{
    TChartSeries &s = *m_series;
    // The registered source types that take this series.
    while (CBDataSourceStyle->count() > 3)
        CBDataSourceStyle->removeItem(CBDataSourceStyle->count() - 1);
    int ownerItem = -1;
    for (const QMetaObject *type : PlotEngine::PlotSourcesList()) {
        std::unique_ptr<QObject> probe(type->newInstance());
        auto *source = qobject_cast<TPlotSeriesSource *>(probe.get());
        if (!source || !source->Available() || !FindEditorForm(source->EditorClassName()))
            continue;
        CBDataSourceStyle->addItem(source->Description(), QVariant::fromValue(static_cast<const void *>(type)));
        if (source->IsSourceOf(s))
            ownerItem = CBDataSourceStyle->count() - 1;
    }
    int item = siManual;
    if (s.FunctionType() || qobject_cast<TChartSeries *>(s.DataSource()))
        item = siFunction;
    else if (ownerItem >= 0)
        item = ownerItem;
    else if (s.Count() > 0 && !s.ManualData())
        item = siRandom;
    const QSignalBlocker blocker(CBDataSourceStyle);
    CBDataSourceStyle->setCurrentIndex(item);
    PanelRandom->setVisible(item == siRandom);
    if (item == siRandom)
        fillRandomPanel();
    BApplyRandom->setEnabled(false);
    // Without a function editor registered the choice is shown, but cannot be changed.
    const bool functionEditor = bool(FindEditorForm(QStringLiteral("TPlotFuncEditor")));
    TabDataSource->setEnabled(item != siFunction || functionEditor);
    if ((item >= 3 || (item == siFunction && functionEditor)) && !m_sourceEditor)
        dataSourceStyleChosen(item);
    if (item == siManual)
        showManualPanel();
    else
        closeManualPanel();
}

void TFormPlotSeries::fillRandomPanel()
{
    TChartSeries &s = *m_series;
    const int defaultCount = typeSampleCount(s);
    const int shown = s.SampleCount > 0 ? s.SampleCount : defaultCount;
    const QSignalBlocker spinBlocker(SENumPoints);
    const QSignalBlocker defaultBlocker(CBDefault);
    SENumPoints->setValue(shown);
    const bool isDefault = s.SampleCount == 0 || s.SampleCount == defaultCount;
    CBDefault->setChecked(isDefault);
    CBDefault->setEnabled(!isDefault);
}

void TFormPlotSeries::dataSourceStyleChosen(int index)
{
    if (!m_series)
        return;
    if (m_sourceEditor)
        m_sourceEditor->BApply->setEnabled(false);
    closeSourceEditor();
    TChartSeries &s = *m_series;
    PanelRandom->setVisible(index == siRandom);
    if (index == siManual || index == siRandom) {
        write(
            [index](TChartSeries &series) {
                series.SetFunction(nullptr);
                // A series-source object that the series owns is detached and freed, the series emptied.
                if (auto *source = qobject_cast<TPlotSeriesSource *>(series.DataSource());
                    source && source->parent() == &series) {
                    series.SetDataSource(nullptr);
                    std::unique_ptr<TPlotSeriesSource> freed(source);
                    series.Clear();
                }
                if (index == siManual)
                    series.SetManualData(true);
            },
            {});
        if (index == siRandom)
            fillRandomPanel();
        else
            showManualPanel();
        return;
    }
    EditorFormFactory factory;
    if (index == siFunction) {
        factory = FindEditorForm(QStringLiteral("TPlotFuncEditor"));
    } else {
        const auto *type = static_cast<const QMetaObject *>(CBDataSourceStyle->itemData(index).value<const void *>());
        std::unique_ptr<QObject> probe(type ? type->newInstance() : nullptr);
        if (auto *source = qobject_cast<TPlotSeriesSource *>(probe.get()))
            factory = FindEditorForm(source->EditorClassName());
    }
    if (!factory)
        return;
    QWidget *form = factory(PanelSourceHost, &s);
    m_sourceEditor = qobject_cast<TBaseSourceEditor *>(form);
    if (!form)
        return;
    if (m_sourceEditor)
        m_sourceEditor->SetTag(&s);
    PanelSourceHost->layout()->addWidget(form);
    PlotProcs::PlotTranslateControl(form);
    form->show();
}
