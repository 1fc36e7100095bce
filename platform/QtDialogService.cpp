// The standard dialogs shown with Qt's own dialogs.
#include "platform/QtDialogService.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QImageReader>
#include <QInputDialog>
#include <QStringList>

std::optional<QString> QtDialogService::inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                                  const QString &text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QFont> QtDialogService::chooseFont(QWidget *owner, const QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, owner);
    if (!ok)
        return std::nullopt;
    return chosen;
}

QString QtDialogService::openPictureFile(QWidget *owner, const QString &filterName)
{
    return QFileDialog::getOpenFileName(owner, QString(), QString(), pictureFilter(filterName));
}

std::optional<DialogService::SavedFile> QtDialogService::saveFile(QWidget *owner, const QStringList &filters,
                                                                 int filterIndex, const QString &defaultSuffix)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SavedFile{dialog.selectedFiles().constFirst(),
                     int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

QString QtDialogService::pictureFilter(const QString &name)
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    patterns.removeDuplicates();
    return name + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
}
