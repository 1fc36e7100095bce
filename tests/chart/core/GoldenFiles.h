// Golden files of the chart tests: call logs as text, whole passes as PNG images under tests/data/chart/.
#pragma once

#include <QImage>
#include <QString>

// Compares text with tests/data/chart/<name>, byte for byte; UPDATE_GOLDEN=1 rewrites the file.
void expectMatchesGolden(const QString &actual, const QString &name);

// How far a rendered picture may stray from its golden image: a pixel differs when one of its
// channels differs by more than `channel`; the picture matches when at most `fraction` of its
// pixels differ. Glyph edges of another font rasteriser pass; a missing line or a shifted curve
// does not. Pictures of different sizes never match.
struct ImageTolerance
{
    int channel = 0;
    double fraction = 0.0;
};
// The tolerance of whole rendered charts with text.
inline constexpr ImageTolerance kChartImageTolerance{48, 0.002};

// Pixels of a and b whose channels differ by more than the tolerance; -1 when the sizes differ.
int countDifferingPixels(const QImage &a, const QImage &b, int channelTolerance);
bool imagesMatch(const QImage &actual, const QImage &expected, const ImageTolerance &tolerance);

// Compares an image with tests/data/chart/<name> (a PNG) bit for bit, or within the tolerance when
// one is given; UPDATE_GOLDEN=1 rewrites it.
// A mismatch writes <name>.actual.png and <name>.diff.png (differing pixels red on grey) into
// the build folder's test-output directory and names them in the failure.
void expectMatchesGoldenImage(const QImage &actual, const QString &name, const ImageTolerance &tolerance = {});
