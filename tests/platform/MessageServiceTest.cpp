// The Qt message boxes: texts, icons and the answers of their buttons.
#include "platform/QtMessageService.h"

#include "ScriptedMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Presses a button of the message box that is about to open, and notes what it showed.
struct BoxPresser {
    QMessageBox::StandardButton button;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                buttons.append(box->standardButton(b));
            box->button(button)->click();
        });
    }
};

} // namespace

TEST(QtMessageService, ShowsCarriageReturnsAsLineBreaks)
{
    EXPECT_EQ(QtMessageService::displayText(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
}

TEST(QtMessageService, YesNoQuestionAnswersSixForYesAndSevenForNo)
{
    QtMessageService service;
    struct Case {
        QMessageBox::StandardButton button;
        int expected;
    };
    for (const Case &c : {Case{QMessageBox::Yes, IdYes}, Case{QMessageBox::No, IdNo}}) {
        SCOPED_TRACE(c.expected);
        BoxPresser presser{c.button, {}, {}, QMessageBox::NoIcon, {}};
        presser.arm();
        EXPECT_EQ(service.messageBox(QStringLiteral("Fortfahren?\r1006"), QStringLiteral("Hinweis"),
                                     MbYesNo | MbIconQuestion),
                  c.expected);
        EXPECT_EQ(presser.text, QStringLiteral("Fortfahren?\n1006"));
        EXPECT_EQ(presser.title, QStringLiteral("Hinweis"));
        EXPECT_EQ(presser.icon, QMessageBox::Question);
        EXPECT_EQ(presser.buttons.size(), 2);
    }
}

TEST(QtMessageService, IconFlagsChooseTheIcon)
{
    QtMessageService service;
    struct Case {
        int flags;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {{16, QMessageBox::Critical}, {48, QMessageBox::Warning}, {64, QMessageBox::Information}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.flags);
        BoxPresser presser{QMessageBox::Ok, {}, {}, QMessageBox::NoIcon, {}};
        presser.arm();
        EXPECT_EQ(service.messageBox(QStringLiteral("x"), QStringLiteral("y"), c.flags), IdOk);
        EXPECT_EQ(presser.icon, c.icon);
        EXPECT_EQ(presser.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
}

TEST(ScriptedMessageService, ReplacesTheQtServiceWhileItLives)
{
    MessageService *before = &MessageService::instance();
    {
        ScriptedMessageService scripted;
        scripted.queueAnswer(IdNo);
        EXPECT_EQ(showMessage(QStringLiteral("Frage"), QStringLiteral("Hinweis"), 36), IdNo);
        EXPECT_EQ(showMessage(QStringLiteral("Frage"), QStringLiteral("Hinweis"), 36), IdYes);
        ASSERT_EQ(scripted.shown().size(), 2);
        EXPECT_EQ(scripted.shown().first().flags, 36);
    }
    EXPECT_EQ(&MessageService::instance(), before);
}

TEST(QtMessageService, MessageBoxAtPutsTheBoxAtThePlace)
{
    QtMessageService service;
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownAt = box->pos();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(service.messageBoxAt(QStringLiteral("Delete S1 ?"), QStringLiteral("Tensimo"), MbYesNo, QPoint(120, 80)),
              IdNo);
    EXPECT_EQ(shownAt, QPoint(120, 80));
}
