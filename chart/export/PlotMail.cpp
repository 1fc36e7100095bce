// The mail hand-over through xdg-email.
#include "PlotMail.h"

#include "PlotConst.h"
#include "PlotException.h"
#include "PlotTranslate.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
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
    auto process = std::make_unique<QProcess>();
    process->setProgram(kProgram);
    process->setArguments({QStringLiteral("--subject"), QStringLiteral("Plot"), QStringLiteral("--attach"), file});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(kWaitMilliseconds))
        throw PlotException(languageText("No mail program could be started: xdg-email was not found.") + u'\n'
                            + process->errorString());
    if (!process->waitForFinished(kWaitMilliseconds)) {
        // A mail client that xdg-email waits for: it goes on under the application, which frees
        // it once it ends.
        QProcess *running = process.release();
        running->setParent(QCoreApplication::instance());
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return Outcome::Started;
    }
    if (process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0)
        return Outcome::Finished;
    QString text = PlotConst::plotFormat(languageText("No mail program could be started: xdg-email ended with status %d."),
                                         {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1});
    const QString explanation = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
    if (!explanation.isEmpty())
        text += u'\n' + explanation.left(500);
    throw PlotException(text);
}

QString startedText()
{
    return languageText("The mail program was started.");
}

} // namespace PlotMail
