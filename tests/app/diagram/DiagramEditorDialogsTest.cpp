// The diagram's chart editor and the dialogs it opens, as a user meets them: colours shown as the
// curves are drawn, axis limits drawn at once, every way out but OK giving back what a dialog
// changed, dialogs centred on the editor and on the screen, the editor back where it was.
#include "app/diagram/TKurveDlg.h"

#include "chart/core/PlotColor.h"
#include "chart/core/TCustomPlotGradient.h"
#include "chart/core/TPlotShadow.h"
#include "chart/editor/SeriesColorBox.h"
#include "chart/editor/TAxisMaxMin.h"
#include "chart/editor/TBarSeriesEditor.h"
#include "chart/editor/TButtonPen.h"
#include "chart/editor/TChartGalleryPanel.h"
#include "chart/editor/TCustomSeriesEditor.h"
#include "chart/editor/TFormPlotAxis.h"
#include "chart/editor/TFormPlotLegend.h"
#include "chart/editor/TFormPlotPanel.h"
#include "chart/editor/TFormPlotShape.h"
#include "chart/editor/TFormPlotTitle.h"
#include "chart/editor/TPlotFontEditor.h"
#include "chart/editor/TFormPlotSeries.h"
#include "chart/editor/TGalleryChart.h"
#include "chart/editor/TPlotGallery.h"
#include "chart/engine/TChartAxis.h"
#include "chart/panel/PlotColorDialog.h"
#include "chart/panel/RangeValidator.h"
#include "chart/panel/TCustomPlotPanel.h"
#include "chart/panel/TPlotButton.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartTitle.h"
#include "chart/series/TChartLegend.h"
#include "chart/series/TCustomSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "DiagramEditorFixture.h"
#include "platform/SettingsStore.h"
#include "tests/chart/core/ScopedLocale.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTest>

#include <optional>

