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
    const Shown shown{text, caption, flags};
    m_shown.append(shown);
    if (m_onShow)
        m_onShow(shown);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (flags & 0x0F) {
    case MbYesNo:
    case MbYesNoCancel:
        return m_defaultAnswer;
    case MbOkCancel:
        return m_defaultAnswer == IdNo ? IdCancel : IdOk;
    default:
        return IdOk;
    }
}
