// The chart editor dialog: its pages, tab visibility, the tree, the first tab and the settings.
#include "TChartEditForm.h"

#include "ChartTypeRegistries.h"
#include "EditorRegistry.h"
#include "EditorSetter.h"
#include "PlotConst.h"
#include "PlotEditorOptions.h"
#include "PlotHelpFile.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesUnit.h"
#include "TChartListBox.h"
#include "TChartTitle.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int kDefaultTreeWidth = 126;
// A series node holds its series, a tab node its tab page, a child node the object it edits.
constexpr int kObjectRole = Qt::UserRole;
constexpr int kTabRole = Qt::UserRole + 1;
constexpr int kNodeKindRole = Qt::UserRole + 2;
enum NodeKind { nkSeriesRoot, nkSeries, nkChartRoot, nkTab, nkChild };

const TChartEditorTab kSubTabs[] = {cetMain, cetGeneral, cetAxis, cetTitles, cetLegend,
                                   cetPanel, cetPaging, cetWalls, cet3D};
const TChartEditorTab kLaterMainTabs[] = {cetSeriesData, cetTools, cetExport, cetPrintPreview};

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(widget->objectName());
    return widget;
}

QWidget *addTab(QTabWidget *pages, const char *name, const QString &caption)
{
    auto *tab = named(new QWidget(pages), name);
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    pages->addTab(tab, caption);
    return tab;
}

int defaultNumber(PlotConst::Message number, int fallback)
{
    bool ok = false;
    const int value = PlotConst::message(number).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

// A stored integer; none when absent or not a number.
std::optional<int> storedInteger(const char *name)
{
    const QString key = QString::fromLatin1(name);
    if (!PlotProcs::HasEditorValue(key))
        return std::nullopt;
    return PlotProcs::ReadEditorInteger(key, 0);
}

} // namespace

TChartEditorTab subTabOf(int subPageIndex)
{
    return kSubTabs[std::clamp(subPageIndex, 0, int(std::size(kSubTabs)) - 1)];
}

TChartEditForm::TChartEditForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChartEditForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    buildPages();
    // The default size is the library's two texts, in device-independent pixels.
    resize(defaultNumber(PlotConst::msgEditorWidth, 414), defaultNumber(PlotConst::msgEditorHeight, 347));
    m_programSize = size();
    RememberPosition = PlotProcs::ReadEditorBool(QStringLiteral("RememberPosition"), true);
    RememberSize = PlotProcs::ReadEditorBool(QStringLiteral("RememberSize"), true);
    m_treeMode = PlotProcs::ReadEditorBool(QStringLiteral("TreeMode"), false);
}

TChartEditForm::~TChartEditForm()
{
    saveSettings();
}

