#include "BatchProgress.h"

#include <gtest/gtest.h>

#include <vector>

namespace veridi::sheettool {
namespace {

struct Step {
    qint32 done;
    qint64 elapsedMs;
    const char* shown;
};

// What a batch of five sheets writes, step by step, for the given times.
void expectSteps(bool terminal, const std::vector<Step>& steps, const char* end) {
    BatchProgress progress(terminal, 5);
    for (const Step& step : steps)
        EXPECT_EQ(progress.after(step.done, step.elapsedMs), QString::fromUtf8(step.shown))
            << step.done << " at " << step.elapsedMs;
    EXPECT_EQ(progress.finish(), QString::fromUtf8(end));
}

TEST(BatchProgress, ShowsOnATerminalOnlyOnceTheBatchHasRunForASecond) {
    // A quick batch stays quiet, even on a terminal.
    expectSteps(true, {{1, 100, ""}, {2, 400, ""}, {5, 1000, ""}}, "");
    // A long one starts showing after a second, redraws at most ten times a second, and always
    // shows the last sheet before the line is closed.
    expectSteps(true,
                {{1, 900, ""},
                 {2, 1001, "\rsheet 2 of 5"},
                 {3, 1050, ""},
                 {4, 1101, "\rsheet 4 of 5"},
                 {5, 1120, "\rsheet 5 of 5"}},
                "\n");
    // Redirected output never gets the line, however long the batch.
    expectSteps(false, {{1, 2000, ""}, {5, 9000, ""}}, "");
}

} // namespace
} // namespace veridi::sheettool
