// The lines of the measured-values file as its window lists them.
#include "app/data/MeasuredValuesFile.h"

#include "app/core/RecordFields.h"
#include "app/data/SubstanceDatabase.h"

QStringList measuredValueLines(const QStringList &fileLines, QChar languageLetter)
{
    QStringList kept;
    for (qsizetype i = kMeasuredValuesHeaderLines; i < fileLines.size(); ++i) {
        if (!getField(fileLines.at(i), kMeasuredValuesSourceField).isEmpty())
            kept.append(fileLines.at(i));
    }
    return sortByName(kept, languageLetter);
}
