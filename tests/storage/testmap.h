// Helpers for tests that work on real files in a temporary folder.
#pragma once

#include "storage/paths.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TestMap {

using namespace Qt::StringLiterals;

// The two lines that open the settings file and the high-score list, and the default settings.
inline const QByteArray kKop =
    "\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n";
inline const QByteArray kStandaard =
    kKop + "220,220,190\r\n\"Wallpaper-01.jpg\"\r\n10\r\n\"Drietalspel\"\r\n#TRUE#\r\n";

inline QByteArray lees(const QString& pad) {
    QFile file(pad);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool schrijf(const QString& pad, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile file(pad);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry below map by relative path, files with a digest of their bytes: two listings differ
// when anything was created, removed or changed.
inline QStringList boom(const QString& map) {
    QStringList regels;
    QDirIterator it(map, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        const QByteArray som = QCryptographicHash::hash(lees(pad), QCryptographicHash::Sha1);
        regels.append(QDir(map).relativeFilePath(pad) +
                      (it.fileInfo().isDir() ? u"/"_s : u" "_s + QString::fromLatin1(som.toHex())));
    }
    regels.sort();
    return regels;
}

// A program folder "Drietalspel" inside a fresh temporary folder, in force while this lives; the
// folder around it shows files that would land next to the program folder.
struct ProgrammaMap {
    QTemporaryDir tmp;
    QString map = tmp.filePath(u"Drietalspel"_s);
    bool gemaakt = QDir().mkpath(map);
    QScopeGuard<void (*)()> terug = qScopeGuard(+[] {
        Opslag::zetProgrammaMap({});
        Opslag::zetGebruikersMap({});
    });
    ProgrammaMap() { Opslag::zetProgrammaMap(map); }

    QString pad(const QString& relatief) const { return map + u'/' + relatief; }
};

// Whether folder permissions stop this process from writing in map (they do not stop root).
inline bool rechtenGelden(const QString& map) {
    QFile proef(map + u"/.schrijfproef"_s);
    if (!proef.open(QIODevice::WriteOnly))
        return true;
    proef.remove();
    return false;
}

// Runs werk in a child process and returns its exit status, or -1 when it did not end normally:
// for what must not outlive the test, a resource limit or a process that dies holding a lock.
inline int inKind(const std::function<int()>& werk) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(werk());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A full disk, in a child process: no file may grow past bytes, writes beyond fail with EFBIG.
inline void beperkBestanden(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit grens{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &grens);
}

} // namespace TestMap
