// The standard dialogs the editors ask for (a line of text, a font, a picture file), through one
// service that tests can script.
#pragma once

#include <QFont>
#include <QString>

#include <QStringList>

#include <optional>

class QWidget;

class DialogService
{
public:
    virtual ~DialogService() = default;

    // An input box with the prompt and the text prefilled; the answer, or none on Cancel.
    virtual std::optional<QString> inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                             const QString &text) = 0;
    // The font dialog on the font; the chosen font, or none on Cancel.
    virtual std::optional<QFont> chooseFont(QWidget *owner, const QFont &font) = 0;
    // The open dialog for a picture file, its filter named filterName ("Pictures"); its path, or
    // empty on Cancel.
    virtual QString openPictureFile(QWidget *owner, const QString &filterName) = 0;

    // The chosen file of a save dialog and the 1-based position of the filter it was chosen under.
    struct SavedFile {
        QString path;
        int filterIndex = 1;
    };
    // The save dialog on name filters ("Bitmaps (*.bmp)"), filterIndex (1-based) selected, asking
    // before it overwrites; defaultSuffix is added to a name without one. None on Cancel.
    virtual std::optional<SavedFile> saveFile(QWidget *owner, const QStringList &filters, int filterIndex,
                                              const QString &defaultSuffix) = 0;

    // The service in force: the Qt one unless another is installed.
    static DialogService &instance();
    // Installs a service (not owned); nullptr goes back to the Qt one.
    static void install(DialogService *service);
};
