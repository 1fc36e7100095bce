// The mail hand-over through xdg-email.
#include "PlotMail.h"

#include "PlotConst.h"
#include "PlotException.h"

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

} // namespace

bool available()
{
    return !QStandardPaths::findExecutable(kProgram).isEmpty();
}

QString folder()
{
    std::unique_ptr<QTemporaryDir> &made = runFolder();
    if (!made || !made->isValid())
        made = std::make_unique<QTemporaryDir>();
    if (!made->isValid())
        throw PlotException(PlotConst::message(PlotConst::msgNoTempFolder));
    return made->path();
}

void send(const QString &file)
{
    QProcess process;
    process.setProgram(kProgram);
    process.setArguments({QStringLiteral("--subject"), QStringLiteral("Plot"), QStringLiteral("--attach"), file});
    if (!process.startDetached())
        throw PlotException(
            PlotConst::plotFormat(PlotConst::message(PlotConst::msgMailError), {int(process.error())}));
}

} // namespace PlotMail