void TChartEditForm::buildPages()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    // The stored size holds down to 100 pixels, below what the pages ask for.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    TreeSplitter = named(new QSplitter(Qt::Horizontal, this), "TreeSplitter");
    TreeSplitter->setChildrenCollapsible(false);
    layout->addWidget(TreeSplitter, 1);
    Tree = named(new QTreeWidget(TreeSplitter), "Tree");
    Tree->setHeaderHidden(true);
    Tree->setIndentation(19);
    Tree->setMinimumWidth(10);
    Tree->hide();
    MainPage = named(new QTabWidget(TreeSplitter), "MainPage");
    // The tree keeps its stored width however narrow the stored size left the form.
    MainPage->setMinimumSize(1, 1);
    TreeSplitter->addWidget(Tree);
    TreeSplitter->addWidget(MainPage);
    TreeSplitter->setStretchFactor(1, 1);

    TabChart = addTab(MainPage, "TabChart", QStringLiteral("Chart"));
    TabSeries = addTab(MainPage, "TabSeries", QStringLiteral("Series"));
    TabData = addTab(MainPage, "TabData", QStringLiteral("Data"));
    TabTools = addTab(MainPage, "TabTools", QStringLiteral("Tools"));
    TabExport = addTab(MainPage, "TabExport", QStringLiteral("Export"));
    TabPrint = addTab(MainPage, "TabPrint", QStringLiteral("Print"));

    SubPage = named(new QTabWidget(TabChart), "SubPage");
    TabChart->layout()->addWidget(SubPage);
    TabSeriesList = addTab(SubPage, "TabSeriesList", QStringLiteral("Series"));
    TabGeneral = addTab(SubPage, "TabGeneral", QStringLiteral("General"));
    TabAxis = addTab(SubPage, "TabAxis", QStringLiteral("Axis"));
    TabTitle = addTab(SubPage, "TabTitle", QStringLiteral("Titles"));
    TabLegend = addTab(SubPage, "TabLegend", QStringLiteral("Legend"));
    TabPanel = addTab(SubPage, "TabPanel", QStringLiteral("Panel"));
    TabPaging = addTab(SubPage, "TabPaging", QStringLiteral("Paging"));
    TabWalls = addTab(SubPage, "TabWalls", QStringLiteral("Walls"));
    Tab3D = addTab(SubPage, "Tab3D", QStringLiteral("3D"));
    buildSeriesListPage();

    auto *bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    ButtonHelp = named(new QPushButton(QStringLiteral("&Help..."), this), "ButtonHelp");
    BClose = named(new QPushButton(QStringLiteral("Close"), this), "BClose");
    BClose->setDefault(true);
    bottom->addWidget(ButtonHelp);
    bottom->addStretch(1);
    bottom->addWidget(BClose);
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonHelp, &QPushButton::clicked, this, &TChartEditForm::showHelp);
    m_helpKey = new QShortcut(QKeySequence::HelpContents, this);
    m_helpKey->setEnabled(false);
    connect(m_helpKey, &QShortcut::activated, this, &TChartEditForm::showHelp);

    MainPage->setCurrentWidget(TabChart);
    SubPage->setCurrentWidget(TabSeriesList);
    connect(MainPage, &QTabWidget::currentChanged, this, &TChartEditForm::mainTabChanged);
    connect(SubPage, &QTabWidget::currentChanged, this, &TChartEditForm::subTabChanged);
    connect(Tree, &QTreeWidget::itemSelectionChanged, this, &TChartEditForm::treeSelectionChanged);
    // Only series nodes can be edited in place: the text becomes the series' title.
    connect(Tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_buildingTree || item->data(0, kNodeKindRole).toInt() != nkSeries)
            return;
        auto *series = qobject_cast<TChartSeries *>(item->data(0, kObjectRole).value<QObject *>());
        const QString text = item->text(0);
        if (series && !text.isEmpty() && text != PlotEngine::SeriesTitleOrName(*series))
            editorSet([&] { series->SetTitle(text); });
        if (series) {
            const QSignalBlocker blocker(Tree);
            item->setText(0, PlotEngine::SeriesTitleOrName(*series));
        }
        if (m_seriesForm)
            m_seriesForm->FillSeriesCombo();
    });
    connect(TreeSplitter, &QSplitter::splitterMoved, this, [this] {
        if (Tree->isVisible())
            m_treeWidth = Tree->width();
    });
}

void TChartEditForm::buildSeriesListPage()
{
    auto *page = new QHBoxLayout;
    static_cast<QVBoxLayout *>(TabSeriesList->layout())->addLayout(page, 1);
    PanelGroups = named(new QWidget(TabSeriesList), "PanelGroups");
    Groups = named(new QListWidget(PanelGroups), "Groups");
    Groups->setProperty(PlotTranslate::kUserTextsProperty, true);
    (new QVBoxLayout(PanelGroups))->addWidget(Groups);
    PanelGroups->hide();
    page->addWidget(PanelGroups);

    auto *middle = new QVBoxLayout;
    page->addLayout(middle, 1);
    auto *top = new QHBoxLayout;
    middle->addLayout(top);
    BAddGroup = named(new QToolButton(TabSeriesList), "BAddGroup");
    BAddGroup->setText(QStringLiteral("+"));
    BDeleteGroup = named(new QToolButton(TabSeriesList), "BDeleteGroup");
    BDeleteGroup->setText(QStringLiteral("-"));
    BDeleteGroup->setEnabled(false);
    BRenameGroup = named(new QToolButton(TabSeriesList), "BRenameGroup");
    BRenameGroup->setText(QStringLiteral("..."));
    BRenameGroup->setEnabled(false);
    CBNames = named(new QCheckBox(QStringLiteral("&View Series Names"), TabSeriesList), "CBNames");
    for (QWidget *w : {static_cast<QWidget *>(BAddGroup), static_cast<QWidget *>(BDeleteGroup),
                       static_cast<QWidget *>(BRenameGroup), static_cast<QWidget *>(CBNames)})
        top->addWidget(w);
    top->addStretch(1);
    PanelList = named(new QWidget(TabSeriesList), "PanelList");
    auto *listLayout = new QVBoxLayout(PanelList);
    listLayout->setContentsMargins(0, 0, 0, 0);
    LBSeries = named(new TChartListBox(PanelList), "LBSeries");
    LBSeries->setProperty(PlotTranslate::kUserTextsProperty, true);
    listLayout->addWidget(LBSeries);
    middle->addWidget(PanelList, 1);

    auto *right = new QVBoxLayout;
    page->addLayout(right);
    BMoveUP = named(new QToolButton(TabSeriesList), "BMoveUP");
    BMoveUP->setArrowType(Qt::UpArrow);
    BMoveUP->setAutoRaise(true);
    BMoveDown = named(new QToolButton(TabSeriesList), "BMoveDown");
    BMoveDown->setArrowType(Qt::DownArrow);
    BMoveDown->setAutoRaise(true);
    auto *moves = new QHBoxLayout;
    moves->addWidget(BMoveUP);
    moves->addWidget(BMoveDown);
    right->addLayout(moves);
    BAddSeries = named(new QPushButton(QStringLiteral("&Add..."), TabSeriesList), "BAddSeries");
    BDeleteSeries = named(new QPushButton(QStringLiteral("&Delete"), TabSeriesList), "BDeleteSeries");
    BRenameSeries = named(new QPushButton(QStringLiteral("&Title..."), TabSeriesList), "BRenameSeries");
    BCloneSeries = named(new QPushButton(QStringLiteral("C&lone"), TabSeriesList), "BCloneSeries");
    BChangeTypeSeries = named(new QPushButton(QStringLiteral("&Change..."), TabSeriesList), "BChangeTypeSeries");
    for (QWidget *w : {static_cast<QWidget *>(BAddSeries), static_cast<QWidget *>(BDeleteSeries),
                       static_cast<QWidget *>(BRenameSeries), static_cast<QWidget *>(BCloneSeries),
                       static_cast<QWidget *>(BChangeTypeSeries)})
        right->addWidget(w);
    right->addStretch(1);
    connectSeriesList();
    connectGroups();
}

