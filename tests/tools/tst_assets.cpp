// The program folder the build lays out: the generated sounds, wallpapers and icon, and the
// sample topics of data/ with the copy step that must never overwrite a player's files.

#include "storage/recordformat.h"
#include "storage/textcodec.h"
#include "storage/topicfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

const QString kProgrammaMap = QStringLiteral(DRIETAL_PROGRAM_DIR);
const QString kBronData = QStringLiteral(DRIETAL_DATA_SRC);

const QStringList kGeluiden = {
    QStringLiteral("button.wav"), QStringLiteral("kaart.wav"), QStringLiteral("1.wav"),
    QStringLiteral("2.wav"),      QStringLiteral("3.wav"),     QStringLiteral("4.wav"),
    QStringLiteral("5.wav"),      QStringLiteral("6.wav"),     QStringLiteral("7.wav"),
    QStringLiteral("8.wav"),      QStringLiteral("9.wav"),     QStringLiteral("10.wav"),
    QStringLiteral("timer.wav"),  QStringLiteral("Start.wav"), QStringLiteral("exit.wav")};

// The card faces are 222 pixels wide; at 13 pt bold a longer word would not fit.
constexpr int kMaxWoordLengte = 16;

QByteArray lees(const QString& pad) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return bestand.readAll();
}

bool schrijf(const QString& pad, const QByteArray& bytes) {
    QFile bestand(pad);
    return bestand.open(QIODevice::WriteOnly) && bestand.write(bytes) == bytes.size();
}

// A WAV file read by its chunks, as any player reads it: samples in -1..1.
struct Wav {
    QString fout; // empty when the file is a 16-bit PCM WAV that could be read whole
    int kanalen = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> samples; // the first channel
};

Wav leesWav(const QByteArray& b) {
    Wav wav;
    // Byte by byte, so the values read the same on any host.
    const auto u16 = [&b](qsizetype i) {
        return quint16(uchar(b.at(i)) | uchar(b.at(i + 1)) << 8);
    };
    const auto u32 = [&u16](qsizetype i) { return quint32(u16(i)) | quint32(u16(i + 2)) << 16; };
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        wav.fout = QStringLiteral("no RIFF/WAVE header");
        return wav;
    }
    if (u32(4) != quint32(b.size() - 8)) {
        wav.fout = QStringLiteral("RIFF size %1, file holds %2").arg(u32(4)).arg(b.size() - 8);
        return wav;
    }
    bool fmtGelezen = false;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray id = b.mid(i, 4);
        const qsizetype lengte = u32(i + 4);
        const qsizetype inhoud = i + 8;
        if (inhoud + lengte > b.size()) {
            wav.fout = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return wav;
        }
        if (id == "fmt ") {
            if (lengte < 16 || u16(inhoud) != 1) {
                wav.fout = QStringLiteral("not PCM");
                return wav;
            }
            wav.kanalen = u16(inhoud + 2);
            wav.rate = int(u32(inhoud + 4));
            wav.bits = u16(inhoud + 14);
            const int blok = u16(inhoud + 12);
            if (wav.kanalen < 1 || wav.bits != 16 || blok != wav.kanalen * 2 ||
                u32(inhoud + 8) != quint32(wav.rate * blok)) {
                wav.fout = QStringLiteral("inconsistent fmt chunk");
                return wav;
            }
            fmtGelezen = true;
        } else if (id == "data") {
            if (!fmtGelezen) {
                wav.fout = QStringLiteral("data before fmt");
                return wav;
            }
            const qsizetype frames = lengte / (2 * wav.kanalen);
            wav.samples.reserve(std::size_t(frames));
            for (qsizetype f = 0; f < frames; ++f) {
                wav.samples.push_back(qint16(u16(inhoud + f * 2 * wav.kanalen)) / 32768.0);
            }
            return wav;
        }
        i = inhoud + lengte + (lengte & 1);
    }
    wav.fout = QStringLiteral("no data chunk");
    return wav;
}

Wav leesGeluid(const QString& naam) {
    return leesWav(lees(kProgrammaMap + QStringLiteral("/Sounds/") + naam));
}

double piek(const std::vector<double>& s) {
    double p = 0;
    for (double v : s)
        p = std::max(p, std::abs(v));
    return p;
}

