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
    // As the program's own help: the exit status of xdg-open tells whether a viewer took it.
    if (QFileInfo(helpFile).isFile() && runHelperProgram(QStringLiteral("xdg-open"), {url.toString()}).ok())
        return true;
    const QString message = PlotConst::plotFormat(PlotConst::message(PlotConst::msgHelpNotOpened),
                                                  {QDir::toNativeSeparators(helpFile)});
    const QString caption = owner ? owner->window()->windowTitle() : QGuiApplication::applicationDisplayName();
    MessageService::instance().messageBox(message, caption, MbOk | MbIconError);
    return false;
}

} // namespace PlotHelp
