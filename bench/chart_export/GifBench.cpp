// GIF codec speed on a 1920 x 1080 chart-like picture: reduction with Floyd-Steinberg, LZW and RLE encoding,
// decoding; beside it, in the same run, gifsicle, ImageMagick and (when built with it) giflib.
#include "BenchScene.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "LzwDecoder.h"
#include "ReduceColors.h"
#include "TGIFImage.h"
#include "TLZWEncoder.h"
#include "TRLEEncoder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSet>

#include <benchmark/benchmark.h>

#include <cstring>

#ifdef TENSIMO_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The five series of the chart benchmark scene (N = 10 000, y from -1100 to 1500), 1-pixel lines over a
// vertical gradient.
QImage chartPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient background(0, 0, 0, kHeight);
    // Stops chosen so that the background alone holds about 600 colours.
    background.setColorAt(0, QColor(255, 255, 255));
    background.setColorAt(0.25, QColor(150, 190, 230));
    background.setColorAt(0.5, QColor(240, 235, 200));
    background.setColorAt(0.75, QColor(140, 170, 120));
    background.setColorAt(1, QColor(230, 230, 250));
    painter.fillRect(image.rect(), background);
    constexpr int n = 10000;
    for (int k = 0; k < BenchScene::kSeriesCount; ++k) {
        painter.setPen(QPen(QColor(QRgb(BenchScene::kRgb[k])), 1));
        QPolygonF line;
        for (int i = 0; i < n; ++i) {
            const double y = BenchScene::value(k, i);
            line << QPointF(i * (kWidth - 1.0) / (n - 1), (1500 - y) * (kHeight - 1.0) / 2600);
        }
        painter.drawPolyline(line);
    }
    return image;
}

struct Fixture
{
    Fixture()
    {
        picture = chartPicture();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                colours.insert(picture.pixel(x, y));
        reduced = ReduceColors(picture, rmQuantize, dmFloydSteinberg, 8, {});
        for (int y = 0; y < kHeight; ++y)
            indices.insert(indices.end(), reduced.constScanLine(y), reduced.constScanLine(y) + kWidth);
        TGIFImage image;
        image.SetColorReduction(rmNone);
        image.Assign(reduced);
        lzwFile = image.SaveToData();
        image.SetCompression(gcRLE);
        rleFile = image.SaveToData();
        const QImage rgb = reduced.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < kHeight; ++y)
            reducedRgb.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), 3 * kWidth);
        const QImage original = picture.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < kHeight; ++y)
            originalRgb.append(reinterpret_cast<const char *>(original.constScanLine(y)), 3 * kWidth);
    }
    QImage picture;
    QSet<QRgb> colours;
    QImage reduced;
    std::vector<std::uint8_t> indices;
    QByteArray lzwFile;
    QByteArray rleFile;
    QByteArray reducedRgb;
    QByteArray originalRgb;
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void Reduce(benchmark::State &state)
{
    const Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReduceColors(f.picture, int(state.range(0)), dmFloydSteinberg, 8, {}));
    state.counters["colours_in"] = double(f.colours.size());
}
BENCHMARK(Reduce)->Arg(rmQuantize)->Arg(rmQuantizeWindows)->Arg(rmNetscape)->Unit(benchmark::kMillisecond);

