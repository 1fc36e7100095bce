// The chart editor commands of the demo.
#include "EditorCommands.h"

#include "TChart.h"
#include "TChartEditForm.h"
#include "TChartEditor.h"
#include "TChartSeries.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

namespace EditorCommands {

namespace {

// The modal dialog that shows next gets the steps, which close it.
void whenModalShows(QObject *context, std::function<void(QDialog &)> steps)
{
    QTimer::singleShot(0, context, [steps = std::move(steps)] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            steps(*dialog);
    });
}

} // namespace

void editChart(TChart &chart)
{
    TChartEditor editor;
    editor.SetChart(&chart);
    editor.Execute();
}

int runEditorCommand(const QStringList &arguments, TChart &chart)
{
    const qsizetype edit = arguments.indexOf(QStringLiteral("--edit"));
    if (edit < 0)
        return -1;
    const qsizetype shot = arguments.indexOf(QStringLiteral("--screenshot"));
    const QString tab = edit + 1 < arguments.size() ? arguments[edit + 1] : QString();
    if ((tab != QStringLiteral("data") && tab != QStringLiteral("gallery")) || shot < 0 || shot + 1 >= arguments.size()) {
        QTextStream(stderr) << "usage: chart_demo --edit data|gallery --screenshot FILE\n";
        return 2;
    }
    const QString file = arguments[shot + 1];
    TChartEditor editor;
    editor.SetChart(&chart);
    editor.DefaultTab = tab == QStringLiteral("data") ? cetSeriesData : cetMain;
    if (tab == QStringLiteral("gallery") && chart.SeriesCount() > 0)
        editor.SetSeries(chart.GetSeries(0)); // its type starts selected
    bool saved = false;
    QObject::connect(&editor, &TChartEditor::OnShow, [&](QWidget *form) {
        QTimer::singleShot(0, form, [&, form] {
            auto &editForm = *qobject_cast<TChartEditForm *>(form);
            if (tab == QStringLiteral("data")) {
                editForm.resize(760, 460);
                QCoreApplication::processEvents();
                saved = editForm.grab().save(file);
            } else {
                // The gallery of "Add...", with its Functions tab, over the editor.
                whenModalShows(form, [&](QDialog &gallery) {
                    QCoreApplication::processEvents(); // the page tabs are laid out once shown
                    saved = gallery.grab().save(file);
                    gallery.reject();
                });
                editForm.BAddSeries->click();
            }
            editForm.BClose->click();
        });
    });
    editor.Execute();
    if (!saved)
        QTextStream(stderr) << "cannot write " << file << '\n';
    return saved ? 0 : 1;
}

} // namespace EditorCommands
