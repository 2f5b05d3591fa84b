// The deal: its invariants after every deal, and that every word lands on every slot about
// equally often.
#include "game/spel.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"

#include <QTest>
#include <set>

using namespace Algemeen;

class TestDeal : public QObject {
    Q_OBJECT
private slots:
    void everyDealIsAPermutationAndEveryWordIsUniform() {
        TestProgrammaMap map;
        const auto rijen = TestProgrammaMap::tienRijen();
        map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen);
        NepTijd tijd;
        Toeval toeval(2024);
        Spel spel(tijd, toeval);

        constexpr int kDelingen = 4000;
        int telling[kRijen][kVakken][kVakken] = {}; // row, word, slot
        for (int n = 0; n < kDelingen; ++n) {
            QVERIFY(spel.start(QStringLiteral("x")) == Spel::StartUitkomst::Gestart);
            const SpelToestand& t = spel.toestand();
            for (int rij = 0; rij < kRijen; ++rij) {
                std::set<int> vakken;
                for (int i = 0; i < kVakken; ++i)
                    vakken.insert(t.plek(i, rij));
                QCOMPARE(int(vakken.size()), kVakken);
                for (int i = 0; i < kVakken; ++i) {
                    const int vak = t.plek(i, rij);
                    QCOMPARE(spel.woord(rij, vak), rijen[i][rij]);
                    ++telling[rij][i][vak];
                }
            }
            const std::set<QString> codes(t.DrietalCode.begin(), t.DrietalCode.end());
            QCOMPARE(int(codes.size()), kVakken);
            QCOMPARE(t.DrietalCode[0], drietalCode(t.PlekRij1[0], t.PlekRij2[0], t.PlekRij3[0]));
        }

        // A 10 x 10 table with fixed margins has 81 degrees of freedom: mean 81, sd 12.7.
        const double verwacht = kDelingen / double(kVakken);
        for (int rij = 0; rij < kRijen; ++rij) {
            double chi2 = 0;
            for (int i = 0; i < kVakken; ++i)
                for (int vak = 0; vak < kVakken; ++vak) {
                    const double d = telling[rij][i][vak] - verwacht;
                    chi2 += d * d / verwacht;
                }
            QVERIFY2(chi2 < 81 + 5 * 12.7,
                     qPrintable(QStringLiteral("row %1: chi-square %2").arg(rij).arg(chi2)));
        }
    }

    void differentSeedsGiveDifferentDeals() {
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Geografie"), TestProgrammaMap::tienRijen());
        NepTijd tijd;
        Toeval a(1), b(2);
        Spel spelA(tijd, a), spelB(tijd, b);
        spelA.start(QStringLiteral("x"));
        spelB.start(QStringLiteral("x"));
        QVERIFY(spelA.toestand().DrietalCode != spelB.toestand().DrietalCode);
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"
