// The chart editor form and the series editor in German: every fixed text translated, hotkeys
// apart, the user's texts and the cursor names left alone.
#include "DialogDriver.h"
#include "EditorTestSetup.h"
#include "EnglishLibrary.h"
#include "ScriptedDialogService.h"

#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotProCo.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TAreaSeries.h"
#include "TArrowSeries.h"
#include "TAxisIncrement.h"
#include "TAxisMaxMin.h"
#include "TBarSeries.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartGalleryPanel.h"
#include "TChartLegend.h"
#include "TChartShape.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TFastLineSeries.h"
#include "TFormPlot3D.h"
#include "TFormPlotAxis.h"
#include "TFormPlotGeneral.h"
#include "TFormPlotLegend.h"
#include "TFormPlotPage.h"
#include "TFormPlotPanel.h"
#include "TFormPlotSeries.h"
#include "TFormPlotShape.h"
#include "TFormPlotTitle.h"
#include "TFormPlotTools.h"
#include "TFormPlotWall.h"
#include "TFormatEditor.h"
#include "TGalleryChart.h"
#include "TGanttSeries.h"
#include "TLineSeries.h"
#include "TPageNumTool.h"
#include "TPieSeries.h"
#include "TPlotFontEditor.h"
#include "TPlotGradientEditor.h"
#include "TPlotToolsGallery.h"
#include "TSymbolEditor.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

class EditorGerman : public EditorChartTest
{
protected:
    void TearDown() override { restoreEnglishLibrary(); }
};

bool userTexts(const QWidget *widget)
{
    for (const QObject *o = widget; o; o = o->parent()) {
        if (o->property(PlotTranslate::kUserTextsProperty).toBool())
            return true;
    }
    return false;
}

// A widget's name, or for an unnamed one (a gallery sample, a navigator button) its place under
// the nearest named parent.
QString widgetKey(const QObject *o)
{
    if (!o->objectName().isEmpty() || !o->parent())
        return o->objectName();
    return widgetKey(o->parent()) + QLatin1Char('.') + QString::number(o->parent()->children().indexOf(o));
}

// The fixed texts of a form by the widget that shows them, hints included.
QMap<QString, QString> fixedTexts(const QWidget &form)
{
    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("title"), form.windowTitle());
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        if (userTexts(w))
            continue;
        if (!w->toolTip().isEmpty())
            texts.insert(widgetKey(w) + QStringLiteral("?hint"), w->toolTip());
        if (w->objectName().isEmpty())
            continue;
        const QString name = w->objectName();
        // A sorted list is keyed by the item's own number, since translating reorders it.
        if (auto *list = qobject_cast<const QListWidget *>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                const QListWidgetItem *item = list->item(i);
                const QVariant number = item->data(Qt::UserRole);
                if (!item->data(PlotTranslate::kKeepTextRole).toBool())
                    texts.insert(name + QLatin1Char('@') + (number.isValid() ? number.toString() : QString::number(i)),
                                 item->text());
            }
        }
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            texts.insert(name, button->text());
        else if (auto *label = qobject_cast<const QLabel *>(w))
            texts.insert(name, label->text());
        else if (auto *box = qobject_cast<const QGroupBox *>(w))
            texts.insert(name, box->title());
        else if (auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(name + QLatin1Char('/') + QString::number(i), tabs->tabText(i));
        } else if (auto *bar = qobject_cast<const QTabBar *>(w); bar && !qobject_cast<const QTabWidget *>(w->parent())) {
            for (int i = 0; i < bar->count(); ++i)
                texts.insert(name + QLatin1Char('/') + QString::number(i), bar->tabText(i));
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.insert(name + QLatin1Char('#') + QString::number(i), combo->itemText(i));
        }
    }
    return texts;
}

