#include "platform/Clock.h"
#include "platform/FatalExit.h"
#include "platform/ProcessRunner.h"
#include "platform/ShellOpen.h"
#include "support/FatalExitTrap.h"
#include "support/RecordingClock.h"
#include "support/RecordingProcessRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(Clock, SleepsGoThroughTheInstalledClock)
{
    RecordingClock clock;
    for (int i = 0; i < 10; ++i)
        SleepMs(500);
    EXPECT_EQ(clock.sleeps, std::vector<unsigned>(10, 500));
    EXPECT_EQ(Clock().TickCount(), 5000);
}

TEST(Clock, RetriesTryAgainAtOnceThenWaitAfterEachFailure)
{
    struct Case {
        int succeedsAt;  // the attempt that succeeds (0: none)
        bool result;
        int attempts;
        std::size_t waits;
    };
    for (const Case& c : {Case{1, true, 1, 0}, Case{2, true, 2, 0}, Case{3, true, 3, 1}, Case{11, true, 11, 9},
                          Case{0, false, 11, 10}}) {
        RecordingClock clock;
        int attempts = 0;
        EXPECT_EQ(RetryAfterFailure(10, 500, [&] { return ++attempts == c.succeedsAt; }), c.result) << c.succeedsAt;
        EXPECT_EQ(attempts, c.attempts) << c.succeedsAt;
        EXPECT_EQ(clock.sleeps, std::vector<unsigned>(c.waits, 500u)) << c.succeedsAt;
    }
}

TEST(FatalExit, AnInstalledHandlerSeesTheCode)
{
    FatalExitTrap trap;
    try {
        FatalExit(-1);
        FAIL() << "FatalExit returned";
    } catch (const CFatalExitCalled& called) {
        EXPECT_EQ(called.code, -1);
    }
}

TEST(ProcessRunner, RunsAChildAndReportsItsExitStatus)
{
    TempFolder temp;
    struct Case {
        std::vector<std::string> argv;
        std::string folder;
        bool started;
        int exitCode;
    };
    const Case cases[] = {
        {{"sh", "-c", "exit 3"}, "", true, 3},
        {{"sh", "-c", "echo made > out.txt"}, temp.Path(), true, 0},
        {{"sh", "-c", "kill -TERM $$"}, "", true, 128 + 15},
        {{"no-such-program-tessaron"}, "", false, -1},
    };
    for (const Case& c : cases) {
        ProcessRequest request;
        request.argv = c.argv;
        request.workingFolder = c.folder;
        ProcessResult result = ProcessRunner().Run(request);
        EXPECT_EQ(result.started, c.started) << c.argv[0];
        EXPECT_EQ(result.exitCode, c.exitCode) << c.argv.back();
    }
    EXPECT_EQ(temp.Read("out.txt"), "made\n");
}

TEST(ShellOpen, OpensWithXdgOpenThroughTheProcessRunner)
{
    RecordingProcessRunner runner;
    runner.results.push_back({true, 0});
    runner.results.push_back({true, 4});
    EXPECT_TRUE(ShellOpener().OpenWithDefaultProgram("HTML\\TsnUserManual\\Tessaron.html"));
    EXPECT_FALSE(ShellOpener().OpenWithDefaultProgram("https://example.org/x"));
    ASSERT_EQ(runner.requests.size(), 2u);
    EXPECT_EQ(runner.requests[0].argv, (std::vector<std::string>{"xdg-open", "HTML/TsnUserManual/Tessaron.html"}));
    EXPECT_EQ(runner.requests[1].argv, (std::vector<std::string>{"xdg-open", "https://example.org/x"}));
}

TEST(ShellOpen, SaysWhyXdgOpenFailed)
{
    const struct {
        ProcessResult result;
        const char* reason;
    } cases[] = {
        {{true, 0}, ""},
        {{false, -1}, "No program to open it with was found (\"xdg-open\" could not be started)."},
        {{true, 2}, "\"xdg-open\": the file does not exist."},
        {{true, 3}, "No program is set up to open it (\"xdg-open\" found no tool for it)."},
        {{true, 4}, "The program set up to open it failed (\"xdg-open\": the action failed)."},
        {{true, 1}, "\"xdg-open\" ended with status 1."},
    };
    for (const auto& c : cases) {
        RecordingProcessRunner runner;
        runner.results.push_back(c.result);
        EXPECT_EQ(ShellOpener().OpenWithDefaultProgram("page.html"), std::string(c.reason).empty()) << c.reason;
        EXPECT_EQ(ShellOpener().FailureReason(), c.reason);
    }
}
