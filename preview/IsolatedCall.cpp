#include "IsolatedCall.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace veridi {
namespace {

// Data and stack the process holds now, from /proc/self/statm (in pages).
qint64 currentDataBytes() {
    long size = 0, resident = 0, shared = 0, text = 0, library = 0, data = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld %ld %ld %ld %ld", &size, &resident, &shared, &text, &library,
                        &data) != 6)
            data = 0;
        std::fclose(statm);
    }
    return qint64(data) * sysconf(_SC_PAGESIZE);
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

[[noreturn]] void runChild(int out, const std::function<QByteArray()>& work, const IsolationLimits& limits) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const auto dataLimit = rlim_t(currentDataBytes() + limits.extraMemoryBytes);
    const rlimit data{dataLimit, dataLimit};
    setrlimit(RLIMIT_DATA, &data);
    // Nothing may leave this function: an exception would carry on in the parent's code.
    // _exit, since the program's exit handlers and buffers belong to the parent.
    try {
        const QByteArray result = work();
        _exit(writeAll(out, result.constData(), result.size()) ? 0 : 1);
    } catch (...) {
        _exit(1);
    }
}

// Reads the child's output until it closes the pipe, the time is up or there is too much.
bool readAll(int in, QByteArray& result, const IsolationLimits& limits) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + limits.time;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd poller{in, POLLIN, 0};
        const int ready = ::poll(&poller, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (result.size() + got > limits.maxOutputBytes)
            return false;
        result.append(buffer, got);
    }
}

} // namespace

std::optional<QByteArray> runIsolated(const std::function<QByteArray()>& work,
                                      const IsolationLimits& limits) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(fds[0]);
        runChild(fds[1], work, limits);
    }
    ::close(fds[1]);
    QByteArray result;
    const bool complete = readAll(fds[0], result, limits);
    ::close(fds[0]);
    if (!complete)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return result;
}

} // namespace veridi
