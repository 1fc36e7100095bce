// The help-file lookup and the viewer start.
#include "PlotHelpFile.h"

#include "PlotConst.h"
#include "platform/HelperProgram.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

namespace PlotHelp {

QString HelpFolderKey()
{
    return QStringLiteral("SOFTWARE\\Korvex\\Plot\\Help");
}

QString GetRegisteredHelpFile(const QString &fileName)
{
    const SettingsStore store(HelpFolderKey());
    const QString folder = store.readString(fileName);
    if (!folder.isEmpty()) {
        const QString path = findFileIgnoringCase(folder, fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    const QString path = programFilePath(fileName);
    return QFileInfo(path).isFile() ? path : QString();
}

bool OpenHelpSection(const QString &helpFile, const QString &section, QWidget *owner)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    if (!section.isEmpty())
        url.setFragment(section);
    const QString message = PlotConst::plotFormat(PlotConst::message(PlotConst::msgHelpNotOpened),
                                                  {QDir::toNativeSeparators(helpFile)});
    // Taken now: the editor may be closed when a slow viewer lookup fails.
    const QString caption = owner ? owner->window()->windowTitle() : QGuiApplication::applicationDisplayName();
    const auto report = [message, caption] { MessageService::instance().messageBox(message, caption, MbOk | MbIconError); };
    // As the program's own help: the exit status of xdg-open tells whether a viewer took it, also
    // when it tells only after the watch.
    if (QFileInfo(helpFile).isFile() &&
        runHelperProgram(QStringLiteral("xdg-open"), {url.toString()}, kHelperWatchMs, [report](const HelperRun &) { report(); })
            .ok())
        return true;
    report();
    return false;
}

} // namespace PlotHelp
