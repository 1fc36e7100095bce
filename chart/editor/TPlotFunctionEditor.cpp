// The period options of a function.
#include "TPlotFunctionEditor.h"

#include "EditorConvert.h"
#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "TAxisIncrement.h"
#include "TChartValueList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using EditorWidgets::named;

TPlotFunctionEditor::TPlotFunctionEditor(QWidget *parent, QObject *tag)
    : TBaseFunctionEditor(parent, tag)
{
    setObjectName(QStringLiteral("PlotFunctionEditor"));
    m_grid = new QGridLayout(this);
    CBPeriodStyle = named(new QComboBox(this), "CBPeriodStyle");
    CBPeriodStyle->addItems({QStringLiteral("All points"), QStringLiteral("Every number of points"),
                             QStringLiteral("Every range")});
    ENum = named(new QLineEdit(this), "ENum");
    BChange = named(new QPushButton(QStringLiteral("&Change..."), this), "BChange");
    CBAlign = named(new QComboBox(this), "CBAlign");
    CBAlign->addItems({QStringLiteral("First"), QStringLiteral("Center"), QStringLiteral("Last")});
    m_grid->addWidget(EditorWidgets::label(this, QStringLiteral("&Calculate using:"), CBPeriodStyle, "LabelStyle"), 0, 0);
    m_grid->addWidget(CBPeriodStyle, 0, 1);
    m_grid->addWidget(EditorWidgets::label(this, QStringLiteral("&Number of points:"), ENum, "LabelNum"), 1, 0);
    m_grid->addWidget(ENum, 1, 1);
    m_grid->addWidget(BChange, 1, 2);
    m_grid->addWidget(EditorWidgets::label(this, QStringLiteral("&Alignment:"), CBAlign, "LabelAlign"), 2, 0);
    m_grid->addWidget(CBAlign, 2, 1);
    m_grid->setRowStretch(10, 1);
    connect(CBPeriodStyle, &QComboBox::currentIndexChanged, this, [this] { styleChanged(); });
    connect(CBAlign, &QComboBox::currentIndexChanged, this, [this] { MarkChanged(); });
    connect(ENum, &QLineEdit::textEdited, this, [this] { MarkChanged(); });
    connect(BChange, &QPushButton::clicked, this, [this] { editRange(); });
}

QString TPlotFunctionEditor::periodText(double period) const
{
    switch (CBPeriodStyle->currentIndex()) {
    case StyleNumPoints:
        return PlotFormat::FloatToStr(std::nearbyint(period));
    case StyleRange:
        return PlotFormat::FloatToStr(period);
    default:
        return {};
    }
}

void TPlotFunctionEditor::ShowFunctionSettings()
{
    const TPlotFunction &f = *TheFunction();
    int style = StyleAllPoints;
    if (f.PeriodStyle() == PlotEngineEnums::psRange)
        style = StyleRange;
    else if (std::nearbyint(f.Period()) != 0)
        style = StyleNumPoints;
    CBPeriodStyle->setCurrentIndex(style);
    styleChanged();
    CBAlign->setCurrentIndex(int(f.PeriodAlign()));
}

void TPlotFunctionEditor::styleChanged()
{
    const int style = CBPeriodStyle->currentIndex();
    ENum->setEnabled(style != StyleAllPoints);
    BChange->setEnabled(style == StyleRange);
    const double period = TheFunction() ? TheFunction()->Period() : 0.0;
    ENum->setText(periodText(period));
    MarkChanged();
}

void TPlotFunctionEditor::editRange()
{
    double period = 0.0;
    try {
        period = EditorConvert::textToNumber(ENum->text());
    } catch (const PlotException &) {
        period = TheFunction() ? TheFunction()->Period() : 0.0;
    }
    bool isDateTime = false;
    if (TChartSeries *series = TheSeries())
        if (auto *source = qobject_cast<TChartSeries *>(series->DataSource()))
            isDateTime = source->XValues()->DateTime();
    bool exact = false;
    if (!AxisIncrement::EditIncrement(this, PlotConst::message(PlotConst::msgPeriodRange), isDateTime, exact, period))
        return;
    ENum->setText(PlotFormat::FloatToStr(period));
    MarkChanged();
}

void TPlotFunctionEditor::StoreFunctionSettings()
{
    TPlotFunction &f = *TheFunction();
    f.SetPeriodAlign(TFunctionPeriodAlign(CBAlign->currentIndex()));
    f.SetPeriodStyle(CBPeriodStyle->currentIndex() == StyleRange ? PlotEngineEnums::psRange
                                                                 : PlotEngineEnums::psNumPoints);
    double period = 0.0;
    if (CBPeriodStyle->currentIndex() != StyleAllPoints) {
        try {
            period = EditorConvert::textToNumber(ENum->text());
        } catch (const PlotException &) {
            period = 0.0; // not a number: all points
        }
    }
    f.SetPeriod(period);
}
