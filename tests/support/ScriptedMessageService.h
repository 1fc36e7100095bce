// Test double of the message service: records every box and answers from a script.
#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class ScriptedMessageService : public MessageService
{
public:
    struct Shown {
        QString text;
        QString caption;
        int flags = 0;
        // Where the caller asked for the box; none for the default place.
        std::optional<QPoint> place;
    };

    // Installs itself for its lifetime.
    ScriptedMessageService();
    ~ScriptedMessageService() override;

    ScriptedMessageService(const ScriptedMessageService &) = delete;
    ScriptedMessageService &operator=(const ScriptedMessageService &) = delete;

    int messageBox(const QString &text, const QString &caption, int flags) override;
    int messageBoxAt(const QString &text, const QString &caption, int flags, const QPoint &globalTopLeft) override;

    // Answers for the next boxes, in order; when none is queued an OK box answers IdOk and
    // a Yes/No box answers defaultAnswer.
    void queueAnswer(int answer) { m_answers.append(answer); }
    void setDefaultAnswer(int answer) { m_defaultAnswer = answer; }
    // Called while a box is "shown", e.g. to check the state of a window behind it.
    void setOnShow(std::function<void(const Shown &)> onShow) { m_onShow = std::move(onShow); }

    const QList<Shown> &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    int answer(const Shown &shown);

    MessageService *m_previous = nullptr;
    QList<Shown> m_shown;
    QList<int> m_answers;
    int m_defaultAnswer = IdYes;
    std::function<void(const Shown &)> m_onShow;
};
