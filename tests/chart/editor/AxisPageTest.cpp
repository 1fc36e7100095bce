// The Axis page and its limit dialog on a chart of line series.
#include "DialogDriver.h"
#include "EditorTestSetup.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "ScopedLocale.h"
#include "TAxisMaxMin.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartEditForm.h"
#include "TFormPlotAxis.h"
#include "TLineSeries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

class AxisPage : public EditorChartTest
{
protected:
    AxisPage()
    {
        addLineSeries();
        chart->LeftAxis()->RecalcMinMax();
    }

    TFormPlotAxis &page()
    {
        if (!m_page) {
            m_page = std::make_unique<TFormPlotAxis>(nullptr, chart.get(), chart->LeftAxis());
            m_page->show();
        }
        return *m_page;
    }

    // Types a text into the limit dialog of the minimum or maximum and presses OK; true when the
    // dialog closed by it.
    bool enterLimit(bool maximum, const QString &text, QString *shownLabel = nullptr)
    {
        bool closed = false;
        whenModalShows([&](QDialog &dialog) {
            auto &form = static_cast<TAxisMaxMin &>(dialog);
            if (shownLabel)
                *shownLabel = form.LabelDate->text() + QLatin1Char('|') +
                              (form.EMinimum->isVisible() ? QStringLiteral("time") : QString()) +
                              (form.EMaximum->isVisible() ? QStringLiteral("date") : QString());
            (form.EMaximum->isVisible() ? form.EMaximum : form.EMinimum)->setText(text);
            form.BOk->click();
            closed = !form.isVisible();
            if (!closed)
                form.reject();
        });
        (maximum ? page().BAxisMax : page().BAxisMin)->click();
        return closed;
    }

    std::unique_ptr<TFormPlotAxis> m_page;
};

} // namespace

TEST_F(AxisPage, LogBaseKeepsItsValueForTextsThatAreNoBase)
{
    struct Typed {
        const char *text;
        double base;
        int messages;
    };
    const Typed cases[] = {{"1", 10, 0}, {"0", 10, 0}, {"nan", 10, 0}, {"inf", 10, 0},
                           {"1e999", 10, 0}, {"-2", 10, 1}, {"2", 2, 0}};
    EXPECT_FALSE(page().ELogBase->isEnabled());
    page().CBLogarithmic->click();
    ASSERT_TRUE(chart->LeftAxis()->Logarithmic());
    EXPECT_TRUE(page().ELogBase->isEnabled());
    for (const Typed &typed : cases) {
        SCOPED_TRACE(typed.text);
        chart->LeftAxis()->SetLogarithmicBase(10);
        messages.clear();
        page().ELogBase->setText(QString::fromLatin1(typed.text));
        Q_EMIT page().ELogBase->textEdited(page().ELogBase->text());
        EXPECT_EQ(chart->LeftAxis()->LogarithmicBase(), typed.base);
        EXPECT_EQ(messages.shown().size(), typed.messages);
    }
    page().CBLogarithmic->click();
    EXPECT_FALSE(page().ELogBase->isEnabled());
}

TEST_F(AxisPage, StandardAxesOfferNoDeleteSideOrOrientationAndDepthAxesNoLogScale)
{
    page().PageAxis->setCurrentWidget(page().TabPosition);
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        page().LBAxes->setCurrentRow(row);
        EXPECT_EQ(page().TheAxis(), chart->Axes()[row]);
        EXPECT_FALSE(page().BDelete->isEnabled());
        EXPECT_FALSE(page().CBOtherSide->isEnabled());
        EXPECT_FALSE(page().CBHorizAxis->isEnabled());
    }
    page().PageAxis->setCurrentWidget(page().TabScales);
    for (int row = 0; row < 6; ++row) {
        page().LBAxes->setCurrentRow(row);
        EXPECT_EQ(page().CBLogarithmic->isEnabled(), row < 4) << row;
    }
    page().BAdd->click();
    ASSERT_EQ(chart->CustomAxisCount(), 1);
    ASSERT_EQ(page().LBAxes->count(), 7);
    EXPECT_EQ(page().LBAxes->item(6)->text(), QStringLiteral("Custom 0"));
    EXPECT_EQ(page().LBAxes->currentRow(), 6);
    EXPECT_TRUE(page().BDelete->isEnabled());
    page().PageAxis->setCurrentWidget(page().TabPosition);
    EXPECT_TRUE(page().CBHorizAxis->isEnabled());
    page().CBHorizAxis->click();
    EXPECT_TRUE(chart->Axes()[6]->Horizontal());
    page().BDelete->click();
    EXPECT_EQ(chart->CustomAxisCount(), 0);
    EXPECT_EQ(page().LBAxes->count(), 6);
    EXPECT_EQ(page().TheAxis(), chart->Axes()[5]);
}

