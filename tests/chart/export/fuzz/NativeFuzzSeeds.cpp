// Writes the seed corpora of the native chart file fuzz targets: our own saves of a few charts (one
// with a back image), binary (without the 8 header bytes) and text, with and without their points,
// the damaged files kept for replay, picks of a line and a value for the values target, and the
// charts' EMF and WMF exports and the kept metafiles for the metafile target.
#include "NativeChartFile.h"
#include "NativeFuzzSupport.h"
#include "TEMFExportFormat.h"
#include "TChart.h"
#include "TLineSeries.h"
#include "TPieSeries.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<TChart>> seedCharts()
{
    std::vector<std::unique_ptr<TChart>> charts;
    charts.push_back(std::make_unique<TChart>());
    auto lines = std::make_unique<TChart>();
    auto *a = lines->AddSeriesOfClass<TLineSeries>();
    a->setObjectName(QStringLiteral("SeriesA"));
    a->SetTitle(QStringLiteral("Water \u00B0C"));
    a->FillSampleValues(8);
    auto *fed = lines->AddSeriesOfClass<TLineSeries>();
    fed->SetDataSource(a);
    lines->AddSeriesOfClass<TLineSeries>()->SetCustomVertAxis(lines->AddCustomAxis());
    lines->SetColorPaletteIndex(3);
    charts.push_back(std::move(lines));
    auto pie = std::make_unique<TChart>();
    pie->AddSeriesOfClass<TPieSeries>()->FillSampleValues(5);
    charts.push_back(std::move(pie));
    auto pictured = std::make_unique<TChart>();
    QImage back(4, 3, QImage::Format_ARGB32);
    back.fill(qRgb(200, 120, 40));
    pictured->BackImage()->SetGraphic(back);
    charts.push_back(std::move(pictured));
    return charts;
}

bool writeSeed(const QString &folder, int number, const QByteArray &bytes)
{
    QFile file(QDir(folder).filePath(QStringLiteral("seed%1").arg(number)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A kept binary file seeds the binary target without its header, a text file the text target.
bool writeRegressSeeds(const QString &binary, const QString &text, int &number)
{
    const QByteArray header = QByteArray::fromHex("6030570154504630");
    const QDir dir(QStringLiteral(NATIVE_REGRESS_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("*.plot")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        ++number;
        const bool written = bytes.startsWith(header) ? writeSeed(binary, number, bytes.mid(header.size()))
                                                      : writeSeed(text, number, bytes);
        if (!written)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: native_fuzz_seeds CORPUS_FOLDER\n", stderr);
        return 2;
    }
    startChartLibraries(&argc, &argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString binary = root + QStringLiteral("/native_binary");
    const QString text = root + QStringLiteral("/native_text");
    if (!QDir().mkpath(binary) || !QDir().mkpath(text))
        return 1;
    int number = 0;
    for (const auto &chart : seedCharts()) {
        for (const bool data : {false, true}) {
            ++number;
            if (!writeSeed(binary, number, SaveChartToBytes(*chart, data, false).mid(8))
                || !writeSeed(text, number, SaveChartToBytes(*chart, data, true)))
                return 1;
        }
    }
    // The values target: a line number (two bytes) and a pick from its table, spread over the file.
    const QString values = root + QStringLiteral("/native_values");
    if (!QDir().mkpath(values))
        return 1;
    for (int k = 0; k < 96; ++k) {
        const int line = k * 41;
        const char pick[] = {char(line & 0xFF), char(line >> 8), char(k % 32)};
        if (!writeSeed(values, ++number, QByteArray(pick, sizeof pick)))
            return 1;
    }
    const QString metafiles = root + QStringLiteral("/metafile");
    if (!QDir().mkpath(metafiles))
        return 1;
    for (const auto &chart : seedCharts()) {
        TEMFExportFormat format;
        format.SetPanel(chart.get());
        format.SetWidth(160);
        format.SetHeight(120);
        for (const bool enhanced : {true, false}) {
            format.SetEnhanced(enhanced);
            if (!writeSeed(metafiles, ++number, format.SaveToBytes()))
                return 1;
        }
    }
    // The metafiles that ever broke the reader.
    const QDir kept(QStringLiteral(METAFILE_REGRESS_DIR));
    for (const QString &name : kept.entryList({QStringLiteral("*.emf"), QStringLiteral("*.wmf")}, QDir::Files)) {
        QFile file(kept.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || !writeSeed(metafiles, ++number, file.readAll()))
            return 1;
    }
    return writeRegressSeeds(binary, text, number) ? 0 : 1;
}
