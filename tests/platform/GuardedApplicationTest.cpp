// An exception thrown in an event handler becomes an error box, and the program goes on.
#include "platform/GuardedApplication.h"

#include "ScriptedMessageService.h"
#include "ThrowingReceiver.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <stdexcept>

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
