// Golden files of the chart tests: call logs as text, whole passes as PNG images under tests/data/chart/.
#pragma once

#include <QImage>
#include <QString>

// Compares text with tests/data/chart/<name>, byte for byte; UPDATE_GOLDEN=1 rewrites the file.
void expectMatchesGolden(const QString &actual, const QString &name);

// Compares an image with tests/data/chart/<name> (a PNG) bit for bit; UPDATE_GOLDEN=1 rewrites it.
// A mismatch writes <name>.actual.png and <name>.diff.png (differing pixels red on grey) into
// the build folder's test-output directory and names them in the failure.
void expectMatchesGoldenImage(const QImage &actual, const QString &name);
