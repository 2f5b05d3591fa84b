// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder the build lays out: the generated sounds, wallpapers and icon, and the
// sample topics of data/ with the step that offers them to Data.
#include "storage/samples.h"
#include "storage/textcodec.h"
#include "storage/topicfiles.h"
#include "support/testonderwerp.h"

#include <QImage>
#include <QtTest>
#include <cmath>

namespace {
using TestMap::lees;

const QString kProgrammaMap = DRIETAL_PROGRAM_DIR;
const QString kBronData = DRIETAL_DATA_SRC;

// The samples of a sound in -1..1; none unless it is a plain 16-bit mono PCM wave of 44.1 kHz
// whose header sizes agree with the file, as any player reads it.
std::vector<double> leesGeluid(const QString& naam) {
    const QByteArray b = lees(kProgrammaMap + "/Sounds/" + naam);
    const QByteArray kop = TestMap::waveKop(quint32(b.size() - 44));
    std::vector<double> s;
    for (qsizetype i = 44; b.size() > 44 && b.startsWith(kop) && i + 1 < b.size(); i += 2)
        s.push_back(qFromLittleEndian<qint16>(b.constData() + i) / 32768.0);
    return s;
}

} // namespace

class TstAssets : public QObject {
    Q_OBJECT
private slots:
    // Loud enough and not clipped, without a click at either end, and small.
    void geluiden() {
        qint64 totaal = 0;
        for (const QString& naam : QDir(kProgrammaMap + "/Sounds").entryList({"*.wav"})) {
            const std::vector<double> s = leesGeluid(naam);
            QVERIFY2(s.size() >= 4410, qPrintable(naam));
            const auto [laag, hoog] = std::minmax_element(s.begin(), s.end());
            const double piek = std::max(-*laag, *hoog);
            QVERIFY2(std::abs(20 * std::log10(piek) + 6) < 3, qPrintable(naam));
            QVERIFY2(std::abs(s.front()) < 0.01 && std::abs(s.back()) < 0.01, qPrintable(naam));
            totaal += QFileInfo(kProgrammaMap + "/Sounds/" + naam).size();
        }
        QVERIFY2(totaal > 0 && totaal < 500 * 1000, qPrintable(QString::number(totaal)));
    }

    // Each sample: ten CR LF lines of Windows-1252, thirty words that fit a card, no column
    // repeating a word; offered once: the build's step copies the samples to a new Data folder,
    // notes them there, and fails loudly without a source folder.
    void onderwerpen() {
        const QStringList namen = QDir(kBronData).entryList({"*.dat"});
        QVERIFY(namen.size() >= 25 && namen.contains("Geografie.dat"));
        const auto aangeboden = Opslag::aangebodenVoorbeelden(kProgrammaMap + "/Data");
        QTemporaryDir tijdelijk;
        const QString data = tijdelijk.filePath("nieuw/Data");
        QCOMPARE(QProcess::execute(DRIETAL_SAMPLES, {kBronData, data}), 0);
        for (const QString& naam : namen) {
            const QByteArray bytes = lees(kBronData + '/' + naam);
            QVERIFY2(aangeboden && aangeboden->contains(naam), qPrintable(naam));
            QCOMPARE(lees(data + '/' + naam), bytes);
            QCOMPARE(QList<qsizetype>({bytes.count("\r\n"), bytes.count('\n'), bytes.count('\r')}),
                     QList<qsizetype>({10, 10, 10}));
            QVERIFY2(bytes.endsWith("\r\n") && !bytes.startsWith("\xEF\xBB\xBF"), qPrintable(naam));
            const QString tekst = Opslag::decodeerBestand(bytes);
            QCOMPARE(Opslag::naarWindows1252(tekst), std::optional(bytes));
            const auto spel = Opslag::leesSpelOnderwerpTekst(tekst);
            QVERIFY2(spel, qPrintable(naam));
            QSet<QString> woorden; // each with its column
            for (const Opslag::Drietal& drietal : *spel)
                for (int k = 0; k < 3; ++k) {
                    // A card face is 222 pixels wide: a longer word would not fit at 13 pt.
                    QVERIFY2(!drietal[k].trimmed().isEmpty() && drietal[k].size() <= 16,
                             qPrintable(naam + ": " + drietal[k]));
                    woorden.insert(QString::number(k) + drietal[k]);
                }
            QVERIFY2(woorden.size() == 30, qPrintable(naam));
        }
        QVERIFY(QProcess::execute(DRIETAL_SAMPLES, {tijdelijk.filePath("weg"), data}) > 0);
    }

    // The smaller icons are the same drawing as the 256-pixel one scaled down, give or take
    // rounding.
    void icoonMaten() {
        const QImage groot(kProgrammaMap + "/drietalspel.png");
        for (int maat : {48, 64, 128}) {
            const QImage klein(kProgrammaMap + QString("/drietalspel-%1.png").arg(maat));
            const QImage verwacht =
                groot.scaled(klein.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double verschil = 0;
            for (int i = 0; i < maat * maat; ++i)
                verschil += std::abs(qGray(klein.pixel(i % maat, i / maat)) -
                                     qGray(verwacht.pixel(i % maat, i / maat)));
            QVERIFY2(klein.width() == maat && verschil / (maat * maat) < 3,
                     qPrintable(QString::number(maat)));
        }
    }
};

QTEST_MAIN(TstAssets)
#include "tst_assets.moc"
