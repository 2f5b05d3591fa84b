// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/folderlock.h"

namespace Opslag {

MapSlot::MapSlot(const QString& map) : m_slot(map + QStringLiteral("/.drietalspel.lock")) {
    // Only a lock whose process is gone counts as stale, however long the game has been open.
    m_slot.setStaleLockTime(0);
    m_bezet = !m_slot.tryLock(0) && m_slot.error() == QLockFile::LockFailedError;
}

} // namespace Opslag
