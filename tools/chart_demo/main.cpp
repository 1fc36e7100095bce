// A small program that shows the chart component: the same chart in 2D and in 3D. With
// "--screenshot FILE" it zooms the 2D chart by a mouse drag, moves the mouse over it and saves it
// as a picture, then ends.
#include "ChartLibrary.h"
#include "DemoCharts.h"
#include "TChart.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QTextStream>
#include <QWidget>

namespace {

void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
    QApplication::processEvents();
}

// What a user does first: drags a rectangle to zoom in, then points at the curve.
void zoomAndPoint(QWidget &chart)
{
    const QPoint from(190, 70), to(430, 300), pointAt(330, 150);
    sendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    sendMouse(chart, QEvent::MouseMove, pointAt, Qt::NoButton, Qt::NoButton);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerChartLibrary();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tensimo chart demo"));
    auto *layout = new QHBoxLayout(&window);
    auto *flat = new TChart(&window);
    auto *deep = new TChart(&window);
    for (TChart *chart : {flat, deep}) {
        chart->setMinimumSize(560, 380);
        layout->addWidget(chart);
    }
    DemoCharts::fill(*flat, false);
    DemoCharts::fill(*deep, true);

    const QStringList args = app.arguments();
    const qsizetype option = args.indexOf(QStringLiteral("--screenshot"));
    if (option >= 0) {
        if (option + 1 >= args.size()) {
            QTextStream(stderr) << "usage: chart_demo [--screenshot FILE]\n";
            return 2;
        }
        window.resize(1160, 420);
        window.show();
        // A real display maps the window some time after show(): mouse events sent before it is
        // exposed and the chart drawn once reach a chart without axes and zoom nothing.
        if (!QTest::qWaitForWindowExposed(&window, 10000)) {
            QTextStream(stderr) << "the window was never shown\n";
            return 1;
        }
        flat->repaint();
        zoomAndPoint(*flat);
        if (!flat->grab().save(args[option + 1])) {
            QTextStream(stderr) << "cannot write " << args[option + 1] << '\n';
            return 1;
        }
        return 0;
    }
    window.show();
    return app.exec();
}