template <typename Encoder>
void Encode(benchmark::State &state)
{
    const Fixture &f = fixture();
    std::size_t bytes = 0;
    for (auto _ : state) {
        GIFOutput out;
        Encoder().Compress(out, 8, kWidth, kHeight, false, f.indices.data(), 256);
        bytes = out.Bytes().size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK_TEMPLATE(Encode, TLZWEncoder)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(Encode, TRLEEncoder)->Unit(benchmark::kMillisecond);

void Decode(benchmark::State &state)
{
    const Fixture &f = fixture();
    const QByteArray &file = state.range(0) ? f.rleFile : f.lzwFile;
    for (auto _ : state) {
        TGIFImage image;
        image.LoadFromData(reinterpret_cast<const std::uint8_t *>(file.constData()), file.size());
        benchmark::DoNotOptimize(image.Images(0).ConstData());
    }
    state.counters["file_bytes"] = double(file.size());
}
BENCHMARK(Decode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Wall time of a tool on the input, less the same tool on a 1 x 1 input: process start-up drops out.
double runSeconds(const QString &program, const QStringList &arguments, const QByteArray &input, QByteArray *output = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (output)
        *output = process.readAllStandardOutput();
    return timer.nsecsElapsed() * 1e-9;
}

void External(benchmark::State &state, const QString &program, QStringList big, QStringList small,
              const QByteArray &input, const QByteArray &tiny)
{
    QByteArray out;
    for (auto _ : state) {
        const double full = runSeconds(program, big, input, &out);
        const double startUp = runSeconds(program, small, tiny);
        state.SetIterationTime(std::max(0.0, full - startUp));
    }
    state.counters["out_bytes"] = double(out.size());
}

QByteArray tinyGif()
{
    TGIFImage image;
    image.SetColorReduction(rmNone);
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::white);
    image.Assign(one);
    return image.SaveToData();
}

const QString size = QStringLiteral("%1x%2").arg(kWidth).arg(kHeight);

void GifsicleReencode(benchmark::State &state)
{
    External(state, QStringLiteral("gifsicle"), {QStringLiteral("-O1")}, {QStringLiteral("-O1")}, fixture().lzwFile, tinyGif());
}
BENCHMARK(GifsicleReencode)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void MagickEncode(benchmark::State &state)
{
    External(state, QStringLiteral("convert"), {QStringLiteral("-size"), size, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-"), QStringLiteral("gif:-")},
             {QStringLiteral("-size"), QStringLiteral("1x1"), QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-"), QStringLiteral("gif:-")},
             fixture().reducedRgb, QByteArray(3, '\xFF'));
}
BENCHMARK(MagickEncode)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void MagickDecode(benchmark::State &state)
{
    External(state, QStringLiteral("convert"), {QStringLiteral("gif:-"), QStringLiteral("rgb:-")},
             {QStringLiteral("gif:-"), QStringLiteral("rgb:-")}, fixture().lzwFile, tinyGif());
}
BENCHMARK(MagickDecode)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void MagickReduceFloydSteinberg(benchmark::State &state)
{
    const QStringList common = {QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("rgb:-"),
                                QStringLiteral("-dither"), QStringLiteral("FloydSteinberg"), QStringLiteral("-colors"),
                                QStringLiteral("256"), QStringLiteral("gif:-")};
    External(state, QStringLiteral("convert"), QStringList{QStringLiteral("-size"), size} + common,
             QStringList{QStringLiteral("-size"), QStringLiteral("1x1")} + common, fixture().originalRgb, QByteArray(3, '\xFF'));
}
BENCHMARK(MagickReduceFloydSteinberg)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

#ifdef TENSIMO_HAVE_GIFLIB
struct GiflibBuffer
{
    const QByteArray *input = nullptr;
    qsizetype position = 0;
    QByteArray output;
};

int giflibRead(GifFileType *file, GifByteType *buffer, int size)
{
    auto *b = static_cast<GiflibBuffer *>(file->UserData);
    const int n = int(std::min<qsizetype>(size, b->input->size() - b->position));
    std::memcpy(buffer, b->input->constData() + b->position, std::size_t(n));
    b->position += n;
    return n;
}

int giflibWrite(GifFileType *file, const GifByteType *buffer, int size)
{
    static_cast<GiflibBuffer *>(file->UserData)->output.append(reinterpret_cast<const char *>(buffer), size);
    return size;
}

void GiflibDecode(benchmark::State &state)
{
    for (auto _ : state) {
        GiflibBuffer buffer;
        buffer.input = &fixture().lzwFile;
        int error = 0;
        GifFileType *file = DGifOpen(&buffer, giflibRead, &error);
        if (!file || DGifSlurp(file) != GIF_OK)
            state.SkipWithError("giflib cannot read the file");
        if (file)
            DGifCloseFile(file, &error);
    }
}
BENCHMARK(GiflibDecode)->Unit(benchmark::kMillisecond);

void GiflibEncode(benchmark::State &state)
{
    const Fixture &f = fixture();
    const QList<QRgb> table = f.reduced.colorTable();
    std::size_t bytes = 0;
    for (auto _ : state) {
        GiflibBuffer buffer;
        int error = 0;
        GifFileType *file = EGifOpen(&buffer, giflibWrite, &error);
        file->SWidth = kWidth;
        file->SHeight = kHeight;
        file->SColorResolution = 8;
        std::vector<GifColorType> colours(256);
        for (int i = 0; i < int(table.size()); ++i)
            colours[std::size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])), GifByteType(qBlue(table[i]))};
        file->SColorMap = GifMakeMapObject(256, colours.data());
        SavedImage *image = GifMakeSavedImage(file, nullptr);
        image->ImageDesc = {0, 0, kWidth, kHeight, false, nullptr};
        image->RasterBits = static_cast<GifByteType *>(std::malloc(f.indices.size()));
        std::memcpy(image->RasterBits, f.indices.data(), f.indices.size());
        if (EGifSpew(file) != GIF_OK)
            state.SkipWithError("giflib cannot write the file");
        bytes = std::size_t(buffer.output.size());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(GiflibEncode)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
