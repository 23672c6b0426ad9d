#include "platform/events.h"
#include "platform/windows.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

int signalPipe[2] = {-1, -1};
int windowToClose = 0;
bool requested = false;

void onSignal(int) {
    // Only async-signal-safe work here: wake the toolkit's loop through the pipe.
    char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void closeWindowOnTerminationSignals(int window) {
    windowToClose = window;
    requested = false;
    if (signalPipe[0] != -1) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        [[maybe_unused]] ssize_t read = ::read(signalPipe[1], &byte, 1);
        requested = true;
        postEvent({EventKind::Close, windowToClose, 0});
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}
bool terminationRequested() {
    return requested;
}
#else
bool terminationRequested() {
    return false;
}

void closeWindowOnTerminationSignals(int) {
    // Windows ends console-less programs through the window's own close request.
}
#endif

} // namespace platform
