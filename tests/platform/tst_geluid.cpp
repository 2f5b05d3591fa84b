// The sounds are checked by ear, so to speak: the test records what reaches the PulseAudio null
// sink "testsink" (scripts/soundsink.sh start) and measures it. Without that server those checks
// are skipped; the ones about broken files and a computer without sound run anyway.
#include "game/algemeen.h"
#include "platform/geluid.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr double kVenster = 0.01;     // seconds per measured window
constexpr double kGeluidGrens = 0.01; // a window with a higher RMS holds sound
constexpr double kPi = 3.14159265358979323846;

void zet16(QByteArray& uit, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    uit.append(b, 2);
}

void zet32(QByteArray& uit, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    uit.append(b, 4);
}

QByteArray waveKop(quint16 soort, quint32 rate, quint16 kanalen, quint16 bits, quint32 data) {
    const quint16 blok = quint16(kanalen * bits / 8);
    QByteArray kop("RIFF");
    zet32(kop, 36 + data);
    kop.append("WAVEfmt ");
    zet32(kop, 16);
    zet16(kop, soort);
    zet16(kop, kanalen);
    zet32(kop, rate);
    zet32(kop, rate * blok);
    zet16(kop, blok);
    zet16(kop, bits);
    kop.append("data");
    zet32(kop, data);
    return kop;
}

// A sine tone at half of full scale. rechtsStil keeps the right channel of a stereo file silent.
QByteArray toonWave(double seconden, double hz, int rate = 44100, int kanalen = 1, int bits = 16,
                    bool rechtsStil = false) {
    const int frames = int(std::lround(seconden * rate));
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * kPi * hz * i / rate);
        for (int k = 0; k < kanalen; ++k) {
            const double w = (k == 1 && rechtsStil) ? 0.0 : v;
            if (bits == 8)
                data.append(char(quint8(std::lround(128 + 127 * w))));
            else
                zet16(data, quint16(qint16(std::lround(32767 * w))));
        }
    }
    return waveKop(1, quint32(rate), quint16(kanalen), quint16(bits), quint32(data.size())) + data;
}

bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhoud) == inhoud.size();
}

// Little-endian fields of a file read into memory, byte by byte.
quint32 veld(const QByteArray& d, qint64 pos, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(d.at(pos + i));
    return v;
}

// What parec wrote: 16-bit PCM. While it still runs the header says the data is empty, so the
// data then reaches to the end of the file.
struct Opname {
    int rate = 0;
    int kanalen = 0;
    std::vector<qint16> monsters; // interleaved

    qint64 frames() const { return kanalen ? qint64(monsters.size()) / kanalen : 0; }
    double seconden() const { return rate ? double(frames()) / rate : 0; }
    double monster(qint64 frame, int kanaal) const {
        return monsters[size_t(frame * kanalen + kanaal)] / 32768.0;
    }
};

std::optional<Opname> leesOpname(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray d = f.readAll();
    if (d.size() < 12 || !d.startsWith("RIFF"))
        return std::nullopt;
    Opname op;
    int bits = 0;
    for (qint64 pos = 12; pos + 8 <= d.size();) {
        const QByteArray id = d.mid(pos, 4);
        const quint32 grootte = veld(d, pos + 4, 4);
        const qint64 rest = d.size() - pos - 8;
        if (id == "fmt " && rest >= 16) {
            op.kanalen = int(veld(d, pos + 10, 2));
            op.rate = int(veld(d, pos + 12, 4));
            bits = int(veld(d, pos + 22, 2));
        } else if (id == "data") {
            if (bits != 16 || op.kanalen < 1)
                return std::nullopt;
            const qint64 lengte = (grootte == 0 || grootte > rest) ? rest : grootte;
            const qint64 aantal = lengte / (2 * op.kanalen) * op.kanalen;
            op.monsters.resize(size_t(aantal));
            for (qint64 i = 0; i < aantal; ++i)
                op.monsters[size_t(i)] = qint16(veld(d, pos + 8 + 2 * i, 2));
            return op;
        }
        pos += 8 + grootte + (grootte & 1);
    }
    return std::nullopt;
}