namespace {

// The colour the swatch of the button is filled with.
QColor swatchColour(TPlotButton &button)
{
    const TRect swatch = button.GetSwatchRect();
    return button.grab().toImage().pixelColor((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
}

int pixelsOf(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return n;
}

// The colour dialog answers OK without a change, and tells on which colour it opened.
class OkUnchangedColourDialog
{
public:
    OkUnchangedColourDialog()
    {
        PlotColorDialog::DialogHook() = [this](QWidget *, TColor color, QList<QColor> &) {
            opened = color;
            return std::optional<TColor>(answer.value_or(color));
        };
    }
    ~OkUnchangedColourDialog() { PlotColorDialog::DialogHook() = {}; }
    OkUnchangedColourDialog(const OkUnchangedColourDialog &) = delete;
    OkUnchangedColourDialog &operator=(const OkUnchangedColourDialog &) = delete;

    std::optional<TColor> opened;
    std::optional<TColor> answer; // another colour to pick instead
};

// The three ways out of a dialog that are not OK.
enum class WayOut { Cancel, Escape, TitleBar };
const WayOut kWaysOut[] = {WayOut::Cancel, WayOut::Escape, WayOut::TitleBar};

const char *wayName(WayOut way)
{
    return way == WayOut::Cancel ? "Abbrechen" : way == WayOut::Escape ? "Escape" : "title bar";
}

void leave(QDialog &dialog, WayOut way)
{
    switch (way) {
    case WayOut::Cancel: {
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("BCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_TRUE(cancel->isVisible());
        EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
        cancel->click();
        break;
    }
    case WayOut::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case WayOut::TitleBar:
        dialog.close();
        break;
    }
    EXPECT_FALSE(dialog.isVisible());
}

class DiagramEditorDialogs : public DiagramEditor
{
protected:
    // Changes the first curve through the gallery to the type of the tile with that title, OK.
    void changeFirstCurveTo(TChartEditForm &editor, const QString &tile)
    {
        changeFirstCurve(editor, [&](QDialog &dialog) {
            auto &gallery = static_cast<TPlotGallery &>(dialog);
            bool found = false;
            for (const auto &sample : gallery.ChartGalleryPanel1->Charts())
                if (sample->Title()->Text().join(QLatin1Char(' ')) == tile) {
                    gallery.ChartGalleryPanel1->SetSelectedChart(sample.get());
                    found = true;
                }
            EXPECT_TRUE(found) << tile.toStdString();
            gallery.BOk->click();
        });
    }

    // Changes the first curve to bars through the gallery and opens the series editor on them.
    TBarSeriesEditor *turnFirstCurveIntoBars(TChartEditForm &editor)
    {
        changeFirstCurveTo(editor, QStringLiteral("Balken"));
        auto *bars = qobject_cast<TBarSeries *>(window->Chart1->GetSeries(0));
        if (!bars)
            return nullptr;
        editor.EditSeriesPage(bars);
        return editor.SeriesForm() ? editor.SeriesForm()->TabFormat->findChild<TBarSeriesEditor *>() : nullptr;
    }

    TCustomSeriesEditor *curveFormat(TChartEditForm &editor)
    {
        return editor.SeriesForm() ? editor.SeriesForm()->TabFormat->findChild<TCustomSeriesEditor *>() : nullptr;
    }
};

} // namespace

TEST_F(DiagramEditorDialogs, EveryColourControlShowsTheCurvesDrawnColourAndOkUnchangedChangesNothing)
{
    OkUnchangedColourDialog colours;
    inEditor([&](TChartEditForm &editor) {
        TChart &chart = *window->Chart1;
        TChartSeries *curve = chart.GetSeries(0);
        ASSERT_EQ(curve->SeriesColor(), clPlotColor); // a colour of the palette
        const QColor drawn = PlotColor::toQColor(curve->Color());
        const QImage before = chart.grab().toImage();
        ASSERT_GT(pixelsOf(before, drawn), 100); // the curve

        TCustomSeriesEditor *format = curveFormat(editor);
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(swatchColour(*format->BColor), drawn);
        const auto expectUnchanged = [&](const char *where) {
            SCOPED_TRACE(where);
            EXPECT_EQ(colours.opened, curve->Color());
            EXPECT_EQ(curve->SeriesColor(), clPlotColor);
            EXPECT_EQ(chart.grab().toImage(), before);
            colours.opened.reset();
        };
        format->BColor->click();
        expectUnchanged("Format");
        QTest::mouseClick(editor.SeriesForm()->SeriesColor, Qt::LeftButton);
        expectUnchanged("the series editor's colour box");
        editor.Tree->setCurrentItem(editor.Tree->topLevelItem(0));
        editor.LBSeries->SetItemIndex(0);
        QTest::mouseDClick(editor.LBSeries->viewport(), Qt::LeftButton, {}, QPoint(26 + 16 + 13, 12));
        expectUnchanged("the series list");

        // A colour picked there is the curve's.
        colours.answer = 0x123456;
        editor.EditSeriesPage(curve);
        format = curveFormat(editor);
        ASSERT_NE(format, nullptr);
        format->BColor->click();
        EXPECT_EQ(curve->Color(), TColor(0x123456));
        EXPECT_GT(pixelsOf(chart.grab().toImage(), PlotColor::toQColor(0x123456)), 100);
        EXPECT_EQ(swatchColour(*format->BColor), PlotColor::toQColor(0x123456));
    });
}

TEST_F(DiagramEditorDialogs, TheBarEditorsColourIsTheBarsDrawnColour)
{
    OkUnchangedColourDialog colours;
    inEditor([&](TChartEditForm &editor) {
        TBarSeriesEditor *format = turnFirstCurveIntoBars(editor);
        ASSERT_NE(format, nullptr);
        TChart &chart = *window->Chart1;
        TChartSeries *bars = chart.GetSeries(0);
        ASSERT_EQ(bars->SeriesColor(), clPlotColor);
        const QImage before = chart.grab().toImage();
        EXPECT_GT(pixelsOf(before, PlotColor::toQColor(bars->Color())), 100);
        EXPECT_EQ(swatchColour(*format->BBarColor), PlotColor::toQColor(bars->Color()));
        format->BBarColor->click();
        EXPECT_EQ(colours.opened, bars->Color());
        EXPECT_EQ(bars->SeriesColor(), clPlotColor);
        EXPECT_EQ(chart.grab().toImage(), before);
    });
}

TEST_F(DiagramEditorDialogs, ACurveTurnedIntoAPieAndBackIsTheOriginalCurveAgain)
{
    // The round trip left the curve coloured point by point and without its legend symbol.
    inEditor([&](TChartEditForm &editor) {
        TChart &chart = *window->Chart1;
        const QImage original = chart.grab().toImage();
        const QColor drawn = PlotColor::toQColor(chart.GetSeries(0)->Color());
        const auto symbolPixels = [&](const QImage &shown) {
            const TRect r = chart.Legend()->Items().Item(0).SymbolRect;
            return pixelsOf(shown.copy(r.left, r.top, r.width(), r.height()), drawn);
        };
        ASSERT_GT(symbolPixels(original), 4);

        changeFirstCurveTo(editor, QStringLiteral("Kreis"));
        ASSERT_NE(qobject_cast<TPieSeries *>(chart.GetSeries(0)), nullptr);
        EXPECT_TRUE(chart.GetSeries(0)->ColorEachPoint());
        EXPECT_NE(chart.grab().toImage(), original);

        changeFirstCurveTo(editor, QStringLiteral("Linie"));
        auto *line = qobject_cast<TLineSeries *>(chart.GetSeries(0));
        ASSERT_NE(line, nullptr);
        editor.EditSeriesPage(line);
        TCustomSeriesEditor *format = curveFormat(editor);
        ASSERT_NE(format, nullptr);
        EXPECT_TRUE(format->CBColorEach->isVisible());
        EXPECT_FALSE(format->CBColorEach->isChecked());
        EXPECT_TRUE(format->BColor->isEnabled());
        const QImage back = chart.grab().toImage();
        EXPECT_GT(symbolPixels(back), 4);
        EXPECT_EQ(back, original);
    });
}

TEST_F(DiagramEditorDialogs, ALimitFromItsDialogIsDrawnAtOnceAndUnticksTheMainAutomatic)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    inEditor([&](TChartEditForm &editor) {
        auto *page = showPage<TFormPlotAxis>(editor, "Achse", cetAxis, true);
        ASSERT_NE(page, nullptr);
        TChart &chart = *window->Chart1;
        TChartAxis &axis = *chart.LeftAxis();
        chart.grab();
        ASSERT_TRUE(page->CBAutomatic->isChecked());
        const double seriesMaximum = axis.WorkMaximum();
        // Types the value, with three digits, into the dialog of "Ändern..." and presses OK; the
        // value as typed.
        const auto enterLimit = [&](QAbstractButton &button, double value) {
            const QString typed = QLocale().toString(value, 'g', 3);
            clickForDialog(button, [&](QDialog &dialog) {
                auto &entry = static_cast<TAxisMaxMin &>(dialog);
                entry.EMaximum->setText(typed);
                entry.BOk->click();
            });
            return QLocale().toDouble(typed);
        };
        const double limit = enterLimit(*page->BAxisMin, (axis.WorkMinimum() + seriesMaximum) / 2);
        ASSERT_GT(limit, 0.0);
        chart.grab();
        EXPECT_EQ(axis.WorkMinimum(), limit); // drawn from there at once
        EXPECT_EQ(axis.WorkMaximum(), seriesMaximum);
        EXPECT_FALSE(page->CBAutomatic->isChecked());
        EXPECT_FALSE(page->CBAutoMin->isChecked());
        EXPECT_TRUE(page->CBAutoMax->isChecked());

        // The maximum fixed by hand as well: the minimum stays.
        page->CBAutoMax->click();
        chart.grab();
        EXPECT_EQ(axis.WorkMinimum(), limit);
        EXPECT_FALSE(axis.AutomaticMaximum());
        // Both automatic again through the main box.
        page->CBAutomatic->click();
        chart.grab();
        EXPECT_TRUE(page->CBAutoMin->isChecked());
        EXPECT_TRUE(page->CBAutoMax->isChecked());
        EXPECT_LT(axis.WorkMinimum(), limit);

        // Unticking only the maximum's own box unticks the main one; the minimum follows the curves.
        page->CBAutoMax->click();
        EXPECT_FALSE(page->CBAutomatic->isChecked());
        EXPECT_TRUE(page->CBAutoMin->isChecked());
        const double maximum = enterLimit(*page->BAxisMax, seriesMaximum * 2);
        chart.grab();
        EXPECT_EQ(axis.WorkMaximum(), maximum);
        EXPECT_LT(axis.WorkMinimum(), limit);
        EXPECT_FALSE(page->CBAutomatic->isChecked());
    });
}

TEST_F(DiagramEditorDialogs, EveryWayOutOfTheBarsGradientGivesBackTheGradientAndTheStyle)
{
    inEditor([&](TChartEditForm &editor) {
        TBarSeriesEditor *format = turnFirstCurveIntoBars(editor);
        ASSERT_NE(format, nullptr);
        auto &bars = *qobject_cast<TBarSeries *>(window->Chart1->GetSeries(0));
        ASSERT_EQ(bars.BarStyle(), bsRectangle);
        const TCustomPlotGradient &gradient = *bars.Gradient();
        const bool visible = gradient.Visible();
        const TColor start = gradient.StartColor();
        const QImage before = window->Chart1->grab().toImage();
        for (const WayOut way : kWaysOut) {
            SCOPED_TRACE(wayName(way));
            clickForDialog(*format->BGradient, [&](QDialog &dialog) {
                EXPECT_EQ(bars.BarStyle(), bsRectGradient);
                auto *presets = dialog.findChild<QListWidget *>(QStringLiteral("Gallery"));
                ASSERT_NE(presets, nullptr);
                Q_EMIT presets->itemClicked(presets->item(0));
                EXPECT_NE(window->Chart1->grab().toImage(), before);
                leave(dialog, way);
            });
            EXPECT_EQ(bars.BarStyle(), bsRectangle);
            EXPECT_EQ(format->CBBarStyle->currentIndex(), int(bsRectangle));
            EXPECT_EQ(gradient.Visible(), visible);
            EXPECT_EQ(gradient.StartColor(), start);
            EXPECT_EQ(window->Chart1->grab().toImage(), before);
        }
    });
}

TEST_F(DiagramEditorDialogs, TheShadowDialogHasAbbrechenAndEveryWayOutGivesTheShadowBack)
{
    OkUnchangedColourDialog colours;
    colours.answer = 0x123456;
    inEditor([&](TChartEditForm &editor) {
        TCustomSeriesEditor *format = curveFormat(editor);
        ASSERT_NE(format, nullptr);
        const TPlotShadow &shadow = *qobject_cast<TCustomSeries *>(window->Chart1->GetSeries(0))->Shadow();
        const int size = shadow.HorizSize();
        const TColor colour = shadow.Color();
        for (const WayOut way : kWaysOut) {
            SCOPED_TRACE(wayName(way));
            clickForDialog(*format->BShadow, [&](QDialog &dialog) {
                auto *horizontal = dialog.findChild<QSpinBox *>(QStringLiteral("Edit1"));
                auto *pick = dialog.findChild<TButtonColor *>(QStringLiteral("BShadowColor"));
                ASSERT_NE(horizontal, nullptr);
                ASSERT_NE(pick, nullptr);
                horizontal->setValue(size + 7);
                pick->click();
                EXPECT_EQ(shadow.HorizSize(), size + 7);
                EXPECT_EQ(shadow.Color(), TColor(0x123456));
                leave(dialog, way);
            });
            EXPECT_EQ(shadow.HorizSize(), size);
            EXPECT_EQ(shadow.Color(), colour);
        }
        // OK keeps the change.
        clickForDialog(*format->BShadow, [&](QDialog &dialog) {
            dialog.findChild<QSpinBox *>(QStringLiteral("Edit1"))->setValue(size + 3);
            dialog.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
        });
        EXPECT_EQ(shadow.HorizSize(), size + 3);
    });
}

TEST_F(DiagramEditorDialogs, PenShadowIncrementAndFormatDialogsOpenCentredOnTheEditorAndOnTheScreen)
{
    inEditor([&](TChartEditForm &editor) {
        const QRect screen = editor.screen()->availableGeometry();
        // Each dialog, opened from its button, with the check made while it shows.
        const auto eachDialog = [&](const std::function<void(QDialog &)> &check) {
            TCustomSeriesEditor *format = curveFormat(editor);
            ASSERT_NE(format, nullptr);
            SCOPED_TRACE("pen");
            clickForDialog(*format->BLinePen, [&](QDialog &dialog) { check(dialog); dialog.reject(); });
            SCOPED_TRACE("shadow");
            clickForDialog(*format->BShadow, [&](QDialog &dialog) { check(dialog); dialog.reject(); });
            auto *axis = showPage<TFormPlotAxis>(editor, "Achse", cetAxis, true);
            ASSERT_NE(axis, nullptr);
            SCOPED_TRACE("increment");
            clickForDialog(*axis->BIncre, [&](QDialog &dialog) { check(dialog); dialog.reject(); });
            SCOPED_TRACE("number format");
            axis->PageAxis->setCurrentWidget(axis->TabLabels);
            axis->PageLabels->setCurrentIndex(1);
            clickForDialog(*axis->Button1, [&](QDialog &dialog) { check(dialog); dialog.reject(); });
            editor.EditSeriesPage(window->Chart1->GetSeries(0));
        };
        eachDialog([&](QDialog &dialog) {
            const QPoint offset = dialog.frameGeometry().center() - editor.frameGeometry().center();
            EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
            EXPECT_TRUE(screen.contains(dialog.frameGeometry()));
        });
        // The editor in the screen's lower right corner: the dialogs stay wholly on the screen.
        editor.move(screen.right() - editor.frameGeometry().width() / 3, screen.bottom() - 60);
        eachDialog([&](QDialog &dialog) {
            EXPECT_TRUE(screen.contains(dialog.frameGeometry()))
                << dialog.frameGeometry().x() << ", " << dialog.frameGeometry().y() << " "
                << dialog.frameGeometry().width() << " x " << dialog.frameGeometry().height();
        });
    });
}

TEST_F(DiagramEditorDialogs, TheEditorReopensWithItsFrameWhereItWasClosed)
{
    // A stored place is the frame's, title bar and border included (with room on the screen for
    // the editor grown to its German pages).
    SettingsStore store(QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor"));
    store.writeString(QStringLiteral("Left"), QStringLiteral("100"));
    store.writeString(QStringLiteral("Top"), QStringLiteral("150"));
    ASSERT_TRUE(store.flush());
    QRect closedFrame;
    QRect closedClient;
    inEditor([&](TChartEditForm &editor) {
        EXPECT_EQ(editor.frameGeometry().topLeft(), QPoint(100, 150));
        EXPECT_NE(editor.geometry().topLeft(), QPoint(100, 150));
        editor.move(60, 70);
        editor.resize(editor.width() + 40, 400);
        closedFrame = editor.frameGeometry();
        closedClient = editor.geometry();
    });
    // The platform reports a frame: the client lies inside it, lower by the title bar.
    ASSERT_NE(closedFrame.topLeft(), closedClient.topLeft());
    EXPECT_TRUE(settingsText().contains(QStringLiteral("Left=60\n")));
    EXPECT_TRUE(settingsText().contains(QStringLiteral("Top=70\n")));
    // Opened and closed again without a move, it stays there.
    for (int reopening = 1; reopening <= 3; ++reopening) {
        SCOPED_TRACE(reopening);
        inEditor([&](TChartEditForm &editor) {
            EXPECT_EQ(editor.frameGeometry(), closedFrame);
            EXPECT_EQ(editor.geometry(), closedClient);
        });
    }
}

TEST_F(DiagramEditorDialogs, AStoredPlaceOrSizeTheScreenCannotHoldOpensWhollyOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char *name;
        QString left, top, width;
        int clientWidth; // without the tree; 0: as wide as the screen allows
    } cases[] = {
        {"off the screen, too narrow", QStringLiteral("99999"), QStringLiteral("10"), QStringLiteral("50"), 100},
        {"wider than the screen", QStringLiteral("300"), QStringLiteral("20"), QString::number(screen.width() + 110), 0},
    };
    int keptWidth = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SettingsStore store(QStringLiteral("SOFTWARE\\Korvex\\Plot\\Editor"));
        store.writeString(QStringLiteral("Left"), c.left);
        store.writeString(QStringLiteral("Top"), c.top);
        store.writeString(QStringLiteral("Width"), c.width);
        store.writeString(QStringLiteral("TreeWidth"), QStringLiteral("99999999999"));
        ASSERT_TRUE(store.flush());
        inEditor([&](TChartEditForm &editor) {
            const QRect frame = editor.frameGeometry();
            EXPECT_TRUE(screen.contains(frame)) << frame.x() << ", " << frame.y() << " " << frame.width();
            EXPECT_EQ(editor.Tree->width(), 126);
            if (c.clientWidth > 0) {
                EXPECT_EQ(editor.width(), c.clientWidth + 126 + editor.TreeSplitter->handleWidth());
                EXPECT_EQ(frame.right(), screen.right());
            } else {
                EXPECT_EQ(frame.width(), screen.width());
            }
            EXPECT_EQ(frame.y(), c.top.toInt());
            keptWidth = editor.width() - 126 - editor.TreeSplitter->handleWidth();
        });
    }
    // The width it was shrunk to is the program's: the one the user gave stays stored.
    EXPECT_LT(keptWidth, screen.width());
    EXPECT_TRUE(settingsText().contains(QStringLiteral("\nWidth=%1\n").arg(screen.width() + 110))) << settingsText().toStdString();
}

// Values typed beyond a field's range were cut without a word (the legend's margin 10000 to 1000,
// the panel's separation and the legend's spacing 10000 to 100, a title of 2000 pt to 200), and at
// the kept values the plot vanished or the texts piled up: each field now says what it kept, and
// the diagram keeps a plot below its title and legend.
TEST_F(DiagramEditorDialogs, ANumberTypedBeyondAFieldsRangeIsHeldToItAndTheFieldSaysSo)
{
    pickSecondCurve();
    inEditor([&](TChartEditForm &editor) {
        TChart &chart = *window->Chart1;
        const int titleSize = chart.Title()->Font()->Size();
        // Opens the field where the user meets it and runs the steps on it.
        using Field = std::function<void(const std::function<void(QWidget &)> &)>;
        const auto onPage = [&](TChartEditorTab tab, auto pick) -> Field {
            return [&, tab, pick](const std::function<void(QWidget &)> &steps) {
                editor.ShowTab(tab);
                steps(*pick(editor.Page(tab)));
            };
        };
        const auto inDialog = [&](auto button, auto pick) -> Field {
            return [&, button, pick](const std::function<void(QWidget &)> &steps) {
                clickForDialog(*button(), [&](QDialog &dialog) {
                    QCoreApplication::processEvents(); // the dialog's fields are set up once it shows
                    steps(*pick(dialog));
                    if (dialog.isVisible())
                        dialog.reject();
                });
            };
        };
        const auto legendPage = [](QWidget *page, bool position) {
            auto *legend = qobject_cast<TFormPlotLegend *>(page);
            legend->PageControl1->setCurrentWidget(position ? legend->TabPosition : legend->TabStyle);
            return position ? legend->UDMargin : legend->UDVertSpacing;
        };
        const struct {
            const char *field;
            Field open;
            const char *typed;
            int kept;
            std::function<int()> stored;
            const char *says;
        } rows[] = {
            {"Rand", onPage(cetLegend, [&](QWidget *p) { return legendPage(p, true); }), "10000", 1000,
             [&] { return chart.Legend()->VertMargin(); }, "10000 liegt außerhalb von -1000 bis 1000: 1000 bleibt\nBereich: -1000 bis 1000"},
            {"Vert. Abstand", onPage(cetLegend, [&](QWidget *p) { return legendPage(p, false); }), "10000", 100,
             [&] { return chart.Legend()->VertSpacing(); }, "10000 liegt außerhalb von -10 bis 100: 100 bleibt\nBereich: -10 bis 100"},
            {"Abstand",
             onPage(cetPanel,
                    [](QWidget *p) {
                        auto *panel = qobject_cast<TFormPlotPanel *>(p);
                        panel->PageControl1->setCurrentWidget(panel->TabBorders);
                        panel->UDPanelWi->setValue(100); // the bevel of the diagram that piled up
                        return panel->UDPanelBor;
                    }),
             "10000", 100, [&] { return chart.BorderWidth(); }, "10000 liegt außerhalb von 0 bis 100: 100 bleibt\nBereich: 0 bis 100"},
            {"Breite",
             inDialog([&] { return editor.SeriesForm()->TabFormat->findChild<TCustomSeriesEditor *>()->BLinePen; },
                      [](QDialog &d) { return d.findChild<QSpinBox *>(QStringLiteral("SEWidth")); }),
             "5000", 1000, [&] { return qobject_cast<TCustomSeries *>(chart.GetSeries(0))->LinePen()->Width(); },
             "5000 liegt außerhalb von 1 bis 1000: 1000 bleibt\nBereich: 1 bis 1000"},
            {"Schriftgrad",
             inDialog(
                 [&] {
                     editor.ShowTab(cetTitles);
                     return qobject_cast<TFormPlotTitle *>(editor.Page(cetTitles))->ShapeEditor->FontEditor->Button3;
                 },
                 [](QDialog &d) -> QWidget * {
                     for (QLineEdit *edit : d.findChildren<QLineEdit *>())
                         if (qobject_cast<const RangeValidator *>(edit->validator()))
                             return edit;
                     return &d;
                 }),
             "2000", 100, [&] { return chart.Title()->Font()->Size(); }, "2000 liegt außerhalb von 1 bis 100: 100 bleibt\nBereich: 1 bis 100"},
        };
        for (const auto &row : rows) {
            SCOPED_TRACE(row.field);
            row.open([&](QWidget &field) {
                ASSERT_NE(qobject_cast<QLineEdit *>(&field) || qobject_cast<QSpinBox *>(&field), false);
                if (auto *spin = qobject_cast<QSpinBox *>(&field))
                    spin->selectAll();
                else
                    static_cast<QLineEdit &>(field).selectAll();
                QTest::keyClicks(&field, QString::fromLatin1(row.typed));
                // A dialog's field is left by Enter, which is its OK; a page's field as the focus
                // leaves it (Enter there is the editor's own key).
                auto *spin = qobject_cast<QSpinBox *>(&field);
                if (spin && field.window() == editor.window())
                    spin->interpretText();
                else
                    QTest::keyClick(&field, Qt::Key_Return);
                EXPECT_EQ(field.toolTip(), QString::fromUtf8(row.says));
            });
            EXPECT_EQ(row.stored(), row.kept);
            // At the kept value the plot keeps its room, below the title and the legend.
            chart.grab();
            const TRect bounds = chart.ChartBounds;
            const TRect plot = chart.ChartRect;
            EXPECT_GE(plot.height(), TCustomPlotPanel::MinPlotExtent(bounds.height()) / 2);
            EXPECT_GE(plot.width(), TCustomPlotPanel::MinPlotExtent(bounds.width()) / 2);
            EXPECT_LE(chart.Title()->ShapeBounds().bottom, chart.Legend()->ShapeBounds().top);
            EXPECT_LE(chart.Legend()->ShapeBounds().bottom, plot.top);
            chart.Legend()->SetVertMargin(0);
            chart.Legend()->SetVertSpacing(0);
            chart.SetBorderWidth(0);
            chart.SetBevelWidth(1);
            qobject_cast<TCustomSeries *>(chart.GetSeries(0))->LinePen()->SetWidth(1);
            chart.Title()->Font()->SetSize(titleSize);
        }
    });
}