// The pitch that dominates the sound's steady part: where it first reaches a third of its peak
// the attack is over; 20 ms on, the sign changes over 0.2 s are counted. A small dead band
// around zero keeps the quiet end of a decay from adding crossings.
double toonhoogte(const Wav& wav) {
    const std::vector<double>& s = wav.samples;
    const double p = piek(s);
    std::size_t begin = 0;
    while (begin < s.size() && std::abs(s[begin]) < p / 3)
        ++begin;
    begin += std::size_t(0.02 * wav.rate);
    const std::size_t eind = std::min(s.size(), begin + std::size_t(0.2 * wav.rate));
    if (eind <= begin + std::size_t(0.1 * wav.rate))
        return 0; // too short to tell
    const double drempel = p * 0.01;
    int teken = 0;
    int wissels = 0;
    for (std::size_t i = begin; i < eind; ++i) {
        const int nu = s[i] > drempel ? 1 : (s[i] < -drempel ? -1 : 0);
        if (nu != 0 && teken != 0 && nu != teken)
            ++wissels;
        if (nu != 0)
            teken = nu;
    }
    return wissels / 2.0 / (double(eind - begin) / wav.rate);
}

QStringList bronOnderwerpen() {
    return QDir(kBronData).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
}

struct KopieerUitkomst {
    bool gestart = false;
    int code = -1;
    QByteArray uitvoer;
};

KopieerUitkomst kopieer(const QString& van, const QString& naar) {
    QProcess proces;
    proces.setProcessChannelMode(QProcess::MergedChannels);
    proces.start(QStringLiteral(DRIETAL_CMAKE),
                 {QStringLiteral("-DSRC=") + van, QStringLiteral("-DDST=") + naar,
                  QStringLiteral("-P"), QStringLiteral(DRIETAL_COPY_SCRIPT)});
    KopieerUitkomst uitkomst;
    uitkomst.gestart = proces.waitForStarted(10000);
    if (uitkomst.gestart && proces.waitForFinished(60000) &&
        proces.exitStatus() == QProcess::NormalExit)
        uitkomst.code = proces.exitCode();
    uitkomst.uitvoer = proces.readAll();
    return uitkomst;
}

} // namespace

class TstAssets : public QObject {
    Q_OBJECT
private slots:
    void geluid_data();
    void geluid();
    void geluidenZijnKlein();
    void toonhoogteStijgt();
    void achtergronden();
    void icoon();
    void onderwerp_data();
    void onderwerp();
    void onderwerpenCompleet();
    void onderwerpenInProgrammaMap();
    void kopieOverschrijftNiets();
    void kopieMaaktDataMap();
};

void TstAssets::geluid_data() {
    QTest::addColumn<QString>("naam");
    for (const QString& naam : kGeluiden)
        QTest::newRow(qPrintable(naam)) << naam;
}

void TstAssets::geluid() {
    QFETCH(QString, naam);
    const Wav wav = leesGeluid(naam);
    QVERIFY2(wav.fout.isEmpty(), qPrintable(naam + QStringLiteral(": ") + wav.fout));
    QCOMPARE(wav.kanalen, 1);
    QCOMPARE(wav.rate, 44100);
    QCOMPARE(wav.bits, 16);

    const double seconden = double(wav.samples.size()) / wav.rate;
    QVERIFY2(seconden >= 0.1, qPrintable(QStringLiteral("%1 s").arg(seconden)));

    double kwadraten = 0;
    for (double v : wav.samples)
        kwadraten += v * v;
    const double rms = std::sqrt(kwadraten / double(wav.samples.size()));
    QVERIFY2(rms > 0.01, qPrintable(QStringLiteral("RMS %1").arg(rms)));

    // Loud enough and not clipped: the peak lies around -6 dBFS, well below full scale.
    const double p = piek(wav.samples);
    const double dB = 20 * std::log10(p);
    QVERIFY2(dB > -9 && dB < -3, qPrintable(QStringLiteral("peak %1 dBFS").arg(dB)));
    int volleSchaal = 0;
    for (double v : wav.samples)
        volleSchaal += std::abs(v) >= 32767.0 / 32768.0 ? 1 : 0;
    QCOMPARE(volleSchaal, 0);

    // Starting or stopping away from zero is heard as a click.
    QVERIFY2(
        std::abs(wav.samples.front()) < 0.01 && std::abs(wav.samples.back()) < 0.01,
        qPrintable(QStringLiteral("ends %1, %2").arg(wav.samples.front()).arg(wav.samples.back())));
}

void TstAssets::geluidenZijnKlein() {
    qint64 totaal = 0;
    for (const QString& naam : kGeluiden)
        totaal += QFileInfo(kProgrammaMap + QStringLiteral("/Sounds/") + naam).size();
    QVERIFY2(totaal > 0 && totaal < 500 * 1000, qPrintable(QString::number(totaal)));
}

