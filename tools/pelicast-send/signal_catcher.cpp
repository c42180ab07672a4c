// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_catcher.h"

#include <fcntl.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
int pipeEnds[2] = {-1, -1};

// Async-signal-safe: one write, errno kept.
extern "C" void onSignal(int signal) {
    const int saved = errno;
    const char number = char(signal);
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &number, 1);
    errno = saved;
}

void setAction(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

}  // namespace

SignalCatcher::SignalCatcher(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // then the signals keep their default actions
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCatcher::read);
    setAction(onSignal);
}

SignalCatcher::~SignalCatcher() {
    if (!notifier_)
        return;
    setAction(SIG_DFL);
    delete notifier_;
    for (int& end : pipeEnds)
        ::close(std::exchange(end, -1));
}

void SignalCatcher::read() {
    char number = 0;
    while (::read(pipeEnds[0], &number, 1) == 1)
        Q_EMIT caught(number);
}

QString SignalCatcher::nameOf(int signal) {
    switch (signal) {
        case SIGINT:
            return u"SIGINT"_s;
        case SIGTERM:
            return u"SIGTERM"_s;
        case SIGHUP:
            return u"SIGHUP"_s;
        default:
            return tr("signal %1").arg(signal);
    }
}

void SignalCatcher::endBy(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);  // should the signal be blocked
}

}  // namespace pelicast
