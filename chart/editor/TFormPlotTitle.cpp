// The Titles page.
#include "TFormPlotTitle.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TChartEditForm.h"
#include "TChartTitle.h"
#include "TCustomChart.h"
#include "TFormPlotShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr int kPositionLimit = 1000;
constexpr int kPositionStep = 5;

// The combo's order of the alignments: Left, Center, Right.
int alignIndex(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return 0;
    case taRightJustify:
        return 2;
    default:
        return 1;
    }
}

TAlignment alignmentAt(int index)
{
    return index == 0 ? taLeftJustify : index == 2 ? taRightJustify : taCenter;
}

// The memo's lines; an empty memo is a title without text.
QStringList memoLines(const QPlainTextEdit &memo)
{
    const QString text = memo.toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

TFormPlotTitle::TFormPlotTitle(QWidget *parent, TChartTitle *title, TCustomChart *chart)
    : QWidget(parent)
    , m_chart(chart)
    , m_title(title)
{
    setObjectName(QStringLiteral("FormPlotTitle"));
    CBTitles = named(new QComboBox(this), "CBTitles");
    // Named as the tree names them: "Footer", not "Foot".
    CBTitles->addItems({QStringLiteral("Title"), QStringLiteral("SubTitle"), QStringLiteral("SubFoot"),
                        QStringLiteral("Footer")});
    PageControlTitle = named(new QTabWidget(this), "PageControlTitle");
    TabStyle = named(new QWidget(PageControlTitle), "TabStyle");
    TabPosition = named(new QWidget(PageControlTitle), "TabPosition");
    PageControlTitle->addTab(TabStyle, QStringLiteral("Style"));
    PageControlTitle->addTab(TabPosition, QStringLiteral("Position"));

    MText = named(new QPlainTextEdit(TabStyle), "MText");
    // The title's text is the user's: the translation leaves it alone.
    MText->setProperty(PlotTranslate::kUserTextsProperty, true);
    CBVisible = named(new QCheckBox(QStringLiteral("&Visible"), TabStyle), "CBVisible");
    CBAdjust = named(new QCheckBox(QStringLiteral("&Adjust Frame"), TabStyle), "CBAdjust");
    CBAlign = named(new QComboBox(TabStyle), "CBAlign");
    CBAlign->addItems({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    textBesideOptions(TabStyle, label(TabStyle, QStringLiteral("&Text:"), MText, "LabelText"), MText,
                      {CBVisible, CBAdjust,
                       label(TabStyle, QStringLiteral("Alig&nment:"), CBAlign, "LabelAlign"), CBAlign});

    CBCustPos = named(new QCheckBox(QStringLiteral("&Custom:"), TabPosition), "CBCustPos");
    UDLeft = spinBox(TabPosition, "UDLeft", -kPositionLimit, kPositionLimit, kPositionStep);
    UDTop = spinBox(TabPosition, "UDTop", -kPositionLimit, kPositionLimit, kPositionStep);
    LabelLeft = label(TabPosition, QStringLiteral("L&eft:"), UDLeft, "LabelLeft");
    LabelTop = label(TabPosition, QStringLiteral("T&op:"), UDTop, "LabelTop");
    auto *position = new QGridLayout(TabPosition);
    position->addWidget(CBCustPos, 0, 0, 1, 2);
    position->addWidget(LabelLeft, 1, 0);
    position->addWidget(UDLeft, 1, 1);
    position->addWidget(LabelTop, 2, 0);
    position->addWidget(UDTop, 2, 1);
    position->setRowStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CBTitles);
    layout->addWidget(PageControlTitle);
    ShapeEditor = InsertShapeEditor(*PageControlTitle);
    connectControls();
}

TChartTitle *TFormPlotTitle::TitleAt(int index) const
{
    if (!m_chart)
        return nullptr;
    switch (index) {
    case 0:
        return m_chart->Title();
    case 1:
        return m_chart->SubTitle();
    case 2:
        return m_chart->SubFoot();
    default:
        return m_chart->Foot();
    }
}

void TFormPlotTitle::connectControls()
{
    connect(CBTitles, &QComboBox::activated, this, [this](int index) {
        m_title = TitleAt(index);
        fill();
    });
    connect(MText, &QPlainTextEdit::textChanged, this, [this] {
        if (m_textGuard || !m_title)
            return;
        const QStringList lines = memoLines(*MText);
        if (lines != m_title->Text())
            write([&lines](TChartTitle &t) { t.SetText(lines); });
    });
    connect(CBVisible, &QCheckBox::clicked, this, [this](bool on) { write([on](TChartTitle &t) { t.SetVisible(on); }); });
    connect(CBAdjust, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TChartTitle &t) { t.SetAdjustFrame(on); }); });
    connect(CBAlign, &QComboBox::activated, this,
            [this](int index) { write([index](TChartTitle &t) { t.SetAlignment(alignmentAt(index)); }); });
    connect(CBCustPos, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartTitle &t) { t.SetCustomPosition(on); });
        fillPosition();
    });
    const auto move = [this](bool left, int value) {
        if (m_positionGuard || !m_title || !m_title->CustomPosition())
            return;
        if ((left ? m_title->Left() : m_title->Top()) != value)
            write([left, value](TChartTitle &t) { left ? t.SetLeft(value) : t.SetTop(value); });
    };
    connect(UDLeft, &QSpinBox::valueChanged, this, [move](int value) { move(true, value); });
    connect(UDTop, &QSpinBox::valueChanged, this, [move](int value) { move(false, value); });
}

