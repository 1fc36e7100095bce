// Test double of the dialog service: records every dialog asked for and answers from a queue,
// else as if the user cancelled, so a test that forgot its script never blocks.
#pragma once

#include "platform/DialogService.h"

#include <QList>

class ScriptedDialogService : public DialogService
{
public:
    enum class Kind { InputText, ChooseFont, OpenPictureFile, SaveFile };
    struct Call {
        Kind kind = Kind::InputText;
        QWidget *owner = nullptr;
        QString caption;
        QString prompt;
        QString text; // the prefilled text
        QFont font;
        // A save dialog's name filters, selected filter and default suffix; a picture dialog's filter name.
        QStringList filters;
        int filterIndex = 0;
        QString defaultSuffix;
    };

    // Installs itself for its lifetime.
    ScriptedDialogService();
    ~ScriptedDialogService() override;

    ScriptedDialogService(const ScriptedDialogService &) = delete;
    ScriptedDialogService &operator=(const ScriptedDialogService &) = delete;

    std::optional<QString> inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                     const QString &text) override;
    std::optional<QFont> chooseFont(QWidget *owner, const QFont &font) override;
    QString openPictureFile(QWidget *owner, const QString &filterName) override;
    // Answers with the queued path; a queued filter index 0 keeps the one the caller selected.
    std::optional<SavedFile> saveFile(QWidget *owner, const QStringList &filters, int filterIndex,
                                      const QString &defaultSuffix) override;

    // The next answers of each kind, in order; none queued means Cancel.
    void queueText(std::optional<QString> answer) { m_texts.append(std::move(answer)); }
    void queueFont(std::optional<QFont> answer) { m_fonts.append(std::move(answer)); }
    void queuePictureFile(const QString &path) { m_files.append(path); }
    void queueSaveFile(const QString &path, int filterIndex = 0) { m_saves.append({path, filterIndex}); }

    const QList<Call> &calls() const { return m_calls; }

private:
    DialogService *m_previous = nullptr;
    QList<Call> m_calls;
    QList<std::optional<QString>> m_texts;
    QList<std::optional<QFont>> m_fonts;
    QList<QString> m_files;
    QList<SavedFile> m_saves;
};