void checkTranslated(const QWidget &english, const QWidget &german, int atLeast = 20)
{
    // Words German writes as English does.
    const QSet<QString> shared{QStringLiteral("Format"), QStringLiteral("3D"), QStringLiteral("+"), QStringLiteral("-"),
                               QStringLiteral("..."), QStringLiteral("Label"), QStringLiteral("Legend"),
                               QStringLiteral("Horizontal"), QStringLiteral("Ellipse"), QStringLiteral("Gantt"),
                               QStringLiteral("Text"), QStringLiteral("Position"),
                               QStringLiteral("Symbol"), QStringLiteral("Radial"), QStringLiteral("Balance"),
                               QStringLiteral("Horiz"), QStringLiteral("Vert"),
                               QStringLiteral("Minimum"), QStringLiteral("Maximum"), QStringLiteral("Z"), QStringLiteral("Z %"),
                               QStringLiteral("Position %"), QStringLiteral("Golf"), QStringLiteral("Standard"),
                               QStringLiteral("OK")};
    const QMap<QString, QString> before = fixedTexts(english);
    const QMap<QString, QString> after = fixedTexts(german);
    int compared = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString() + " " + it.value().toStdString());
        QString bare = QString(it.value()).remove(QLatin1Char('&'));
        if (bare.endsWith(QLatin1Char(':')))
            bare.chop(1);
        const bool hasLetter = std::any_of(bare.cbegin(), bare.cend(), [](QChar c) { return c.isLetter(); });
        if (!hasLetter || shared.contains(bare) || !after.contains(it.key()))
            continue;
        ++compared;
        EXPECT_NE(after.value(it.key()).toStdString(), it.value().toStdString()) << "kept its English text";
    }
    EXPECT_GT(compared, atLeast);
}

// The hotkeys of the captions on one page must differ.
void checkHotkeysApart(const QWidget &page)
{
    QMap<QChar, QString> taken;
    for (const QAbstractButton *button : page.findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        const QString text = button->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size() || !button->isVisibleTo(&page))
            continue;
        const QChar key = text.at(amp + 1).toLower();
        EXPECT_FALSE(taken.contains(key)) << text.toStdString() << " and " << taken.value(key).toStdString();
        taken.insert(key, text);
    }
}

// The hotkeys of every caption and label of a form, nested ones too, must differ.
void checkEveryHotkeyApart(const QWidget &form)
{
    QMap<QChar, QString> taken;
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        QString text;
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        else if (auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size() || !w->isVisibleTo(&form))
            continue;
        const QChar key = text.at(amp + 1).toLower();
        EXPECT_FALSE(taken.contains(key)) << text.toStdString() << " and " << taken.value(key).toStdString();
        taken.insert(key, text);
    }
}

// Shows every tab of every page control of the form, so that what a tab makes on first show
// exists, and runs the check on each.
void visitEveryTab(QWidget &form, const std::function<void()> &check = {})
{
    for (QTabWidget *tabs : form.findChildren<QTabWidget *>()) {
        for (int i = tabs->count() - 1; i >= 0; --i) {
            tabs->setCurrentIndex(i);
            if (check)
                check();
        }
    }
}

} // namespace

