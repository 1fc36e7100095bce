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

QString QtDialogService::openPictureFile(QWidget *owner)
{
    return QFileDialog::getOpenFileName(owner, QString(), QString(), pictureFilter());
}

QString QtDialogService::pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    patterns.removeDuplicates();
    return QStringLiteral("Pictures (") + patterns.join(u' ') + QStringLiteral(")");
}
