// Parsing of the benchmark's name=value options.
#include "SceneOptions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const int kSceneSizes[] = {1000, 10000, 100000, 1000000};

} // namespace

QString SceneOptions::usage()
{
    return QStringLiteral("usage: chart_scene_bench [reps=N] [budget=SECONDS] [n=1000|10000|100000|1000000] "
                          "[aa=0|1] [out=DIR] [only=VARIANT]");
}

std::optional<SceneOptions> SceneOptions::parse(const QStringList &arguments, QString &message)
{
    SceneOptions options;
    for (const QString &argument : arguments) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const QString value = equals < 0 ? QString() : argument.mid(equals + 1);
        bool ok = equals > 0;
        if (ok && name == QLatin1String("reps")) {
            const int reps = value.toInt(&ok);
            ok = ok && reps > 0;
            options.maxReps = reps;
        } else if (ok && name == QLatin1String("budget")) {
            const double seconds = value.toDouble(&ok);
            ok = ok && std::isfinite(seconds) && seconds > 0.0;
            options.budgetSeconds = seconds;
        } else if (ok && name == QLatin1String("n")) {
            const int n = value.toInt(&ok);
            ok = ok && std::find(std::begin(kSceneSizes), std::end(kSceneSizes), n) != std::end(kSceneSizes);
            options.pointCounts = {n};
        } else if (ok && name == QLatin1String("aa")) {
            ok = value == QLatin1String("0") || value == QLatin1String("1");
            options.antialiased = {value == QLatin1String("1")};
        } else if (ok && name == QLatin1String("out")) {
            ok = !value.isEmpty();
            options.outDir = value;
        } else if (ok && name == QLatin1String("only")) {
            ok = !value.isEmpty();
            options.only = value;
        } else {
            ok = false;
        }
        if (!ok) {
            message = QStringLiteral("chart_scene_bench: bad option \"%1\"").arg(argument);
            return std::nullopt;
        }
    }
    return options;
}
