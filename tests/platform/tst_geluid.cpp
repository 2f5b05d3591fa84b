// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds are checked by ear, so to speak: the test records what reaches the PulseAudio null
// sink "testsink" (scripts/soundsink.sh start) and measures it. Without that server those checks
// are skipped, or fail where DRIETAL_CI is set; the one of a computer without sound runs anyway.
#include "platform/geluid.h"
#include "platform/geluiduitvoer.h"
#include "support/testonderwerp.h"

#include <QtTest>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace {

using TestMap::le, TestMap::schrijf;
constexpr int kRate = 44100;
const char kSpeelEnStop[] = "DRIETAL_GELUID_SPEEL_EN_STOP";

// A sine tone at half of full scale, in floats for 32 bits. The right channel of a stereo tone is
// silent, so that a channel mix-up shows.
QByteArray toonWave(double seconden, double hz, int rate = 44100, int kanalen = 1, int bits = 16) {
    QByteArray data;
    for (int i = 0; i < std::lround(seconden * rate); ++i)
        for (int k = 0; k < kanalen; ++k) {
            const double v = k == 1 ? 0.0 : 0.5 * std::sin(2 * M_PI * hz * i / rate);
            data += bits == 8    ? QByteArray(1, char(quint8(std::lround(128 + 127 * v))))
                    : bits == 32 ? le(float(v))
                                 : le(qint16(std::lround(32767 * v)));
        }
    return TestMap::waveKop(quint32(data.size()), rate, kanalen, bits) + data;
}

// What pactl prints, empty when it does not run.
QString pactl(const QStringList& argumenten) {
    QProcess p;
    p.start("pactl", argumenten);
    return p.waitForFinished(5000) ? p.readAllStandardOutput() : QString();
}

// What a stretch of the recording holds: the first and last frame above a twentieth of full
// scale (-1 when none), the peak, and the zero crossings between the two.
struct Gehoord {
    qint64 eerste = -1, laatste = -1;
    double piek = 0;
    int doorgangen = 0;
    // The length to the sample, and the pitch (a tone of hz crosses zero 2 * hz times a second).
    double seconden() const { return eerste < 0 ? 0.0 : double(laatste - eerste + 1) / kRate; }
    double hz() const { return eerste < 0 ? 0.0 : doorgangen / (2 * seconden()); }
};

} // namespace