void TstAssets::toonhoogteStijgt() {
    double vorige = 0;
    for (int n = 1; n <= 10; ++n) {
        const Wav wav = leesGeluid(QStringLiteral("%1.wav").arg(n));
        QVERIFY2(wav.fout.isEmpty(), qPrintable(wav.fout));
        const double hz = toonhoogte(wav);
        qInfo("%d.wav: %.0f Hz", n, hz);
        QVERIFY2(hz > vorige * 1.03,
                 qPrintable(QStringLiteral("%1.wav at %2 Hz, the one before at %3 Hz")
                                .arg(n)
                                .arg(hz)
                                .arg(vorige)));
        vorige = hz;
    }
}

void TstAssets::achtergronden() {
    const QDir map(kProgrammaMap + QStringLiteral("/Backgrounds"));
    const QStringList namen = map.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    QVERIFY2(namen.contains(QStringLiteral("Wallpaper-01.jpg")), qPrintable(namen.join(u' ')));
    int geladen = 0;
    for (const QString& naam : namen) {
        const QString pad = map.filePath(naam);
        QImage beeld;
        QVERIFY2(beeld.load(pad, "JPEG"), qPrintable(pad));
        QCOMPARE(beeld.size(), QSize(1920, 1080));
        QVERIFY2(QFileInfo(pad).size() <= 256 * 1000, qPrintable(naam));
        // A wallpaper is a picture, not a flat fill: its corners and middle differ.
        QVERIFY(beeld.pixel(10, 10) != beeld.pixel(960, 540) ||
                beeld.pixel(1910, 1070) != beeld.pixel(960, 540));
        ++geladen;
    }
    QVERIFY2(geladen >= 4, qPrintable(QString::number(geladen)));
}

void TstAssets::icoon() {
    QImage beeld;
    QVERIFY(beeld.load(kProgrammaMap + QStringLiteral("/drietalspel.png"), "PNG"));
    QCOMPARE(beeld.size(), QSize(256, 256));
    QVERIFY(beeld.hasAlphaChannel());
    beeld = beeld.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(beeld.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(beeld.pixel(255, 0)), 0);
    QCOMPARE(qAlpha(beeld.pixel(128, 128)), 255);

    // The three card colours of the game and the white of a card face all show.
    const QRgb kleuren[4] = {qRgb(120, 100, 100), qRgb(100, 120, 100), qRgb(100, 100, 120),
                             qRgb(255, 255, 255)};
    for (QRgb kleur : kleuren) {
        int aantal = 0;
        for (int y = 0; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x) {
                const QRgb c = beeld.pixel(x, y);
                aantal += qAlpha(c) == 255 && std::abs(qRed(c) - qRed(kleur)) <= 3 &&
                                  std::abs(qGreen(c) - qGreen(kleur)) <= 3 &&
                                  std::abs(qBlue(c) - qBlue(kleur)) <= 3
                              ? 1
                              : 0;
            }
        }
        QVERIFY2(aantal >= 300,
                 qPrintable(QStringLiteral("%1: %2 pixels").arg(QColor(kleur).name()).arg(aantal)));
    }
}

void TstAssets::onderwerp_data() {
    QTest::addColumn<QString>("naam");
    for (const QString& naam : bronOnderwerpen())
        QTest::newRow(qPrintable(naam)) << naam;
}

void TstAssets::onderwerp() {
    QFETCH(QString, naam);
    const QByteArray bytes = lees(kBronData + u'/' + naam);
    QVERIFY(!bytes.isEmpty());
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "byte-order mark");

    // Ten lines, each ending in CR LF, and nothing after the last one.
    QCOMPARE(bytes.count("\r\n"), 10);
    QCOMPARE(bytes.count('\n'), 10);
    QCOMPARE(bytes.count('\r'), 10);
    QVERIFY(bytes.endsWith("\r\n"));

    // Windows-1252, as the game writes it: decoding and encoding again gives the same bytes.
    const QString tekst = Opslag::decodeerBestand(bytes);
    QCOMPARE(Opslag::naarWindows1252(tekst), std::optional<QByteArray>(bytes));

    const auto spel = Opslag::leesSpelOnderwerpTekst(tekst);
    QVERIFY2(spel.has_value(), "fewer than 10 records");
    QSet<QString> kolommen[3];
    for (const Opslag::Drietal& drietal : *spel) {
        for (int k = 0; k < 3; ++k) {
            const QString& woord = drietal[k];
            QVERIFY2(!woord.trimmed().isEmpty(),
                     qPrintable(QStringLiteral("column %1").arg(k + 1)));
            QVERIFY2(woord.size() <= kMaxWoordLengte, qPrintable(woord));
            QVERIFY2(Opslag::isOpslaanbareTekst(woord), qPrintable(woord));
            kolommen[k].insert(woord);
        }
    }
    for (int k = 0; k < 3; ++k)
        QVERIFY2(kolommen[k].size() == 10,
                 qPrintable(QStringLiteral("column %1 repeats a word").arg(k + 1)));

    // Exactly 30 fields: after them the reader stands at the end.
    Opslag::RecordLezer lezer(tekst);
    for (int v = 0; v < 30; ++v)
        QVERIFY(lezer.veld().has_value());
    QVERIFY(lezer.opEinde());
}

