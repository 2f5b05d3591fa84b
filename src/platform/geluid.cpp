#include "platform/geluid.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QtEndian>

#include <cstring>
#include <memory>
#include <optional>

// The sounds go through QAudioSink with PCM we decode ourselves. QSoundEffect (Qt 6.4) was
// measured cutting 0.1 s or more off the start of short sounds, and losing clicks altogether.

namespace Algemeen {
namespace {

// Silence put before every sound. When a stream starts on an output that is already running,
// PulseAudio rewrites (rewinds) the block it has just mixed so the new sound comes out sooner. An
// output that has already passed that block on, such as the monitor a screen recorder listens to,
// then loses the first 10-25 ms of the sound, and short clicks are nearly all start. With this lead
// a rewind only takes silence; a delay this short goes unnoticed.
constexpr int kAanloopMs = 30;

// The server buffer asked for each sound. The whole sound is in memory and goes in at once, so a
// roomy buffer does not hold up the start.
constexpr qint64 kBufferUs = 200000;

// Game sounds are at most a few seconds long; a path to anything this big is not one of them.
constexpr qint64 kMaxBestand = 32 * 1024 * 1024;

struct Klank {
    QAudioFormat formaat;
    QByteArray pcm; // samples in the machine's byte order, the lead-in silence included
};

quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

// Plain PCM wave files, 8 or 16 bits, one or two channels. Anything else is refused rather than
// played as noise. A data chunk cut short (a file copied halfway) plays the frames that are there.
std::optional<Klank> leesWave(const QString& pad) {
    // Only a regular file, after following links: opening a FIFO waits for a writer that never
    // comes, and a device may never end.
    if (!QFileInfo(pad).isFile())
        return std::nullopt;
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray inhoud = bestand.read(kMaxBestand + 1);
    if (inhoud.size() < 12 || inhoud.size() > kMaxBestand || !inhoud.startsWith("RIFF") ||
        QByteArrayView(inhoud.constData() + 8, 4) != "WAVE")
        return std::nullopt;

    const char* d = inhoud.constData();
    const qint64 n = inhoud.size();
    int kanalen = 0;
    int bits = 0;
    int blok = 0;
    quint32 rate = 0;
    for (qint64 pos = 12; pos + 8 <= n;) {
        const QByteArrayView id(d + pos, 4);
        const quint32 grootte = le32(d + pos + 4);
        const qint64 begin = pos + 8;
        const qint64 aanwezig = qMin<qint64>(grootte, n - begin);
        if (id == "fmt ") {
            if (aanwezig < 16)
                return std::nullopt;
            quint16 soort = le16(d + begin);
            // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its GUID.
            if (soort == 0xFFFE && aanwezig >= 26)
                soort = le16(d + begin + 24);
            kanalen = le16(d + begin + 2);
            rate = le32(d + begin + 4);
            blok = le16(d + begin + 12);
            bits = le16(d + begin + 14);
            if (soort != 1 || (kanalen != 1 && kanalen != 2) || (bits != 8 && bits != 16) ||
                blok != kanalen * bits / 8 || rate < 1000 || rate > 192000)
                return std::nullopt;
        } else if (id == "data") {
            if (blok == 0)
                return std::nullopt;
            const qint64 frames = aanwezig / blok;
            if (frames == 0)
                return std::nullopt;
            const qint64 stilte = qint64(rate) * kAanloopMs / 1000 * blok;
            Klank klank;
            klank.formaat.setSampleRate(int(rate));
            klank.formaat.setChannelCount(kanalen);
            klank.formaat.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            // 8-bit wave samples are unsigned: their silence is 0x80, not 0.
            klank.pcm = QByteArray(stilte + frames * blok, bits == 8 ? char(0x80) : char(0));
            if (bits == 8)
                std::memcpy(klank.pcm.data() + stilte, d + begin, size_t(frames * blok));
            else
                qFromLittleEndian<qint16>(d + begin, frames * kanalen, klank.pcm.data() + stilte);
            return klank;
        }
        pos = begin + grootte + (grootte & 1);
    }
    return std::nullopt;
}

class GeluidSpeler {
public:
    void speel(const QString& pad);

private:
    const Klank* klank(const QString& pad);

    QHash<QString, Klank> klanken;
    QBuffer bron; // declared before uitvoer, which reads from it until it is gone
    QAudioDevice apparaat;
    std::unique_ptr<QAudioSink> uitvoer;
};

const Klank* GeluidSpeler::klank(const QString& pad) {
    const auto bekend = klanken.constFind(pad);
    if (bekend != klanken.constEnd())
        return &*bekend;
    std::optional<Klank> gelezen = leesWave(pad);
    // A file that fails is not remembered: it is read again next time, in case it was put right.
    if (!gelezen)
        return nullptr;
    return &*klanken.insert(pad, std::move(*gelezen));
}

void GeluidSpeler::speel(const QString& pad) {
    const Klank* k = klank(pad);
    if (!k)
        return;
    // Without an audio server Qt lists no output at all; the game then just stays silent.
    const QAudioDevice standaard = QMediaDevices::defaultAudioOutput();
    if (standaard.isNull())
        return;
    if (!uitvoer || apparaat != standaard || uitvoer->format() != k->formaat) {
        uitvoer.reset();
        apparaat = standaard;
        uitvoer = std::make_unique<QAudioSink>(standaard, k->formaat);
    }
    // Stopping closes the stream, so the server drops what it still holds of the previous sound
    // and the new one is not queued behind it.
    uitvoer->stop();
    bron.close();
    bron.setData(k->pcm);
    bron.open(QIODevice::ReadOnly);
    // Qt 6.4 asks each new stream for the buffer the server granted the previous one, and the
    // server grants less than asked, so every sound got a smaller buffer than the last until, after
    // a handful of sounds, the buffer was too small to be filled at all and the output stayed
    // silent. Asking for the same size every time keeps it where it started.
    uitvoer->setBufferSize(k->formaat.bytesForDuration(kBufferUs));
    uitvoer->start(&bron);
}

GeluidSpeler*& speler() {
    static GeluidSpeler* instantie = nullptr;
    return instantie;
}

void ruimSpelerOp() {
    delete speler();
    speler() = nullptr;
}

} // namespace

void GeluidSpelen(const QString& pad) {
    if (!QCoreApplication::instance())
        return;
    if (!speler()) {
        speler() = new GeluidSpeler;
        // The stream has to close while Qt's audio backend is still there: with the application
        // object, not among the static destructors at exit, when the backend may be gone already.
        qAddPostRoutine(ruimSpelerOp);
    }
    speler()->speel(pad);
}

} // namespace Algemeen