class TstGeluid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (pactl({"get-default-sink"}).trimmed() != "testsink")
            geenServer = "no PulseAudio server with the null sink testsink as its default "
                         "(run scripts/soundsink.sh start)";
        // CI must hear the sounds: there a missing server is a fault of the machine, not a skip.
        QVERIFY2(geenServer.isEmpty() || !qEnvironmentVariableIsSet("DRIETAL_CI"),
                 qPrintable("DRIETAL_CI is set but there is " + geenServer));
    }

    // Every test but the run on a computer without sound is recorded, from second begin of the
    // recording on.
    void init() {
        if (QByteArray(QTest::currentDataTag()) == "zonderServer")
            return;
        if (!geenServer.isEmpty())
            QSKIP(qPrintable(geenServer));
        pcm.clear();
        QStringList opties{"--raw", "--format=s16le",  "--rate=44100", "--channels=2",
                           "-d",    "testsink.monitor"};
        if (QByteArray(QTest::currentDataTag()) != "standaardLatentie")
            opties << "--latency-msec=20";
        parec.start("parec", opties);
        // parec may take a second to get going.
        QVERIFY2(parec.waitForStarted(3000) && tot(0.05), "parec records nothing");
        begin = seconden();
    }
    void cleanup() { stopOpname(); }

    // Each sound played whole, at its own rate and in its own sample format: same length, same
    // loudness, same pitch, and nothing on the silent right channel. (A click is too short to count
    // its pitch.) Played out, the output is idle again, free to let the sound card sleep, also
    // after a click under the server's start threshold.
    void speeltHeleGeluid_data() {
        QTest::addColumn<double>("lengte");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("kanalen");
        QTest::addColumn<int>("bits");
        QTest::newRow("mono16") << 0.3 << 44100 << 1 << 16;
        QTest::newRow("korteKlik") << 0.02 << 44100 << 1 << 16;
        QTest::newRow("stereo8") << 0.3 << 22050 << 2 << 8;
        QTest::newRow("klik48k") << 0.05 << 48000 << 2 << 16;
    }
    void speeltHeleGeluid() {
        QFETCH(double, lengte);
        QFETCH(int, rate);
        QFETCH(int, kanalen);
        QFETCH(int, bits);
        const QString toon = pad(QString(QTest::currentDataTag()) + ".wav");
        QVERIFY(schrijf(toon, toonWave(lengte, 440, rate, kanalen, bits)));
        const double van = seconden();
        speler.speel(toon);
        QVERIFY(tot(van + lengte + 0.5));
        const Gehoord g = hoor(van);
        QVERIFY2(g.seconden() >= 0.9 * lengte && g.seconden() <= lengte + 0.005,
                 qPrintable(QString("sounded for %1 s").arg(g.seconden())));
        QVERIFY2(std::abs(g.piek - 0.5) < 0.05, qPrintable("peak " + QString::number(g.piek)));
        QVERIFY2(lengte < 0.1 || std::abs(g.hz() - 440) < 40,
                 qPrintable(QString::number(g.hz()) + " Hz"));
        QVERIFY(kanalen == 1 || hoor(van, 1).eerste < 0);
        const QString sinks = pactl({"list", "short", "sinks"});
        QVERIFY2(QRegularExpression("testsink\\s.*\\s(IDLE|SUSPENDED)\\n").match(sinks).hasMatch(),
                 qPrintable(sinks));
    }

    // A sequence as the game plays it: ten countdown ticks a second apart, then the exit sound.
    // Each is heard whole, also by a recorder that asks for no latency, as a screen recorder does:
    // the output then runs far ahead while idle, and a later sound must not be lost in its mix.
    void reeksHeel_data() {
        QTest::addColumn<bool>("eigenLatentie");
        QTest::newRow("korteLatentie") << true;
        QTest::newRow("standaardLatentie") << false;
    }
    void reeksHeel() {
        const QString tik = pad("tik.wav"), einde = pad("einde.wav");
        QVERIFY(schrijf(tik, toonWave(0.1, 880)) && schrijf(einde, toonWave(0.8, 440)));
        // Paced by the wall clock: such a recorder gets its sound in chunks of seconds.
        QElapsedTimer klok;
        klok.start();
        for (int i = 0; i <= 10; ++i) {
            QTest::qWait(int(1000 * i - klok.elapsed()));
            speler.speel(i < 10 ? tik : einde);
        }
        // Until the recording reaches past the exit sound, however late the recorder delivers.
        QVERIFY(tot(begin + klok.elapsed() / 1000.0 + 1.0));
        stopOpname();
        const QList<Gehoord> klanken = klankenNa(begin, 0.2);
        QCOMPARE(klanken.size(), 11);
        for (int i = 0; i <= 10; ++i)
            QVERIFY2(klanken[i].seconden() >= 0.9 * (i < 10 ? 0.1 : 0.8),
                     qPrintable(QString("sound %1: %2 s").arg(i).arg(klanken[i].seconden())));
    }

    // A sound that starts while another plays cuts it off there, and is itself heard whole and at
    // its own pitch. (Sounds a fiftieth of a second apart count as two: the lead-in silence of the
    // second lies between them.)
    void nieuwVervangtLopend() {
        const QString eerste = pad("eerste.wav"), tweede = pad("tweede.wav");
        QVERIFY(schrijf(eerste, toonWave(1.0, 440)) && schrijf(tweede, toonWave(0.5, 880)));
        speler.speel(eerste);
        QVERIFY(tot(begin + 0.5));
        const double wissel = seconden();
        speler.speel(tweede);
        QVERIFY(tot(wissel + 1.5));
        const QList<Gehoord> klanken = klankenNa(begin, 0.02);
        QCOMPARE(klanken.size(), 2);
        const double afgebroken = double(klanken[0].laatste) / kRate - wissel;
        QVERIFY2(afgebroken < 0.02, qPrintable(QString("went on for %1 s").arg(afgebroken)));
        const Gehoord nieuw = klanken[1];
        QVERIFY2(nieuw.seconden() >= 0.45,
                 qPrintable(QString("sounded for %1 s").arg(nieuw.seconden())));
        QVERIFY2(std::abs(nieuw.hz() - 880) < 40, qPrintable(QString::number(nieuw.hz()) + " Hz"));
    }

    // Files the player must refuse, passed over at once and without a word, also when asked again:
    // "ontbreekt" is not written, "map" is a folder and "fifo" a named pipe that nobody writes to;
    // the others hold enough to be heard, had a careless reader played them. Then a good sound in
    // the same recording: the player still works, and the recording would have heard anything.
    void onbruikbaarBlijftStil_data() {
        const QByteArray goed = toonWave(0.3, 440);
        QByteArray ruis(8192, Qt::Uninitialized);
        for (int i = 0; i < ruis.size(); ++i)
            ruis[i] = char((i * 7919 + 13) ^ (i >> 3));
        QTest::addColumn<QByteArray>("inhoud");
        for (const char* naam : {"ontbreekt", "map", "fifo", "leeg"})
            QTest::newRow(naam) << QByteArray();
        QTest::newRow("willekeurigeBytes") << ruis;
        QTest::newRow("kopAfgebrokenInFmt") << goed.left(30);
        QTest::newRow("float32") << toonWave(0.3, 440, 44100, 1, 32);
        QTest::newRow("dataVoorFmt")
            << "RIFF" + le(112u) + "WAVEdata" + le(100u) + QByteArray(100, '@');
        QTest::newRow("waveMetRuis") << goed.left(12) + ruis;
    }
    void onbruikbaarBlijftStil() {
        QFETCH(QByteArray, inhoud);
        QTest::failOnWarning(QRegularExpression(".*"));
        const QByteArray naam = QTest::currentDataTag();
        const QString bestand = pad("onbruikbaar-" + naam);
        if (naam == "map")
            QVERIFY(QDir().mkpath(bestand));
        else if (naam == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(bestand).constData(), 0600), 0);
        else if (naam != "ontbreekt")
            QVERIFY(schrijf(bestand, inhoud));
        QElapsedTimer klok;
        klok.start();
        speler.speel(bestand);
        speler.speel(bestand);
        // A few kilobytes read; the bound leaves room for a loaded machine and the sanitizers,
        // and still catches any waiting for a device or a decoder.
        QVERIFY2(klok.elapsed() < 500, qPrintable(QString::number(klok.elapsed())));
        const QString toon = pad("stil-toon.wav");
        QVERIFY(schrijf(toon, toonWave(0.3, 440)));
        QVERIFY(tot(begin + 0.4));
        const double daarna = seconden();
        speler.speel(toon);
        QVERIFY(tot(daarna + 0.5));
        QCOMPARE(hoor(begin, 0, daarna).eerste, -1);
        QVERIFY(hoor(daarna).seconden() >= 0.27);
    }

    // The program run again to play a sound twice and quit at once. With a server the stream is
    // closed on the way out, with no crash and nothing left behind. A socket that does not exist
    // makes libpulse fail at once, without a daemon; a copy without its sound module beside it (or
    // a FIFO in its place, never opened) has nothing to play with. The game goes on, silently.
    void kindProces_data() {
        QTest::addColumn<bool>("metServer");
        QTest::addColumn<QString>("module"); // beside the copy that runs: "" the built one
        QTest::newRow("afsluitenTijdensGeluid") << true << "";
        QTest::newRow("zonderServer") << false << "";
        QTest::newRow("zonderModule") << true << "geen";
        QTest::newRow("moduleIsFifo") << true << "fifo";
    }
    void kindProces() {
        QFETCH(bool, metServer);
        QFETCH(QString, module);
        const QString toon = pad("kind.wav");
        QVERIFY(schrijf(toon, toonWave(1.0, 440)));
        QString programma = QCoreApplication::applicationFilePath();
        if (!module.isEmpty()) {
            QVERIFY(QDir().mkpath(pad(module)) && QFile::copy(programma, pad(module + "/kind")));
            programma = pad(module + "/kind");
            const QByteArray fifo = QFile::encodeName(pad(module + "/" DRIETAL_GELUID_MODULE));
            QVERIFY(module != "fifo" || ::mkfifo(fifo.constData(), 0600) == 0);
        }
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert(kSpeelEnStop, "1");
        if (!metServer)
            omgeving.insert("PULSE_SERVER", "unix:" + pad("geen-server/native"));
        QProcess kind;
        kind.setProcessEnvironment(omgeving);
        kind.start(programma, {toon});
        QVERIFY(kind.waitForFinished(20000));
        const QByteArray fouten = kind.readAllStandardError();
        QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0, fouten.data());
        QVERIFY2(fouten.isEmpty(), fouten.data());
        const QByteArray uitvoer = kind.readAllStandardOutput();
        QVERIFY2(uitvoer.startsWith("klaar ") && uitvoer.mid(6).trimmed().toInt() < 2000,
                 uitvoer.data());
    }

