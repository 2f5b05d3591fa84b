// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/folderlock.h"

#include <QByteArrayList>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Opslag {
namespace {

// A lock file QLockFile writes is a few lines (pid, program, host, ids); anything bigger is not
// one.
constexpr qint64 kMaxLock = 4096;
// A copy that starts this instant creates its lock file a moment before it locks and writes it.
constexpr useconds_t kAanmaakUs = 200 * 1000;

struct LockInhoud {
    qint64 pid = 0; // 0 when the bytes are not in the lock format
    QByteArray host;
};

LockInhoud leesLock(int fd) {
    QByteArray bytes(kMaxLock + 1, Qt::Uninitialized);
    const ssize_t n = ::pread(fd, bytes.data(), bytes.size(), 0);
    if (n <= 0 || n > kMaxLock)
        return {};
    const QByteArrayList regels = bytes.left(n).split('\n');
    bool ok = false;
    const qint64 pid = regels.value(0).toLongLong(&ok);
    if (!ok || pid <= 0 || regels.size() < 4)
        return {};
    return {pid, regels.at(2)};
}

bool procesLeeft(qint64 pid) {
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool isOud(const struct stat& st) {
    return std::time(nullptr) - st.st_mtime >
           std::chrono::seconds(MapVergrendeling::kVerouderd).count();
}

// Whether the regular file open at fd, which nobody holds, is left over by a copy that is gone.
bool isVerlaten(int fd, const struct stat& st) {
    if (isOud(st))
        return true;
    const LockInhoud lock = leesLock(fd);
    if (lock.pid == 0)
        return true;
    return lock.host == QSysInfo::machineHostName().toUtf8() && !procesLeeft(lock.pid);
}

// Removes the lock file at pad when nobody holds it and it is left over.
void ruimVerlatenOp(const QByteArray& pad) {
    const int fd = ::open(pad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    // It is removed while held, so that a copy starting meanwhile cannot lose its lock to it.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && isVerlaten(fd, st))
        ::unlink(pad.constData());
    ::close(fd);
}

enum class Plek { Vrij, Map };

// Clears the lock's place of what no running copy holds, before QLockFile looks: QLockFile reads
// a lock to judge it, following a link and waiting on a FIFO, and never takes over a lock it
// cannot read or one of another host. A running copy holds its lock with flock().
Plek ruimOp(const QByteArray& pad) {
    struct stat st {};
    if (::lstat(pad.constData(), &st) != 0)
        return Plek::Vrij;
    if (S_ISDIR(st.st_mode))
        return Plek::Map;
    if (!S_ISREG(st.st_mode)) {
        ::unlink(pad.constData());
        return Plek::Vrij;
    }
    if (::access(pad.constData(), R_OK) != 0) {
        // Another user's file, unreadable: only its age can tell.
        if (isOud(st))
            ::unlink(pad.constData());
        return Plek::Vrij;
    }
    // An empty lock is what a crash leaves, or what a copy starting this instant has only just
    // created: if it is still empty and nobody's a moment later, it is left over.
    if (st.st_size == 0 && !isOud(st))
        ::usleep(kAanmaakUs);
    ruimVerlatenOp(pad);
    return Plek::Vrij;
}

} // namespace

MapVergrendeling::MapVergrendeling(const QString& map)
    : m_pad(map + QStringLiteral("/.drietalspel.lock")), m_slot(m_pad) {
    if (ruimOp(QFile::encodeName(m_pad)) == Plek::Map)
        return;
    // Which lock is left over was judged above, for every case; QLockFile's own judgement by age
    // would follow no rule of ours.
    m_slot.setStaleLockTime(0);
    m_bezet = !m_slot.tryLock(0) && m_slot.error() == QLockFile::LockFailedError;
}

void MapVergrendeling::ververs() {
    if (m_slot.isLocked())
        ::utimensat(AT_FDCWD, QFile::encodeName(m_pad).constData(), nullptr, AT_SYMLINK_NOFOLLOW);
}

} // namespace Opslag