// Per 10 ms window from second vanaf on: does it hold sound?
QVector<bool> luideVensters(const Opname& op, double vanaf, int kanaal = 0) {
    QVector<bool> uit;
    const qint64 breed = qint64(op.rate * kVenster);
    for (qint64 b = qint64(vanaf * op.rate); breed > 0 && b + breed <= op.frames(); b += breed) {
        double som = 0;
        for (qint64 i = b; i < b + breed; ++i)
            som += op.monster(i, kanaal) * op.monster(i, kanaal);
        uit.append(std::sqrt(som / double(breed)) > kGeluidGrens);
    }
    return uit;
}

double luideSeconden(const QVector<bool>& vensters) {
    return double(vensters.count(true)) * kVenster;
}

// A tone of hz crosses zero 2 * hz times a second.
int nuldoorgangen(const Opname& op, double vanaf, int venster) {
    const qint64 breed = qint64(op.rate * kVenster);
    const qint64 b = qint64(vanaf * op.rate) + venster * breed;
    int n = 0;
    for (qint64 i = b + 1; i < b + breed && i < op.frames(); ++i)
        n += (op.monster(i - 1, 0) < 0) != (op.monster(i, 0) < 0);
    return n;
}

// The pitch of the first stretch of sound, its partly filled first and last window left out.
double toonhoogte(const Opname& op, double vanaf) {
    const QVector<bool> luid = luideVensters(op, vanaf);
    int doorgangen = 0;
    int vensters = 0;
    for (int v = int(luid.indexOf(true)) + 1; v > 0 && v + 1 < luid.size() && luid[v + 1]; ++v) {
        doorgangen += nuldoorgangen(op, vanaf, v);
        ++vensters;
    }
    return vensters ? doorgangen / (2 * kVenster * vensters) : 0.0;
}

// From the first to the last sample above a twentieth of full scale: the sound's length to the
// sample, where the windows only count in hundredths.
double klinkendeLengte(const Opname& op, double vanaf) {
    qint64 eerste = -1;
    qint64 laatste = -1;
    for (qint64 i = qint64(vanaf * op.rate); i < op.frames(); ++i) {
        if (std::abs(op.monster(i, 0)) > 0.05) {
            if (eerste < 0)
                eerste = i;
            laatste = i;
        }
    }
    return eerste < 0 ? 0.0 : double(laatste - eerste + 1) / op.rate;
}

double hoogsteWaarde(const Opname& op, double vanaf, int kanaal) {
    double piek = 0;
    for (qint64 i = qint64(vanaf * op.rate); i < op.frames(); ++i)
        piek = std::max(piek, std::abs(op.monster(i, kanaal)));
    return piek;
}

// parec on the monitor of testsink. The sink runs on its own clock, so how far the recording has
// got is also the test's measure of how much time has passed for the sound.
class Opnemer {
public:
    explicit Opnemer(QString pad) : pad(std::move(pad)) {}
    ~Opnemer() { stop(); }

    // True once the recording is really under way (parec may take a second to get going).
    bool start() {
        QFile::remove(pad);
        proces.start(QStringLiteral("parec"),
                     {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                      QStringLiteral("testsink.monitor"), QStringLiteral("--file-format=wav"),
                      pad});
        return proces.waitForStarted(3000) &&
               QTest::qWaitFor([this] { return seconden() >= 0.05; }, 5000);
    }

    double seconden() const {
        const std::optional<Opname> op = leesOpname(pad);
        return op ? op->seconden() : 0;
    }

    std::optional<Opname> stop() {
        if (proces.state() != QProcess::NotRunning) {
            const qint64 pid = proces.processId();
            if (pid > 0)
                ::kill(pid_t(pid), SIGINT); // parec finishes the file header on SIGINT
            if (!proces.waitForFinished(3000)) {
                proces.kill();
                proces.waitForFinished(3000);
            }
        }
        return leesOpname(pad);
    }

private:
    QString pad;
    QProcess proces;
};

// The test program runs itself with this variable set to play a sound and quit at once.
const char kSpeelEnStop[] = "DRIETAL_GELUID_SPEEL_EN_STOP";

int speelEnStop(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString pad = QString::fromLocal8Bit(argv[1]);
    QElapsedTimer klok;
    klok.start();
    Algemeen::GeluidSpelen(pad);
    Algemeen::GeluidSpelen(pad);
    const qint64 ms = klok.elapsed();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("klaar %lld\n", static_cast<long long>(ms));
    return 0;
}

} // namespace