private:
    QString pad(const QString& naam) const { return map.filePath(naam); }

    // The sink runs on its own clock, so how far the recording has got is also the test's measure
    // of how much time has passed for the sound.
    double seconden() {
        pcm += parec.readAllStandardOutput();
        return double(pcm.size() / 4) / kRate;
    }
    bool tot(double seconde) {
        return QTest::qWaitFor([&] { return seconden() >= seconde; }, 5000);
    }
    void stopOpname() {
        parec.terminate();
        parec.waitForFinished(3000);
        seconden();
    }
    double monster(qint64 frame, int kanaal = 0) const {
        return qFromLittleEndian<qint16>(pcm.constData() + 4 * frame + 2 * kanaal) / 32768.0;
    }

    // The separate sounds on one channel from second vanaf up to second totSeconde (0: the end of
    // the recording): stretches apart by more than stilte seconds of silence.
    QList<Gehoord> klankenNa(double vanaf, double stilte, int kanaal = 0, double totSeconde = 0) {
        QList<Gehoord> klanken;
        int doorgangen = 0; // since the last frame heard
        const qint64 eind = totSeconde > 0 ? qint64(totSeconde * kRate) : pcm.size() / 4;
        for (qint64 i = qint64(vanaf * kRate); i < eind; ++i) {
            const double v = monster(i, kanaal);
            doorgangen += i > 0 && (monster(i - 1, kanaal) < 0) != (v < 0);
            if (std::abs(v) <= 0.05)
                continue;
            if (klanken.isEmpty() || i - klanken.last().laatste > stilte * kRate)
                klanken << Gehoord{i, i};
            else
                klanken.last().doorgangen += doorgangen;
            klanken.last().laatste = i;
            klanken.last().piek = std::max(klanken.last().piek, std::abs(v));
            doorgangen = 0;
        }
        return klanken;
    }
    // The whole stretch as one sound.
    Gehoord hoor(double vanaf, int kanaal = 0, double totSeconde = 0) {
        return klankenNa(vanaf, 1e9, kanaal, totSeconde).value(0);
    }

    QTemporaryDir map;
    Platform::GeluidSpeler speler;
    QProcess parec; // on the monitor of testsink: 16-bit stereo at kRate
    QByteArray pcm;
    double begin = 0;
    QString geenServer; // why the recorded checks cannot run, empty when they can
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet(kSpeelEnStop)) {
        TstGeluid test;
        QTEST_SET_MAIN_SOURCE_PATH
        return QTest::qExec(&test, argc, argv);
    }
    const QString pad = QString::fromLocal8Bit(argc > 1 ? argv[1] : "");
    QElapsedTimer klok;
    klok.start();
    Platform::GeluidSpeler speler;
    speler.speel(pad);
    speler.speel(pad);
    const qint64 ms = klok.elapsed();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int uit = app.exec();
    std::printf("klaar %lld\n", ms);
    return uit;
}

#include "tst_geluid.moc"
