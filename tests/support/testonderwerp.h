// SPDX-License-Identifier: GPL-3.0-or-later
// A program folder in a temporary directory and its folders object, and the file helpers of the
// tests that use real files.
#pragma once

#include "game/spel.h"
#include "storage/paths.h"
#include "storage/topicfiles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>

namespace TestMap {

// The header of every settings file and high-score list.
const QByteArray kKop = "\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n";

inline QByteArray lees(const QString& pad) {
    QFile file(pad);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool schrijf(const QString& pad, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile file(pad);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// v as its bytes in little-endian order, as a wave file stores numbers.
template <typename T> QByteArray le(T v) {
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), sizeof v);
}

// The 44-byte header of a wave file with n bytes of samples: PCM, or IEEE floats at 32 bits.
inline QByteArray waveKop(quint32 n, quint32 rate = 44100, int kanalen = 1, int bits = 16) {
    const quint32 blok = quint32(kanalen * bits / 8);
    return "RIFF" + le(36 + n) + "WAVEfmt " + le(16u) + le(quint16(bits == 32 ? 3 : 1)) +
           le(quint16(kanalen)) + le(rate) + le(rate * blok) + le(quint16(blok)) +
           le(quint16(bits)) + "data" + le(n);
}

// Every entry below map with a digest of its bytes: two listings differ when anything was
// created, removed or changed. Only a regular file is read: a FIFO would wait for a writer.
inline QStringList boom(const QString& map) {
    QStringList regels;
    QDirIterator it(map, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QByteArray bytes = info.isFile() ? lees(info.filePath()) : info.isDir() ? "/" : "?";
        regels << QDir(map).relativeFilePath(info.filePath()) + (info.isSymLink() ? " -> " : " ") +
                      QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    }
    regels.sort();
    return regels;
}

} // namespace TestMap

// The program folder is "Drietalspel" inside the temporary folder, so files that land next to it
// show too.
class TestProgrammaMap {
public:
    TestProgrammaMap() { QDir().mkpath(m_map); }

    // A portable copy's folders: the user's files in the program folder.
    Opslag::Mappen mappen() const { return Opslag::Mappen(m_map); }

    QString pad() const { return m_map; }
    QString pad(const QString& relatief) const { return m_map + u'/' + relatief; }
    // A path beside the program folder.
    QString buiten(const QString& relatief) const { return m_tmp.filePath(relatief); }

    void schrijfOnderwerp(const QString& naam, const QList<QStringList>& rijen) const {
        Opslag::WoordKolommen kolommen;
        for (const QStringList& rij : rijen)
            for (int k = 0; k < 3; ++k)
                kolommen.kolom[k].append(rij.value(k));
        Opslag::WoordLijstOpslaan(mappen(), naam, kolommen);
    }

    // Rows of distinct words: "a0","b0","c0", "a1","b1","c1" ...
    static QList<QStringList> tienRijen(int aantal = 10) {
        QList<QStringList> rijen;
        for (int i = 0; i < aantal; ++i)
            rijen.append({QString("a%1").arg(i), QString("b%1").arg(i), QString("c%1").arg(i)});
        return rijen;
    }

private:
    QTemporaryDir m_tmp;
    QString m_map = m_tmp.filePath(QStringLiteral("Drietalspel"));
};