TEST_F(AxisPage, StartAtOrAboveEndSnapsBack)
{
    chart->LeftAxis()->SetEndPosition(60);
    page().PageAxis->setCurrentWidget(page().TabPosition);
    for (int start : {60, 80}) {
        page().UDStart->setValue(start);
        EXPECT_EQ(chart->LeftAxis()->StartPosition(), 0);
        EXPECT_EQ(page().UDStart->value(), 0);
    }
    page().UDStart->setValue(59);
    EXPECT_EQ(chart->LeftAxis()->StartPosition(), 59);
    page().UDEnd->setValue(59);
    EXPECT_EQ(chart->LeftAxis()->EndPosition(), 60);
    EXPECT_EQ(page().UDEnd->value(), 60);
}

TEST_F(AxisPage, MinimumIsTypedInTheLocaleAndRefusalsKeepAutoAndTheDialog)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    QString shown;
    ASSERT_TRUE(enterLimit(false, QStringLiteral("0,5"), &shown));
    EXPECT_EQ(shown, QStringLiteral("Value:|date"));
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0.5);
    EXPECT_FALSE(chart->LeftAxis()->AutomaticMinimum());
    EXPECT_FALSE(page().CBAutoMin->isChecked());

    messages.clear();
    EXPECT_FALSE(enterLimit(true, QStringLiteral("x")));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().first().text.startsWith(QStringLiteral("Incorrect value. Reason: ")));

    messages.clear();
    const double maximum = chart->LeftAxis()->Maximum();
    ASSERT_TRUE(enterLimit(false, QLocale().toString(maximum + 100)));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 0.5);
    EXPECT_TRUE(chart->LeftAxis()->AutomaticMaximum());
    EXPECT_TRUE(page().CBAutoMax->isChecked());
}

TEST_F(AxisPage, DateTimeMaximumBelowADayIsShownAndEnteredAsATime)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    chart->GetSeries(0)->YValues()->SetDateTime(true);
    chart->LeftAxis()->SetMinMax(0, 0.5);
    chart->LeftAxis()->SetAutomatic(false);
    EXPECT_EQ(page().LAxisMax->text(), QStringLiteral("12:00:00"));
    QString shown;
    ASSERT_TRUE(enterLimit(true, QStringLiteral("18:00"), &shown));
    EXPECT_EQ(shown.section(QLatin1Char('|'), 1), QStringLiteral("time"));
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 0.75);
    EXPECT_EQ(page().LAxisMax->text(), QStringLiteral("18:00:00"));
}

TEST_F(AxisPage, IncrementShowsAsTheAxisLabelsIt)
{
    const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    chart->LeftAxis()->SetAxisValuesFormat(QStringLiteral("0.00"));
    chart->LeftAxis()->SetIncrement(0.001);
    EXPECT_EQ(page().LAxisIncre->text(), PlotFormat::FloatToStr(0.001));
    chart->GetSeries(0)->YValues()->SetDateTime(true);
    chart->LeftAxis()->SetIncrement(1);
    chart->LeftAxis()->SetExactDateTime(true);
    page().PageAxisChange();
    EXPECT_EQ(page().LAxisIncre->text(), QStringLiteral("One Day"));
    chart->LeftAxis()->SetExactDateTime(false);
    page().PageAxisChange();
    EXPECT_EQ(page().LAxisIncre->text(), QStringLiteral("24:00:00"));
}

