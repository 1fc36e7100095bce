// Speed of the diagram window: one rebuild of its curves as a unit change or the picker runs it
// (each substance selected in the main window, its curve computed and handed to the chart) and
// the chart's redraw offscreen, for five substances of the shipped database at 250 and at
// 100 000 points.
#include "app/diagram/TKurveDlg.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "chart/series/TChart.h"
#include "platform/GuardedApplication.h"

#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The program's main window on the shipped data files beside this executable.
TForm1 *mainWindow = nullptr;

const QStringList kSubstances{QStringLiteral("Wasser"), QStringLiteral("Ethanol"), QStringLiteral("Methanol"),
                              QStringLiteral("Aceton"), QStringLiteral("Benzol")};

// The main list's lines of the five substances, as the picker holds them.
QStringList pickedLines()
{
    QStringList lines;
    for (const QString &name : kSubstances) {
        for (int row = 0; row < mainWindow->ListBox1->count(); ++row) {
            const QString line = mainWindow->ListBox1->item(row)->text();
            if (line.section(u'\t', 0, 0) == name) {
                lines.append(line);
                break;
            }
        }
    }
    return lines;
}

// Shows the diagram window with the five curves at state.range(0) points each; false (and the
// benchmark skipped) when the shipped database lacks one of them.
bool showFiveCurves(benchmark::State &state)
{
    const QStringList lines = pickedLines();
    if (lines.size() != kSubstances.size()) {
        state.SkipWithError("the shipped database lacks a substance");
        return false;
    }
    // The window reads the point count when it is shown.
    mainWindow->settingsDialog()->Edit1->setText(QString::number(state.range(0)));
    TKurveDlg &window = *mainWindow->diagramWindow();
    window.show();
    TMeddazuDlg &picker = *mainWindow->mediumPicker();
    picker.ListBox2->clear();
    picker.ListBox2->addItems(lines);
    window.DrawDiagram();
    return true;
}

void closeFiveCurves(benchmark::State &state)
{
    TKurveDlg &window = *mainWindow->diagramWindow();
    if (window.Chart1->SeriesCount() != kSubstances.size() || window.pointCount() != state.range(0))
        state.SkipWithError("the window drew other curves");
    state.SetItemsProcessed(state.iterations() * kSubstances.size() * state.range(0));
    window.reject();
}

// The chart keeps its last picture until something changes; Invalidate throws it away.
void redraw(const TKurveDlg &window)
{
    window.Chart1->Invalidate();
    const QPixmap drawn = window.Chart1->grab();
    benchmark::DoNotOptimize(drawn.cacheKey());
}

// The curves computed afresh and drawn.
void windowRebuild(benchmark::State &state)
{
    if (!showFiveCurves(state))
        return;
    TKurveDlg &window = *mainWindow->diagramWindow();
    for (auto _ : state) {
        window.DrawDiagram();
        redraw(window);
    }
    closeFiveCurves(state);
}
BENCHMARK(windowRebuild)->Arg(250)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same curves drawn again, to tell the chart's share from the calculation's.
void windowRedraw(benchmark::State &state)
{
    if (!showFiveCurves(state))
        return;
    const TKurveDlg &window = *mainWindow->diagramWindow();
    for (auto _ : state)
        redraw(window);
    closeFiveCurves(state);
}
BENCHMARK(windowRedraw)->Arg(250)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    GuardedApplication::setApplicationName(QStringLiteral("Tensimo"));
    GuardedApplication::setOrganizationName(QStringLiteral("Korvex"));
    // The user's own settings stay untouched.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    setUpChartLibrary();
    const auto form = std::make_unique<TForm1>();
    if (!form->started())
        return 1;
    form->show();
    mainWindow = form.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    mainWindow = nullptr;
    return 0;
}
