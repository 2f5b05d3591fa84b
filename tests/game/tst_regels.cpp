// SPDX-License-Identifier: GPL-3.0-or-later
// Settings and high scores loaded and stored, their order, which topics can be chosen, and the
// word list editor's rules without a window; all against files in a temporary program folder.
#include "game/instellingenkeuze.h"
#include "game/woordeditor.h"
#include "storage/scorefile.h"
#include "support/testonderwerp.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace Regels;
using Opslag::LeesStatus, Opslag::OpslaanStatus;
using E = WoordEditor;

namespace {

struct Opstelling {
    TestProgrammaMap map;
    WoordEditor e{map.mappen()};

    QString bestand(const QString& naam) const { return map.pad("Data/" + naam + ".dat"); }
    void openMet(int n) {
        map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen(n));
        e.openen("Geografie");
    }
    QStringList teksten() const { return {e.tekst(0), e.tekst(1), e.tekst(2)}; }
    QStringList rij(int r) const {
        return {e.kolom(0).value(r), e.kolom(1).value(r), e.kolom(2).value(r)};
    }
    // Everything the window shows, and every file.
    QStringList staat() const {
        QStringList s = e.onderwerpNamen();
        s << e.onderwerpTekst() << e.item() << QString::number(e.regel());
        for (int k = 0; k < 3; ++k)
            s << e.kolom(k).join('|') << e.tekst(k) << QString::number(e.selectie(k));
        return s + TestMap::boom(map.buiten({}));
    }

    // Types the words given and presses a button: "gedaan", or the message it was refused with
    // (empty when refused silently). A refused action must leave everything as it was, files too.
    QString doe(const std::function<E::Uitkomst(E&)>& actie, const QStringList& getypt = {}) {
        for (int k = 0; k < getypt.size(); ++k)
            e.zetTekst(k, getypt[k]);
        const QStringList voor = staat();
        const E::Uitkomst u = actie(e);
        if (u.gedaan)
            return "gedaan" + u.melding;
        return staat() == voor ? u.melding : "changed: " + u.melding;
    }
};

} // namespace

class TstRegels : public QObject {
    Q_OBJECT
private slots:
    // A first start writes the defaults, whatever was in memory, and points the wallpaper at the
    // program's own Backgrounds; the next start reads them back.
    void eersteStart() {
        TestProgrammaMap map;
        Instellingen inst(map.mappen());
        inst.wijzig([](InstellingWaarden& w) {
            w.PauzeTijd = 25;
            w.Onderwerp = u"Dieren"_s;
        });
        QSignalSpy achtergrondGewijzigd(&inst, &Instellingen::achtergrondGewijzigd);
        QCOMPARE(inst.laden(), LeesStatus::Ontbreekt);
        const auto geschreven = Opslag::leesInstellingen(map.pad(u"Drietalspel.ini"_s));
        QCOMPARE(geschreven.status, LeesStatus::Gelezen);
        QCOMPARE(geschreven.waarden, Opslag::OpgeslagenInstellingen());
        QCOMPARE(inst.waarden().Onderwerp, u"Dieren"_s); // not stored, not touched
        const QString wallpaper = inst.waarden().WallpaperFile;
        QVERIFY(wallpaper.startsWith(map.mappen().achtergrondMap() + u'/')); // an absolute path
        QCOMPARE(achtergrondGewijzigd.count(), 1);
        QCOMPARE(inst.opslaan(), OpslaanStatus::Opgeslagen);
        Instellingen volgende(map.mappen());
        QCOMPARE(volgende.laden(), LeesStatus::Gelezen);
        QCOMPARE(volgende.waarden().WallpaperFile, wallpaper);
    }

