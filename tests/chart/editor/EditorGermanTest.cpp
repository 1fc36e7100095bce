// The chart editor form and the series editor in German: every fixed text translated, hotkeys
// apart, the user's texts and the cursor names left alone.
#include "EditorTestSetup.h"

#include "PlotConst.h"
#include "PlotGerman.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TFormPlotSeries.h"
#include "TLineSeries.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

class EditorGerman : public EditorChartTest
{
protected:
    void TearDown() override
    {
        PlotTranslate::PlotCurrentLanguage = nullptr;
        PlotTranslate::PlotHotkeyAfterText = false;
        PlotConst::SetLibraryMessages();
    }
};

bool userTexts(const QWidget *widget)
{
    for (const QObject *o = widget; o; o = o->parent()) {
        if (o->property(PlotTranslate::kUserTextsProperty).toBool())
            return true;
    }
    return false;
}

// The fixed texts of a form by the widget that shows them.
QMap<QString, QString> fixedTexts(const QWidget &form)
{
    QMap<QString, QString> texts;
    for (const QWidget *w : form.findChildren<QWidget *>()) {
        if (userTexts(w) || w->objectName().isEmpty())
            continue;
        const QString name = w->objectName();
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            texts.insert(name, button->text());
        else if (auto *label = qobject_cast<const QLabel *>(w))
            texts.insert(name, label->text());
        else if (auto *box = qobject_cast<const QGroupBox *>(w))
            texts.insert(name, box->title());
        else if (auto *tabs = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(name + QLatin1Char('/') + QString::number(i), tabs->tabText(i));
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.insert(name + QLatin1Char('#') + QString::number(i), combo->itemText(i));
        }
    }
    return texts;
}

void checkTranslated(const QWidget &english, const QWidget &german)
{
    // Words German writes as English does.
    const QSet<QString> shared{QStringLiteral("Format"), QStringLiteral("3D"), QStringLiteral("+"), QStringLiteral("-"),
                               QStringLiteral("..."), QStringLiteral("Label"), QStringLiteral("Legend")};
    const QMap<QString, QString> before = fixedTexts(english);
    const QMap<QString, QString> after = fixedTexts(german);
    int compared = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString() + " " + it.value().toStdString());
        const QString bare = QString(it.value()).remove(QLatin1Char('&'));
        if (bare.isEmpty() || shared.contains(bare) || !after.contains(it.key()))
            continue;
        ++compared;
        EXPECT_NE(after.value(it.key()).toStdString(), it.value().toStdString()) << "kept its English text";
    }
    EXPECT_GT(compared, 20);
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

} // namespace

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
    EXPECT_EQ(germanSeries.PageSeries->tabText(1), QStringLiteral("Allgemein"));
    checkTranslated(english, german);
    checkTranslated(englishSeries, germanSeries);
    for (QWidget *page : {german.TabSeriesList, germanSeries.TabGeneral, germanSeries.TabStyle, germanSeries.TabArrows,
                          germanSeries.TabDataSource}) {
        SCOPED_TRACE(page->objectName().toStdString());
        checkHotkeysApart(*page);
    }
    EXPECT_EQ(germanSeries.CBSeries->itemText(0), QStringLiteral("Wasser"));
    // The cursor names are the program's: "Default" is listed and stores no cursor.
    const int item = germanSeries.CBCursor->findText(QStringLiteral("Default"));
    ASSERT_GE(item, 0);
    chart->GetSeries(0)->SetCursor(-21);
    germanSeries.PageSeries->setCurrentWidget(germanSeries.TabGeneral);
    germanSeries.CBCursor->setCurrentIndex(item);
    Q_EMIT germanSeries.CBCursor->activated(item);
    EXPECT_EQ(chart->GetSeries(0)->Cursor(), 0);
}
