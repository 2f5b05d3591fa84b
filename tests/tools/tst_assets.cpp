// The program folder the build lays out: the generated sounds, wallpapers and icon, and the
// sample topics of data/ with the step that offers them to Data.

#include "storage/recordformat.h"
#include "storage/samples.h"
#include "storage/textcodec.h"
#include "storage/topicfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

const QString kProgrammaMap = DRIETAL_PROGRAM_DIR;
const QString kBronData = DRIETAL_DATA_SRC;
const QStringList kGeluiden = QString("button.wav kaart.wav 1.wav 2.wav 3.wav 4.wav 5.wav 6.wav "
                                      "7.wav 8.wav 9.wav 10.wav timer.wav Start.wav exit.wav")
                                  .split(' ');

// The card faces are 222 pixels wide; at 13 pt bold a longer word would not fit.
constexpr int kMaxWoordLengte = 16;

QByteArray lees(const QString& pad) {
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
}

// The files of map matching patroon, by name.
QMap<QString, QByteArray> bestanden(const QString& map, const QString& patroon = "*") {
    QMap<QString, QByteArray> inhoud;
    for (const QString& naam : QDir(map).entryList({patroon}, QDir::Files | QDir::Hidden))
        inhoud[naam] = lees(map + '/' + naam);
    return inhoud;
}

template <typename T> QByteArray le(T v) {
    QByteArray b(sizeof v, Qt::Uninitialized);
    qToLittleEndian(v, b.data());
    return b;
}

// The samples of a sound in -1..1; none unless it is a plain 16-bit mono PCM wave of 44.1 kHz,
// every size in its header agreeing with the file, as any player reads it.
std::vector<double> leesGeluid(const QString& naam) {
    const QByteArray b = lees(kProgrammaMap + "/Sounds/" + naam);
    const quint32 data = quint32(b.size() - 44);
    const QByteArray kop = "RIFF" + le(36 + data) + "WAVEfmt " + le(16u) + le(quint16(1)) +
                           le(quint16(1)) + le(44100u) + le(88200u) + le(quint16(2)) +
                           le(quint16(16)) + "data" + le(data);
    std::vector<double> s;
    for (qsizetype i = 44; b.size() >= 44 && b.startsWith(kop) && i + 1 < b.size(); i += 2)
        s.push_back(qFromLittleEndian<qint16>(b.constData() + i) / 32768.0);
    return s;
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
double toonhoogte(const std::vector<double>& s) {
    const double p = piek(s);
    std::size_t begin = 0;
    while (begin < s.size() && std::abs(s[begin]) < p / 3)
        ++begin;
    begin += 882;
    const std::size_t eind = std::min(s.size(), begin + 8820);
    if (eind <= begin + 4410)
        return 0; // too short to tell
    int teken = 0;
    int wissels = 0;
    for (std::size_t i = begin; i < eind; ++i) {
        const int nu = s[i] > p * 0.01 ? 1 : (s[i] < -p * 0.01 ? -1 : 0);
        wissels += nu != 0 && teken != 0 && nu != teken;
        teken = nu != 0 ? nu : teken;
    }
    return wissels / 2.0 / (double(eind - begin) / 44100);
}

// The build's step that offers the samples of van to naar: its exit code (-1 when it did not run
// to its end) and output.
std::pair<int, QByteArray> kopieer(const QString& van, const QString& naar) {
    QProcess proces;
    proces.setProcessChannelMode(QProcess::MergedChannels);
    proces.start(DRIETAL_SAMPLES, {van, naar});
    const bool klaar = proces.waitForFinished(60000) && proces.exitStatus() == QProcess::NormalExit;
    return {klaar ? proces.exitCode() : -1, proces.readAll()};
}

} // namespace