void TChartEditForm::SetChart(TCustomChart *chart)
{
    m_chart = chart;
    LBSeries->SetChart(chart);
    MainPage->setEnabled(chart);
    SubPage->setEnabled(chart);
    if (!chart || !(RememberPosition || RememberSize))
        return;
    if (RememberPosition) {
        const std::optional<int> left = storedInteger("Left");
        if (left) {
            const std::optional<int> top = storedInteger("Top");
            m_storedPosition = QPoint(std::max(0, *left), std::max(0, top.value_or(0)));
        }
    }
    if (RememberSize) {
        QSize size = this->size();
        if (const std::optional<int> width = storedInteger("Width")) {
            size.setWidth(std::max(100, *width));
            m_sizeStored = true;
        }
        if (const std::optional<int> height = storedInteger("Height")) {
            size.setHeight(std::max(100, *height));
            m_sizeStored = true;
        }
        resize(size);
        m_programSize = size;
        if (const std::optional<int> treeWidth = storedInteger("TreeWidth"))
            m_treeWidth = std::max(10, *treeWidth);
    }
}

bool TChartEditForm::IsTabShown(TChartEditorTab tab) const
{
    if (HideTabs.contains(tab))
        return false;
    switch (tab) {
    case cetMain:
    case cetAllSeries:
        return true;
    case cetTools:
        return FindEditorPage(tab) && PlotToolTypes().Count() > 0;
    case cetSeriesGeneral:
    case cetSeriesMarks:
    case cetExportNative:
        return true;
    default:
        return FindEditorPage(tab) != nullptr;
    }
}

void TChartEditForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_shown) {
            m_shown = true;
            FormShow();
        } else if (m_chart) {
            // Pages registered since the last showing join now.
            applyTabVisibility();
            if (m_treeMode)
                buildTree();
        }
    }
    QDialog::showEvent(event);
}