TEST_F(EditorGerman, TheThreeDAndToolsPagesAndTheToolsGalleryAreGerman)
{
    const auto makeForms = [this](QWidget &holder) {
        auto *page3D = new TFormPlot3D(chart.get(), &holder);
        page3D->PageControl1->setCurrentWidget(page3D->TabViews);
        auto *tools = new TFormPlotTools(chart.get(), &holder);
        auto *gallery = new TPlotToolsGallery(&holder);
        for (QWidget *form : QList<QWidget *>{page3D, tools, gallery}) {
            form->show();
            PlotProcs::PlotTranslateControl(form);
        }
        return QList<QWidget *>{page3D, tools, gallery};
    };
    QWidget english;
    makeForms(english);
    PlotGerman::SelectGermanLanguage();
    QWidget german;
    const QList<QWidget *> forms = makeForms(german);
    checkTranslated(english, german, 20);
    for (const QWidget *form : forms) {
        SCOPED_TRACE(form->objectName().toStdString());
        checkEveryHotkeyApart(*form);
    }
    auto *page3D = qobject_cast<TFormPlot3D *>(forms[0]);
    EXPECT_EQ(page3D->CBOrthogonal->text().remove(QLatin1Char('&')), QStringLiteral("Rechtwinklig"));
    EXPECT_EQ(page3D->Gallery->Charts().at(1)->Title()->Text(), QStringList{QStringLiteral("Ortho rechts")});
    auto *gallery = qobject_cast<TPlotToolsGallery *>(forms[2]);
    EXPECT_EQ(gallery->windowTitle(), QStringLiteral("Chart-Werkzeuggalerie"));
    EXPECT_EQ(gallery->TabControl1->tabText(0), QStringLiteral("Reihe"));
    EXPECT_EQ(gallery->TabControl1->tabText(2), QStringLiteral("Sonstige"));
}

