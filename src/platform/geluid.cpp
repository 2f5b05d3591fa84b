// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/geluid.h"
#include "platform/geluiduitvoer.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QtEndian>

#include <cstring>
#include <memory>
#include <optional>

// The wave files are decoded here and the PCM played by the sound module (src/geluid), loaded at
// the first sound. QSoundEffect (Qt 6.4) was measured cutting 0.1 s or more off the start of short
// sounds, and losing clicks altogether.

namespace Platform {
namespace {

// Silence put before every sound. When a stream starts on an output that is already running,
// PulseAudio rewrites (rewinds) the block it has just mixed so the new sound comes out sooner. An
// output that has already passed that block on, such as the monitor a screen recorder listens to,
// then loses the first 10-25 ms of the sound, and short clicks are nearly all start. With this lead
// a rewind only takes silence; a delay this short goes unnoticed.
constexpr int kAanloopMs = 30;

// Game sounds are at most a few seconds long; a path to anything this big is not one of them.
constexpr qint64 kMaxBestand = 32 * 1024 * 1024;

struct Klank {
    int rate = 0;
    int kanalen = 0;
    int bits = 0;
    QByteArray pcm; // samples in the machine's byte order, the lead-in silence included
};

quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

// The whole file; empty when it is not a regular file (after following links: opening a FIFO
// waits for a writer that never comes, and a device may never end) or too big for a game sound.
QByteArray leesBestand(const QString& pad) {
    QFile bestand(pad);
    if (!QFileInfo(pad).isFile() || !bestand.open(QIODevice::ReadOnly))
        return {};
    const QByteArray inhoud = bestand.read(kMaxBestand + 1);
    return inhoud.size() > kMaxBestand ? QByteArray() : inhoud;
}

// The frames at data, in the machine's byte order, after the lead-in silence.
QByteArray metAanloop(const char* data, qint64 frames, const Klank& soort) {
    const int blok = soort.kanalen * soort.bits / 8;
    const qint64 stilte = qint64(soort.rate) * kAanloopMs / 1000 * blok;
    // 8-bit wave samples are unsigned: their silence is 0x80, not 0.
    QByteArray pcm(stilte + frames * blok, soort.bits == 8 ? char(0x80) : char(0));
    if (soort.bits == 8)
        std::memcpy(pcm.data() + stilte, data, size_t(frames * blok));
    else
        qFromLittleEndian<qint16>(data, frames * soort.kanalen, pcm.data() + stilte);
    return pcm;
}

// The format chunk at p, into klank; false for anything but plain PCM, 8 or 16 bits, one or two
// channels.
bool leesFormaat(const char* p, qint64 lengte, Klank& klank) {
    if (lengte < 16)
        return false;
    quint16 soort = le16(p);
    // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its GUID.
    if (soort == 0xFFFE && lengte >= 26)
        soort = le16(p + 24);
    const quint32 rate = le32(p + 4);
    klank.kanalen = le16(p + 2);
    klank.bits = le16(p + 14);
    if (soort != 1 || (klank.kanalen != 1 && klank.kanalen != 2) ||
        (klank.bits != 8 && klank.bits != 16) || le16(p + 12) != klank.kanalen * klank.bits / 8 ||
        rate < 1000 || rate > 192000)
        return false;
    klank.rate = int(rate);
    return true;
}

// Plain PCM wave files; anything else is refused rather than played as noise. A data chunk cut
// short (a file copied halfway) plays the frames that are there.
std::optional<Klank> leesWave(const QString& pad) {
    const QByteArray inhoud = leesBestand(pad);
    if (inhoud.size() < 12 || !inhoud.startsWith("RIFF") ||
        QByteArrayView(inhoud.constData() + 8, 4) != "WAVE")
        return std::nullopt;

    const char* d = inhoud.constData();
    const qint64 n = inhoud.size();
    Klank klank;
    for (qint64 pos = 12; pos + 8 <= n;) {
        const QByteArrayView id(d + pos, 4);
        const quint32 grootte = le32(d + pos + 4);
        const qint64 begin = pos + 8;
        const qint64 aanwezig = qMin<qint64>(grootte, n - begin);
        if (id == "fmt " && !leesFormaat(d + begin, aanwezig, klank))
            return std::nullopt;
        if (id == "data") {
            // Before any format chunk, klank holds no channels and the block is 0.
            const int blok = klank.kanalen * klank.bits / 8;
            if (blok == 0 || aanwezig < blok)
                return std::nullopt;
            klank.pcm = metAanloop(d + begin, aanwezig / blok, klank);
            return klank;
        }
        pos = begin + grootte + (grootte & 1);
    }
    return std::nullopt;
}

// Where the sound module may be, the first that loads wins: beside the executable (the program
// folder, and the tests), and the library folder of an installation that puts the executable in a
// folder of its own.
QStringList modulePlekken() {
    const QString map = QCoreApplication::applicationDirPath();
    return {map + QStringLiteral("/" DRIETAL_GELUID_MODULE),
            map + QStringLiteral("/" DRIETAL_MODULE_VANAF_EXE "/" DRIETAL_GELUID_MODULE)};
}

// Without the module the game is silent, as on a computer without sound. Only a regular file is
// loaded: loading a FIFO would wait for a writer with the game frozen.
std::unique_ptr<GeluidUitvoer> laadUitvoer() {
    for (const QString& plek : modulePlekken()) {
        if (!QFileInfo(plek).isFile())
            continue;
        QLibrary module(plek);
        const auto maak = reinterpret_cast<decltype(&drietal_geluid_uitvoer)>(
            module.resolve(DRIETAL_GELUID_MAAK));
        if (maak)
            return std::unique_ptr<GeluidUitvoer>(maak());
    }
    return nullptr;
}

} // namespace

struct GeluidSpeler::Klanken {
    const Klank* klank(const QString& pad);

    QHash<QString, Klank> gelezen;
    bool geladen = false; // the module has been looked for
    std::unique_ptr<GeluidUitvoer> uitvoer;
};

const Klank* GeluidSpeler::Klanken::klank(const QString& pad) {
    const auto bekend = gelezen.constFind(pad);
    if (bekend != gelezen.constEnd())
        return &*bekend;
    std::optional<Klank> nieuw = leesWave(pad);
    // A file that fails is not remembered: it is read again next time, in case it was put right.
    if (!nieuw)
        return nullptr;
    return &*gelezen.insert(pad, std::move(*nieuw));
}

GeluidSpeler::GeluidSpeler() : m_klanken(std::make_unique<Klanken>()) {}
GeluidSpeler::~GeluidSpeler() = default;

void GeluidSpeler::speel(const QString& pad) {
    const Klank* k = m_klanken->klank(pad);
    if (!k)
        return;
    if (!m_klanken->geladen) {
        m_klanken->geladen = true;
        m_klanken->uitvoer = laadUitvoer();
    }
    if (m_klanken->uitvoer)
        m_klanken->uitvoer->speel(
            {k->pcm.constData(), size_t(k->pcm.size()), k->rate, k->kanalen, k->bits});
}

} // namespace Platform
