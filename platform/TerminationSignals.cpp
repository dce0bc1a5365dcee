#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>

namespace veridi {
namespace {

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t signalReceived = 0;

// Only async-signal-safe work here: the event loop reads the byte and does the closing. When
// that closing hangs, a second signal ends the program.
void onSignal(int signal) {
    if (signalReceived != 0)
        ::_exit(128 + signal);
    signalReceived = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

// Runs handler in the event loop at each termination signal, for as long as context lives.
void onTerminationSignals(QObject* context, const std::function<void()>& handler) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;

    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [handler] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
        handler();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace

void closeOnTerminationSignals(QWidget* window) {
    QPointer<QWidget> target(window);
    onTerminationSignals(window, [target] {
        if (target)
            target->close();
    });
}

void quitOnTerminationSignals() {
    onTerminationSignals(QCoreApplication::instance(), [] { QCoreApplication::quit(); });
}

bool endingBecauseOfSignal() {
    return signalReceived != 0;
}

} // namespace veridi