TEST_F(EditorGerman, EveryFixedTextIsGermanAndTheUsersTextsStay)
{
    addLineSeries()->SetTitle(QStringLiteral("Wasser"));
    TChartEditForm english;
    english.SetChart(chart.get());
    TFormPlotSeries englishSeries;
    englishSeries.SetChart(chart.get());
    englishSeries.show();
    ASSERT_TRUE(englishSeries.SelectSeries(chart->GetSeries(0)));

    PlotGerman::SelectGermanLanguage();
    TChartEditForm german;
    german.SetChart(chart.get());
    PlotProcs::PlotTranslateControl(&german);
    TFormPlotSeries germanSeries;
    germanSeries.SetChart(chart.get());
    PlotProcs::PlotTranslateControl(&germanSeries);
    germanSeries.show();
    ASSERT_TRUE(germanSeries.SelectSeries(chart->GetSeries(0)));

    EXPECT_EQ(german.BClose->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(germanSeries.PageSeries->tabText(germanSeries.PageSeries->indexOf(germanSeries.TabGeneral)),
              QStringLiteral("Allgemein"));
    EXPECT_EQ(germanSeries.PageSeries->tabText(1), QStringLiteral("Punkt"));
    checkTranslated(english, german);
    checkTranslated(englishSeries, germanSeries);
    for (QWidget *page : {german.TabSeriesList, germanSeries.TabGeneral, germanSeries.TabStyle, germanSeries.TabArrows,
                          germanSeries.TabDataSource}) {
        SCOPED_TRACE(page->objectName().toStdString());
        checkHotkeysApart(*page);
    }
    EXPECT_EQ(germanSeries.CBSeries->itemText(0), QStringLiteral("Wasser"));
    // The cursor names are the program's, but the default's, which is listed as "Standard" and
    // stores no cursor.
    germanSeries.PageSeries->setCurrentWidget(germanSeries.TabGeneral);
    EXPECT_EQ(germanSeries.CBCursor->findText(QStringLiteral("Default")), -1);
    const int item = germanSeries.CBCursor->findText(QStringLiteral("Standard"));
    ASSERT_GE(item, 0);
    chart->GetSeries(0)->SetCursor(-21);
    germanSeries.PageSeries->setCurrentWidget(germanSeries.TabGeneral);
    germanSeries.CBCursor->setCurrentIndex(item);
    Q_EMIT germanSeries.CBCursor->activated(item);
    EXPECT_EQ(chart->GetSeries(0)->Cursor(), 0);
}

// Each series type's Format form and the tabs it inserts, in German.
TEST_F(EditorGerman, EverySeriesTypesFormatFormsAreGerman)
{
    using Maker = std::function<TChartSeries *(TChart &)>;
    const std::pair<const char *, Maker> types[] = {
        {"line", [](TChart &c) { return c.AddSeriesOfClass<TLineSeries>(); }},
        {"fast line", [](TChart &c) { return c.AddSeriesOfClass<TFastLineSeries>(); }},
        {"area", [](TChart &c) { return c.AddSeriesOfClass<TAreaSeries>(); }},
        {"bar", [](TChart &c) { return c.AddSeriesOfClass<TBarSeries>(); }},
        {"pie", [](TChart &c) { return c.AddSeriesOfClass<TPieSeries>(); }},
        {"arrow", [](TChart &c) { return c.AddSeriesOfClass<TArrowSeries>(); }},
        {"gantt", [](TChart &c) { return c.AddSeriesOfClass<TGanttSeries>(); }},
        {"shape", [](TChart &c) { return c.AddSeriesOfClass<TChartShape>(); }}};
    for (const auto &[name, make] : types) {
        SCOPED_TRACE(name);
        TChartSeries *series = make(*chart);
        // Every inserted tab is visited, so that the forms on it have shown.
        auto openAll = [series](TFormPlotSeries &form) {
            form.SetChart(series->ParentChart());
            form.show();
            ASSERT_TRUE(form.SelectSeries(series));
            for (int i = form.PageSeries->count() - 1; i >= 0; --i)
                form.PageSeries->setCurrentIndex(i);
        };
        PlotTranslate::PlotCurrentLanguage = nullptr;
        PlotConst::SetLibraryMessages();
        TFormPlotSeries english;
        openAll(english);
        PlotGerman::SelectGermanLanguage();
        TFormPlotSeries german;
        PlotProcs::PlotTranslateControl(&german);
        openAll(german);
        // The gradient editor on the area's tab is checked in German with its own dialog.
        for (TFormPlotSeries *form : {&english, &german})
            qDeleteAll(form->findChildren<TPlotGradientEditor *>());
        QWidget *format = german.TabFormat->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(format, nullptr);
        checkTranslated(english, german);
        for (QWidget *page : format->findChildren<QWidget *>())
            if (page->parent() && qobject_cast<QStackedWidget *>(page->parent()))
                checkHotkeysApart(*page);
        checkHotkeysApart(*format);
        delete series;
    }
}

TEST_F(EditorGerman, TheTitlesLegendPanelAndWallsPagesAreGermanAndKeepTheUsersTexts)
{
    // Texts that are also keys of the language list: a walk that touched the memos would change them.
    chart->Title()->SetText({QStringLiteral("Title")});
    chart->Legend()->Title()->SetText({QStringLiteral("Legend"), QStringLiteral("Series")});
    const std::function<QWidget *()> pages[] = {
        [&] { return new TFormPlotTitle(nullptr, chart->Title(), chart.get()); },
        [&] { return new TFormPlotLegend(nullptr, chart->Legend()); },
        [&] { return new TFormPlotPanel(nullptr, chart.get()); },
        [&] { return new TFormPlotWall(nullptr, chart->LeftWall(), chart.get()); },
    };
    std::vector<std::unique_ptr<QWidget>> english;
    for (const auto &make : pages) {
        english.emplace_back(make());
        english.back()->show();
    }
    PlotGerman::SelectGermanLanguage();
    for (std::size_t i = 0; i < english.size(); ++i) {
        const std::unique_ptr<QWidget> german(pages[i]());
        german->show();
        PlotProcs::PlotTranslateControl(german.get());
        SCOPED_TRACE(german->objectName().toStdString());
        checkTranslated(*english[i], *german, 10);
        for (QWidget *tab : german->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^Tab")))) {
            SCOPED_TRACE(tab->objectName().toStdString());
            checkHotkeysApart(*tab);
        }
        checkHotkeysApart(*german);
        if (auto *titles = qobject_cast<TFormPlotTitle *>(german.get())) {
            EXPECT_EQ(titles->MText->toPlainText(), QStringLiteral("Title"));
            EXPECT_EQ(titles->CBTitles->itemText(0), QStringLiteral("Titel"));
        }
        if (auto *legend = qobject_cast<TFormPlotLegend *>(german.get()))
            EXPECT_EQ(legend->MemoText->toPlainText(), QStringLiteral("Legend\nSeries"));
    }
}

TEST_F(EditorGerman, AxisPageAndLimitDialogSpeakGermanAndKeepTheAxesList)
{
    addLineSeries();
    TFormPlotAxis english(nullptr, chart.get(), chart->LeftAxis());
    english.show();
    TAxisMaxMin englishLimit;
    englishLimit.IsDateTime = true;
    englishLimit.MaxMin = 2.5;
    englishLimit.show();

    PlotGerman::SelectGermanLanguage();
    TFormPlotAxis german(nullptr, chart.get(), chart->LeftAxis());
    PlotProcs::PlotTranslateControl(&german);
    german.show();
    TAxisMaxMin germanLimit;
    germanLimit.IsDateTime = true;
    germanLimit.MaxMin = 2.5;
    germanLimit.show();

    checkTranslated(english, german);
    checkTranslated(englishLimit, germanLimit, 4);
    for (QWidget *page : german.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^Tab")))) {
        SCOPED_TRACE(page->objectName().toStdString());
        checkHotkeysApart(*page);
    }
    EXPECT_EQ(german.LBAxes->item(0)->text(), QStringLiteral("Linke Achse"));
    german.BAdd->click();
    EXPECT_EQ(german.LBAxes->item(6)->text(), QStringLiteral("Eigene 0"));
}

TEST_F(EditorGerman, TheGeneralPageIsGermanButItsCursorNames)
{
    TFormPlotGeneral english(nullptr, chart.get());
    english.show();
    PlotGerman::SelectGermanLanguage();
    TFormPlotGeneral german(nullptr, chart.get());
    german.show();
    PlotProcs::PlotTranslateControl(&german);

    checkTranslated(english, german, 20);
    EXPECT_EQ(german.PageControl1->tabText(0), QStringLiteral("Vergrößerung"));
    EXPECT_EQ(german.PageControl1->tabText(1), QStringLiteral("Scrollen"));
    EXPECT_EQ(german.BPrint->text().remove(QLatin1Char('&')), QStringLiteral("Seitenansicht..."));
    EXPECT_EQ(german.CBMarUnits->itemText(0), QStringLiteral("Prozent"));
    for (QWidget *tab : {german.TabZoom, german.TabScroll}) {
        SCOPED_TRACE(tab->objectName().toStdString());
        german.PageControl1->setCurrentWidget(tab);
        checkHotkeysApart(*tab);
        checkEveryHotkeyApart(german);
    }
    // The cursor names are identifiers: the same in both, but the default's.
    ASSERT_EQ(german.CBCursor->count(), english.CBCursor->count());
    EXPECT_EQ(english.CBCursor->itemText(0), QStringLiteral("Default"));
    EXPECT_EQ(german.CBCursor->itemText(0), QStringLiteral("Standard"));
    for (int i = 1; i < english.CBCursor->count(); ++i)
        EXPECT_EQ(german.CBCursor->itemText(i), english.CBCursor->itemText(i));
}

TEST_F(EditorGerman, ThePagingPageAndTheDialogsAreGermanDownToTheirHints)
{
    TPlotGradient gradient;
    const std::pair<const char *, std::function<QWidget *()>> forms[] = {
        {"paging",
         [&] {
             auto *page = new TFormPlotPage(nullptr, chart.get());
             PlotProcs::PlotTranslateControl(page); // as the editor does with the pages it makes
             return page;
         }},
        {"symbol", [&] { return new TSymbolEditor(nullptr, chart->Legend()->Symbol()); }},
        {"font",
         [&] {
             auto *font = new TPlotFontEditor;
             font->RefreshControls(chart->Title()->Font());
             return font;
         }},
        {"shape", [&] { return CreateShapeEditor(nullptr, chart->Title(), nullptr); }},
        {"format",
         [] {
             auto *format = new TFormatEditor;
             format->TheFormat = QStringLiteral("#,##0.###");
             return format;
         }},
        {"increment",
         [] {
             auto *increment = new TAxisIncrement;
             increment->IsDateTime = true;
             increment->Increment = 1.5;
             return increment;
         }},
        {"gradient",
         [&] {
             auto *editor = new TPlotGradientEditor;
             editor->LinkGradient(&gradient);
             return editor;
         }},
    };
    std::vector<std::unique_ptr<QWidget>> english;
    for (const auto &[name, make] : forms) {
        english.emplace_back(make());
        english.back()->show();
        visitEveryTab(*english.back());
    }
    PlotGerman::SelectGermanLanguage();
    for (std::size_t i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(forms[i].first);
        const std::unique_ptr<QWidget> german(forms[i].second());
        german->show();
        visitEveryTab(*german, [&] { checkEveryHotkeyApart(*german); });
        checkEveryHotkeyApart(*german);
        checkTranslated(*english[i], *german, 3);
    }
}

// What the editor says besides its captions: input errors, file dialog filters, the gradient
// presets, the OK buttons and the page number a tool draws on the chart.
TEST_F(EditorGerman, MessagesFiltersPresetsAndTheTextsToolsDrawAreGerman)
{
    // A tool made while the library is English, and a chart of five pages at page 2.
    auto *series = addLineSeries();
    for (int i = 5; i < 10; ++i)
        series->AddXY(i, i);
    chart->SetMaxPointsPerPage(2);
    chart->SetPage(2);
    ASSERT_EQ(chart->NumPages(), 5);
    chart->resize(400, 300);
    auto *pageNumber = new TPageNumTool(chart.get());
    pageNumber->SetParentChart(chart.get());
    const QString drawnEnglish = pageNumber->GetText();
    PlotGerman::SelectGermanLanguage();
    EXPECT_EQ(drawnEnglish, QStringLiteral("Page 2 of 5"));
    EXPECT_EQ(pageNumber->GetText(), QStringLiteral("Seite 2 von 5"));
    EXPECT_FALSE(pageNumber->IsFormatStored());
    // The chart shows what a tool with the German text written out shows.
    const QImage drawn = chart->grab().toImage();
    pageNumber->SetFormat(QStringLiteral("Seite %d von %d"));
    EXPECT_EQ(chart->grab().toImage(), drawn);
    pageNumber->SetFormat(QStringLiteral("Blatt %d/%d"));
    EXPECT_NE(chart->grab().toImage(), drawn);
    EXPECT_TRUE(pageNumber->IsFormatStored());

    // An input error names its reason in German.
    TAxisMaxMin limit;
    limit.MaxMin = 2.5;
    limit.show();
    EXPECT_EQ(limit.BOk->text(), QStringLiteral("OK"));
    limit.EMaximum->setText(QStringLiteral("abc"));
    limit.BOk->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Falscher Wert. Grund: Keine Zahl: abc"));

    // The picture dialog's filter.
    ScriptedDialogService dialogs;
    TFormPlotPanel panel(nullptr, chart.get());
    panel.show();
    PlotProcs::PlotTranslateControl(&panel);
    panel.findChild<QPushButton *>(QStringLiteral("BBrowseImage"))->click();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().first().filters, QStringList{QStringLiteral("Bilder")});

    // The preset named like the delimiter has a German name of its own.
    TPlotGradient gradient;
    TPlotGradientEditor editor;
    editor.LinkGradient(&gradient);
    editor.show();
    auto *presets = editor.findChild<QListWidget *>(QStringLiteral("Gallery"));
    ASSERT_NE(presets, nullptr);
    EXPECT_TRUE(presets->findItems(QStringLiteral("Space"), Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(presets->findItems(QStringLiteral("Weltraum"), Qt::MatchExactly).isEmpty());
    EXPECT_EQ(editor.findChild<QPushButton *>(QStringLiteral("BOk"))->text(), QStringLiteral("OK"));
}
