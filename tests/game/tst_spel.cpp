// SPDX-License-Identifier: GPL-3.0-or-later
// Games played through the model with a seeded deal and a fake clock.
#include "support/neptijd.h"
#include "support/testonderwerp.h"

#include <QtTest>

using namespace Regels;

class TestSpel : public QObject {
    Q_OBJECT

    struct Opstelling {
        NepTijd tijd;
        Toeval toeval{12345};
        // No folders and the topic in memory: the game neither reads nor writes a file.
        Instellingen inst{Opslag::Mappen({})};
        ScoreLijst scores{Opslag::Mappen({})};
        Spel spel{tijd, toeval, inst, scores};
        std::optional<Opslag::SpelOnderwerp> onderwerp = [] {
            const QList<QStringList> rijen = TestProgrammaMap::tienRijen();
            Opslag::SpelOnderwerp o;
            for (int i = 0; i < kVakken; ++i)
                o[i] = {rijen[i][0], rijen[i][1], rijen[i][2]};
            return o;
        }();
        Spel::StartUitkomst start(const QString& naam) { return spel.start(naam, onderwerp); }

        int vak(int drietal, int rij) const { return spel.toestand().plek(drietal, rij); }
        // Drietal a, or rows 1 and 2 of Drietal a and row 3 of Drietal b.
        void kies(int a, int b = -1) {
            for (int rij = 0; rij < kRijen; ++rij)
                spel.kies(rij, vak(rij < 2 || b < 0 ? a : b, rij));
        }
        int open() const {
            int n = 0;
            for (int rij = 0; rij < kRijen; ++rij)
                for (int vak = 0; vak < kVakken; ++vak)
                    n += spel.isOpen(rij, vak);
            return n;
        }
        // Start, uncover and let the think time pass: the clock runs.
        void startEnSpeel(const QString& naam = "Anna") {
            QCOMPARE(start(naam), Spel::StartUitkomst::Gestart);
            spel.startAftellen();
            tijd.verstrijk(inst.waarden().PauzeTijd * 1000);
            QCOMPARE(spel.fase(), Fase::Spelen);
        }
    };

private slots:
    // Each row is a permutation of its words; every word lands on every slot about equally often
    // (chi-square, 81 degrees of freedom); and the rows are dealt apart: the cards of a Drietal in
    // neighbouring rows share a slot about one time in ten.
    void deelIsEerlijkEnRijenOnafhankelijk() {
        Opstelling o;
        constexpr int kDelingen = 4000;
        int telling[kRijen][kVakken][kVakken] = {}; // row, word, slot
        int zelfdeVak[kRijen] = {};
        for (int n = 0; n < kDelingen; ++n) {
            QCOMPARE(o.start("x"), Spel::StartUitkomst::Gestart);
            for (int rij = 0; rij < kRijen; ++rij)
                for (int i = 0; i < kVakken; ++i) {
                    QCOMPARE(o.spel.woord(rij, o.vak(i, rij)), (*o.onderwerp)[i][rij]);
                    ++telling[rij][i][o.vak(i, rij)];
                    zelfdeVak[rij] += o.vak(i, rij) == o.vak(i, (rij + 1) % kRijen);
                }
        }
        const double verwacht = kDelingen / double(kVakken);
        for (int rij = 0; rij < kRijen; ++rij) {
            double chi2 = 0;
            for (const auto& woord : telling[rij])
                for (int n : woord)
                    chi2 += (n - verwacht) * (n - verwacht) / verwacht;
            QVERIFY2(chi2 < 81 + 5 * 12.7, qPrintable(QString::number(chi2)));
            // Binomial, n = 40000 and p = 0.1: mean 4000, sd 60.
            QVERIFY2(std::abs(zelfdeVak[rij] - 4000) < 300,
                     qPrintable(QString::number(zelfdeVak[rij])));
        }
    }

    // Right picks in any order end the game: a found Drietal stays open and cannot be picked
    // again, the clock stops, the score is written as the list can hold it.
    void heelSpel() {
        Opstelling o;
        QSignalSpy gewonnen(&o.spel, &Spel::spelGewonnen);
        o.startEnSpeel("Jan \"de Snelle\"");
        for (const int d : {7, 2, 9, 0, 4, 1, 8, 3, 6, 5}) {
            o.tijd.verstrijk(7000);
            o.kies(d);
            QVERIFY(!o.spel.kies(0, o.vak(d, 0)));
        }
        QCOMPARE(gewonnen.count(), 1);
        QCOMPARE(o.scores.regels(), QStringList{"01:10 - Jan 'de Snelle'"});
        o.tijd.verstrijk(5000);
        QCOMPARE(o.tijd.actieveTimers(), 0);
        QCOMPARE(klokTekst(6000), "100:00"); // no wrap at an hour, nor at a hundred minutes
    }

