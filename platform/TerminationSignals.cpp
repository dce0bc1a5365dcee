#include "TerminationSignals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace veridi {
namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop reads the byte and does the closing.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void closeOnTerminationSignals(QWidget* window) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;

    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, window);
    QPointer<QWidget> target(window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [target] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
        if (target)
            target->close();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace veridi
