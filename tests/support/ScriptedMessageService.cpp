// Test double of the message service.
#include "ScriptedMessageService.h"

ScriptedMessageService::ScriptedMessageService()
    : m_previous(&MessageService::instance())
{
    MessageService::install(this);
}

ScriptedMessageService::~ScriptedMessageService()
{
    MessageService::install(m_previous);
}

int ScriptedMessageService::messageBox(const QString &text, const QString &caption, int flags)
{
    return answer(Shown{text, caption, flags, std::nullopt});
}

int ScriptedMessageService::messageBoxAt(const QString &text, const QString &caption, int flags,
                                         const QPoint &globalTopLeft)
{
    return answer(Shown{text, caption, flags, globalTopLeft});
}

int ScriptedMessageService::answer(const Shown &shown)
{
    m_shown.append(shown);
    if (m_onShow)
        m_onShow(shown);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (shown.flags & 0x0F) {
    case MbYesNo:
    case MbYesNoCancel:
        return m_defaultAnswer;
    case MbOkCancel:
        return m_defaultAnswer == IdNo ? IdCancel : IdOk;
    default:
        return IdOk;
    }
}