class TstAssets : public QObject {
    Q_OBJECT
private slots:
    void geluid_data() {
        QTest::addColumn<QString>("naam");
        for (const QString& naam : kGeluiden)
            QTest::newRow(qPrintable(naam)) << naam;
    }
    void geluid() {
        QFETCH(QString, naam);
        const std::vector<double> s = leesGeluid(naam);
        QVERIFY2(!s.empty(), "not a plain 16-bit mono PCM wave of 44.1 kHz");
        QVERIFY2(s.size() >= 4410, qPrintable(QString("%1 s").arg(s.size() / 44100.0)));
        const double rms =
            std::sqrt(std::inner_product(s.begin(), s.end(), s.begin(), 0.0) / double(s.size()));
        QVERIFY2(rms > 0.01, qPrintable(QString("RMS %1").arg(rms)));
        // Loud enough and not clipped: the peak lies around -6 dBFS, well below full scale.
        const double dB = 20 * std::log10(piek(s));
        QVERIFY2(dB > -9 && dB < -3, qPrintable(QString("peak %1 dBFS").arg(dB)));
        // Starting or stopping away from zero is heard as a click.
        QVERIFY2(std::abs(s.front()) < 0.01 && std::abs(s.back()) < 0.01,
                 qPrintable(QString("ends %1, %2").arg(s.front()).arg(s.back())));
    }

    void geluidenZijnKlein() {
        qint64 totaal = 0;
        for (const QString& naam : kGeluiden)
            totaal += QFileInfo(kProgrammaMap + "/Sounds/" + naam).size();
        QVERIFY2(totaal > 0 && totaal < 500 * 1000, qPrintable(QString::number(totaal)));
    }

    void toonhoogteStijgt() {
        double vorige = 0;
        for (int n = 1; n <= 10; ++n) {
            const double hz = toonhoogte(leesGeluid(QString("%1.wav").arg(n)));
            QVERIFY2(
                hz > vorige * 1.03,
                qPrintable(
                    QString("%1.wav at %2 Hz, the one before at %3").arg(n).arg(hz).arg(vorige)));
            vorige = hz;
        }
    }

    void achtergronden() {
        const QDir map(kProgrammaMap + "/Backgrounds");
        const QStringList namen = map.entryList({"*.jpg"}, QDir::Files, QDir::Name);
        QVERIFY2(namen.size() >= 4 && namen.contains("Wallpaper-01.jpg"),
                 qPrintable(namen.join(' ')));
        for (const QString& naam : namen) {
            QImage beeld;
            QVERIFY2(beeld.load(map.filePath(naam), "JPEG"), qPrintable(naam));
            QCOMPARE(beeld.size(), QSize(1920, 1080));
            QVERIFY2(QFileInfo(map.filePath(naam)).size() <= 256 * 1000, qPrintable(naam));
            // A wallpaper is a picture, not a flat fill: its corners and middle differ.
            QVERIFY(beeld.pixel(10, 10) != beeld.pixel(960, 540) ||
                    beeld.pixel(1910, 1070) != beeld.pixel(960, 540));
        }
    }

    void icoon() {
        QImage beeld;
        QVERIFY(beeld.load(kProgrammaMap + "/drietalspel.png", "PNG"));
        QCOMPARE(beeld.size(), QSize(256, 256));
        QVERIFY(beeld.hasAlphaChannel());
        QCOMPARE(QList<int>({beeld.pixelColor(0, 0).alpha(), beeld.pixelColor(255, 0).alpha(),
                             beeld.pixelColor(128, 128).alpha()}),
                 QList<int>({0, 0, 255}));
        // The three card colours of the game and the white of a card face all show.
        for (const QColor k : {QColor(120, 100, 100), QColor(100, 120, 100), QColor(100, 100, 120),
                               QColor(255, 255, 255)}) {
            int aantal = 0;
            for (int y = 0; y < beeld.height(); ++y) {
                for (int x = 0; x < beeld.width(); ++x) {
                    const QColor c = beeld.pixelColor(x, y);
                    aantal += c.alpha() == 255 && std::abs(c.red() - k.red()) <= 3 &&
                              std::abs(c.green() - k.green()) <= 3 &&
                              std::abs(c.blue() - k.blue()) <= 3;
                }
            }
            QVERIFY2(aantal >= 300, qPrintable(QString("%1: %2 pixels").arg(k.name()).arg(aantal)));
        }
    }