class TstGeluid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void speeltHeleGeluid_data();
    void speeltHeleGeluid();
    void nieuwGeluidVervangtSpelend();
    void herhaaldGeluidSpeeltElkeKeer();
    void geluidUitSpeeltNiets();
    void onbruikbaarBestand_data();
    void onbruikbaarBestand();
    void onbruikbaarBestandBlijftStil();
    void zonderServerLooptDoor();
    void afsluitenTijdensGeluid();

private:
    QString pad(const QString& naam) const { return map.filePath(naam); }
    QString opnamePad() const { return pad(QStringLiteral("opname.wav")); }

    QTemporaryDir map;
    QString geenServer; // why the recorded checks cannot run, empty when they can
};

void TstGeluid::initTestCase() {
    QVERIFY(map.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        geenServer = QStringLiteral("pactl/parec not installed (pulseaudio-utils)");
        return;
    }
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0) {
        geenServer =
            QStringLiteral("no PulseAudio server answers (run scripts/soundsink.sh start)");
        return;
    }
    const QString info = QString::fromUtf8(pactl.readAllStandardOutput());
    if (!info.contains(QRegularExpression(QStringLiteral("^Default Sink: testsink$"),
                                          QRegularExpression::MultilineOption)))
        geenServer = QStringLiteral("the default sink is not the null sink testsink "
                                    "(run scripts/soundsink.sh start)");
}

void TstGeluid::init() {
    Algemeen::instellingen.GeluidAan = true;
}

void TstGeluid::speeltHeleGeluid_data() {
    QTest::addColumn<double>("seconden");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("kanalen");
    QTest::addColumn<int>("bits");
    QTest::newRow("0,3 s mono 16 bits") << 0.3 << 44100 << 1 << 16;
    QTest::newRow("0,1 s mono 16 bits") << 0.1 << 44100 << 1 << 16;
    QTest::newRow("0,3 s stereo 8 bits 22 kHz") << 0.3 << 22050 << 2 << 8;
    QTest::newRow("0,02 s klik") << 0.02 << 44100 << 1 << 16;
    QTest::newRow("0,05 s klik stereo") << 0.05 << 48000 << 2 << 16;
}

void TstGeluid::speeltHeleGeluid() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    QFETCH(double, seconden);
    QFETCH(int, rate);
    QFETCH(int, kanalen);
    QFETCH(int, bits);
    const double hz = 440;
    const QString toon =
        pad(QStringLiteral("toon-%1-%2-%3-%4.wav").arg(seconden).arg(rate).arg(kanalen).arg(bits));
    QVERIFY(schrijf(toon, toonWave(seconden, hz, rate, kanalen, bits, kanalen == 2)));

    Opnemer opnemer(opnamePad());
    QVERIFY2(opnemer.start(), "parec records nothing");
    const double begin = opnemer.seconden();
    Algemeen::GeluidSpelen(toon);
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= begin + seconden + 0.4, 4000);
    const std::optional<Opname> op = opnemer.stop();
    QVERIFY(op);

    const double gehoord = luideSeconden(luideVensters(*op, begin));
    QVERIFY2(
        gehoord >= 0.9 * seconden - 1e-9,
        qPrintable(QStringLiteral("%1 s of a %2 s sound recorded").arg(gehoord).arg(seconden)));
    QVERIFY2(gehoord <= seconden + 0.03, qPrintable(QStringLiteral("%1 s recorded").arg(gehoord)));
    const double lengte = klinkendeLengte(*op, begin);
    QVERIFY2(lengte >= 0.9 * seconden && lengte <= seconden + 0.005,
             qPrintable(QStringLiteral("sounded for %1 s of %2 s").arg(lengte).arg(seconden)));
    // Played at its own rate and with its own sample format: same pitch, same loudness. (A click
    // holds too few whole windows to count its pitch.)
    const double hzGehoord = toonhoogte(*op, begin);
    if (seconden >= 0.1)
        QVERIFY2(std::abs(hzGehoord - hz) < 40, qPrintable(QStringLiteral("%1 Hz").arg(hzGehoord)));
    QVERIFY2(std::abs(hoogsteWaarde(*op, begin, 0) - 0.5) < 0.05,
             qPrintable(QStringLiteral("peak %1").arg(hoogsteWaarde(*op, begin, 0))));
    // The right channel of the stereo file is silent and must stay so.
    if (kanalen == 2 && op->kanalen == 2)
        QCOMPARE(luideSeconden(luideVensters(*op, begin, 1)), 0.0);
}

