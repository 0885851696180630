// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminationSignals.h"

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace clavora {

namespace {
int sockets[2] = {-1, -1};
constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};

void writeByte(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full socket already holds a byte that will close the program, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
    errno = savedErrno;
}
} // namespace

TerminationSignals::TerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0)
        return; // the signals keep their default action: the program ends unsaved, as before
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = writeByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : handledSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (int signal : handledSignals)
        std::signal(signal, SIG_DFL);
    ::close(sockets[0]);
    ::close(sockets[1]);
    sockets[0] = sockets[1] = -1;
}

void TerminationSignals::readSignal()
{
    char bytes[16];
    while (::read(sockets[1], bytes, sizeof bytes) > 0) {
    }
    emit received();
}

} // namespace clavora
