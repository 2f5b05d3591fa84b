// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/afsluitsignaal.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace Platform {
namespace {

int signaalPijp[2] = {-1, -1};

void bijSignaal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto geschreven = ::write(signaalPijp[0], &byte, 1);
}

} // namespace

void vangAfsluitSignalen(std::function<void()> afsluiten) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signaalPijp) != 0)
        return;
    auto* melder = new QSocketNotifier(signaalPijp[1], QSocketNotifier::Read);
    QObject::connect(melder, &QSocketNotifier::activated, melder,
                     [melder, afsluiten = std::move(afsluiten)] {
                         char byte;
                         [[maybe_unused]] const auto gelezen = ::read(signaalPijp[1], &byte, 1);
                         melder->setEnabled(false);
                         afsluiten();
                     });
    struct sigaction actie = {};
    actie.sa_handler = bijSignaal;
    sigemptyset(&actie.sa_mask);
    actie.sa_flags = SA_RESTART;
    for (int signaal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signaal, &actie, nullptr);
}

} // namespace Platform