void TChartEditForm::FormShow()
{
    if (!m_chart)
        return;
    CBNames->setVisible(false); // no design state: names and titles are the user's
    if (windowTitle().isEmpty()) {
        // A chart without a name is named by its title; without either the caption has no blank
        // at its end ("Editing ").
        QString name = m_chart->objectName();
        if (name.isEmpty())
            name = m_chart->Title()->Text().join(QLatin1Char(' ')).simplified();
        setWindowTitle(PlotConst::plotFormat(PlotConst::message(PlotConst::msgEditing), {name}).trimmed());
    }
    // Without a help file there is no Help button, never one that cannot open anything.
    m_helpFile = Options.testFlag(ceHelp) ? PlotHelp::GetRegisteredHelpFile(QLatin1String(PlotHelp::kEditorHelpFile))
                                          : QString();
    ButtonHelp->setVisible(!m_helpFile.isEmpty());
    m_helpKey->setEnabled(!m_helpFile.isEmpty());
    const bool groups = Options.testFlag(ceGroups);
    for (QWidget *w : {static_cast<QWidget *>(BAddGroup), static_cast<QWidget *>(BDeleteGroup),
                       static_cast<QWidget *>(BRenameGroup)})
        w->setVisible(groups);
    PanelGroups->setVisible(groups);
    if (groups)
        fillGroups();

    // The list's keys follow the options as its buttons do.
    LBSeries->SetAllowDeleteSeries(Options.testFlag(ceDelete));
    LBSeries->SetAllowAddSeries(Options.testFlag(ceAdd));
    LBSeries->SetEnableDragSeries(Options.testFlag(ceOrderSeries));
    LBSeries->Refill();
    applyTabVisibility();
    if (m_treeMode)
        buildTree();

    if (DefaultTab)
        selectDefaultTab();
    if (EditSeries) {
        EditSeriesPage(EditSeries);
    } else if (!DefaultTab) {
        selectFirstSeries();
    }
    const bool seriesDefault = DefaultTab == cetSeriesGeneral || DefaultTab == cetSeriesMarks;
    if (!EditSeries && m_chart->SeriesCount() > 0 && MainPage->currentWidget() == TabChart &&
        SubPage->currentWidget() == TabSeriesList) {
        if (seriesDefault) {
            EditSeriesPage(LBSeries->SelectedSeries() ? LBSeries->SelectedSeries() : m_chart->GetSeries(0));
            if (m_seriesForm)
                m_seriesForm->ActivateTab(*DefaultTab == cetSeriesMarks ? m_seriesForm->TabMarks
                                                                        : m_seriesForm->TabGeneral);
        } else {
            selectFirstSeries();
        }
    }
    RefreshButtons();
}

void TChartEditForm::setVisible(bool visible)
{
    // Placed before its window exists, the position is the frame's, and the window manager puts
    // the frame there. Placed later, before the frame is known, the client went there and the
    // frame crept up by the title bar or left by the border at each reopening.
    if (visible && !m_placed && m_chart) {
        m_placed = true;
        layOutTree();
        ensurePolished();
        layout()->activate();
        growToPages();
        placeOnScreen();
        QDialog::setVisible(visible);
        // The pages made at the showing grow the window now, before it settles where it stays.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        growToPages();
        settlePlace();
        return;
    }
    QDialog::setVisible(visible);
}

void TChartEditForm::layOutTree()
{
    m_savedFormWidth = width();
    if (!m_treeMode)
        return;
    MainPage->tabBar()->hide();
    SubPage->tabBar()->hide();
    Tree->show();
    resize(width() + treeExtraWidth(), height());
    m_programSize = size();
    TreeSplitter->setSizes({m_treeWidth, m_savedFormWidth});
}

void TChartEditForm::placeOnScreen()
{
    // The frame goes back where it was when the editor closed, else it is centred; wholly on the
    // screen it opens on, shrunk to it when the stored size is larger.
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QPoint anchor = m_storedPosition.value_or(owner ? owner->frameGeometry().center() : QPoint());
    const QRect area = PlotPenDlg::ScreenAreaAt(anchor);
    QRect frame = PlotPenDlg::CentredFrame(*this, area, area);
    if (m_storedPosition)
        frame.moveTopLeft(*m_storedPosition);
    frame = PlotPenDlg::FitIntoArea(frame, area);
    const QSize client = frame.size().shrunkBy(PlotPenDlg::WindowFrameMargins(*this));
    if (client != size()) {
        resize(client);
        m_programSize = size();
        if (treeShown())
            m_savedFormWidth = width() - treeExtraWidth();
    }
    move(frame.topLeft());
}

void TChartEditForm::keepOnScreen()
{
    const QRect frame = geometry().marginsAdded(PlotPenDlg::WindowFrameMargins(*this));
    const QRect fitted = PlotPenDlg::FitIntoArea(frame, PlotPenDlg::ScreenAreaAt(frame.center()));
    if (fitted == frame)
        return;
    PlotPenDlg::SetFrameGeometry(*this, fitted);
    m_programSize = size();
}

bool TChartEditForm::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::LayoutRequest:
        growToPages();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The frame the window manager gave may be larger than the one guessed at the placing, and
        // the pages may have grown the window meanwhile: once it stands, a window that reaches past
        // the screen's edge is pulled back. Only the window system's own events tell: while the
        // window shows, Qt still holds the position given for the frame.
        if (event->spontaneous())
            settlePlace();
        break;
    default:
        break;
    }
    return handled;
}

