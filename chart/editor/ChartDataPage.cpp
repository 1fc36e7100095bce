// The chart editor's Data tab.
#include "ChartDataPage.h"

#include "ChartGridPanel.h"
#include "EditorWidgets.h"
#include "PlotBrushDlg.h"
#include "PlotColor.h"
#include "SeriesUnit.h"
#include "TChartGrid.h"
#include "TFont.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

using EditorWidgets::named;

namespace {

QToolButton *toggle(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *button = named(new QToolButton(parent), name);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

} // namespace

ChartDataPage::ChartDataPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartDataPage"));
    auto *layout = new QVBoxLayout(this);
    Panel = new ChartGridPanel(this);
    ChartGrid1 = Panel->ChartGrid1;
    layout->addWidget(Panel, 1);
    auto *toggles = new QHBoxLayout;
    SBGridText = toggle(this, "SBGridText", QStringLiteral("abc"), QStringLiteral("Show labels"));
    SBGridCol = toggle(this, "SBGridCol", QStringLiteral("#"), QStringLiteral("Show colors"));
    SBGrid3D = toggle(this, "SBGrid3D", QStringLiteral("XYZ"), QStringLiteral("XYZ series"));
    SBGridX = toggle(this, "SBGridX", QStringLiteral("X"), QStringLiteral("Show X values"));
    for (QToolButton *b : {SBGridText, SBGridCol, SBGrid3D, SBGridX})
        toggles->addWidget(b);
    toggles->addStretch();
    layout->addLayout(toggles);
    connect(SBGridText, &QToolButton::toggled, this, [this](bool on) { ChartGrid1->SetShowLabels(on); });
    connect(SBGridCol, &QToolButton::toggled, this, [this](bool on) { ChartGrid1->SetShowColors(on); });
    connect(SBGrid3D, &QToolButton::toggled, this, [this](bool on) {
        ChartGrid1->SetGrid3D(on);
        const QSignalBlocker blocker(SBGrid3D);
        SBGrid3D->setChecked(ChartGrid1->Grid3D());
    });
    connect(SBGridX, &QToolButton::toggled, this,
            [this](bool on) { ChartGrid1->SetShowXValues(on ? cgsYes : cgsNo); });

    PopupData = named(new QMenu(this), "PopupData");
    EditColor1 = PopupData->addAction(QStringLiteral("&Edit Color..."));
    DefaultColor1 = PopupData->addAction(QStringLiteral("Default &Color"));
    MakeNull1 = PopupData->addAction(QStringLiteral("Make &null point"));
    PopupData->addSeparator();
    AppendRow1 = PopupData->addAction(QStringLiteral("&Append row"));
    DeleteRow1 = PopupData->addAction(QStringLiteral("&Delete row"));
    PopupData->addSeparator();
    TextFont1 = PopupData->addAction(QStringLiteral("&Text font..."));
    connect(EditColor1, &QAction::triggered, this, [this] { ChartGrid1->EditColor(); });
    connect(DefaultColor1, &QAction::triggered, this, [this] { storeColor(clPlotColor); });
    connect(MakeNull1, &QAction::triggered, this, [this] { storeColor(clNone); });
    connect(AppendRow1, &QAction::triggered, this, [this] { ChartGrid1->Append(); });
    connect(DeleteRow1, &QAction::triggered, this, [this] { ChartGrid1->Delete(); });
    connect(TextFont1, &QAction::triggered, this, [this] { EditTextFont(); });
    ChartGrid1->viewport()->installEventFilter(this);
    ChartGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ChartGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PreparePopup();
        PopupData->popup(ChartGrid1->viewport()->mapToGlobal(at));
    });
}

void ChartDataPage::ShowChart(TCustomAxisPanel *chart)
{
    ChartGrid1->SetChart(chart);
    TChartSeries *first = chart && chart->SeriesCount() > 0 ? chart->GetSeries(0) : nullptr;
    const QSignalBlocker text(SBGridText);
    const QSignalBlocker colors(SBGridCol);
    const QSignalBlocker x(SBGridX);
    const QSignalBlocker xyz(SBGrid3D);
    ChartGrid1->SetShowColors(first && PlotEngine::SeriesHasPointColors(*first));
    SBGridCol->setChecked(ChartGrid1->ShowColors());
    SBGridText->setChecked(ChartGrid1->ShowLabels());
    SBGridX->setChecked(first && PlotEngine::SeriesHasOwnXValues(*first));
    SBGrid3D->setEnabled(firstSeriesHasXYZ());
    SBGrid3D->setChecked(ChartGrid1->Grid3D());
    ChartGrid1->setFocus();
}

void ChartDataPage::PreparePopup()
{
    const QModelIndex current = ChartGrid1->currentIndex();
    const ChartGridModel &model = *ChartGrid1->Model();
    const bool hasPoint = current.isValid() && model.pointAt(current.row(), current.column()) >= 0;
    const TColor color = hasPoint ? model.pointColor(current.row(), current.column()) : clNone;
    EditColor1->setVisible(hasPoint);
    DefaultColor1->setVisible(hasPoint && color != clPlotColor);
    MakeNull1->setVisible(hasPoint && color != clNone);
}

void ChartDataPage::storeColor(unsigned color)
{
    const QModelIndex current = ChartGrid1->currentIndex();
    if (current.isValid())
        ChartGrid1->Model()->setPointColor(current.row(), current.column(), TColor(color));
}

bool ChartDataPage::firstSeriesHasXYZ() const
{
    const TCustomAxisPanel *chart = ChartGrid1->Chart();
    const TChartSeries *first = chart && chart->SeriesCount() > 0 ? chart->GetSeries(0) : nullptr;
    return first && ChartGridModel::HasXYZ(*first);
}

void ChartDataPage::EditTextFont()
{
    const QFont shown = ChartGrid1->font();
    TFont font;
    font.SetName(shown.family());
    if (shown.pointSize() > 0)
        font.SetSize(shown.pointSize());
    TFontStyles style;
    style.setFlag(fsBold, shown.bold());
    style.setFlag(fsItalic, shown.italic());
    style.setFlag(fsUnderline, shown.underline());
    style.setFlag(fsStrikeOut, shown.strikeOut());
    font.SetStyle(style);
    if (!PlotBrushDlg::EditFont(this, font))
        return;
    // A widget's font is sized in points, not in the chart's pixels.
    QFont chosen(font.Name());
    if (font.Size() > 0)
        chosen.setPointSize(font.Size());
    chosen.setBold(font.Style().testFlag(fsBold));
    chosen.setItalic(font.Style().testFlag(fsItalic));
    chosen.setUnderline(font.Style().testFlag(fsUnderline));
    chosen.setStrikeOut(font.Style().testFlag(fsStrikeOut));
    ChartGrid1->setFont(chosen);
    ChartGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(chosen).height() + 2);
}

bool ChartDataPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ChartGrid1->viewport())
        return QWidget::eventFilter(watched, event);
    // Alt with the right button is the XYZ switch, not the popup.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton && mouse->modifiers().testFlag(Qt::AltModifier)) {
            if (firstSeriesHasXYZ())
                SBGrid3D->toggle();
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu) {
        if (static_cast<QContextMenuEvent *>(event)->modifiers().testFlag(Qt::AltModifier))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