void TstGeluid::nieuwGeluidVervangtSpelend() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    const QString lang = pad(QStringLiteral("lang-440.wav"));
    const QString kort = pad(QStringLiteral("kort-880.wav"));
    QVERIFY(schrijf(lang, toonWave(1.0, 440)));
    QVERIFY(schrijf(kort, toonWave(0.3, 880)));

    Opnemer opnemer(opnamePad());
    QVERIFY2(opnemer.start(), "parec records nothing");
    const double begin = opnemer.seconden();
    QElapsedTimer klok;
    klok.start();
    Algemeen::GeluidSpelen(lang);
    // Returns while the one-second sound has hardly begun.
    QVERIFY2(klok.elapsed() < 800,
             qPrintable(QStringLiteral("returned after %1 ms").arg(klok.elapsed())));
    // Switch only once the first sound is really coming out.
    QTRY_VERIFY_WITH_TIMEOUT(
        luideSeconden(luideVensters(leesOpname(opnamePad()).value_or(Opname()), begin)) >= 0.1,
        3000);
    Algemeen::GeluidSpelen(kort);
    const double wissel = opnemer.seconden();
    // Long enough for the rest of the first sound, had it gone on.
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= wissel + 1.2, 4000);
    const std::optional<Opname> op = opnemer.stop();
    QVERIFY(op);

    const QVector<bool> luid = luideVensters(*op, begin);
    const double totaal = luideSeconden(luid);
    QVERIFY2(totaal < 0.9, qPrintable(QStringLiteral("%1 s of sound in all").arg(totaal)));

    // Pitch per window, leaving out the first and last window of each stretch of sound: those
    // hold only part of a window's worth of tone.
    int eersteHoog = -1;
    int laatsteLaag = -1;
    for (int v = 1; v + 1 < luid.size(); ++v) {
        if (!luid[v - 1] || !luid[v] || !luid[v + 1])
            continue;
        const double hz = nuldoorgangen(*op, begin, v) / (2 * kVenster);
        if (hz > 660 && eersteHoog < 0)
            eersteHoog = v;
        if (hz <= 660)
            laatsteLaag = v;
    }
    QVERIFY2(laatsteLaag >= 0, "the first sound was never heard");
    QVERIFY2(eersteHoog >= 0, "the second sound was never heard");
    // One window may hold both tones where they meet.
    QVERIFY2(laatsteLaag <= eersteHoog + 1,
             qPrintable(QStringLiteral("440 Hz at %1 s, after 880 Hz began at %2 s")
                            .arg(laatsteLaag * kVenster)
                            .arg(eersteHoog * kVenster)));
    const double tweede = luideSeconden(luid.mid(eersteHoog - 1));
    QVERIFY2(tweede >= 0.27 && tweede <= 0.33,
             qPrintable(QStringLiteral("%1 s of the 0.3 s second sound").arg(tweede)));
}

void TstGeluid::herhaaldGeluidSpeeltElkeKeer() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    // The game plays the same few clicks over and over, each after the last has ended.
    const QString a = pad(QStringLiteral("herhaal-a.wav"));
    const QString b = pad(QStringLiteral("herhaal-b.wav"));
    QVERIFY(schrijf(a, toonWave(0.1, 440)));
    QVERIFY(schrijf(b, toonWave(0.1, 660)));

    Opnemer opnemer(opnamePad());
    QVERIFY2(opnemer.start(), "parec records nothing");
    QList<double> begins;
    for (const QString& klik : {a, a, b, a, b, b}) {
        begins << opnemer.seconden();
        Algemeen::GeluidSpelen(klik);
        QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= begins.last() + 0.3, 3000);
    }
    const std::optional<Opname> op = opnemer.stop();
    QVERIFY(op);
    for (int i = 0; i < begins.size(); ++i) {
        const QVector<bool> luid = luideVensters(*op, begins[i]);
        const double gehoord = luideSeconden(
            i + 1 < begins.size() ? luid.mid(0, int((begins[i + 1] - begins[i]) / kVenster))
                                  : luid);
        QVERIFY2(gehoord >= 0.09 && gehoord <= 0.13,
                 qPrintable(QStringLiteral("click %1: %2 s of 0.1 s").arg(i + 1).arg(gehoord)));
    }
}