void TChartEditForm::settlePlace()
{
    if (!isVisible())
        return;
    const bool first = !std::exchange(m_placeSettled, true);
    const bool framed = m_frameUnknown && frameGeometry() != geometry();
    if (framed) {
        m_frameUnknown = false;
        // A new editor was centred with the frame guessed; with the real one it is centred again
        // (the user cannot have moved a window that had no frame yet).
        if (!m_storedPosition) {
            const QRect area = PlotPenDlg::ScreenAreaAt(frameGeometry().center());
            PlotPenDlg::SetFrameGeometry(*this, PlotPenDlg::CentredFrame(*this, area, area));
            m_programSize = size();
        }
    }
    // Only then: a window the user moves past the edge later stays where the user put it.
    if (first || framed)
        keepOnScreen();
}

void TChartEditForm::growToPages()
{
    // A size the user chose holds, however narrow: a stored one, or one given since. The program's
    // own grows to what the pages' texts need (German ones are wider), pages made on first showing
    // included, and stays on the screen.
    if (m_sizeStored || size() != m_programSize)
        return;
    // Before the first showing the splitter has not placed the pages yet: the room around them
    // is measured around the splitter.
    const QSize around = isVisible() ? size() - MainPage->size()
                                     : size() - TreeSplitter->size() + QSize(treeShown() ? treeExtraWidth() : 0, 0);
    const QSize grown = size().expandedTo(around + MainPage->minimumSizeHint());
    if (grown == size())
        return;
    resize(grown);
    m_programSize = size();
    if (treeShown())
        m_savedFormWidth = width() - treeExtraWidth();
    // Before the window stands where it was put, Qt still holds the position for the frame: the
    // settling pulls it in then.
    if (m_placeSettled)
        keepOnScreen();
}

void TChartEditForm::applyTabVisibility()
{
    bool anySub = false;
    for (int i = 0; i < SubPage->count(); ++i) {
        const bool shown = IsTabShown(subTabOf(i));
        SubPage->setTabVisible(i, shown);
        anySub = anySub || shown;
    }
    MainPage->setTabVisible(MainPage->indexOf(TabChart), anySub);
    MainPage->setTabVisible(MainPage->indexOf(TabSeries), IsTabShown(cetAllSeries));
    MainPage->setTabVisible(MainPage->indexOf(TabData), IsTabShown(cetSeriesData));
    MainPage->setTabVisible(MainPage->indexOf(TabTools), IsTabShown(cetTools));
    MainPage->setTabVisible(MainPage->indexOf(TabExport), IsTabShown(cetExport));
    MainPage->setTabVisible(MainPage->indexOf(TabPrint), IsTabShown(cetPrintPreview));
}

bool TChartEditForm::treeShown() const
{
    return m_treeMode && !Tree->isHidden();
}

int TChartEditForm::treeExtraWidth() const
{
    return m_treeWidth + TreeSplitter->handleWidth();
}

void TChartEditForm::buildTree()
{
    m_buildingTree = true;
    Tree->clear();
    const auto addNode = [this](QTreeWidgetItem *parent, const QString &caption, NodeKind kind, QWidget *tab) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Tree);
        item->setText(0, QString(caption).remove(QLatin1Char('&')));
        item->setData(0, kNodeKindRole, int(kind));
        item->setData(0, kTabRole, QVariant::fromValue<QObject *>(tab));
        return item;
    };
    // The series list: shown in tree mode even when its tab is hidden, since the series hang there.
    m_seriesNode = addNode(nullptr, SubPage->tabText(SubPage->indexOf(TabSeriesList)), nkSeriesRoot, TabSeriesList);
    addSeriesNodes(m_seriesNode);

    bool anySub = false;
    for (int i = 1; i < SubPage->count(); ++i)
        anySub = anySub || IsTabShown(subTabOf(i));
    if (anySub) {
        QTreeWidgetItem *chartNode = addNode(nullptr, MainPage->tabText(MainPage->indexOf(TabChart)), nkChartRoot, SubPage);
        for (int i = 1; i < SubPage->count(); ++i) {
            const TChartEditorTab tab = subTabOf(i);
            if (!IsTabShown(tab))
                continue;
            QTreeWidgetItem *node = addNode(chartNode, SubPage->tabText(i), nkTab, SubPage->widget(i));
            if (const EditorPage *page = FindEditorPage(tab); page && page->children) {
                for (const EditorPageNode &child : page->children(*this)) {
                    QTreeWidgetItem *childNode = addNode(node, child.caption, nkChild, SubPage->widget(i));
                    childNode->setData(0, kObjectRole, QVariant::fromValue<QObject *>(child.object));
                }
            }
        }
        chartNode->setExpanded(true);
    }
    const QWidget *mainTabs[] = {TabData, TabTools, TabExport, TabPrint};
    for (int i = 0; i < 4; ++i) {
        const TChartEditorTab tab = kLaterMainTabs[i];
        if (!IsTabShown(tab))
            continue;
        QWidget *host = const_cast<QWidget *>(mainTabs[i]);
        QTreeWidgetItem *node = addNode(nullptr, MainPage->tabText(MainPage->indexOf(host)), nkTab, host);
        if (const EditorPage *page = FindEditorPage(tab); page && page->children) {
            for (const EditorPageNode &child : page->children(*this)) {
                QTreeWidgetItem *childNode = addNode(node, child.caption, nkChild, host);
                childNode->setData(0, kObjectRole, QVariant::fromValue<QObject *>(child.object));
            }
        }
    }
    m_buildingTree = false;
}

