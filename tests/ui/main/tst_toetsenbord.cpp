// Playing with the keyboard: the reveal read card by card, the pause, picks, long words.
#include "game/algemeen.h"
#include "support/bordhulp.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/main/bordmaten.h"
#include "ui/main/kaartvak.h"
#include "ui/main/mainwindow.h"
#include "ui/main/werkbalk.h"

#include <QTest>

using namespace Algemeen;
using Drietal::Commando;
using Drietal::Main;

class TestToetsenbord : public QObject {
    Q_OBJECT

    struct Opstelling {
        TestProgrammaMap map;
        NepTijd tijd;
        Toeval toeval{11};
        NepDialogen dialogen;
        std::unique_ptr<Main> venster;

        explicit Opstelling(QList<QStringList> rijen = TestProgrammaMap::tienRijen()) {
            map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen);
            venster = std::make_unique<Main>(tijd, toeval, dialogen);
            venster->resize(1280, 800);
            venster->show();
            venster->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(venster.get()));
        }
        void toets(Qt::Key toets) { QTest::keyClick(QApplication::focusWidget(), toets); }
        void startMetF2() {
            toets(Qt::Key_F2);
            tijd.verstrijk(Drietal::DrukEffect::kDrukMs + 3600 + instellingen.PauzeTijd * 1000);
            QCOMPARE(venster->spel().fase(), Fase::Spelen);
        }
        int gefocustVak() {
            auto* vak = qobject_cast<Drietal::KaartVak*>(QApplication::focusWidget());
            return vak ? vak->vak() : -1;
        }
    };

private slots:
    void wholeGameWithTheKeyboardAlone() {
        Opstelling o;
        o.startMetF2();
        const SpelToestand& t = o.venster->spel().toestand();
        // After a card the focus goes straight to the next row, so no other card is announced.
        QList<int> focusRijen;
        connect(qApp, &QApplication::focusChanged, o.venster.get(),
                [&focusRijen](QWidget*, QWidget* nu) {
                    if (auto* kaart = qobject_cast<Drietal::KaartVak*>(nu))
                        focusRijen << kaart->rij();
                });
        for (int d = 0; d < kVakken; ++d) {
            for (int rij = 0; rij < kRijen; ++rij) {
                const int doel = t.plek(d, rij);
                if (o.gefocustVak() < 0)
                    o.toets(Qt::Key_Down);
                for (int n = 0; n < 12 && o.gefocustVak() != doel; ++n)
                    o.toets(Qt::Key_Down);
                QCOMPARE(o.gefocustVak(), doel);
                auto* vak = qobject_cast<Drietal::KaartVak*>(QApplication::focusWidget());
                QCOMPARE(vak->rij(), rij);
                focusRijen.clear();
                o.toets(Qt::Key_Space);
                QCoreApplication::processEvents();
                if (d < kVakken - 1 || rij < kRijen - 1)
                    QCOMPARE(focusRijen, QList<int>{(rij + 1) % kRijen});
            }
            QCOMPARE(t.AantalGoed, d + 1);
        }
        QCOMPARE(o.venster->spel().fase(), Fase::Klaar);
        QCOMPARE(BackScoreLijst.size(), 1);
    }

    // During the reveal the arrows go over every card, Up and Down in a row, Left and Right
    // between rows, and P lets the think time wait while the words are read.
    void theRevealIsReadWithTheArrowsWhileThePauseWaits() {
        Opstelling o;
        o.toets(Qt::Key_F2);
        o.tijd.verstrijk(Drietal::DrukEffect::kDrukMs + 3600);
        QCOMPARE(o.venster->spel().fase(), Fase::Onthullen);
        const auto plek = [] {
            auto* kaart = qobject_cast<Drietal::KaartVak*>(QApplication::focusWidget());
            return kaart ? QPoint(kaart->rij(), kaart->vak()) : QPoint(-1, -1);
        };
        o.toets(Qt::Key_P);
        QVERIFY(o.venster->PauzePic()->isVisible());
        o.tijd.verstrijk(60000);
        o.toets(Qt::Key_Down);
        QCOMPARE(plek(), QPoint(0, 0));
        QVERIFY(QApplication::focusWidget()->accessibleName().contains(QStringLiteral("open: ")));
        o.toets(Qt::Key_Right);
        QCOMPARE(plek(), QPoint(1, 0));
        o.toets(Qt::Key_Left);
        o.toets(Qt::Key_Left);
        QCOMPARE(plek(), QPoint(2, 0));
        o.toets(Qt::Key_Up);
        QCOMPARE(plek(), QPoint(2, kVakken - 1));
        QCOMPARE(o.venster->spel().fase(), Fase::Onthullen);
        o.toets(Qt::Key_P);
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000);
        QCOMPARE(o.venster->spel().fase(), Fase::Spelen);
    }

    void arrowsSkipOpenCards() {
        Opstelling o;
        o.startMetF2();
        const SpelToestand& t = o.venster->spel().toestand();
        // Find Drietal whose row-1 card is in slot 0, open it, then walk row 1 from the top.
        const int d = int(std::find(t.PlekRij1.begin(), t.PlekRij1.end(), 0) - t.PlekRij1.begin());
        kiesDrietal(o.venster->spel(), d);
        QCOMPARE(t.AantalGoed, 1);
        o.toets(Qt::Key_Down);
        QCOMPARE(o.gefocustVak(), 1);
        o.toets(Qt::Key_Up); // slot 0 is open: the focus wraps to the bottom
        QCOMPARE(o.gefocustVak(), 9);
    }

    void escapeAsksBeforeLeaving() {
        Opstelling o;
        o.toets(Qt::Key_Escape);
        QCOMPARE(o.dialogen.vragen.size(), 1);
        QVERIFY(o.venster->isVisible());
        o.dialogen.antwoord = true;
        o.toets(Qt::Key_Escape);
        o.tijd.verstrijk(5000); // the exit sound is let finish
        QVERIFY(!o.venster->isVisible());
    }

    void longWordsShrinkToFitTheFace() {
        auto rijen = TestProgrammaMap::tienRijen();
        rijen[2][1] = QStringLiteral("Hottentottententententoonstelling");
        Opstelling o(rijen);
        o.startMetF2();
        const int vak = o.venster->spel().toestand().PlekRij2[2];
        QLabel* gezicht = o.venster->gezicht(1, vak);
        QVERIFY(gezicht->font().pointSizeF() < 13);
        QVERIFY(QFontMetrics(gezicht->font()).horizontalAdvance(gezicht->text()) <=
                Drietal::kGezichtBreedte);
        QCOMPARE(o.venster->gezicht(0, 0)->font().pointSizeF(), 13.0);
    }
};

QTEST_MAIN(TestToetsenbord)
#include "tst_toetsenbord.moc"
