// Test double of the dialog service.
#include "ScriptedDialogService.h"

ScriptedDialogService::ScriptedDialogService()
    : m_previous(&DialogService::instance())
{
    DialogService::install(this);
}

ScriptedDialogService::~ScriptedDialogService()
{
    DialogService::install(m_previous);
}

std::optional<QString> ScriptedDialogService::inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                                        const QString &text)
{
    m_calls.append({Kind::InputText, owner, caption, prompt, text, {}});
    return m_texts.isEmpty() ? std::nullopt : m_texts.takeFirst();
}

std::optional<QFont> ScriptedDialogService::chooseFont(QWidget *owner, const QFont &font)
{
    m_calls.append({Kind::ChooseFont, owner, {}, {}, {}, font});
    return m_fonts.isEmpty() ? std::nullopt : m_fonts.takeFirst();
}

QString ScriptedDialogService::openPictureFile(QWidget *owner, const QString &filterName)
{
    m_calls.append({Kind::OpenPictureFile, owner, {}, {}, {}, {}, {filterName}});
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

std::optional<DialogService::SavedFile> ScriptedDialogService::saveFile(QWidget *owner, const QStringList &filters,
                                                                       int filterIndex, const QString &defaultSuffix)
{
    m_calls.append({Kind::SaveFile, owner, {}, {}, {}, {}, filters, filterIndex, defaultSuffix});
    if (m_saves.isEmpty())
        return std::nullopt;
    SavedFile answer = m_saves.takeFirst();
    if (answer.filterIndex == 0)
        answer.filterIndex = filterIndex;
    return answer;
}