void TChartEditForm::addSeriesNodes(QTreeWidgetItem *root)
{
    qDeleteAll(root->takeChildren());
    if (!m_chart)
        return;
    std::vector<std::pair<QString, TChartSeries *>> items;
    PlotEngine::FillSeriesItems(items, m_chart->SeriesList(), true);
    for (const auto &[text, series] : items) {
        auto *node = new QTreeWidgetItem(root);
        node->setText(0, text);
        node->setData(0, kNodeKindRole, int(nkSeries));
        node->setData(0, kObjectRole, QVariant::fromValue<QObject *>(series));
        node->setFlags(node->flags() | Qt::ItemIsEditable);
    }
    root->setExpanded(m_chart->SeriesCount() < 11);
}

void TChartEditForm::selectFirstSeries()
{
    if (LBSeries->ItemCount() == 0)
        return;
    if (LBSeries->isVisible())
        LBSeries->setFocus();
    LBSeries->SetItemIndex(0);
    if (m_treeMode && m_seriesNode && !Tree->currentItem())
        Tree->setCurrentItem(m_seriesNode);
    RefreshButtons();
}

void TChartEditForm::selectDefaultTab()
{
    const TChartEditorTab tab = *DefaultTab;
    switch (tab) {
    case cetSeriesData:
    case cetExport:
    case cetTools:
    case cetPrintPreview:
        ShowTab(tab);
        return;
    case cetAllSeries: {
        // The series editor on the first series; in the tree its node, or the Series node without series.
        TChartSeries *first = m_chart && m_chart->SeriesCount() > 0 ? m_chart->GetSeries(0) : nullptr;
        if (first && IsTabShown(cetAllSeries))
            EditSeriesPage(first);
        else if (m_treeMode && m_seriesNode)
            Tree->setCurrentItem(m_seriesNode);
        return;
    }
    case cetSeriesGeneral:
    case cetSeriesMarks:
    case cetExportNative:
        return;
    default:
        break;
    }
    int found = -1;
    for (int i = int(tab); i < SubPage->count() && found < 0; ++i) {
        if (IsTabShown(subTabOf(i)))
            found = i;
    }
    for (int i = int(tab); i >= 0 && found < 0; --i) {
        if (IsTabShown(subTabOf(i)))
            found = i;
    }
    if (found >= 0) {
        DefaultTab = subTabOf(found);
        ShowTab(subTabOf(found));
        return;
    }
    for (const TChartEditorTab later : kLaterMainTabs) {
        if (IsTabShown(later)) {
            ShowTab(later);
            return;
        }
    }
}

void TChartEditForm::ShowTab(TChartEditorTab tab)
{
    QWidget *main = nullptr;
    switch (tab) {
    case cetSeriesData:
        main = TabData;
        break;
    case cetTools:
        main = TabTools;
        break;
    case cetExport:
    case cetExportNative:
        main = TabExport;
        break;
    case cetPrintPreview:
        main = TabPrint;
        break;
    case cetAllSeries:
    case cetSeriesGeneral:
    case cetSeriesMarks:
        main = TabSeries;
        break;
    default:
        break;
    }
    if (main) {
        MainPage->setCurrentWidget(main);
        if (m_treeMode)
            selectTreeNodeFor(main);
        return;
    }
    MainPage->setCurrentWidget(TabChart);
    SubPage->setCurrentIndex(int(tab));
    if (m_treeMode)
        selectTreeNodeFor(SubPage->widget(int(tab)));
}

void TChartEditForm::RefreshPageNodes(TChartEditorTab tab)
{
    if (!m_treeMode || !m_shown)
        return;
    buildTree();
    ShowTab(tab);
}

