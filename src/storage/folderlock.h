// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game per data folder: two copies that both write the high-score list at exit
// would each drop the scores of the other.
#pragma once

#include <QLockFile>
#include <QString>

namespace Opslag {

// Holds a lock file in the data folder map while it lives.
class MapSlot {
public:
    // A lock left by a copy that was killed (its process is gone) is taken over. A folder where no
    // lock file can be made is not held, but not reported busy either: the game starts.
    explicit MapSlot(const QString& map);

    // True when another running copy holds the folder.
    bool bezet() const { return m_bezet; }

private:
    QLockFile m_slot;
    bool m_bezet = false;
};

} // namespace Opslag
