// The shared settings and high-score list: loading and storing them, the order of the scores,
// and what the settings window lets a player choose.
#include "game/algemeen.h"
#include "game/instellingenkeuze.h"
#include "game/scorelijst.h"
#include "storage/scorefile.h"
#include "support/testonderwerp.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace Algemeen;
using Opslag::LeesStatus;
using Opslag::OpslaanStatus;

namespace {
const QByteArray kKop = "\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n";
}

class TstAlgemeen : public QObject {
    Q_OBJECT
private slots:
    // A first start writes the defaults, whatever was in memory, and points the wallpaper at the
    // program's own Backgrounds; the next start reads them back.
    void eersteStart() {
        TestProgrammaMap map;
        instellingen.PauzeTijd = 25;
        instellingen.Onderwerp = u"Dieren"_s;
        const QString ini = map.pad(u"Drietalspel.ini"_s);
        QCOMPARE(InstellingenLaden(), LeesStatus::Ontbreekt);
        const auto geschreven = Opslag::leesInstellingen(ini);
        QCOMPARE(geschreven.status, LeesStatus::Gelezen);
        QCOMPARE(geschreven.waarden, Opslag::OpgeslagenInstellingen());
        QCOMPARE(instellingen.PauzeTijd, Opslag::OpgeslagenInstellingen().PauzeTijd);
        QCOMPARE(instellingen.Onderwerp, u"Dieren"_s); // not stored, not touched
        const QString wallpaper = instellingen.WallpaperFile;
        QVERIFY(QFileInfo(wallpaper).isAbsolute() &&
                wallpaper.startsWith(Opslag::achtergrondMap()));
        QCOMPARE(InstellingenOpslaan(), OpslaanStatus::Opgeslagen);
        QVERIFY(!QFileInfo::exists(ini + ".bak"));
        InstellingenStandaard();
        QCOMPARE(InstellingenLaden(), LeesStatus::Gelezen);
        QCOMPARE(instellingen.WallpaperFile, wallpaper);
    }

    // A file read only in part, or holding what the file cannot hold, is kept once as .bak; the
    // save goes through, and later saves leave that backup alone.
    void bewaartOnvolledigBestand_data() {
        QTest::addColumn<bool>("scores");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("bak");
        QTest::newRow("instellingen_schoon")
            << false << kKop + "1,2,3\r\n\"a.jpg\"\r\n7\r\n\"T\"\r\n#TRUE#\r\n"
            << false;
        QTest::newRow("instellingen_afgebroken") << false << kKop + "1,2,3\r\n" << true;
        QTest::newRow("instellingen_utf8_titel")
            << false
            << kKop + "1,2,3\r\n\"a.jpg\"\r\n7\r\n\"\xc5\x81\xc3\xb3"
                      "d\xc5\xba\"\r\n#TRUE#\r\n"
            << true;
        QTest::newRow("scores_schoon") << true << kKop + "\"01:00 - A\"\r\n" << false;
        QTest::newRow("scores_te_groot")
            << true << QByteArray(Opslag::kMaxBestandsgrootte + 1, ' ') << true;
        QTest::newRow("scores_utf8_naam") << true << kKop + "\"01:00 - \xc5\x81ukasz\"\r\n" << true;
    }
    void bewaartOnvolledigBestand() {
        QFETCH(bool, scores);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bak);
        TestProgrammaMap map;
        const QString pad = scores ? Opslag::scoreLijstPad() : Opslag::instellingenPad();
        QVERIFY(TestMap::schrijf(pad, bytes));
        scores ? void(ScoreLijstLaden()) : void(InstellingenLaden());
        for (int keer = 0; keer < 2; ++keer) {
            BackScoreLijst.append(u"02:00 - B"_s);
            instellingen.PauzeTijd = 20 + keer;
            QCOMPARE(scores ? ScoreLijstOpslaan() : InstellingenOpslaan(),
                     OpslaanStatus::Opgeslagen);
            QCOMPARE(TestMap::lees(pad + ".bak"), bak ? bytes : QByteArray());
        }
        if (scores)
            QCOMPARE(Opslag::leesScoreLijst(pad).regels, BackScoreLijst);
        else
            QCOMPARE(Opslag::leesInstellingen(pad).waarden.PauzeTijd, 21);
    }

    // Fastest first by the time as a number, equal times by name ignoring case, entries without a
    // time last.
    void scoreVolgorde() {
        QCOMPARE(gesorteerdeScores(
                     {"10:05 - A", "hallo", "100:00 - C", "1:08 - b", "01:08 - A", "02:40 - B"}),
                 QStringList(
                     {"01:08 - A", "1:08 - b", "02:40 - B", "10:05 - A", "100:00 - C", "hallo"}));
    }

    // Only a topic of exactly thirty words can be chosen: not nine rows, not a word left empty,
    // not eleven rows, not a missing file; the message names the topic.
    void onderwerpMoetCompleetZijn() {
        TestProgrammaMap map;
        QVERIFY(onderwerpWeigering(u"Weg"_s).value_or(QString()).contains(u"Weg"_s));
        for (const auto& [rijen, leeg] : {std::pair{10, 0}, {9, 0}, {10, 1}, {11, 0}}) {
            auto inhoud = TestProgrammaMap::tienRijen(rijen);
            if (leeg)
                inhoud[0][1].clear();
            map.schrijfOnderwerp(u"Proef"_s, inhoud);
            QCOMPARE(onderwerpWeigering(u"Proef"_s).has_value(), rijen != 10 || leeg);
        }
    }
};

QTEST_GUILESS_MAIN(TstAlgemeen)
#include "tst_algemeen.moc"