void TChartEditForm::EditSeriesPage(TChartSeries *series)
{
    if (m_seriesForm && m_seriesForm->TheSeries() != series && !m_seriesForm->CanLeave()) {
        // The series editor keeps its series: so does the tree.
        if (m_treeMode && m_seriesForm->TheSeries())
            selectTreeNodeFor(m_seriesForm->TheSeries());
        return;
    }
    if (MainPage->currentWidget() != TabSeries)
        MainPage->setCurrentWidget(TabSeries);
    if (m_seriesForm)
        m_seriesForm->SelectSeries(series);
    if (series && LBSeries->SelectedSeries() != series)
        LBSeries->SelectSeries(series);
    if (m_treeMode)
        selectTreeNodeFor(series);
}

void TChartEditForm::selectTreeNodeFor(QObject *object)
{
    if (m_buildingTree)
        return;
    for (QTreeWidgetItemIterator it(Tree); *it; ++it) {
        QTreeWidgetItem *item = *it;
        const int kind = item->data(0, kNodeKindRole).toInt();
        const bool match = kind == nkSeries ? item->data(0, kObjectRole).value<QObject *>() == object
                                            : kind != nkChild && item->data(0, kTabRole).value<QObject *>() == object;
        if (match) {
            if (Tree->currentItem() != item) {
                const QSignalBlocker blocker(Tree);
                Tree->setCurrentItem(item);
            }
            return;
        }
    }
}

void TChartEditForm::mainTabChanged(int index)
{
    highlight(MainPage, index);
    QWidget *tab = MainPage->widget(index);
    if (m_treeMode && tab != TabSeries && tab != TabChart)
        selectTreeNodeFor(tab);
    if (tab == TabSeries) {
        if (!m_seriesForm) {
            m_seriesForm = new TFormPlotSeries(TabSeries);
            m_seriesForm->ShowDataSource = Options.testFlag(ceDataSource);
            m_seriesForm->ShowGeneral = !HideTabs.contains(cetSeriesGeneral);
            m_seriesForm->ShowMarks = !HideTabs.contains(cetSeriesMarks);
            m_seriesForm->ShowPersistent = false;
            m_seriesForm->SetChart(m_chart);
            m_seriesForm->OnSeriesChanged = [this](TChartSeries *) { RefreshButtons(); };
            // A series chosen in the editor's own combo is the list's and the tree's too.
            m_seriesForm->OnSeriesShown = [this](TChartSeries *series) {
                if (series && LBSeries->SelectedSeries() != series)
                    LBSeries->SelectSeries(series);
                if (m_treeMode && series)
                    selectTreeNodeFor(series);
            };
            TabSeries->layout()->addWidget(m_seriesForm);
            PlotProcs::PlotTranslateControl(m_seriesForm);
            m_seriesForm->show();
        }
        TChartSeries *series = selectedSeries();
        if (!series && m_chart && m_chart->SeriesCount() > 0)
            series = m_chart->GetSeries(0);
        if (series != m_seriesForm->TheSeries() || !m_seriesForm->TheSeries())
            m_seriesForm->SelectSeries(series);
    } else if (tab == TabData) {
        showRegisteredPage(cetSeriesData, tab);
    } else if (tab == TabTools) {
        showRegisteredPage(cetTools, tab);
    } else if (tab == TabExport) {
        showRegisteredPage(cetExport, tab);
    } else if (tab == TabPrint) {
        showRegisteredPage(cetPrintPreview, tab);
    }
}

void TChartEditForm::subTabChanged(int index)
{
    highlight(SubPage, index);
    if (m_treeMode)
        selectTreeNodeFor(SubPage->widget(index));
    // Hiding the current tab moves the page control on, through tabs about to be hidden too:
    // a hidden tab's page is never made.
    if (index > 0 && IsTabShown(subTabOf(index)))
        showRegisteredPage(subTabOf(index), SubPage->widget(index));
}

void TChartEditForm::showRegisteredPage(TChartEditorTab tab, QWidget *host)
{
    const EditorPage *page = FindEditorPage(tab);
    if (!page)
        return;
    if (QWidget *made = m_pages.value(int(tab))) {
        if (page->refresh)
            page->refresh(made);
        return;
    }
    QWidget *made = page->create(*this, host);
    if (!made)
        return;
    m_pages.insert(int(tab), made);
    host->layout()->addWidget(made);
    made->show();
    PlotProcs::PlotTranslateControl(made);
}

