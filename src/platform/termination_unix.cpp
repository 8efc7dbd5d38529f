#include "termination.h"

#include <QSocketNotifier>

#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; everything else happens on the GUI thread.
int signalFd[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalFd[0], &byte, 1);
}

constexpr int watchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

struct TerminationWatcher::Impl {
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previous[std::size(watchedSignals)] = {};
};

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>())
{
    if (signalFd[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalFd) != 0) {
        qWarning("dialtally: cannot watch for termination signals");
        return;
    }
    d->notifier = std::make_unique<QSocketNotifier>(signalFd[1], QSocketNotifier::Read);
    connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalFd[1], &byte, 1);
        emit terminationRequested();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        sigaction(watchedSignals[i], &action, &d->previous[i]);
}

TerminationWatcher::~TerminationWatcher()
{
    if (!d->notifier)
        return;
    for (std::size_t i = 0; i < std::size(watchedSignals); ++i)
        sigaction(watchedSignals[i], &d->previous[i], nullptr);
}
