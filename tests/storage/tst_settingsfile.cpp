// The settings file and the high-score list.
#include "storage/scorefile.h"
#include "storage/settingsfile.h"
#include "storage/textcodec.h"
#include "support/testonderwerp.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace Opslag;

namespace {

// The header the Windows program wrote, which files made there still carry.
const QByteArray kKop = "\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n";

// The seven stored values in file order, so a failed comparison shows which one differs.
QStringList waarden(const OpgeslagenInstellingen& w) {
    return {QString::number(w.ColorRed),
            QString::number(w.ColorGreen),
            QString::number(w.ColorBlue),
            w.WallpaperFile,
            QString::number(w.PauzeTijd),
            w.TitelTekst,
            w.TitelKleur ? u"#TRUE#"_s : u"#FALSE#"_s};
}

} // namespace

class TstSettingsfile : public QObject {
    Q_OBJECT
private slots:
    // A file as the Windows program wrote it reads, and is written back byte for byte.
    void bestandVanWindows() {
        const QByteArray bytes =
            kKop +
            "0,128,255\r\n\"C:\\Spel\\Zee.jpg\"\r\n30\r\n\" E\xE9n, twee \x80 \"\r\n#FALSE#\r\n";
        const GelezenInstellingen gelezen = leesInstellingenTekst(decodeerBestand(bytes));
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        QCOMPARE(waarden(gelezen.waarden), QStringList({"0", "128", "255", "C:\\Spel\\Zee.jpg",
                                                        "30", u" Eén, twee € "_s, "#FALSE#"}));
        QCOMPARE(instellingenBytes(gelezen.waarden), bytes);
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QCOMPARE(schrijfInstellingen(pad, gelezen.waarden), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad), bytes);
        QCOMPARE(waarden(leesInstellingen(pad).waarden), waarden(gelezen.waarden));
    }

    // Reading stops at the first missing or wrong value; what came before it counts.
    void afgebroken_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("gelezen"); // values read before the break
        QTest::newRow("leeg") << QByteArray() << 0;
        QTest::newRow("midden_in_kleuren") << kKop + "10,20" << 2;
        QTest::newRow("woord_als_pauze")
            << kKop + "1,2,3\r\n\"W.jpg\"\r\ntien\r\n\"T\"\r\n#FALSE#" << 4;
        QTest::newRow("zonder_laatste_regel") << kKop + "1,2,3\r\n\"W.jpg\"\r\n12\r\n\"T\"\r\n"
                                              << 6;
    }
    void afgebroken() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, gelezen);
        const GelezenInstellingen uitkomst = leesInstellingenTekst(decodeerBestand(bytes));
        QCOMPARE(uitkomst.status, LeesStatus::Afgebroken);
        const QStringList standaard = waarden({});
        const QStringList w = waarden(uitkomst.waarden);
        QCOMPARE(w.mid(gelezen), standaard.mid(gelezen));
        for (int i = 0; i < gelezen; ++i)
            QVERIFY2(w[i] != standaard[i], qPrintable(w[i]));
    }

    // An edited file may hold anything: the think time goes from 5 to 30 seconds, a colour part
    // from 0 to 255.
    void begrenst() {
        for (const auto& [gelezen, verwacht] : {std::pair{u"255,30"_s, u"255,30"_s},
                                                {u"0,5"_s, u"0,5"_s},
                                                {u"256,31"_s, u"255,30"_s},
                                                {u"-1,4"_s, u"0,5"_s}}) {
            const QStringList w = gelezen.split(u',');
            const auto uitkomst = leesInstellingenTekst(
                QString::fromLatin1(kKop) +
                u"1,2,%1\r\n\"W.jpg\"\r\n%2\r\n\"T\"\r\n#TRUE#\r\n"_s.arg(w[0], w[1]));
            QCOMPARE(uitkomst.status, LeesStatus::Gelezen);
            QCOMPARE(waarden(uitkomst.waarden)[2] + u',' + waarden(uitkomst.waarden)[4], verwacht);
        }
    }

    // A text the file cannot hold leaves every file as it was.
    void weigertTekst() {
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QVERIFY(TestMap::schrijf(pad, "oud"));
        const QStringList voor = TestMap::boom(tmp.path());
        for (const QString& titel : {u"Het \"spel\""_s, u"Drie\rtal"_s, u"Łódź"_s}) {
            OpgeslagenInstellingen w;
            w.TitelTekst = titel;
            QCOMPARE(schrijfInstellingen(pad, w, true), OpslaanStatus::OngeldigeTekst);
            QCOMPARE(schrijfScoreLijst(tmp.filePath(u"Scorelijst.lst"_s), {"01:00 - A", titel}),
                     OpslaanStatus::OngeldigeTekst);
        }
        QCOMPARE(TestMap::boom(tmp.path()), voor);
    }

    void scoreLijst() {
        const QStringList regels = {"01:05 - Jan, Piet", u"10:00 - Zoë"_s};
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Scorelijst.lst"_s);
        QCOMPARE(schrijfScoreLijst(pad, regels), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad), kKop + "\"01:05 - Jan, Piet\"\r\n\"10:00 - Zo\xEB\"\r\n");
        const GelezenScoreLijst gelezen = leesScoreLijst(pad);
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        QCOMPARE(gelezen.regels, regels);
        QCOMPARE(leesScoreLijstTekst(QString::fromLatin1(kKop)).regels, QStringList());
        QCOMPARE(leesScoreLijstTekst(u"\"kop\"\r\n"_s).status, LeesStatus::Afgebroken);
    }
};

QTEST_GUILESS_MAIN(TstSettingsfile)
#include "tst_settingsfile.moc"
