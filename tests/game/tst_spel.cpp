// Whole games played through the model with a seeded deal and a fake clock.
#include "game/algemeen.h"
#include "game/spel.h"
#include "support/bordhulp.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <random>

using namespace Algemeen;

namespace {

int vakVan(const Spel& spel, int drietal, int rij) {
    return spel.toestand().plek(drietal, rij);
}

} // namespace

class TestSpel : public QObject {
    Q_OBJECT

    struct Opstelling {
        TestProgrammaMap map;
        NepTijd tijd;
        Toeval toeval{12345};
        Spel spel{tijd, toeval};
        Opstelling() {
            map.schrijfOnderwerp(QStringLiteral("Geografie"), TestProgrammaMap::tienRijen());
        }

        void klik(int rij, int vak) { spel.kies(rij, vak); }
        void kies(int drietal) { kiesDrietal(spel, drietal); }
        // Start, uncover and let the think time pass: the clock runs.
        void startEnSpeel(const QString& naam = QStringLiteral("Anna")) {
            QCOMPARE(spel.start(naam), Spel::StartUitkomst::Gestart);
            spel.startAftellen();
            tijd.verstrijk(instellingen.PauzeTijd * 1000);
            QCOMPARE(spel.fase(), Fase::Spelen);
        }
    };

private slots:
    void rightPicksInAnyOrderEndTheGame_data() {
        QTest::addColumn<int>("zaad");
        QTest::newRow("order1") << 1;
        QTest::newRow("order2") << 2;
        QTest::newRow("order3") << 3;
    }
    void rightPicksInAnyOrderEndTheGame() {
        QFETCH(int, zaad);
        Opstelling o;
        QSignalSpy gewonnen(&o.spel, &Spel::spelGewonnen);
        o.startEnSpeel();
        QCOMPARE(openKaarten(o.spel), 0);

        std::array<int, kVakken> volgorde;
        std::iota(volgorde.begin(), volgorde.end(), 0);
        std::shuffle(volgorde.begin(), volgorde.end(), std::mt19937(zaad));
        for (int n = 0; n < kVakken; ++n) {
            o.tijd.verstrijk(7000);
            o.kies(volgorde[n]);
            QCOMPARE(o.spel.toestand().Uitslag, QStringLiteral("Goed"));
            QCOMPARE(o.spel.toestand().AantalGoed, n + 1);
            QCOMPARE(o.spel.goedTekst(), QStringLiteral("%1 Goed").arg(n + 1));
            QCOMPARE(openKaarten(o.spel), 3 * (n + 1));
            // A found Drietal cannot be picked again: its cards are open.
            o.klik(0, vakVan(o.spel, volgorde[n], 0));
            QCOMPARE(o.spel.toestand().Stap, 0);
        }
        QCOMPARE(o.spel.fase(), Fase::Klaar);
        QCOMPARE(o.spel.infoTekst(), QStringLiteral("Je hebt alle 10 woorden goed geraden!"));
        QCOMPARE(gewonnen.count(), 1);
        QCOMPARE(BackScoreLijst, QStringList{QStringLiteral("01:10 - Anna")});

        // The clock has stopped and the board ignores clicks until the next Start.
        o.tijd.verstrijk(5000);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("01:10"));
        QCOMPARE(o.tijd.actieveTimers(), 0);
    }

    void wrongPickIsShownTwoSecondsThenTurnedBack() {
        Opstelling o;
        o.startEnSpeel();
        // The first two cards belong to Drietal 0, the third to Drietal 1: still wrong.
        o.klik(0, vakVan(o.spel, 0, 0));
        o.klik(1, vakVan(o.spel, 0, 1));
        o.klik(2, vakVan(o.spel, 1, 2));
        QCOMPARE(o.spel.toestand().Uitslag, QStringLiteral("Fout"));
        QCOMPARE(o.spel.toestand().Stap, 3);
        QCOMPARE(openKaarten(o.spel), 3);
        QVERIFY(!o.spel.pijlZichtbaar());
        QCOMPARE(o.spel.pijlRij(), 0);
        QCOMPARE(o.spel.infoTekst(), QStringLiteral("Klik een vakje aan in de 1e rij"));

        // Clicks are refused while the pick is on show; the clock runs on.
        o.tijd.verstrijk(1000);
        o.kies(2);
        QCOMPARE(openKaarten(o.spel), 3);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("00:01"));

        o.tijd.verstrijk(999);
        QCOMPARE(openKaarten(o.spel), 3);
        o.tijd.verstrijk(1);
        QCOMPARE(openKaarten(o.spel), 0);
        QCOMPARE(o.spel.toestand().Stap, 0);
        QVERIFY(o.spel.pijlZichtbaar());
        QCOMPARE(o.spel.toestand().AantalGoed, 0);
    }

    void picksOutOfTurnDoNothing() {
        Opstelling o;
        QSignalSpy kaarten(&o.spel, &Spel::kaartGewijzigd);
        QSignalSpy geluid(&o.spel, &Spel::geluidGevraagd);
        QVERIFY(!o.spel.kies(0, 0)); // no game yet
        QVERIFY(o.spel.start(QStringLiteral("Anna")) == Spel::StartUitkomst::Gestart);
        o.spel.startAftellen();
        o.tijd.verstrijk(1000);
        QVERIFY(!o.spel.kies(0, 0)); // reveal phase
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000);
        kaarten.clear();
        geluid.clear();

        QVERIFY(!o.spel.kies(1, 3)); // card row 2 while row 1 is expected
        QVERIFY(!o.spel.kies(0, kVakken));
        QVERIFY(!o.spel.kies(0, -1));
        QCOMPARE(kaarten.count(), 0);
        QCOMPARE(geluid.count(), 0);

        QVERIFY(o.spel.kies(0, 4));
        QVERIFY(!o.spel.kies(0, 5)); // row 1 has had its turn
        QVERIFY(o.spel.kies(1, 9));
        QCOMPARE(o.spel.toestand().Stap, 2);
    }

    void pickIsJudgedBySlotNotByWord() {
        Opstelling o;
        auto rijen = TestProgrammaMap::tienRijen();
        rijen[1][1] = rijen[0][1] = QStringLiteral("Parijs");
        o.map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen);
        o.startEnSpeel();
        o.klik(0, vakVan(o.spel, 0, 0));
        o.klik(1, vakVan(o.spel, 1, 1)); // the other "Parijs"
        o.klik(2, vakVan(o.spel, 0, 2));
        QCOMPARE(o.spel.toestand().Uitslag, QStringLiteral("Fout"));
    }

    void countdownShowsThinkTimeDownToZero() {
        Opstelling o;
        instellingen.PauzeTijd = 5;
        QVERIFY(o.spel.start(QStringLiteral("Anna")) == Spel::StartUitkomst::Gestart);
        QCOMPARE(o.spel.fase(), Fase::Delen);
        QCOMPARE(openKaarten(o.spel), 30);
        o.spel.startAftellen();
        QStringList getoond{o.spel.aftelTekst()};
        for (int tik = 1; tik <= 5; ++tik) {
            QCOMPARE(o.spel.fase(), Fase::Onthullen);
            QVERIFY(o.spel.bezig() == (tik > 1));
            o.tijd.verstrijk(1000);
            getoond << o.spel.aftelTekst();
            QCOMPARE(openKaarten(o.spel), tik < 5 ? 30 : 0);
        }
        QCOMPARE(getoond, QStringList({"5", "4", "3", "2", "1", "0"}));
        QCOMPARE(o.spel.fase(), Fase::Spelen);
        QVERIFY(!o.spel.bezig());
        QVERIFY(o.spel.pijlZichtbaar());
        QCOMPARE(o.spel.infoTekst(), QStringLiteral("Klik een vakje aan in de 1e rij"));
        QCOMPARE(o.spel.toestand().SpelTijd, 0.0f);
    }

    void clockText_data() {
        QTest::addColumn<float>("seconden");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("zero") << 0.0f << "00:00";
        QTest::newRow("59plus1") << 60.0f << "01:00";
        QTest::newRow("65") << 65.0f << "01:05";
        QTest::newRow("600") << 600.0f << "10:00";
        QTest::newRow("3599plus1") << 3600.0f << "60:00";
        QTest::newRow("6000") << 6000.0f << "100:00";
    }
    void clockText() {
        QFETCH(float, seconden);
        QFETCH(QString, tekst);
        QCOMPARE(klokTekst(seconden), tekst);
    }

    void threeLooksCostTenTwentyThirtyAndCountAtOnce() {
        Opstelling o;
        o.startEnSpeel();
        QVERIFY(o.spel.magOplossingZien());
        for (int kijk = 0; kijk < 3; ++kijk) {
            o.tijd.verstrijk(3000); // the preview stays open three ticks, the clock runs on
            o.spel.oplossingGezien();
        }
        QCOMPARE(o.spel.toestand().SpelTijd, 9.0f + 60.0f);
        QCOMPARE(o.spel.toestand().StrafTijd, 40.0f);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("01:09"));
        for (int d = 0; d < kVakken; ++d)
            o.kies(d);
        QCOMPARE(BackScoreLijst.last(), QStringLiteral("01:09 - Anna"));

        // A new Start sets the penalty back to 10; no look during the reveal.
        QVERIFY(o.spel.start(QStringLiteral("Bert")) == Spel::StartUitkomst::Gestart);
        o.spel.startAftellen();
        QVERIFY(!o.spel.magOplossingZien());
        o.spel.oplossingGezien();
        QCOMPARE(o.spel.toestand().StrafTijd, 10.0f);
    }

    void cancelledNameKeepsTheRunningGame() {
        Opstelling o;
        o.startEnSpeel(QStringLiteral("Anna"));
        o.kies(3);
        QCOMPARE(o.spel.start(QString()), Spel::StartUitkomst::Geannuleerd);
        QCOMPARE(o.spel.fase(), Fase::Spelen);
        QCOMPARE(o.spel.toestand().SpelerNaam, QStringLiteral("Anna"));
        QCOMPARE(o.spel.toestand().AantalGoed, 1);
        o.tijd.verstrijk(2000);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("00:02"));
    }

    void blankNameIsAcceptedAndQuotesAreMadeStorable() {
        Opstelling o;
        QVERIFY(o.spel.start(QStringLiteral("   ")) == Spel::StartUitkomst::Gestart);
        QCOMPARE(o.spel.toestand().SpelerNaam, QStringLiteral("   "));
        QVERIFY(o.spel.start(QStringLiteral("Jan \"de Snelle\"")) == Spel::StartUitkomst::Gestart);
        QCOMPARE(o.spel.spelerTekst(), QStringLiteral("Jan 'de Snelle'"));
    }

    void unreadableTopicStartsNoGame_data() {
        QTest::addColumn<int>("rijen");
        QTest::newRow("missing") << -1;
        QTest::newRow("nineRows") << 9;
        QTest::newRow("empty") << 0;
        QTest::newRow("emptyWord") << 99;
    }
    void unreadableTopicStartsNoGame() {
        QFETCH(int, rijen);
        Opstelling o;
        o.startEnSpeel();
        o.kies(0);
        const SpelToestand voor = o.spel.toestand();
        instellingen.Onderwerp = QStringLiteral("Kapot");
        if (rijen == 99) {
            // Eleven rows with one empty word: thirty words, but a blank card among the ten.
            auto elf = TestProgrammaMap::tienRijen();
            elf[4][1].clear();
            elf.append({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
            o.map.schrijfOnderwerp(instellingen.Onderwerp, elf);
        } else if (rijen >= 0) {
            o.map.schrijfOnderwerp(instellingen.Onderwerp,
                                   TestProgrammaMap::tienRijen().mid(0, rijen));
        }
        QSignalSpy gemeld(&o.spel, &Spel::onderwerpOnleesbaar);
        QCOMPARE(o.spel.start(QStringLiteral("Bert")), Spel::StartUitkomst::OnderwerpOnleesbaar);
        QCOMPARE(gemeld.count(), 1);
        QCOMPARE(gemeld.at(0).at(0).toString(), QStringLiteral("Kapot"));
        QCOMPARE(o.spel.fase(), Fase::Spelen);
        QCOMPARE(o.spel.toestand().SpelerNaam, QStringLiteral("Anna"));
        QCOMPARE(o.spel.toestand().DrietalCode, voor.DrietalCode);
        QCOMPARE(openKaarten(o.spel), 3);
    }

    void newStartCancelsPendingTurnBack() {
        Opstelling o;
        o.startEnSpeel();
        o.klik(0, vakVan(o.spel, 0, 0));
        o.klik(1, vakVan(o.spel, 1, 1));
        o.klik(2, vakVan(o.spel, 2, 2));
        QCOMPARE(o.spel.toestand().Stap, 3);
        o.tijd.verstrijk(500);
        QVERIFY(o.spel.start(QStringLiteral("Bert")) == Spel::StartUitkomst::Gestart);
        o.spel.startAftellen();
        o.tijd.verstrijk(3000);
        QCOMPARE(o.spel.fase(), Fase::Onthullen);
        QCOMPARE(openKaarten(o.spel), 30);
    }

    void pauseStopsTheClockAndRefusesPicks() {
        Opstelling o;
        QVERIFY(o.spel.start(QStringLiteral("Anna")) == Spel::StartUitkomst::Gestart);
        o.spel.startAftellen();
        // The think time waits during a pause, so the words can be read at one's own pace.
        o.tijd.verstrijk(1500);
        o.spel.pauzeer();
        o.tijd.verstrijk(60000);
        QCOMPARE(o.spel.aftelTekst(), QString::number(instellingen.PauzeTijd - 1));
        o.spel.hervat();
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000 - 1500 + 3000);
        QCOMPARE(o.spel.fase(), Fase::Spelen);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("00:03"));

        QSignalSpy pauze(&o.spel, &Spel::pauzeGewijzigd);
        o.spel.pauzeer();
        QVERIFY(o.spel.gepauzeerd());
        QVERIFY(!o.spel.magOplossingZien());
        o.tijd.verstrijk(60000);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("00:03"));
        QCOMPARE(o.spel.toestand().SpelTijd, 3.0f);
        o.kies(0);
        QCOMPARE(openKaarten(o.spel), 0);

        o.spel.hervat();
        QCOMPARE(pauze.count(), 2);
        o.tijd.verstrijk(2000);
        QCOMPARE(o.spel.timerTekst(), QStringLiteral("00:05"));
        o.kies(0);
        QCOMPARE(o.spel.toestand().AantalGoed, 1);

        // A new Start lifts a pause.
        o.spel.pauzeer();
        QVERIFY(o.spel.start(QStringLiteral("Bert")) == Spel::StartUitkomst::Gestart);
        QVERIFY(!o.spel.gepauzeerd());
    }

    // Pausing often, at moments that are not whole seconds, neither eats nor adds time: what
    // had run of a second before the pause counts on after it.
    void manyPausesKeepThePartSecond() {
        Opstelling o;
        o.startEnSpeel();
        std::mt19937 toeval(5);
        std::uniform_int_distribution<int> speel(1, 599), pauze(1, 5000);
        qint64 gespeeld = 0;
        for (int i = 0; i < 100; ++i) {
            const int ms = std::min<qint64>(speel(toeval), 30000 - gespeeld);
            o.tijd.verstrijk(ms);
            gespeeld += ms;
            o.spel.pauzeer();
            o.tijd.verstrijk(pauze(toeval));
            o.spel.hervat();
        }
        o.tijd.verstrijk(30000 - gespeeld);
        QVERIFY2(std::abs(o.spel.toestand().SpelTijd - 30) <= 1, qPrintable(o.spel.timerTekst()));
        for (int d = 0; d < kVakken; ++d)
            o.kies(d);
        const QString regel = BackScoreLijst.constLast();
        QVERIFY2(regel.startsWith(QStringLiteral("00:29")) ||
                     regel.startsWith(QStringLiteral("00:30")) ||
                     regel.startsWith(QStringLiteral("00:31")),
                 qPrintable(regel));
    }

    void soundRequests() {
        Opstelling o;
        instellingen.PauzeTijd = 5;
        QSignalSpy geluid(&o.spel, &Spel::geluidGevraagd);
        auto namen = [&] {
            QStringList l;
            for (const auto& args : geluid)
                l << args.at(0).toString();
            geluid.clear();
            return l;
        };
        o.startEnSpeel();
        QCOMPARE(namen(), QStringList({"timer.wav", "timer.wav", "timer.wav", "timer.wav",
                                       "timer.wav", "Start.wav"}));
        o.kies(4);
        QCOMPARE(namen(), QStringList({"kaart.wav", "kaart.wav", "kaart.wav", "1.wav"}));
        o.klik(0, vakVan(o.spel, 5, 0));
        o.klik(1, vakVan(o.spel, 5, 1));
        o.klik(2, vakVan(o.spel, 6, 2));
        o.tijd.verstrijk(2000);
        QCOMPARE(namen(), QStringList({"kaart.wav", "kaart.wav", "kaart.wav"}));
        for (int d = 0; d < kVakken; ++d)
            if (d != 4)
                o.kies(d);
        QCOMPARE(namen().filter(QStringLiteral("0.wav")), QStringList({"10.wav"}));
        o.spel.knopGeluid();
        QCOMPARE(namen(), QStringList({"button.wav"}));

        // Switched off, no game action asks for a sound at all.
        o.spel.wisselGeluid();
        QVERIFY(!instellingen.GeluidAan);
        o.startEnSpeel();
        o.kies(0);
        o.klik(0, vakVan(o.spel, 1, 0));
        o.klik(1, vakVan(o.spel, 1, 1));
        o.klik(2, vakVan(o.spel, 2, 2));
        o.tijd.verstrijk(2000);
        for (int d = 1; d < kVakken; ++d)
            o.kies(d);
        o.spel.knopGeluid();
        QCOMPARE(o.spel.fase(), Fase::Klaar);
        QCOMPARE(namen(), QStringList());
        o.spel.wisselGeluid();
        QVERIFY(instellingen.GeluidAan);
    }
};

QTEST_GUILESS_MAIN(TestSpel)
#include "tst_spel.moc"