void TstGeluid::geluidUitSpeeltNiets() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    const QString toon = pad(QStringLiteral("uit.wav"));
    QVERIFY(schrijf(toon, toonWave(0.3, 440)));

    Opnemer opnemer(opnamePad());
    QVERIFY2(opnemer.start(), "parec records nothing");
    const double begin = opnemer.seconden();
    Algemeen::instellingen.GeluidAan = false;
    Algemeen::GeluidSpelen(toon);
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= begin + 0.7, 3000);
    // The same call with sound on, in the same recording, shows the recording would have heard it.
    const double daarna = opnemer.seconden();
    Algemeen::instellingen.GeluidAan = true;
    Algemeen::GeluidSpelen(toon);
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= daarna + 0.7, 3000);
    const std::optional<Opname> op = opnemer.stop();
    QVERIFY(op);

    const QVector<bool> luid = luideVensters(*op, begin);
    const int uit = int((daarna - begin) / kVenster);
    QCOMPARE(luideSeconden(luid.mid(0, uit)), 0.0);
    QVERIFY(luideSeconden(luid.mid(uit)) >= 0.27);
}

void TstGeluid::onbruikbaarBestand_data() {
    QTest::addColumn<QByteArray>("inhoud"); // the row "ontbreekt" writes no file at all
    QTest::addColumn<bool>("isMap");
    const QByteArray goed = toonWave(0.2, 440);
    QByteArray ruis(8192, Qt::Uninitialized);
    for (int i = 0; i < ruis.size(); ++i)
        ruis[i] = char((i * 7919 + 13) ^ (i >> 3));
    QByteArray float32 = waveKop(3, 44100, 1, 32, 4 * 4410) + QByteArray(4 * 4410, '\x11');
    QByteArray dataVoorFmt("RIFF");
    zet32(dataVoorFmt, 4 + 8 + 100);
    dataVoorFmt.append("WAVEdata");
    zet32(dataVoorFmt, 100);
    dataVoorFmt.append(QByteArray(100, '\x40'));

    QTest::newRow("ontbreekt") << QByteArray() << false;
    QTest::newRow("map") << QByteArray() << true;
    QTest::newRow("leeg") << QByteArray("") << false;
    QTest::newRow("willekeurige bytes") << ruis << false;
    QTest::newRow("alleen RIFF-kop") << goed.left(12) << false;
    QTest::newRow("kop afgebroken in fmt") << goed.left(30) << false;
    QTest::newRow("geen sample") << goed.left(44) << false;
    QTest::newRow("32 bits float") << float32 << false;
    QTest::newRow("nul kanalen") << waveKop(1, 44100, 0, 16, 8820) + QByteArray(8820, 'x') << false;
    QTest::newRow("data voor fmt") << dataVoorFmt << false;
    QTest::newRow("RIFF met ruis") << QByteArray("RIFF") + ruis << false;
    QTest::newRow("WAVE met ruis") << goed.left(12) + ruis << false;
}

void TstGeluid::onbruikbaarBestand() {
    QFETCH(QByteArray, inhoud);
    QFETCH(bool, isMap);
    // Skipped silently: not even a line on the console.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const QString bestand = pad(QStringLiteral("onbruikbaar-%1").arg(QTest::currentDataTag()));
    if (isMap)
        QVERIFY(QDir().mkpath(bestand));
    else if (QByteArray(QTest::currentDataTag()) != "ontbreekt")
        QVERIFY(schrijf(bestand, inhoud));

    QElapsedTimer klok;
    klok.start();
    Algemeen::GeluidSpelen(bestand);
    Algemeen::GeluidSpelen(bestand); // a failed file is read again, and fails again
    // Reading a few kilobytes; the bound leaves room for a loaded machine and the sanitizers, and
    // still catches any waiting for a device or a decoder.
    QVERIFY2(klok.elapsed() < 500,
             qPrintable(QStringLiteral("returned after %1 ms").arg(klok.elapsed())));
}

