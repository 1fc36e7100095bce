// Opens the chart editor on a real display ROUNDS times, as a user would reopen it, and writes
// per round "round N frame X Y W H client W H area X Y W H" to stdout once the window manager
// framed it. "--move X Y W H" moves the frame and sizes the window in the first round before it
// closes ("moved ..." follows); "--german" shows the editor in German; "--pages" shows every
// page of the Chart tab first, as a user looking through them. The settings are the
// user's of the environment (XDG_CONFIG_HOME).
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "PlotGerman.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartEditor.h"
#include "TLineSeries.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

void report(const char *what, int round, const TChartEditForm &form)
{
    const QRect f = form.frameGeometry();
    const QRect a = form.screen()->availableGeometry();
    std::printf("%s %d frame %d %d %d %d client %d %d area %d %d %d %d\n", what, round, f.x(), f.y(), f.width(),
                f.height(), form.width(), form.height(), a.x(), a.y(), a.width(), a.height());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const int rounds = arguments.value(1).toInt();
    std::optional<QRect> move;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--move")); at > 0 && at + 4 < arguments.size())
        move = QRect(arguments[at + 1].toInt(), arguments[at + 2].toInt(), arguments[at + 3].toInt(),
                     arguments[at + 4].toInt());
    const bool pages = arguments.contains(QStringLiteral("--pages"));
    registerChartLibrary();
    registerChartEditor();
    if (arguments.contains(QStringLiteral("--german")))
        PlotGerman::SelectGermanLanguage();

    TChart chart;
    chart.setObjectName(QStringLiteral("Chart1"));
    chart.AddSeriesOfClass<TLineSeries>()->FillSampleValues(5);
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        TChartEditor editor;
        editor.SetChart(&chart);
        editor.RememberPosition = true;
        QObject::connect(&editor, &TChartEditor::OnShow, [&](QWidget *shown) {
            QTimer::singleShot(0, shown, [&, shown] {
                auto &form = *qobject_cast<TChartEditForm *>(shown);
                if (!QTest::qWaitFor([&] { return form.frameGeometry() != form.geometry(); }, 5000)) {
                    std::printf("unframed %d\n", round);
                    ++failures;
                }
                if (pages) {
                    for (int i = 0; i < form.SubPage->count(); ++i) {
                        form.SubPage->setCurrentIndex(i);
                        QTest::qWait(20);
                    }
                    form.SubPage->setCurrentIndex(0);
                }
                QTest::qWait(300); // the window manager's last word on the place
                report("round", round, form);
                if (round == 0 && move) {
                    form.move(move->topLeft());
                    form.resize(move->size());
                    QTest::qWaitFor([&] { return form.pos() == move->topLeft() && form.size() == move->size(); }, 3000);
                    QTest::qWait(300);
                    report("moved", round, form);
                }
                form.BClose->click();
            });
        });
        editor.Execute();
    }
    return failures == 0 ? 0 : 1;
}
