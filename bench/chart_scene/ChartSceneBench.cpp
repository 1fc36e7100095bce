// Full redraws of the chart benchmark scene, printed as tab-separated rows beside a plain QPainter
// reference measured in the same run. Messages go to standard error only.
#include "ChartLibrary.h"
#include "ChartRows.h"
#include "SceneOptions.h"
#include "SceneRows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Timing
{
    int reps = 0;
    double medianMs = 0.0;
    double minMs = 0.0;
    double maxMs = 0.0;
};

// Two untimed warm-ups, then up to maxReps draws or the budget, at least three.
Timing measure(SceneRow &row, const SceneOptions &options)
{
    for (int i = 0; i < 2; ++i) {
        row.beforeDraw();
        row.draw();
    }
    std::vector<double> ms;
    QElapsedTimer budget;
    budget.start();
    const qint64 budgetNs = qint64(options.budgetSeconds * 1e9);
    while (ms.size() < 3 || (int(ms.size()) < options.maxReps && budget.nsecsElapsed() < budgetNs)) {
        row.beforeDraw();
        QElapsedTimer timer;
        timer.start();
        row.draw();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    Timing t;
    t.reps = int(n);
    t.medianMs = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2.0;
    t.minMs = ms.front();
    t.maxMs = ms.back();
    return t;
}

void report(SceneRow &row, const SceneData &data, bool antialiased, const SceneOptions &options)
{
    if (!options.only.isEmpty() && row.variant() != options.only && row.variant() != QLatin1String("qpainter-polyline"))
        return;
    const Timing t = measure(row, options);
    const QByteArray variant = row.variant().toUtf8();
    std::printf("tensimo-chart\t%s\t%s\t%d\t%d\t%d\t%.3f\t%.3f\t%.3f\n", variant.constData(),
                antialiased ? "aa" : "noaa", data.pointCount, data.seriesCount, t.reps, t.medianMs, t.minMs, t.maxMs);
    std::fflush(stdout);
    if (options.outDir.isEmpty())
        return;
    const QString file = QStringLiteral("%1/%2-%3-%4.png")
                             .arg(options.outDir, row.variant(), antialiased ? QStringLiteral("aa") : QStringLiteral("noaa"))
                             .arg(data.pointCount);
    if (!row.image().save(file))
        std::fprintf(stderr, "chart_scene_bench: cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString message;
    const std::optional<SceneOptions> options = SceneOptions::parse(app.arguments().mid(1), message);
    if (!options) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(message), qPrintable(SceneOptions::usage()));
        return 2;
    }
    if (!options->outDir.isEmpty() && !QDir().mkpath(options->outDir)) {
        std::fprintf(stderr, "chart_scene_bench: cannot create %s\n", qPrintable(options->outDir));
        return 1;
    }
    registerChartLibrary();
    std::printf("tool\tvariant\taa\tN\tseries\treps\tmedian_ms\tmin_ms\tmax_ms\n");
    for (const int n : options->pointCounts) {
        const SceneData data(n);
        for (const bool antialiased : options->antialiased) {
            ChartRow line(QStringLiteral("line"), data, {.antialiased = antialiased});
            // One untimed draw lays the chart out: the reference draws into its plot area.
            line.draw();
            PolylineRow reference(data, line.plotRect(), antialiased);
            report(reference, data, antialiased, *options);
            report(line, data, antialiased, *options);
            ChartRow columnsOff(QStringLiteral("line-columns-off"), data,
                                {.antialiased = antialiased, .columnsOff = true});
            report(columnsOff, data, antialiased, *options);
            ChartRow afterAxisChange(QStringLiteral("line-after-axis-change"), data,
                                     {.antialiased = antialiased, .axisChange = true});
            report(afterAxisChange, data, antialiased, *options);
            ChartRow fastLine(QStringLiteral("fastline"), data,
                              {.kind = ChartRowSetup::FastLine, .antialiased = antialiased});
            report(fastLine, data, antialiased, *options);
            ChartRow fastLineColumns(QStringLiteral("fastline-columns"), data,
                                     {.kind = ChartRowSetup::FastLineColumns, .antialiased = antialiased});
            report(fastLineColumns, data, antialiased, *options);
            if (n != 10000)
                continue;
            ChartRow pointers(QStringLiteral("line-pointers"), data, {.antialiased = antialiased, .pointers = true});
            report(pointers, data, antialiased, *options);
            ChartRow view3D(QStringLiteral("line-3d"), data, {.antialiased = antialiased, .view3D = true});
            report(view3D, data, antialiased, *options);
        }
    }
    return 0;
}
