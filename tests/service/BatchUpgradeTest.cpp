#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "service/BatchUpgrade.h"
#include "tests/support/QuietHost.h"

namespace velmora {
namespace {

using CountingHost = testing::QuietHost;

struct StepState {
    bool ticked = false;
    bool ready = true;
    bool succeeds = true;
};

class ScriptedSteps : public BatchSteps {
public:
    explicit ScriptedSteps(OperationFlags& f) : flags(f) {}
    bool Ticked(BatchStep s) override { return state[s].ticked; }
    bool Ready(BatchStep s) override { return state[s].ready; }
    void Run(BatchStep s) override {
        ran.push_back(s);
        if (during) during(s);
        static const std::map<BatchStep, uint8_t> bits = {{BatchStep::Soft, BATCH_SOFT_DONE},
                                                          {BatchStep::Icon, BATCH_ICON_DONE},
                                                          {BatchStep::Logo, BATCH_LOGO_DONE},
                                                          {BatchStep::Tables, BATCH_TABLES_DONE}};
        if (state[s].succeeds) flags.batchFlags |= bits.at(s);
    }
    void TickAll() {
        for (BatchStep s : {BatchStep::Soft, BatchStep::Icon, BatchStep::Logo, BatchStep::Tables})
            state[s].ticked = true;
    }

    OperationFlags& flags;
    std::map<BatchStep, StepState> state;
    std::vector<BatchStep> ran;
    std::function<void(BatchStep)> during;
};

class BatchTest : public ::testing::Test {
protected:
    BatchTest() : steps(host.Flags()) {
        timing.afterSoft = std::chrono::milliseconds(3);
        timing.afterUpload = std::chrono::milliseconds(1);
        timing.slice = std::chrono::milliseconds(1);
        timing.now = [this] { return clock; };
    }
    std::string Run() { return RunBatch(host, steps, timing); }

    CountingHost host;
    ScriptedSteps steps;
    BatchTiming timing;
    std::time_t clock = 1000;
};

using S = BatchStep;

TEST_F(BatchTest, AllFourSucceedReportsElapsedSeconds) {
    steps.TickAll();
    steps.during = [this](BatchStep) { clock += 7; };
    host.Flags().batchFlags = 0xE2;  // leftovers of an earlier batch are cleared
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 28 sec  ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Soft, S::Icon, S::Logo, S::Tables}));
    EXPECT_EQ(host.Flags().batchFlags.load(), 0x1D);
    EXPECT_GT(host.pumps, 0);  // the waits keep dispatching events
    EXPECT_FALSE(host.Flags().batchRunning);
}

TEST_F(BatchTest, SkippedStepIsNamedButDoesNotStopOrWait) {
    steps.state[S::Soft] = {true, false, true};  // ticked, no firmware chosen
    steps.state[S::Icon].ticked = true;
    EXPECT_EQ(Run(), "SOFT upgrade failed ! ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Icon}));
}

TEST_F(BatchTest, FailedSoftStopsEverythingAndNamesAllTicked) {
    steps.TickAll();
    steps.state[S::Soft].succeeds = false;
    EXPECT_EQ(Run(), "SOFT ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Soft}));
    EXPECT_EQ(host.pumps, 0);  // no wait after a failed step
}

TEST_F(BatchTest, FailedIconNamesTheStepsThatNeverRan) {
    steps.TickAll();
    steps.state[S::Icon].succeeds = false;
    EXPECT_EQ(Run(), "ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Soft, S::Icon}));
}

TEST_F(BatchTest, OnlyTablesAndTheirFailure) {
    steps.state[S::Tables].ticked = true;
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 0 sec  ");
    EXPECT_EQ(host.pumps, 0);
    steps.state[S::Tables].succeeds = false;
    EXPECT_EQ(Run(), "SAT&TP upgrade failed ! ");
    EXPECT_FALSE(BatchSucceeded("SAT&TP upgrade failed ! "));
    EXPECT_TRUE(BatchSucceeded("All upgrade successfully ! elapse 0 sec  "));
}

TEST_F(BatchTest, BoxUntickedDuringItsFailingStepNoLongerStopsTheBatch) {
    steps.state[S::Icon] = {true, true, false};
    steps.state[S::Logo].ticked = true;
    steps.during = [this](BatchStep s) {
        if (s == S::Icon) steps.state[S::Icon].ticked = false;
    };
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 0 sec  ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Icon, S::Logo}));
}

TEST_F(BatchTest, StopDuringAWaitEndsTheBatchAndSecondBatchIsRefused) {
    steps.TickAll();
    timing.afterSoft = std::chrono::milliseconds(5000);
    host.onPump = [this] {
        EXPECT_EQ(RunBatch(host, steps, timing), "");  // nested batch refused
        host.Flags().batchStopRequested = 1;
    };
    EXPECT_EQ(Run(), "ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(steps.ran, (std::vector<S>{S::Soft}));
    EXPECT_FALSE(host.Flags().batchStopRequested);
}

TEST_F(BatchTest, TheWaitAfterTheFirmwareCountsDown) {
    steps.state[S::Soft].ticked = true;
    timing.afterSoft = std::chrono::milliseconds(60);
    timing.countdownSecond = std::chrono::milliseconds(20);
    std::vector<std::string> countdown;
    host.onPump = [&] {
        if (host.status.rfind("The meter restarts", 0) == 0 &&
            (countdown.empty() || countdown.back() != host.status))
            countdown.push_back(host.status);
    };
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 0 sec  ");
    const std::vector<std::string> expected = {"The meter restarts with its new firmware: 3 s",
                                               "The meter restarts with its new firmware: 2 s",
                                               "The meter restarts with its new firmware: 1 s"};
    EXPECT_EQ(countdown, expected);
}

// The window says in words what a successful batch did.
TEST(BatchSuccessMessage, NamesWhatWasDoneAndTheTime) {
    const std::string report = "All upgrade successfully ! elapse 31 sec  ";
    const struct {
        uint8_t done;
        const char* text;
    } cases[] = {
        {.done = BATCH_SOFT_DONE, .text = "Patch up done in 31 s: firmware upgraded and verified."},
        {.done = BATCH_TABLES_DONE, .text = "Patch up done in 31 s: tables written."},
        {.done = BATCH_ICON_DONE | BATCH_TABLES_DONE,
         .text = "Patch up done in 31 s: icon and tables written."},
        {.done = BATCH_SOFT_DONE | BATCH_ICON_DONE | BATCH_LOGO_DONE | BATCH_TABLES_DONE,
         .text = "Patch up done in 31 s: firmware upgraded and verified; icon, logo and tables "
                 "written."},
    };
    for (const auto& c : cases) EXPECT_EQ(BatchSuccessMessage(report, c.done), c.text);
}

}  // namespace
}  // namespace velmora
