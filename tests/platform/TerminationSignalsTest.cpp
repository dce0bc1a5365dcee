#include "TerminationSignals.h"
#include "QtPrompts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

using namespace veridi;

// Each case runs in a child process: the handlers and the signals must not reach the test runner.
TEST(TerminationSignals, ASecondSignalEndsTheProgramAtOnce) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EXIT(
            {
                quitOnTerminationSignals();
                std::raise(signal); // handled: the event loop would quit when it runs
                if (!endingBecauseOfSignal())
                    std::_Exit(1);
                std::raise(signal); // nobody waits for the event loop any more
                std::_Exit(2);
            },
            ::testing::ExitedWithCode(128 + signal), "")
            << signal;
    }
}

TEST(TerminationSignals, WhileEndingByASignalAMessageGoesToStandardError) {
    EXPECT_EXIT(
        {
            quitOnTerminationSignals();
            std::raise(SIGTERM);
            QtPrompts prompts(QStringLiteral("title"));
            prompts.message(QStringLiteral("/x/veridi.ini に書き込めません"), Prompts::Icon::Error);
            std::_Exit(0); // a message box would wait here for ever
        },
        ::testing::ExitedWithCode(0), "/x/veridi.ini に書き込めません");
}