void TstAssets::onderwerpenCompleet() {
    const QStringList namen = bronOnderwerpen();
    QVERIFY2(namen.size() >= 6, qPrintable(namen.join(u' ')));
    QVERIFY(namen.contains(QStringLiteral("Geografie.dat")));
    const auto geografie = Opslag::leesSpelOnderwerpTekst(
        Opslag::decodeerBestand(lees(kBronData + QStringLiteral("/Geografie.dat"))));
    QVERIFY(geografie.has_value());
    QCOMPARE((*geografie)[0],
             (Opslag::Drietal{QStringLiteral("Nederland"), QStringLiteral("Rotterdam"),
                              QStringLiteral("Euromast")}));
}

void TstAssets::onderwerpenInProgrammaMap() {
    const QStringList namen = bronOnderwerpen();
    QVERIFY(!namen.isEmpty());
    for (const QString& naam : namen)
        QVERIFY2(QFileInfo(kProgrammaMap + QStringLiteral("/Data/") + naam).isFile(),
                 qPrintable(naam));
}

void TstAssets::kopieOverschrijftNiets() {
    QTemporaryDir tijdelijk;
    QVERIFY(tijdelijk.isValid());
    const QString data = tijdelijk.filePath(QStringLiteral("Data"));
    QVERIFY(QDir().mkpath(data));
    const QByteArray eigenGeografie = "\"Nederland\",\"Utrecht\",\"Dom\"\r\n";
    const QByteArray scores = "\"maker\"\r\n\"regel\"\r\n\"Anna 01:23\"\r\n";
    QVERIFY(schrijf(data + QStringLiteral("/Geografie.dat"), eigenGeografie));
    QVERIFY(schrijf(data + QStringLiteral("/Scorelijst.lst"), scores));

    for (int keer = 0; keer < 2; ++keer) {
        const KopieerUitkomst uitkomst = kopieer(kBronData, data);
        QVERIFY2(uitkomst.gestart, "cmake did not start");
        QVERIFY2(uitkomst.code == 0, uitkomst.uitvoer.constData());
        QCOMPARE(lees(data + QStringLiteral("/Geografie.dat")), eigenGeografie);
        QCOMPARE(lees(data + QStringLiteral("/Scorelijst.lst")), scores);
        for (const QString& naam : bronOnderwerpen()) {
            if (naam != u"Geografie.dat")
                QCOMPARE(lees(data + u'/' + naam), lees(kBronData + u'/' + naam));
        }
    }
    // A topic the player changed after the first copy stays changed as well.
    const QByteArray eigenDieren = "\"Mus\",\"Jong\",\"Tjilpen\"\r\n";
    QVERIFY(schrijf(data + QStringLiteral("/Dieren.dat"), eigenDieren));
    QCOMPARE(kopieer(kBronData, data).code, 0);
    QCOMPARE(lees(data + QStringLiteral("/Dieren.dat")), eigenDieren);
}

void TstAssets::kopieMaaktDataMap() {
    QTemporaryDir tijdelijk;
    QVERIFY(tijdelijk.isValid());
    const QString data = tijdelijk.filePath(QStringLiteral("nieuw/Data"));
    const KopieerUitkomst uitkomst = kopieer(kBronData, data);
    QVERIFY2(uitkomst.code == 0, uitkomst.uitvoer.constData());
    QCOMPARE(QDir(data).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name),
             bronOnderwerpen());

    // Without a source folder the step fails loudly instead of copying nothing.
    QVERIFY(kopieer(tijdelijk.filePath(QStringLiteral("ontbreekt")), data).code != 0);
}

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
