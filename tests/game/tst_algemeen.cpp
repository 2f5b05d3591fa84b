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
        QCOMPARE(Opslag::leesInstellingen(ini).waarden, Opslag::OpgeslagenInstellingen());
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

    // One score the file cannot hold is kept as near as it can be, not dropped with the others.
    void scoreLijstRondreis() {
        TestProgrammaMap map;
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Ontbreekt);
        QVERIFY(TestMap::schrijf(
            Opslag::scoreLijstPad(),
            kKop + "\"03:27 - Nobody\"\r\n\"  \"\r\n01:05 - Jan \"de\" Vries\r\n"));
        BackScoreLijst.append(u"09:59 - Al bekend"_s);
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Gelezen);
        QCOMPARE(BackScoreLijst.size(), 3);
        QVERIFY(BackScoreLijst.last().startsWith(u"01:05 - Jan"_s));
        BackScoreLijst.append(u"00:42 - Karel, de Grote"_s);
        const QStringList verwacht = BackScoreLijst;
        QCOMPARE(ScoreLijstOpslaan(), OpslaanStatus::Opgeslagen);
        BackScoreLijst.clear();
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Gelezen);
        QCOMPARE(BackScoreLijst, verwacht);
    }

    // Fastest first by the time as a number, equal times by name ignoring case, entries without a
    // time last.
    void scoreVolgorde() {
        QCOMPARE(gesorteerdeScores(
                     {"10:05 - A", "hallo", "100:00 - C", "1:08 - b", "01:08 - A", "02:40 - B"}),
                 QStringList(
                     {"01:08 - A", "1:08 - b", "02:40 - B", "10:05 - A", "100:00 - C", "hallo"}));
    }

    // Only a topic of exactly thirty words can be chosen; the message says what is missing.
    void onderwerpMoetCompleetZijn_data() {
        QTest::addColumn<int>("rijen");
        QTest::addColumn<int>("leeg");
        QTest::addColumn<bool>("compleet");
        QTest::newRow("tien") << 10 << 0 << true;
        QTest::newRow("negen") << 9 << 0 << false;
        QTest::newRow("een_woord_leeg") << 10 << 1 << false;
        QTest::newRow("elf") << 11 << 0 << false;
        QTest::newRow("ontbreekt") << -1 << 0 << false;
    }
    void onderwerpMoetCompleetZijn() {
        QFETCH(int, rijen);
        QFETCH(int, leeg);
        QFETCH(bool, compleet);
        TestProgrammaMap map;
        auto inhoud = TestProgrammaMap::tienRijen(std::max(rijen, 0));
        for (int i = 0; i < leeg; ++i)
            inhoud[i][1].clear();
        if (rijen >= 0)
            map.schrijfOnderwerp(u"Proef"_s, inhoud);
        const auto weigering = onderwerpWeigering(u"Proef"_s);
        QCOMPARE(!weigering, compleet);
        QVERIFY(weigering.value_or(u"Proef"_s).contains(u"Proef"_s));
    }

    void onvolledigOnderwerpMelding() {
        QCOMPARE(Algemeen::onvolledigOnderwerpMelding(u"D"_s, 30), QString());
        const QStringList meldingen = {Algemeen::onvolledigOnderwerpMelding(u"D"_s, 27),
                                       Algemeen::onvolledigOnderwerpMelding(u"D"_s, 29),
                                       Algemeen::onvolledigOnderwerpMelding(u"D"_s, 31),
                                       Algemeen::onvolledigOnderwerpMelding(u"D"_s, 33)};
        QVERIFY(meldingen[0].contains(u"3 woorden"_s) && meldingen[1].contains(u"1 woord "_s));
        QVERIFY(meldingen[2].contains(u"1 woord te veel"_s) &&
                meldingen[3].contains(u"3 woorden te veel"_s));
    }

    // The lists of the settings window are ordered by name, ignoring case; a wallpaper whose name
    // could not be stored is not offered.
    void keuzelijsten() {
        TestProgrammaMap map;
        for (const char* naam : {"Dier 2", "Dier", "appel"})
            map.schrijfOnderwerp(QString::fromUtf8(naam), TestProgrammaMap::tienRijen());
        QCOMPARE(keuzeOnderwerpen(), QStringList({"appel", "Dier", "Dier 2"}));
        for (const char* naam : {"Blauw 2.jpg", "Blauw.jpg", "a.jpg", "Aan \"zee\".jpg"})
            QVERIFY(TestMap::schrijf(Opslag::achtergrondMap() + "/" + naam, {}));
        QCOMPARE(keuzeAchtergronden(), QStringList({"a", "Blauw", "Blauw 2"}));
        QVERIFY(QFile::exists(achtergrondBestand(u"Blauw 2"_s)));
    }

    // The stored wallpaper is found by its whole file name, in whatever folder it was stored.
    void wallpaperKeuze_data() {
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<int>("keuze");
        QTest::newRow("tweede_niet_door_voorvoegsel") << "/spel/Backgrounds/Blauw 2.jpg" << 1;
        QTest::newRow("windows_pad") << "C:\\Spel\\Blauw.jpg" << 0;
        QTest::newRow("kale_naam") << "Blauw.jpg" << 0;
        QTest::newRow("andere_hoofdletters") << "/spel/blauw.jpg" << -1;
        QTest::newRow("zonder_extensie") << "/spel/Blauw" << -1;
    }
    void wallpaperKeuze() {
        QFETCH(QString, wallpaper);
        QFETCH(int, keuze);
        QCOMPARE(Algemeen::wallpaperKeuze({"Blauw", "Blauw 2"}, wallpaper), keuze);
    }

    void waardenBinnenDeBalken() {
        Opslag::OpgeslagenInstellingen w;
        QVERIFY(!begrensInstellingen(w));
        w.ColorRed = -1;
        w.ColorBlue = 256;
        w.PauzeTijd = 31;
        QVERIFY(begrensInstellingen(w));
        QCOMPARE(QList<int>({w.ColorRed, w.ColorGreen, w.ColorBlue, w.PauzeTijd}),
                 QList<int>({0, Opslag::OpgeslagenInstellingen().ColorGreen, 255, 30}));
        w.PauzeTijd = 4;
        begrensInstellingen(w);
        QCOMPARE(w.PauzeTijd, 5);
    }

    // A title is refused exactly when the settings file could not hold it.
    void titelWeigering_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<bool>("geweigerd");
        QTest::newRow("leeg") << "" << false;
        QTest::newRow("codetabel") << u"  Café, € ‘spel’ "_s << false;
        QTest::newRow("aanhalingsteken") << "Het \"grote\" spel" << true;
        QTest::newRow("vinkje") << u"Spel ✓"_s << true;
        QTest::newRow("buiten_bmp") << u"Spel 😀"_s << true;
    }
    void titelWeigering() {
        QFETCH(QString, titel);
        QFETCH(bool, geweigerd);
        const auto weigering = Algemeen::titelWeigering(titel);
        QCOMPARE(weigering.has_value(), geweigerd);
        Opslag::OpgeslagenInstellingen w;
        w.TitelTekst = titel;
        QCOMPARE(Opslag::instellingenBytes(w).isEmpty(), geweigerd);
    }
};

QTEST_GUILESS_MAIN(TstAlgemeen)
#include "tst_algemeen.moc"
