// Test double of the dialog service: records every dialog asked for and answers from a queue,
// else as if the user cancelled, so a test that forgot its script never blocks.
#pragma once

#include "platform/DialogService.h"

#include <QList>

class ScriptedDialogService : public DialogService
{
public:
    enum class Kind { InputText, ChooseFont, OpenPictureFile };
    struct Call {
        Kind kind = Kind::InputText;
        QWidget *owner = nullptr;
        QString caption;
        QString prompt;
        QString text; // the prefilled text
        QFont font;
    };

    // Installs itself for its lifetime.
    ScriptedDialogService();
    ~ScriptedDialogService() override;

    ScriptedDialogService(const ScriptedDialogService &) = delete;
    ScriptedDialogService &operator=(const ScriptedDialogService &) = delete;

    std::optional<QString> inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                     const QString &text) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &font) override;
    QString openPictureFile(QWidget *owner) override;

    // The next answers of each kind, in order; none queued means Cancel.
    void queueText(std::optional<QString> answer) { m_texts.append(std::move(answer)); }
    void queueFont(std::optional<QFont> answer) { m_fonts.append(std::move(answer)); }
    void queuePictureFile(const QString &path) { m_files.append(path); }

    const QList<Call> &calls() const { return m_calls; }

private:
    DialogService *m_previous = nullptr;
    QList<Call> m_calls;
    QList<std::optional<QString>> m_texts;
    QList<std::optional<QFont>> m_fonts;
    QList<QString> m_files;
};