void TChartEditForm::treeSelectionChanged()
{
    if (m_buildingTree)
        return;
    QTreeWidgetItem *item = Tree->currentItem();
    if (!item)
        return;
    const int kind = item->data(0, kNodeKindRole).toInt();
    auto *tab = qobject_cast<QWidget *>(item->data(0, kTabRole).value<QObject *>());
    switch (kind) {
    case nkSeries:
        EditSeriesPage(qobject_cast<TChartSeries *>(item->data(0, kObjectRole).value<QObject *>()));
        break;
    case nkSeriesRoot:
    case nkChartRoot:
        if (MainPage->currentWidget() == TabSeries && m_seriesForm && !m_seriesForm->CanLeave())
            return;
        MainPage->setCurrentWidget(TabChart);
        if (kind == nkSeriesRoot)
            SubPage->setCurrentWidget(TabSeriesList);
        break;
    case nkTab:
    case nkChild:
        if (MainPage->currentWidget() == TabSeries && m_seriesForm && !m_seriesForm->CanLeave())
            return;
        if (SubPage->indexOf(tab) >= 0) {
            MainPage->setCurrentWidget(TabChart);
            SubPage->setCurrentWidget(tab);
        } else {
            MainPage->setCurrentWidget(tab);
        }
        if (kind == nkChild) {
            const TChartEditorTab pageTab = SubPage->indexOf(tab) >= 0 ? subTabOf(SubPage->indexOf(tab))
                                            : tab == TabTools                ? cetTools
                                            : tab == TabData                 ? cetSeriesData
                                            : tab == TabExport               ? cetExport
                                                                             : cetPrintPreview;
            const EditorPage *page = FindEditorPage(pageTab);
            if (page && page->selectChild && Page(pageTab))
                page->selectChild(Page(pageTab), item->data(0, kObjectRole).value<QObject *>());
        }
        break;
    default:
        break;
    }
}

void TChartEditForm::highlight(QTabWidget *pages, int index)
{
    if (!HighLightTabs)
        return;
    int &previous = pages == MainPage ? m_highlightedMain : m_highlightedSub;
    if (previous >= 0)
        pages->tabBar()->setTabTextColor(previous, pages->palette().color(QPalette::WindowText));
    pages->tabBar()->setTabTextColor(index, pages->palette().color(QPalette::Highlight));
    previous = index;
}

TChartSeries *TChartEditForm::selectedSeries() const
{
    if (m_treeMode) {
        if (QTreeWidgetItem *item = Tree->currentItem(); item && item->data(0, kNodeKindRole).toInt() == nkSeries)
            return qobject_cast<TChartSeries *>(item->data(0, kObjectRole).value<QObject *>());
    }
    if (TChartSeries *listed = LBSeries->SelectedSeries())
        return listed;
    return m_seriesForm ? m_seriesForm->TheSeries() : nullptr;
}

void TChartEditForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (treeShown())
        m_savedFormWidth = width() - treeExtraWidth();
}

void TChartEditForm::done(int result)
{
    // The series editor may hold changes of its data source that the user wants to keep.
    if (m_seriesForm && !m_seriesForm->CanLeave())
        return;
    QDialog::done(result);
}

void TChartEditForm::saveSettings()
{
    if (!m_chart || !(RememberPosition || RememberSize))
        return;
    QList<QPair<QString, int>> values;
    if (RememberPosition) {
        // A window's position is its frame's, where the next showing puts the frame again.
        values.append({QStringLiteral("Left"), pos().x()});
        values.append({QStringLiteral("Top"), pos().y()});
    }
    if (RememberSize) {
        // Only a size the user gave is kept: not the default, nor one grown to the pages or fitted
        // to the screen, so that a later change of the default or of the screen applies.
        const int width = treeShown() ? m_savedFormWidth : this->width();
        if (this->width() != m_programSize.width() && width != defaultNumber(PlotConst::msgEditorWidth, 414))
            values.append({QStringLiteral("Width"), width});
        if (height() != m_programSize.height() && height() != defaultNumber(PlotConst::msgEditorHeight, 347))
            values.append({QStringLiteral("Height"), height()});
        if (m_treeMode)
            values.append({QStringLiteral("TreeWidth"), m_treeWidth});
    }
    // A failed write loses only the remembered place.
    if (!PlotProcs::WriteEditorIntegers(values))
        qWarning("Chart editor: its place and size could not be kept");
}

QWidget *TChartEditForm::CurrentHelpPage() const
{
    if (m_treeMode && Tree->currentItem()) {
        for (const QTreeWidgetItem *item = Tree->currentItem(); item; item = item->parent())
            if (auto *tab = qobject_cast<QWidget *>(item->data(0, kTabRole).value<QObject *>()))
                return tab;
    }
    QWidget *page = MainPage->currentWidget();
    return page == TabChart ? SubPage->currentWidget() : page;
}

void TChartEditForm::showHelp()
{
    if (m_helpFile.isEmpty())
        return;
    const QWidget *page = CurrentHelpPage();
    PlotHelp::OpenHelpSection(m_helpFile, page ? page->objectName() : QString(), this);
}