TEST_F(AxisPage, TypedNumberFormatIsStoredAndStaysInTheList)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    page().PageAxis->setCurrentWidget(page().TabLabels);
    page().PageLabels->setCurrentIndex(1);
    EXPECT_EQ(page().LabelAxisFormat->text(), QStringLiteral("Values For&mat:"));
    EXPECT_EQ(page().CBFormat->currentText(), QStringLiteral("#.##0,###"));
    page().CBFormat->setCurrentText(QStringLiteral("0,0000 bar"));
    EXPECT_EQ(chart->LeftAxis()->AxisValuesFormat(), QStringLiteral("0.0000 bar"));
    page().PageAxis->setCurrentWidget(page().TabScales);
    chart->LeftAxis()->SetAxisValuesFormat(QStringLiteral("0.0"));
    page().PageAxis->setCurrentWidget(page().TabLabels);
    EXPECT_GE(page().CBFormat->findText(QStringLiteral("0,0000 bar")), 0);
    EXPECT_EQ(page().CBFormat->currentText(), QStringLiteral("0,0"));
}

TEST_F(AxisPage, TheLocalesDateFormatsOfferedForDatesLabelAsTheLocaleWritesDates)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    chart->GetSeries(0)->YValues()->SetDateTime(true);
    chart->LeftAxis()->SetMinMax(45370, 45380);
    chart->LeftAxis()->SetAutomatic(false);
    page().PageAxis->setCurrentWidget(page().TabLabels);
    page().PageLabels->setCurrentIndex(1);
    // The short and the long date come first; 45371.4375 is Wednesday, 20 March 2024, 10:30.
    const QLocale::FormatType types[] = {QLocale::ShortFormat, QLocale::LongFormat};
    ASSERT_GE(page().CBFormat->count(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(page().CBFormat->itemText(i).toStdString());
        EXPECT_EQ(PlotFormat::FormatDateTime(page().CBFormat->itemText(i), 45371.4375),
                  QLocale().toString(QDate(2024, 3, 20), types[i]));
    }
}

TEST_F(AxisPage, InTheEditorsTreeAnAddedAxisGetsItsNodeAtOnceAndARemovedOneLosesIt)
{
    TChartEditForm form;
    form.SetChart(chart.get());
    form.SetTreeMode(true);
    const auto axisNode = [&form]() -> QTreeWidgetItem * {
        const QList<QTreeWidgetItem *> found =
            form.Tree->findItems(QStringLiteral("Axis"), Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    };
    const auto childTexts = [](const QTreeWidgetItem *node) {
        QStringList texts;
        for (int i = 0; i < node->childCount(); ++i)
            texts << node->child(i)->text(0);
        return texts;
    };
    bool checked = false;
    QTimer::singleShot(0, &form, [&] {
        QTreeWidgetItem *node = axisNode();
        ASSERT_NE(node, nullptr);
        ASSERT_EQ(node->childCount(), 6);
        form.Tree->setCurrentItem(node->child(0));
        auto *axisPage = qobject_cast<TFormPlotAxis *>(form.Page(cetAxis));
        ASSERT_NE(axisPage, nullptr);
        axisPage->BAdd->click();
        ASSERT_EQ(chart->CustomAxisCount(), 1);
        node = axisNode();
        ASSERT_NE(node, nullptr);
        ASSERT_EQ(node->childCount(), 7);
        EXPECT_EQ(node->child(6)->text(0), QStringLiteral("Custom 0"));
        EXPECT_EQ(axisPage->TheAxis(), chart->CustomAxis(0));
        form.Tree->setCurrentItem(node->child(0));
        EXPECT_EQ(axisPage->TheAxis(), chart->LeftAxis());
        form.Tree->setCurrentItem(axisNode()->child(6));
        EXPECT_EQ(axisPage->TheAxis(), chart->CustomAxis(0));
        axisPage->BDelete->click();
        EXPECT_EQ(chart->CustomAxisCount(), 0);
        node = axisNode();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(childTexts(node), (QStringList{QStringLiteral("Left Axis"), QStringLiteral("Right Axis"),
                                                 QStringLiteral("Top Axis"), QStringLiteral("Bottom Axis"),
                                                 QStringLiteral("Depth Right"), QStringLiteral("Depth Top")}));
        // Every node left edits a live axis.
        for (int i = 0; i < node->childCount(); ++i) {
            form.Tree->setCurrentItem(node->child(i));
            EXPECT_EQ(axisPage->TheAxis(), chart->Axes()[i]);
        }
        checked = true;
        form.BClose->click();
    });
    form.exec();
    EXPECT_TRUE(checked);
}
