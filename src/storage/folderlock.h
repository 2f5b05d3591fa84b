// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game per data folder: two copies that both write the high-score list at exit
// would each drop the scores of the other.
#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

namespace Opslag {

// Holds a lock file in the data folder map while it lives.
class MapVergrendeling {
public:
    // A lock whose holder is gone is taken over: a running copy holds its lock file with flock()
    // and refreshes its time (see ververs), so a lock nobody holds is stale when its process is
    // gone, when it is older than kVerouderd, or when it is no lock at all (garbage, too big, an
    // empty file a crash left). Anything else at the lock's place (a link, a FIFO) is removed
    // unread; a folder there, or a folder where no lock file can be made, is not held but not
    // reported busy either: the game starts.
    explicit MapVergrendeling(const QString& map);

    // True when another running copy holds the folder.
    bool bezet() const { return m_bezet; }

    // The lock's time set to now; a running copy calls it more often than kVerouderd, so that a
    // copy on another computer (a shared folder) sees its lock as alive.
    void ververs();

    static constexpr std::chrono::minutes kVerouderd{5};

private:
    QString m_pad;
    QLockFile m_slot;
    bool m_bezet = false;
};

} // namespace Opslag
