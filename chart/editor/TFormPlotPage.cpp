// The Paging page.
#include "TFormPlotPage.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TChartLegend.h"
#include "TChartPageNavigator.h"
#include "TCustomChart.h"
#include "TPlotCustomTool.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using EditorWidgets::named;

TFormPlotPage::TFormPlotPage(QWidget *parent, TCustomChart *chart)
    : QWidget(parent)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("FormPlotPage"));
    auto *grid = new QGridLayout(this);
    SEPointsPerPage = EditorWidgets::spinBox(this, "SEPointsPerPage", 0, 32000);
    grid->addWidget(EditorWidgets::label(this, QStringLiteral("P&oints per Page:"), SEPointsPerPage, "LabelPoints"), 0, 0);
    grid->addWidget(SEPointsPerPage, 0, 1);
    LabelPages = named(new QLabel(this), "LabelPages");
    LabelPages->setProperty(PlotTranslate::kUserTextsProperty, true);
    grid->addWidget(LabelPages, 0, 2);
    CBScaleLast = named(new QCheckBox(QStringLiteral("&Scale Last Page"), this), "CBScaleLast");
    CBPageLegend = named(new QCheckBox(QStringLiteral("&Current page Legend"), this), "CBPageLegend");
    CBPageNum = named(new QCheckBox(QStringLiteral("Show &Page Number"), this), "CBPageNum");
    grid->addWidget(CBScaleLast, 1, 0, 1, 2);
    grid->addWidget(CBPageLegend, 2, 0, 1, 2);
    grid->addWidget(CBPageNum, 3, 0, 1, 2);
    ChartPageNavigator1 = new TChartPageNavigator(this);
    ChartPageNavigator1->setFixedSize(150, 25);
    grid->addWidget(ChartPageNavigator1, 4, 0, 1, 3, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(3, 1);
    ChartPageNavigator1->SetPanel(chart);

    connect(SEPointsPerPage->findChild<QLineEdit *>(), &QLineEdit::textEdited, this, &TFormPlotPage::pointsTyped);
    connect(SEPointsPerPage, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_filling || !m_chart || SEPointsPerPage->text().isEmpty())
            return;
        editorSet([&] { m_chart->SetMaxPointsPerPage(value); }, [this] { fill(); });
        refreshLabel();
    });
    connect(CBScaleLast, &QCheckBox::clicked, this, [this](bool on) {
        if (m_chart)
            editorSet([&] { m_chart->SetScaleLastPage(on); }, [this] { fill(); });
    });
    connect(CBPageLegend, &QCheckBox::clicked, this, [this](bool on) {
        if (m_chart)
            editorSet([&] { m_chart->Legend()->SetCurrentPage(on); }, [this] { fill(); });
    });
    connect(CBPageNum, &QCheckBox::clicked, this, &TFormPlotPage::pageNumberClicked);
    connect(ChartPageNavigator1, &TCustomPlotNavigator::OnButtonClicked, this, [this] { refreshLabel(); });
    m_filling = false;
}

void TFormPlotPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
}

void TFormPlotPage::fill()
{
    if (!m_chart)
        return;
    m_filling = true;
    SEPointsPerPage->setValue(m_chart->MaxPointsPerPage());
    CBScaleLast->setChecked(m_chart->ScaleLastPage());
    CBPageLegend->setChecked(m_chart->Legend()->CurrentPage());
    CBPageNum->setVisible(PageNumberToolClass != nullptr);
    const TPlotCustomTool *tool = PageNumberTool();
    CBPageNum->setChecked(tool && tool->Active());
    refreshLabel();
    ChartPageNavigator1->EnableButtons();
    m_filling = false;
}

void TFormPlotPage::refreshLabel()
{
    if (m_chart)
        LabelPages->setText(PlotConst::plotFormat(PlotConst::message(PlotConst::msgPageOfPages),
                                                  {m_chart->Page(), m_chart->NumPages()}));
}

void TFormPlotPage::pointsTyped(const QString &text)
{
    if (m_filling || !m_chart || !text.trimmed().isEmpty())
        return;
    // An empty text switches paging off.
    editorSet([&] { m_chart->SetMaxPointsPerPage(0); }, [this] { fill(); });
    refreshLabel();
    ChartPageNavigator1->EnableButtons();
}

TPlotCustomTool *TFormPlotPage::PageNumberTool() const
{
    if (!m_chart || !PageNumberToolClass)
        return nullptr;
    for (TPlotCustomTool *tool : m_chart->Tools().Items()) {
        if (tool->metaObject()->inherits(PageNumberToolClass->metaObject))
            return tool;
    }
    return nullptr;
}

void TFormPlotPage::pageNumberClicked(bool on)
{
    if (m_filling || !m_chart || !PageNumberToolClass)
        return;
    TPlotCustomTool *tool = PageNumberTool();
    if (!tool && PageNumberToolClass->factory) {
        std::unique_ptr<QObject> made = PageNumberToolClass->factory();
        auto *created = qobject_cast<TPlotCustomTool *>(made.get());
        if (!created)
            return;
        QObject *owner = m_chart->parent() ? m_chart->parent() : static_cast<QObject *>(m_chart.data());
        created->setObjectName(PlotProcs::GetUniqueName(owner, QStringLiteral("ChartTool")));
        made.release()->setParent(owner);
        created->SetParentChart(m_chart);
        tool = created;
    }
    if (tool)
        editorSet([&] { tool->SetActive(on); }, [this] { fill(); });
}
