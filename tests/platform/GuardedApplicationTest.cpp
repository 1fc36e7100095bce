// An exception thrown in an event handler becomes an error box, and the program goes on.
#include "platform/GuardedApplication.h"

#include "ScriptedMessageService.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ThrowingReceiver : public QObject
{
public:
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        if (handled == 1)
            throw std::runtime_error("Division durch Null");
        return true;
    }
};

} // namespace

TEST(GuardedApplication, ReportsAnExceptionFromAnEventHandlerAndGoesOn)
{
    auto *app = qobject_cast<GuardedApplication *>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    ScriptedMessageService messages;
    ThrowingReceiver receiver;

    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(receiver.handled, 2);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().text, QStringLiteral("Division durch Null"));
    EXPECT_EQ(messages.shown().first().caption, app->errorCaption());
    EXPECT_EQ(messages.shown().first().flags & 0xF0, int(MbIconError));
}
