// The demo's application object, made from the arguments as the demo makes it, meets what a user
// meets: an exception from an event handler, then "Save..." of the export dialog. It writes one
// line per message box ("box", caption, text, flags) and per text of the file dialog ("file
// dialog", text), separated by tabs, to stdout, and ends with 0 once the event loop went on past
// the failure.
#include "DemoApplication.h"
#include "ScriptedMessageService.h"
#include "TChart.h"
#include "TPlotExportForm.h"
#include "ThrowingReceiver.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void writeLine(const QStringList &fields)
{
    std::printf("%s\n", fields.join(u'\t').toUtf8().constData());
    std::fflush(stdout);
}

// Writes the texts of the file dialog once it shows, then closes it; after 10 s the run ends.
void closeFileDialogWhenShown(int triesLeft = 200)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog || !dialog->isVisible())
            continue;
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (!button->text().isEmpty())
                writeLine({QStringLiteral("file dialog"), button->text()});
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            writeLine({QStringLiteral("file dialog"), label->text()});
        dialog->reject();
        return;
    }
    if (triesLeft == 0) {
        writeLine({QStringLiteral("no file dialog")});
        QCoreApplication::exit(1);
        return;
    }
    QTimer::singleShot(50, [triesLeft] { closeFileDialogWhenShown(triesLeft - 1); });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<GuardedApplication> app = createDemoApplication(argc, argv);
    ScriptedMessageService messages;
    ThrowingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    TChart chart;
    TPlotExportForm form;
    form.SetExportPanel(&chart);
    QTimer::singleShot(0, app.get(), [&] {
        form.show();
        closeFileDialogWhenShown();
        form.BSave->click();
        QCoreApplication::exit(receiver.handled == 2 ? 0 : 1);
    });
    const int status = app->exec();
    for (const ScriptedMessageService::Shown &shown : messages.shown())
        writeLine({QStringLiteral("box"), shown.caption, shown.text, QString::number(shown.flags)});
    return status;
}