    // A file read only in part, or holding what the file cannot hold, is kept once as .bak; the
    // save goes through, and later saves leave that backup alone.
    void bewaartOnvolledigBestand_data() {
        QTest::addColumn<bool>("scores"); // the high-score list, else the settings
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("bak");
        const QByteArray ini = TestMap::kKop + "1,2,3\r\n\"a.jpg\"\r\n7\r\n\"T\"\r\n#TRUE#\r\n";
        QTest::newRow("instellingenHeel") << false << ini << false;
        QTest::newRow("instellingenAfgebroken") << false << TestMap::kKop + "1,2,3\r\n" << true;
        QTest::newRow("titelBuitenCodetabel")
            << false << QByteArray(ini).replace("\"T\"", "\"Łódź\"") << true; // saved as UTF-8
        QTest::newRow("scorelijstHeel") << true << TestMap::kKop + "\"01:00 - A\"\r\n" << false;
        QTest::newRow("naamBuitenCodetabel") << true << TestMap::kKop + "\"01:00 - Łukasz\"\r\n"
                                             << true;
    }
    void bewaartOnvolledigBestand() {
        QFETCH(bool, scores);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bak);
        TestProgrammaMap map;
        Instellingen inst(map.mappen());
        ScoreLijst lijst(map.mappen());
        const QString pad = scores ? map.mappen().scoreLijstPad() : map.mappen().instellingenPad();
        QVERIFY(TestMap::schrijf(pad, bytes));
        scores ? void(lijst.laden()) : void(inst.laden());
        for (int keer = 0; keer < 2; ++keer) {
            lijst.voegToe(u"02:00 - B"_s);
            inst.wijzig([keer](InstellingWaarden& w) { w.PauzeTijd = 20 + keer; });
            QCOMPARE(scores ? lijst.opslaan() : inst.opslaan(), OpslaanStatus::Opgeslagen);
            QCOMPARE(TestMap::lees(pad + ".bak"), bak ? bytes : QByteArray());
        }
        if (scores)
            QCOMPARE(Opslag::leesScoreLijst(pad).regels, lijst.regels());
        else
            QCOMPARE(Opslag::leesInstellingen(pad).waarden.PauzeTijd, 21);
    }

    // Fastest first by the time as a number, equal times by name ignoring case, entries without a
    // time last.
    void scoreVolgorde() {
        const QStringList volgorde = {"01:08 - A", "1:08 - b",   "02:40 - B",
                                      "10:05 - A", "100:00 - C", "hallo"};
        QCOMPARE(gesorteerdeScores(QStringList(volgorde.rbegin(), volgorde.rend())), volgorde);
    }

    // Only a topic of exactly thirty words can be chosen: not nine rows, not a word left empty,
    // not eleven rows, not a missing file; the message names the topic.
    void onderwerpMoetCompleetZijn_data() {
        QTest::addColumn<QList<QStringList>>("rijen"); // none: no file
        auto leegWoord = TestProgrammaMap::tienRijen();
        leegWoord[0][1].clear();
        QTest::newRow("tien") << TestProgrammaMap::tienRijen();
        QTest::newRow("negen") << TestProgrammaMap::tienRijen(9);
        QTest::newRow("leegWoord") << leegWoord;
        QTest::newRow("elf") << TestProgrammaMap::tienRijen(11);
        QTest::newRow("geenBestand") << QList<QStringList>();
    }
    void onderwerpMoetCompleetZijn() {
        QFETCH(QList<QStringList>, rijen);
        TestProgrammaMap map;
        if (!rijen.isEmpty())
            map.schrijfOnderwerp(u"Proef"_s, rijen);
        const std::optional<QString> weigering = onderwerpWeigering(map.mappen(), u"Proef"_s);
        QCOMPARE(weigering.has_value(), rijen != TestProgrammaMap::tienRijen());
        QVERIFY(!weigering || weigering->contains(u"Proef"_s));
    }

    // The tenth row can be added, an eleventh not, with or without words typed. Add refuses a
    // word of blanks (blanks around a word stay); Wijzig takes it, and ignores an empty box.
    void toevoegenEnWijzigen() {
        Opstelling o;
        o.openMet(9);
        QCOMPARE(o.doe(&E::toevoegen, {"Zon", "   ", "Maan"}), E::meldingNietIngevuld());
        QCOMPARE(o.doe(&E::toevoegen, {" Zee", "Golf ", "x"}), "gedaan");
        QCOMPARE(o.rij(9), QStringList({" Zee", "Golf ", "x"}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.doe(&E::toevoegen, {"p", "q", "r"}), E::meldingTeVeelRegels());
        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "   ", "Maan"}), "gedaan");
        QCOMPARE(o.rij(1), QStringList({"Zon", "   ", "Maan"}));
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "", "Maan"}), "");
    }

    // A word the topic file cannot hold is refused by Add and Wijzig, saying why; the euro sign is
    // in the code page and taken.
    void onopslaanbareWoorden_data() {
        QTest::addColumn<QString>("woord");
        QTest::addColumn<QString>("melding");
        QTest::newRow("aanhalingsteken") << u"Zeg \"kaas\""_s << E::meldingAanhalingsteken();
        QTest::newRow("regeleinde") << u"twee\nregels"_s << E::meldingRegeleinde();
        QTest::newRow("buitenCodetabel") << u"Łódź"_s << E::meldingOnopslaanbaarTeken(u"Ł"_s);
        QTest::newRow("inCodetabel") << u"€uro"_s << u"gedaan"_s;
    }
    void onopslaanbareWoorden() {
        QFETCH(QString, woord);
        QFETCH(QString, melding);
        Opstelling o;
        o.openMet(3);
        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, {"Parijs", woord, "Café"}), melding);
        QCOMPARE(o.doe(&E::toevoegen, {"Parijs", woord, "Café"}), melding);
    }

    // Save writes under the name in the topic box, or says why it could not. Nieuw refuses a name
    // in use (whatever its case, also one just made) and one that cannot be a file; typed straight
    // into the topic box, such a name is refused on saving.
    void namenEnOpslaan() {
        Opstelling o;
        o.openMet(4);
        o.e.zetOnderwerpTekst("Kopie");
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        QCOMPARE(TestMap::lees(o.bestand("Kopie")), TestMap::lees(o.bestand("Geografie")));
        QCOMPARE(o.doe([](E& w) { return w.nieuw("Vogels"); }), "gedaan");
        QCOMPARE(o.doe(&E::toevoegen, {"Mus", "Merel", "Meeuw"}), "gedaan");
        for (const char* naam : {"geografie", "VOGELS"})
            QCOMPARE(o.doe([&](E& w) { return w.nieuw(naam); }), E::meldingDubbeleNaam());
        for (const QString& naam :
             {QString("../buiten"), QString("Geo?rafie"), QString(126, u'é')}) {
            QCOMPARE(o.doe([&](E& w) { return w.nieuw(naam); }), E::meldingOngeldigeNaam());
            o.e.zetOnderwerpTekst(naam);
            QCOMPARE(o.doe(&E::opslaan), E::meldingOngeldigeNaam());
        }
        QVERIFY(TestMap::schrijf(o.bestand("Polen"), "\"Polen\",\"Łódź\",\"Fabriek\"\r\n"));
        o.e.openen("Polen");
        QCOMPARE(o.doe(&E::opslaan), E::meldingOnopslaanbareWoorden());
        QVERIFY(QDir().mkpath(o.bestand("Vol") + "/binnen"));
        o.e.openen("Vol");
        QCOMPARE(o.doe(&E::opslaan), E::meldingNietOpgeslagen());
    }

    // A topic that is there but was not read whole is reported on opening and on picking, and a
    // save over it keeps the old file as .bak.
    void onvolledigGelezenWordtBewaard() {
        const QByteArray rij = "\"a\",\"b\",\"c\"\r\n";
        for (const QByteArray& bytes :
             {rij + "\"d\",\"e\"", rij.repeated(Opslag::kMaxBestandsgrootte / rij.size() + 1)}) {
            Opstelling o;
            QVERIFY(TestMap::schrijf(o.bestand("Stuk"), bytes));
            QVERIFY(!o.e.openen("Stuk").melding.isEmpty());
            QVERIFY(!o.e.kiesOnderwerp(0).melding.isEmpty());
            QCOMPARE(o.doe(&E::toevoegen, {"x", "y", "z"}), "gedaan");
            QCOMPARE(o.doe(&E::opslaan), "gedaan");
            QCOMPARE(TestMap::lees(o.bestand("Stuk") + ".bak"), bytes);
        }
    }

    // A file with empty fields gives columns of unequal length, never indexed past their end.
    void ongelijkeKolommen() {
        Opstelling o;
        QVERIFY(TestMap::schrijf(o.bestand("Scheef"), "\"a\",\"\",\"c\"\r\n\"d\",\"e\",\"f\"\r\n"));
        o.e.openen("Scheef");
        o.e.klikRegel(0, 1);
        QCOMPARE(o.teksten(), QStringList({"d", "", "f"}));
        QCOMPARE(QList<int>({o.e.regel(), o.e.selectie(0), o.e.selectie(1), o.e.selectie(2)}),
                 QList<int>({1, 1, E::kGeenRegel, 1}));
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "");
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.rij(0), QStringList({"a", "e", "c"}));
    }
};

QTEST_GUILESS_MAIN(TstRegels)
#include "tst_regels.moc"
