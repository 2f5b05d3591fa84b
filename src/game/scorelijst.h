// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the high-score window shows the entries.
#pragma once

#include <QStringList>

namespace Algemeen {

// Fastest first: by the time as a number (minutes, then seconds), so a game of 100 minutes or
// more comes after shorter ones; equal times by name, ignoring case. Entries that do not start
// with a time come last, in text order.
QStringList gesorteerdeScores(QStringList regels);

} // namespace Algemeen
