// A desktop helper run so that its failure is seen.
#include "platform/HelperProgram.h"

#include "StandInProgram.h"

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

TEST(HelperProgram, AHelperStillRunningAfterTheWatchHasHandedTheFileOn)
{
    const StandInProgram helper = StandInProgram::runningFor(QStringLiteral("tensimo-helper"), 3);
    const HelperRun run = runHelperProgram(QStringLiteral("tensimo-helper"), {}, 300);
    EXPECT_EQ(run.status, HelperRun::StillRunning);
    EXPECT_TRUE(run.ok());
}

TEST(HelperProgram, AMissingHelperIsNotStarted)
{
    const HelperRun run = runHelperProgram(QStringLiteral("tensimo-no-such-helper"), {});
    EXPECT_EQ(run.status, HelperRun::NotStarted);
    EXPECT_FALSE(run.ok());
    EXPECT_FALSE(run.explanation.isEmpty());
}
