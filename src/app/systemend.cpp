// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/systemend.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The two ends of the pipe from the signal handler to the event loop.
int ends[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Nothing more can be done in a signal handler if the write fails.
    [[maybe_unused]] const ssize_t written = ::write(ends[0], &byte, 1);
}

} // namespace

SystemEnd::SystemEnd(std::function<void()> end) : end_(std::move(end))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    notifier_ = new QSocketNotifier(ends[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(ends[1], &byte, 1);
        end_();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

SystemEnd::~SystemEnd()
{
    if (!notifier_)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    delete notifier_;
    ::close(ends[0]);
    ::close(ends[1]);
    ends[0] = ends[1] = -1;
}