    // The smaller icons are the same drawing: each differs from the 256-pixel icon scaled down by
    // little more than rounding. The SVG a desktop scales itself is whole XML with the three cards.
    void icoonMaten() {
        const QImage groot(kProgrammaMap + "/drietalspel.png");
        for (int maat : {48, 64, 128}) {
            const QImage klein = QImage(kProgrammaMap + QString("/drietalspel-%1.png").arg(maat))
                                     .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(klein.size(), QSize(maat, maat));
            const QImage verwacht =
                groot.scaled(maat, maat, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
            double verschil = 0;
            for (int y = 0; y < maat; ++y) {
                for (int x = 0; x < maat; ++x) {
                    const QRgb a = klein.pixel(x, y), b = verwacht.pixel(x, y);
                    verschil += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            }
            verschil /= 4.0 * maat * maat;
            QVERIFY2(verschil < 3,
                     qPrintable(QString("%1 px: %2 per channel").arg(maat).arg(verschil)));
        }
        QFile svg(kProgrammaMap + "/drietalspel.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        int kaarten = 0;
        while (!xml.atEnd())
            kaarten += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"g";
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(kaarten, 3);
    }

    void onderwerp_data() {
        QTest::addColumn<QString>("naam");
        const QStringList namen = bestanden(kBronData, "*.dat").keys();
        QVERIFY2(namen.size() >= 25, "too few topics to play again and again");
        for (const QString& naam : namen)
            QTest::newRow(qPrintable(naam)) << naam;
    }
    void onderwerp() {
        QFETCH(QString, naam);
        const QByteArray bytes = lees(kBronData + '/' + naam);
        QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "byte-order mark");
        // Ten lines, each ending in CR LF, and nothing after the last one.
        QCOMPARE(QList<qsizetype>({bytes.count("\r\n"), bytes.count('\n'), bytes.count('\r')}),
                 QList<qsizetype>({10, 10, 10}));
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
                QVERIFY2(!woord.trimmed().isEmpty() && woord.size() <= kMaxWoordLengte &&
                             Opslag::isOpslaanbareTekst(woord),
                         qPrintable(QString("column %1: '%2'").arg(k + 1).arg(woord)));
                kolommen[k].insert(woord);
            }
        }
        // No column repeats a word.
        QCOMPARE(QList<qsizetype>({kolommen[0].size(), kolommen[1].size(), kolommen[2].size()}),
                 QList<qsizetype>({10, 10, 10}));
        // Exactly 30 fields: after them the reader stands at the end.
        Opslag::RecordLezer lezer(tekst);
        for (int v = 0; v < 30; ++v)
            QVERIFY(lezer.veld().has_value());
        QVERIFY(lezer.opEinde());
    }

    void onderwerpenCompleetInProgrammaMap() {
        const QStringList namen = bestanden(kBronData, "*.dat").keys();
        QVERIFY2(namen.size() >= 6 && namen.contains("Geografie.dat"), qPrintable(namen.join(' ')));
        const auto geografie = Opslag::leesSpelOnderwerpTekst(
            Opslag::decodeerBestand(lees(kBronData + "/Geografie.dat")));
        QVERIFY(geografie.has_value());
        QCOMPARE((*geografie)[0], (Opslag::Drietal{"Nederland", "Rotterdam", "Euromast"}));
        // Offered once: a sample deleted in the program folder stays away after a rebuild.
        const QStringList aangeboden = Opslag::aangebodenVoorbeelden(kProgrammaMap + "/Data");
        for (const QString& naam : namen)
            QVERIFY2(aangeboden.contains(naam), qPrintable(naam));
    }

    void kopieMaaktDataMap() {
        QTemporaryDir tijdelijk;
        const QString data = tijdelijk.filePath("nieuw/Data");
        const auto [code, uitvoer] = kopieer(kBronData, data);
        QVERIFY2(code == 0, uitvoer.constData());
        QCOMPARE(bestanden(data, "*.dat"), bestanden(kBronData, "*.dat"));
        // Without a source folder the step fails loudly instead of copying nothing.
        QVERIFY(kopieer(tijdelijk.filePath("ontbreekt"), data).first != 0);
    }
};

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
