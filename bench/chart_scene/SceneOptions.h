// Command-line options of the chart scene benchmark: reps=N budget=SECONDS n=N aa=0|1 out=DIR
// only=VARIANT.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct SceneOptions
{
    int maxReps = 20;
    double budgetSeconds = 8.0;
    std::vector<int> pointCounts{1000, 10000, 100000, 1000000};
    std::vector<bool> antialiased{false, true};
    QString outDir; // empty: no images
    QString only;   // empty: every variant; else that one beside the reference (for profiles)

    // None when an option is unknown or its value is not allowed; the message says which.
    static std::optional<SceneOptions> parse(const QStringList &arguments, QString &message);
    static QString usage();
};
