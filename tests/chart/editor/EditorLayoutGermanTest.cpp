// The chart editor in German at its default size: every page and tab lays out to its texts, and
// each label sits by the control it names.
#include "EditorTestSetup.h"
#include "EnglishLibrary.h"
#include "ScopedLocale.h"

#include "PlotGerman.h"
#include "TAreaSeries.h"
#include "TAxisMaxMin.h"
#include "TBarSeries.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TLineSeries.h"
#include "TPieSeries.h"
#include "TPlotButton.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A label this far from its control no longer reads as its caption.
constexpr int kBuddyDistance = 8;
// A push button's frame on either side of its caption.
constexpr int kButtonTextRoom = 6;

class EditorLayoutGerman : public EditorChartTest
{
protected:
    void SetUp() override { PlotGerman::SelectGermanLanguage(); }
    void TearDown() override { restoreEnglishLibrary(); }
};

void settle()
{
    // The layouts take new texts and shown tabs in posted events.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// A label's text is beside its control (their middles level) or directly above it: the text, not
// the label, which a layout may make far taller than its line.
bool byItsControl(const QLabel &label, const QWidget &buddy)
{
    const QSize text = label.fontMetrics().size(Qt::TextShowMnemonic, label.text());
    const QRect drawn = QStyle::alignedRect(label.layoutDirection(), label.alignment(), text, label.contentsRect());
    const QRect l(label.mapTo(label.window(), drawn.topLeft()), drawn.size());
    const QRect b(buddy.mapTo(buddy.window(), QPoint()), buddy.size());
    const bool beside = std::abs(l.center().y() - b.center().y()) <= kBuddyDistance;
    const bool above = l.bottom() <= b.top() && b.top() - l.bottom() <= kBuddyDistance;
    return beside || above;
}

// Checks every visible text of the window: it is as wide as it asks to be; a line edit's number
// shows whole; a label with a control sits by it. Returns how many were checked.
int expectTextsFit(const QWidget &window, const std::string &where)
{
    settle();
    int checked = 0;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const std::string name = where + ": " + widget->objectName().toStdString();
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            ++checked;
            const int room = edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) - 4;

            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), room) << name << " \"" << edit->text().toStdString() << '"';
            continue;
        }
        if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            // The chosen item shows whole ("Autom" for "Automatisch" was cut).
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            if (!combo->currentText().isEmpty()) {
                ++checked;
                EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->currentText()), field.width())
                    << name << " \"" << combo->currentText().toStdString() << '"';
            }
            continue;
        }
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            text = label->text();
            if (label->buddy() && label->buddy()->isVisible()) {
                EXPECT_TRUE(byItsControl(*label, *label->buddy()))
                    << name << " \"" << text.toStdString() << "\" far from " << label->buddy()->objectName().toStdString();
            }
        } else if (const auto *swatched = qobject_cast<const TPlotButton *>(widget)) {
            // A button with a colour, pen or gradient swatch: its caption is drawn clear of the
            // swatch and shows whole ("3D-Verlauf..." ran under its swatch).
            const QString caption = swatched->text().remove(QLatin1Char('&'));
            const TRect swatch = swatched->GetSwatchRect();
            const QRect drawn = swatched->CaptionRect();
            ++checked;
            EXPECT_LT(drawn.right(), swatch.left) << name;
            EXPECT_LE(swatched->fontMetrics().horizontalAdvance(caption), drawn.width()) << name << " \"" << caption.toStdString() << '"';
            continue;
        } else if (const auto *push = qobject_cast<const QPushButton *>(widget)) {
            // A push button may be narrower than the style's least width ("..."), never than its text.
            const QString caption = push->text().remove(QLatin1Char('&'));
            if (!caption.isEmpty()) {
                ++checked;
                EXPECT_LE(push->fontMetrics().horizontalAdvance(caption) + kButtonTextRoom, push->width())
                    << name << " \"" << caption.toStdString() << '"';
            }
            continue;
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            text = button->text();
        } else {
            continue;
        }
        if (text.isEmpty())
            continue;
        ++checked;
        EXPECT_LE(widget->sizeHint().width(), widget->width()) << name << " \"" << text.toStdString() << '"';
    }
    return checked;
}

// Shows every tab of every page control under the widget, the nested ones too, and checks each.
void visitEveryTab(QWidget &window, QTabWidget &tabs, const std::string &where)
{
    for (int i = 0; i < tabs.count(); ++i) {
        tabs.setCurrentIndex(i);
        settle();
        const std::string page = where + " > " + tabs.tabText(i).remove(QLatin1Char('&')).toStdString();
        EXPECT_GT(expectTextsFit(window, page), 0) << page;
        for (QTabWidget *inner : tabs.widget(i)->findChildren<QTabWidget *>())
            if (inner->isVisible() && inner->parentWidget() && !qobject_cast<QTabWidget *>(inner->parentWidget()))
                visitEveryTab(window, *inner, page);
    }
}

} // namespace

TEST_F(EditorLayoutGerman, EveryPageLaysOutToItsGermanTextsAtTheDefaultSize)
{
    using Maker = std::function<TChartSeries *(TChart &)>;
    const std::pair<const char *, Maker> types[] = {
        {"line", [](TChart &c) { return c.AddSeriesOfClass<TLineSeries>(); }},
        {"area", [](TChart &c) { return c.AddSeriesOfClass<TAreaSeries>(); }},
        {"bar", [](TChart &c) { return c.AddSeriesOfClass<TBarSeries>(); }},
        {"pie", [](TChart &c) { return c.AddSeriesOfClass<TPieSeries>(); }}};
    for (const auto &[name, make] : types) {
        SCOPED_TRACE(name);
        TChartSeries *series = make(*chart);
        series->FillSampleValues(5);
        TChartEditForm form;
        form.SetChart(chart.get());
        form.show();
        settle();
        visitEveryTab(form, *form.MainPage, name);
        form.EditSeriesPage(series);
        visitEveryTab(form, *form.MainPage, std::string(name) + " series");
        delete series;
    }
}

TEST_F(EditorLayoutGerman, TheAxisLimitDialogShowsALongNumberWhole)
{
    const ScopedLocale german(QLocale(QLocale::German));
    TAxisMaxMin limit;
    limit.MaxMin = 4.95642485556585e-9;
    limit.show();
    EXPECT_GT(expectTextsFit(limit, "limit"), 2);
    EXPECT_EQ(limit.EMaximum->text(), QStringLiteral("4,95642485556585E-9"));
}
