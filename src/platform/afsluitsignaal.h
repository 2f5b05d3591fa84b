// SPDX-License-Identifier: GPL-3.0-or-later
// Closes the program cleanly when the desktop session asks it to end (SIGTERM, SIGINT, SIGHUP).
#pragma once

#include <functional>

namespace Platform {

// Calls afsluiten on the event loop when one of the signals arrives; the handler itself only
// writes a byte to a pipe, the one thing a signal handler may safely do.
void vangAfsluitSignalen(std::function<void()> afsluiten);

} // namespace Platform
