// Writes the seed corpora of the three GIF fuzz targets: files and code streams from our own encoders,
// and the hand-made damaged streams of the tests.
#include "GIFOutput.h"
#include "GifAnimationSupport.h"
#include "TGIFApplicationExtension.h"
#include "TGIFGraphicControlExtension.h"
#include "TGIFImage.h"
#include "TGIFTextExtension.h"
#include "TLZWEncoder.h"
#include "TRLEEncoder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <random>

namespace {

void writeSeed(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

std::vector<std::uint8_t> pixels(std::mt19937 &rng, int count, int bits)
{
    std::vector<std::uint8_t> p(std::size_t(count), 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = rng() % 3 == 0 ? std::uint8_t(rng() % (1u << bits)) : (i ? p[i - 1] : 0);
    return p;
}

QByteArray codeStream(int compression, const std::vector<std::uint8_t> &p, int bits, int width, int height, bool interlaced)
{
    GIFOutput out;
    if (compression == gcLZW)
        TLZWEncoder().Compress(out, bits, width, height, interlaced, p.data(), 1 << bits);
    else
        TRLEEncoder().Compress(out, bits, width, height, interlaced, p.data(), 1 << bits);
    return QByteArray(reinterpret_cast<const char *>(out.Bytes().data()), qsizetype(out.Bytes().size()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    std::mt19937 rng(1);
    int n = 0;
    for (const int compression : {gcLZW, gcRLE}) {
        for (const int bits : {1, 2, 4, 8}) {
            for (const bool interlaced : {false, true}) {
                const int width = 1 + int(rng() % 40);
                const int height = 1 + int(rng() % 30);
                const std::vector<std::uint8_t> p = pixels(rng, width * height, bits);
                TGIFImage image;
                image.SetCompression(compression);
                TGIFSubImage &frame = image.Add(TGIFSubImage(&image));
                frame.SetBounds(0, 0, width, height);
                frame.SetInterlaced(interlaced);
                TGIFPalette palette;
                for (int i = 0; i < (1 << bits); ++i)
                    palette.push_back({std::uint8_t(i), std::uint8_t(i * 3), std::uint8_t(i * 7)});
                frame.ColorMap().ImportPalette(palette);
                std::copy(p.begin(), p.end(), frame.Data());
                if (n % 2) {
                    auto control = std::make_unique<TGIFGraphicControlExtension>(&frame);
                    control->SetDelay(7);
                    control->SetTransparent(true);
                    frame.AddExtension(std::move(control));
                    auto comment = std::make_unique<TGIFCommentExtension>(&frame);
                    comment->Text().push_back("seed");
                    frame.AddExtension(std::move(comment));
                    frame.AddExtension(std::make_unique<TGIFAppExtNSLoop>(&frame));
                }
                const QString name = QStringLiteral("seed%1").arg(n++);
                writeSeed(root + QStringLiteral("/load"), name, image.SaveToData());
                const QByteArray data = codeStream(compression, p, bits, width, height, interlaced);
                writeSeed(root + QStringLiteral("/lzw"), name, data);
                QByteArray shaped;
                shaped.append(char(width - 1));
                shaped.append(char(height - 1));
                shaped.append(char(interlaced ? 1 : 0));
                writeSeed(root + QStringLiteral("/roundtrip"), name, shaped + data);
            }
        }
    }
    // The hand-made damaged cases: bad code sizes, codes past the table, a huge descriptor.
    const QByteArray hostile[] = {
        QByteArray("\x00\x02\x44\x01\x00", 5),
        QByteArray("\x0C\x02\x44\x01\x00", 5),
        QByteArray("\xFF\x02\x44\x01\x00", 5),
        QByteArray("\x02\x02\x8C\x0D\x00", 5),
        QByteArray("\x03\x01\x0D\x00", 4),
    };
    for (const QByteArray &data : hostile) {
        writeSeed(root + QStringLiteral("/lzw"), QStringLiteral("hostile%1").arg(n), data);
        writeSeed(root + QStringLiteral("/roundtrip"), QStringLiteral("hostile%1").arg(n), QByteArray("\x07\x07\x00", 3) + data);
        ++n;
    }
    writeSeed(root + QStringLiteral("/load"), QStringLiteral("huge"),
              QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x2C\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x00\x02\x01\x44\x00\x3B", 26));
    // Animations for the paint target: every disposal value, transparency, delays and loop counts.
    for (int disposal = 0; disposal < 8; ++disposal) {
        for (const int loops : {-1, 0, 3}) {
            std::vector<GifTest::FrameSpec> frames = {
                {QRect(0, 0, 6, 5), 1, disposal, 0},
                {QRect(2, 1, 3, 3), 2, (disposal + 1) % 8, 65535, 0},
                {QRect(1, 1, 2, 2), 3, (disposal + 2) % 8, 7, 3},
            };
            writeSeed(root + QStringLiteral("/paint"), QStringLiteral("animation%1").arg(n++),
                      GifTest::animation(QSize(6, 5), frames, loops));
        }
    }
    return 0;
}