    // The deal shows every card; the think time counts down, refusing picks; then the cards turn,
    // and only a face-down card of the row whose turn it is can be picked. A wrong pick stays open
    // two seconds, refusing clicks, then its cards turn back, but none of a board dealt meanwhile.
    void fasenEnBeurten() {
        Opstelling o;
        QVERIFY(!o.spel.kies(0, 0)); // no game yet
        QCOMPARE(o.start("Anna"), Spel::StartUitkomst::Gestart);
        QCOMPARE(o.open(), 30);
        o.spel.startAftellen();
        for (int rest = o.inst.waarden().PauzeTijd; rest > 0; --rest) {
            QCOMPARE(o.spel.aftelTekst(), QString::number(rest));
            QVERIFY(!o.spel.kies(0, 0));
            o.tijd.verstrijk(1000);
        }
        QCOMPARE(o.spel.aftelTekst(), "0");
        QCOMPARE(o.open(), 0);
        o.kies(4);
        QSignalSpy kaarten(&o.spel, &Spel::kaartGewijzigd);
        QVERIFY(!o.spel.kies(1, 3) && !o.spel.kies(0, kVakken) && !o.spel.kies(0, -1));
        QCOMPARE(kaarten.count(), 0);
        QVERIFY(o.spel.kies(0, o.vak(0, 0)));
        QVERIFY(!o.spel.kies(0, o.vak(1, 0))); // row 1 has had its turn
        QVERIFY(o.spel.kies(1, o.vak(0, 1)));
        QVERIFY(o.spel.kies(2, o.vak(1, 2)));
        QCOMPARE(o.spel.toestand().Uitslag, "Fout");
        QVERIFY(!o.spel.rijKaderZichtbaar());
        o.tijd.verstrijk(1999);
        o.kies(2);
        QCOMPARE(o.open(), 6);
        o.tijd.verstrijk(1);
        QCOMPARE(o.open(), 3);
        for (int rij = 0; rij < kRijen; ++rij)
            QVERIFY(o.spel.isOpen(rij, o.vak(4, rij)));
        QVERIFY(o.spel.rijKaderZichtbaar());
        o.kies(0, 1);
        QCOMPARE(o.start("Bert"), Spel::StartUitkomst::Gestart);
        o.tijd.verstrijk(3000);
        QCOMPARE(o.open(), 30);
    }

    // Looks at the solution cost 10, 20, 30 seconds, counted at once. A new game lifts a pause
    // and starts at 10 again.
    void oplossingKostTienTwintigDertig() {
        Opstelling o;
        o.startEnSpeel();
        for (int kijk = 0; kijk < 3; ++kijk) {
            o.tijd.verstrijk(3000);
            QVERIFY(o.spel.magOplossingZien());
            o.spel.oplossingGezien();
        }
        QCOMPARE(o.spel.timerTekst(), "01:09");
        o.spel.pauzeer();
        o.startEnSpeel("Bert");
        QVERIFY(!o.spel.gepauzeerd());
        o.spel.oplossingGezien();
        QCOMPARE(o.spel.timerTekst(), "00:10");
    }

    // A cancelled name box, or a topic that cannot be dealt (not read, a blank word), leaves the
    // running game alone; the topic is named.
    void onleesbaarOnderwerpStartGeenSpel() {
        Opstelling o;
        o.startEnSpeel();
        o.kies(0);
        const SpelToestand voor = o.spel.toestand();
        QSignalSpy gemeld(&o.spel, &Spel::onderwerpOnleesbaar);
        QCOMPARE(o.start(QString()), Spel::StartUitkomst::Geannuleerd);
        o.inst.wijzig([](InstellingWaarden& w) { w.Onderwerp = "Kapot"; });
        (*o.onderwerp)[4][1].clear();
        QCOMPARE(o.start("Bert"), Spel::StartUitkomst::OnderwerpOnleesbaar);
        o.onderwerp = std::nullopt;
        QCOMPARE(o.start("Bert"), Spel::StartUitkomst::OnderwerpOnleesbaar);
        QCOMPARE(gemeld.count(), 2);
        QCOMPARE(gemeld.at(1).at(0).toString(), "Kapot");
        QCOMPARE(o.spel.toestand().DrietalCode, voor.DrietalCode);
        QCOMPARE(o.open(), 3);
    }

    // The solution is not shown during the reveal. A pause stops the think time or the clock and
    // refuses picks; pausing often, at moments that are not whole seconds, neither eats nor adds
    // time.
    void pauze() {
        Opstelling o;
        QCOMPARE(o.start("Anna"), Spel::StartUitkomst::Gestart);
        o.spel.startAftellen();
        o.tijd.verstrijk(1500);
        QVERIFY(!o.spel.magOplossingZien());
        o.spel.pauzeer();
        o.tijd.verstrijk(60000);
        QCOMPARE(o.spel.fase(), Fase::Onthullen);
        o.spel.hervat();
        o.tijd.verstrijk(o.inst.waarden().PauzeTijd * 1000 - 1500);
        QCOMPARE(o.spel.fase(), Fase::Spelen);
        for (int i = 0; i < 100; ++i) { // 29 seconds in all, each pause at another part of one
            o.tijd.verstrijk(290);
            o.spel.pauzeer();
            QVERIFY(o.spel.gepauzeerd() && !o.spel.magOplossingZien());
            o.tijd.verstrijk(2500 + i);
            o.kies(0);
            o.spel.hervat();
        }
        o.tijd.verstrijk(1000);
        QVERIFY2(std::abs(o.spel.toestand().SpelTijd - 30) <= 1, qPrintable(o.spel.timerTekst()));
        QCOMPARE(o.open(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSpel)
#include "tst_spel.moc"
