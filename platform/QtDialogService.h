// The standard dialogs shown with QInputDialog, QFontDialog and QFileDialog.
#pragma once

#include "platform/DialogService.h"

class QtDialogService : public DialogService
{
public:
    std::optional<QString> inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                     const QString &text) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &font) override;
    QString openPictureFile(QWidget *owner, const QString &filterName) override;
    std::optional<SavedFile> saveFile(QWidget *owner, const QStringList &filters, int filterIndex,
                                      const QString &defaultSuffix) override;

    // "<name> (*.bmp *.gif ...)": every format the installed image readers decode.
    static QString pictureFilter(const QString &name);
};
