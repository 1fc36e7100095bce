// The mail hand-over through xdg-email.
#include "PlotMail.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "PlotTranslate.h"
#include "platform/HelperProgram.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace PlotMail {

namespace {

const QString kProgram = QStringLiteral("xdg-email");

// Lives until the program ends: the mail program reads the file some time after it started.
std::unique_ptr<QTemporaryDir> &runFolder()
{
    static std::unique_ptr<QTemporaryDir> folder;
    return folder;
}

// The English text, or its row in the current language list (the key is the text in capitals).
QString languageText(const char *english)
{
    const QString text = QString::fromUtf8(english);
    const QString translated = PlotTranslate::LookupLanguageText(text.toUpper());
    return translated.isEmpty() ? text : translated;
}

} // namespace

bool available()
{
    return !QStandardPaths::findExecutable(kProgram).isEmpty();
}

QString folder()
{
    std::unique_ptr<QTemporaryDir> &made = runFolder();
    // Made again when it went away under the run (a temporary folder cleaned up).
    if (!made || !made->isValid() || !QFileInfo(made->path()).isDir())
        made = std::make_unique<QTemporaryDir>();
    if (!made->isValid())
        throw PlotException(PlotConst::message(PlotConst::msgNoTempFolder));
    return made->path();
}

Outcome send(const QString &file)
{
    // Started detached, a mail program that is missing or finds no mail client ended unseen: its
    // status reached nobody and the click did nothing visible.
    const HelperRun run = runHelperProgram(
        kProgram, {QStringLiteral("--subject"), QStringLiteral("Plot"), QStringLiteral("--attach"), file}, kWaitMilliseconds);
    switch (run.status) {
    case HelperRun::Succeeded:
        return Outcome::Finished;
    case HelperRun::StillRunning:
        // A mail client that xdg-email waits for: it goes on by itself.
        return Outcome::Started;
    case HelperRun::NotStarted:
        throw PlotException(languageText("No mail program could be started: xdg-email was not found.") + u'\n'
                            + run.explanation);
    case HelperRun::Failed:
        break;
    }
    QString text
        = PlotConst::plotFormat(languageText("No mail program could be started: xdg-email ended with status %d."), {run.exitCode});
    if (!run.explanation.isEmpty())
        text += u'\n' + run.explanation.left(500);
    throw PlotException(text);
}

QString startedText()
{
    return languageText("The mail program was started.");
}

} // namespace PlotMail
