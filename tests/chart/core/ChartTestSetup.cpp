// Test set-up helpers.
#include "ChartTestSetup.h"

#include <QFont>
#include <QFontDatabase>

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

void registerTestFont()
{
    static const bool done = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(TENSIMO_TEST_DATA_DIR "/chart/DejaVuSans.ttf"));
        if (id >= 0) {
            const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
            QFont::insertSubstitution(QStringLiteral("Arial"), family);
            QFont::insertSubstitution(QStringLiteral("Courier New"), family);
        }
        return true;
    }();
    Q_UNUSED(done);
}

ScreenPass::ScreenPass(int width, int height, bool view3D_)
    : image(whiteImage(width, height))
    , gui(&image)
    , bounds{0, 0, width, height}
    , view3D(view3D_)
{
    registerTestFont();
    canvas.SetBuffered(false);
}

void ScreenPass::begin(int depth)
{
    canvas.InitWindow(&gui, &options, clWhite, view3D, bounds);
    canvas.CalcProjection(depth, bounds);
}
