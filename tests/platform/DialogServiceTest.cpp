// The Qt standard dialogs behind the dialog service, and the service in force.
#include "platform/QtDialogService.h"

#include "ScriptedDialogService.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <gtest/gtest.h>

TEST(QtDialogService, InputTextGivesTheAnswerOnOkAndNoneOnCancel)
{
    QtDialogService service;
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        QString prefilled;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            prefilled = dialog->textValue();
            dialog->setTextValue(QStringLiteral("Testkurve"));
            accept ? dialog->accept() : dialog->reject();
        });
        const std::optional<QString> answer = service.inputText(nullptr, QStringLiteral("Change Series Title"),
                                                                QStringLiteral("New Series Title:"), QStringLiteral("S1"));
        EXPECT_EQ(prefilled, QStringLiteral("S1"));
        EXPECT_EQ(answer, accept ? std::optional<QString>(QStringLiteral("Testkurve")) : std::nullopt);
    }
}

TEST(QtDialogService, PictureFilterListsTheReadableFormats)
{
    const QString filter = QtDialogService::pictureFilter(QStringLiteral("Bilder"));
    EXPECT_TRUE(filter.startsWith(QStringLiteral("Bilder (*.")));
    for (const char *pattern : {"*.png", "*.bmp", "*.jpg", "*.gif"}) {
        SCOPED_TRACE(pattern);
        EXPECT_TRUE(filter.contains(QLatin1String(pattern)));
    }
}

TEST(DialogService, AScriptedServiceAnswersCancelWhenNothingIsQueuedAndRestoresTheQtOne)
{
    DialogService *const qtService = &DialogService::instance();
    {
        ScriptedDialogService scripted;
        EXPECT_EQ(&DialogService::instance(), &scripted);
        scripted.queueText(QStringLiteral("G1"));
        EXPECT_EQ(DialogService::instance().inputText(nullptr, {}, {}, {}), QStringLiteral("G1"));
        EXPECT_EQ(DialogService::instance().inputText(nullptr, {}, {}, {}), std::nullopt);
        EXPECT_EQ(DialogService::instance().chooseFont(nullptr, QFont()), std::nullopt);
        EXPECT_TRUE(DialogService::instance().openPictureFile(nullptr, QStringLiteral("Pictures")).isEmpty());
        EXPECT_EQ(scripted.calls().size(), 4);
    }
    EXPECT_EQ(&DialogService::instance(), qtService);
}
