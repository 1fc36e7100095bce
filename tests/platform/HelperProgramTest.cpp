// A desktop helper run so that its failure is seen.
#include "platform/HelperProgram.h"

#include "StandInProgram.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(HelperProgram, TellsAFailedHelperFromOneThatSucceededOrStillRuns)
{
    struct Case {
        int exitCode;
        HelperRun::Status status;
    };
    const Case cases[] = {{0, HelperRun::Succeeded}, {3, HelperRun::Failed}, {1, HelperRun::Failed}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.exitCode);
        const StandInProgram helper(QStringLiteral("tensimo-helper"), c.exitCode);
        const HelperRun run = runHelperProgram(QStringLiteral("tensimo-helper"), {QStringLiteral("/a b/file.html")});
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.ok(), c.exitCode == 0);
        EXPECT_EQ(helper.calls(), QList<QStringList>{{QStringLiteral("/a b/file.html")}});
    }
}

TEST(HelperProgram, AHelperStillRunningAfterTheWatchHasHandedTheFileOnUnlessItFailsLater)
{
    QList<HelperRun> late;
    const auto failed = [&](const HelperRun &run) { late.append(run); };
    {
        const StandInProgram helper = StandInProgram::runningFor(QStringLiteral("tensimo-helper"), 1);
        const HelperRun run = runHelperProgram(QStringLiteral("tensimo-helper"), {}, 300, failed);
        EXPECT_EQ(run.status, HelperRun::StillRunning);
        EXPECT_TRUE(run.ok());
    }
    // One that ends with a failure after the watch is told then, with its own explanation.
    const StandInProgram helper = StandInProgram::failingAfter(QStringLiteral("tensimo-helper"), 0.6, 3);
    EXPECT_TRUE(runHelperProgram(QStringLiteral("tensimo-helper"), {}, 300, failed).ok());
    EXPECT_TRUE(QTest::qWaitFor([&] { return late.size() == 1; }, 5000));
    QTest::qWait(700); // the first one's successful end is no failure
    ASSERT_EQ(late.size(), 1);
    EXPECT_EQ(late[0].status, HelperRun::Failed);
    EXPECT_EQ(late[0].exitCode, 3);
    EXPECT_EQ(late[0].explanation, QStringLiteral("no viewer found"));
}

TEST(HelperProgram, AMissingHelperIsNotStarted)
{
    const HelperRun run = runHelperProgram(QStringLiteral("tensimo-no-such-helper"), {});
    EXPECT_EQ(run.status, HelperRun::NotStarted);
    EXPECT_FALSE(run.ok());
    EXPECT_FALSE(run.explanation.isEmpty());
}