void TFormPlotTitle::write(const std::function<void(TChartTitle &)> &change)
{
    if (m_filling || !m_title)
        return;
    editorSet([&] { change(*m_title); }, [this] { fill(); });
}

void TFormPlotTitle::SelectTitle(TChartTitle *title)
{
    for (int i = 0; i < CBTitles->count(); ++i) {
        if (TitleAt(i) == title) {
            CBTitles->setCurrentIndex(i);
            m_title = title;
            fill();
            return;
        }
    }
}

void TFormPlotTitle::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_chart && m_title) {
        const int index = m_title == m_chart->Title()      ? 0
                          : m_title == m_chart->SubTitle() ? 1
                          : m_title == m_chart->SubFoot()  ? 2
                                                           : 3;
        CBTitles->setCurrentIndex(index);
        fill();
    }
    m_positionGuard = false;
}

void TFormPlotTitle::fill()
{
    if (!m_title)
        return;
    m_filling = true;
    TChartTitle &t = *m_title;
    CBAlign->setCurrentIndex(alignIndex(t.Alignment()));
    CBVisible->setChecked(t.Visible());
    CBAdjust->setChecked(t.AdjustFrame());
    CBCustPos->setChecked(t.CustomPosition());
    fillPosition();
    m_textGuard = true;
    MText->setPlainText(t.Text().join(QLatin1Char('\n')));
    m_textGuard = false;
    ShapeEditor->RefreshControls(&t);
    m_filling = false;
}

void TFormPlotTitle::fillPosition()
{
    const bool custom = m_title && m_title->CustomPosition();
    for (QWidget *w : {static_cast<QWidget *>(LabelLeft), static_cast<QWidget *>(UDLeft),
                       static_cast<QWidget *>(LabelTop), static_cast<QWidget *>(UDTop)})
        w->setEnabled(custom);
    if (!m_title)
        return;
    const bool wasGuarded = std::exchange(m_positionGuard, true);
    UDLeft->setValue(m_title->Left());
    UDTop->setValue(m_title->Top());
    m_positionGuard = wasGuarded;
}

EditorPage titlesEditorPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        TCustomChart *chart = form.TheChart();
        return chart ? new TFormPlotTitle(host, chart->Title(), chart) : nullptr;
    };
    page.children = [](TChartEditForm &form) -> QList<EditorPageNode> {
        TCustomChart *chart = form.TheChart();
        if (!chart)
            return {};
        // "Footer" is the chart's Foot.
        return {{PlotConst::message(PlotConst::msgTitle), chart->Title()},
                {PlotConst::message(PlotConst::msgSubTitle), chart->SubTitle()},
                {PlotConst::message(PlotConst::msgFooter), chart->Foot()},
                {PlotConst::message(PlotConst::msgSubFoot), chart->SubFoot()}};
    };
    page.selectChild = [](QWidget *made, QObject *child) {
        if (auto *titles = qobject_cast<TFormPlotTitle *>(made))
            titles->SelectTitle(qobject_cast<TChartTitle *>(child));
    };
    return page;
}
