// A small program that shows the chart component: the same chart in 2D and in 3D. With
// "--screenshot FILE" it saves the 2D chart as a picture and ends.
#include "ChartLibrary.h"
#include "DemoCharts.h"
#include "TChart.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

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
        QApplication::processEvents();
        if (!flat->grab().save(args[option + 1])) {
            QTextStream(stderr) << "cannot write " << args[option + 1] << '\n';
            return 1;
        }
        return 0;
    }
    window.show();
    return app.exec();
}