void TstGeluid::onbruikbaarBestandBlijftStil() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    QStringList bestanden{pad(QStringLiteral("bestaat-niet.wav"))};
    const QByteArray goed = toonWave(0.3, 440);
    QByteArray float32 = waveKop(3, 44100, 1, 32, 4 * 13230);
    for (int i = 0; i < 13230; ++i) {
        const float v = float(0.5 * std::sin(2 * kPi * 440 * i / 44100));
        char b[4];
        qToLittleEndian(v, b);
        float32.append(b, 4);
    }
    const QList<QByteArray> inhouden{goed.left(30), goed.left(44), float32,
                                     QByteArray("RIFF") + goed.mid(44)};
    for (int i = 0; i < inhouden.size(); ++i) {
        bestanden << pad(QStringLiteral("stil-%1.wav").arg(i));
        QVERIFY(schrijf(bestanden.last(), inhouden[i]));
    }
    const QString toon = pad(QStringLiteral("wel.wav"));
    QVERIFY(schrijf(toon, goed));

    Opnemer opnemer(opnamePad());
    QVERIFY2(opnemer.start(), "parec records nothing");
    const double begin = opnemer.seconden();
    for (const QString& b : std::as_const(bestanden))
        Algemeen::GeluidSpelen(b);
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= begin + 0.7, 3000);
    // A good file afterwards: the player still works, and the recording would have heard noise.
    const double daarna = opnemer.seconden();
    Algemeen::GeluidSpelen(toon);
    QTRY_VERIFY_WITH_TIMEOUT(opnemer.seconden() >= daarna + 0.7, 3000);
    const std::optional<Opname> op = opnemer.stop();
    QVERIFY(op);

    const QVector<bool> luid = luideVensters(*op, begin);
    const int stil = int((daarna - begin) / kVenster);
    QCOMPARE(luideSeconden(luid.mid(0, stil)), 0.0);
    QVERIFY(luideSeconden(luid.mid(stil)) >= 0.27);
}

void TstGeluid::zonderServerLooptDoor() {
    const QString toon = pad(QStringLiteral("zonder-server.wav"));
    QVERIFY(schrijf(toon, toonWave(0.3, 440)));
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QString::fromLatin1(kSpeelEnStop), QStringLiteral("1"));
    // A socket that does not exist: libpulse fails to connect at once and starts no daemon.
    omgeving.insert(QStringLiteral("PULSE_SERVER"),
                    QStringLiteral("unix:") + pad(QStringLiteral("geen-server/native")));
    QProcess kind;
    kind.setProcessEnvironment(omgeving);
    kind.start(QCoreApplication::applicationFilePath(), {toon});
    QVERIFY(kind.waitForFinished(20000));
    const QByteArray uitvoer = kind.readAllStandardOutput();
    QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0,
             kind.readAllStandardError().constData());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^klaar (\\d+)")).match(QString::fromUtf8(uitvoer));
    QVERIFY2(m.hasMatch(), uitvoer.constData());
    QVERIFY2(m.captured(1).toInt() < 2000, qPrintable(m.captured(1) + QStringLiteral(" ms")));
}

void TstGeluid::afsluitenTijdensGeluid() {
    if (!geenServer.isEmpty())
        QSKIP(qPrintable(geenServer));
    // The program may end while a sound still plays: the stream is closed on the way out, with
    // no crash and nothing left behind.
    const QString toon = pad(QStringLiteral("bij-afsluiten.wav"));
    QVERIFY(schrijf(toon, toonWave(1.0, 440)));
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QString::fromLatin1(kSpeelEnStop), QStringLiteral("1"));
    QProcess kind;
    kind.setProcessEnvironment(omgeving);
    kind.start(QCoreApplication::applicationFilePath(), {toon});
    QVERIFY(kind.waitForFinished(20000));
    const QByteArray fouten = kind.readAllStandardError();
    QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0, fouten.constData());
    QVERIFY2(kind.readAllStandardOutput().startsWith("klaar "), fouten.constData());
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kSpeelEnStop))
        return speelEnStop(argc, argv);
    QCoreApplication app(argc, argv);
    TstGeluid test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_geluid.moc"
