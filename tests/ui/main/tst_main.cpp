// The main window: start-up, games played with the mouse, the toolbar, what it looks like, the
// pause when the player leaves, and the end, with a fake clock and answered dialogs.
#include "storage/scorefile.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/main/bordmaten.h"
#include "ui/main/bordwidget.h"
#include "ui/main/helppaneel.h"
#include "ui/main/mainwindow.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace Algemeen;
using namespace Drietal;

namespace {

int zichtbareGezichten(Main& m) {
    int n = 0;
    for (int rij = 0; rij < kRijen; ++rij)
        for (int vak = 0; vak < kVakken; ++vak)
            n += m.gezicht(rij, vak)->isVisible();
    return n;
}

} // namespace

class TestMain : public QObject {
    Q_OBJECT

    struct Opstelling {
        TestProgrammaMap map;
        NepTijd tijd;
        Toeval toeval{7};
        NepDialogen dialogen;
        std::unique_ptr<Main> venster;

        explicit Opstelling(bool metOnderwerp = true) {
            if (metOnderwerp)
                map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen());
        }
        Main& open() {
            venster = std::make_unique<Main>(tijd, toeval, dialogen);
            venster->resize(1280, 800);
            venster->show();
            return *venster;
        }
        void druk(Commando c) {
            QTest::mouseClick(venster->Knop(c), Qt::LeftButton);
            tijd.verstrijk(DrukEffect::kDrukMs);
        }
        // Start, let the board be drawn and uncovered and the think time pass.
        void startEnSpeel() {
            druk(Commando::Start);
            tijd.verstrijk(3600);
            QCOMPARE(venster->spel().fase(), Fase::Onthullen);
            tijd.verstrijk(instellingen.PauzeTijd * 1000);
            QCOMPARE(venster->spel().fase(), Fase::Spelen);
        }
        int vak(int drietal, int rij) { return venster->spel().toestand().plek(drietal, rij); }
        void klik(int rij, int vak) {
            QTest::mouseClick(venster->Pic(), Qt::LeftButton, {}, kaartMidden(rij, vak));
        }
    };

private slots:
    // A first start writes the settings and shows them; the board and the toolbar lie inside the
    // window, the toolbar along its bottom, its buttons side by side on it.
    void opstarten() {
        Opstelling o;
        Main& m = o.open();
        QVERIFY(QFileInfo::exists(Opslag::instellingenPad()));
        QCOMPARE(m.Label2()->text(), QString::number(instellingen.PauzeTijd));
        QCOMPARE(m.OnderwerpLabel()->text(), "Geografie");
        QVERIFY(m.rect().contains(m.Pic()->geometry()));
        const QRect strook = m.KnopPic()->geometry();
        QCOMPARE(strook.bottom(), m.rect().bottom());
        QCOMPARE(strook.width(), m.width());
        QVERIFY(!strook.intersects(m.Pic()->geometry()));
        QRect vorige;
        for (int i = 0; i < kAantalKnoppen; ++i) {
            const QRect knop = m.Knop(Commando(i))->geometry();
            QVERIFY(m.KnopPic()->rect().contains(knop) && knop.left() > vorige.right());
            vorige = knop;
        }
        QVERIFY(m.ExitKnop()->x() > m.KlokLabel()->geometry().right());
        QVERIFY(m.KlokLabel()->x() > vorige.right());
    }

    // A whole game with the mouse; the frame shows the row to click.
    void heelSpelMetDeMuis() {
        Opstelling o;
        Main& m = o.open();
        o.startEnSpeel();
        QCOMPARE(m.SpelerLabel()->text(), o.dialogen.naam);
        // A click strictly inside a face hits its card; the face's edges, a right click and the
        // other rows open nothing.
        const QRect vlak = gezichtRect(0, o.vak(0, 0));
        for (const QPoint& p :
             {QPoint(vlak.left(), vlak.center().y()), QPoint(vlak.right() + 1, vlak.center().y()),
              QPoint(vlak.center().x(), vlak.top()), QPoint(vlak.center().x(), vlak.bottom()),
              kaartMidden(1, 0)})
            QTest::mouseClick(m.Pic(), Qt::LeftButton, {}, p);
        QTest::mouseClick(m.Pic(), Qt::RightButton, {}, vlak.center());
        QCOMPARE(zichtbareGezichten(m), 0);
        QTest::mouseClick(m.Pic(), Qt::LeftButton, {}, vlak.topLeft() + QPoint(1, 1));
        QCOMPARE(zichtbareGezichten(m), 1);
        o.tijd.verstrijk(4000);
        for (int d = 0; d < kVakken; ++d) {
            for (int rij = d == 0; rij < kRijen; ++rij) {
                QVERIFY(m.Pijl()->geometry().contains(m.gezicht(rij, o.vak(d, rij))->geometry()));
                o.klik(rij, o.vak(d, rij));
            }
            QCOMPARE(zichtbareGezichten(m), 3 * (d + 1));
        }
        QCOMPARE(BackScoreLijst, QStringList{"00:04 - " + o.dialogen.naam});
        QCOMPARE(o.dialogen.scoreLijsten, 1);
        QCOMPARE(m.gezicht(2, o.vak(5, 2))->text(), "c5");
        QCOMPARE(m.gezicht(2, o.vak(5, 2))->width(), kGezichtBreedte);
    }

    // The board is drawn line by line, then uncovered from the top; a face-down card shows its
    // back, an open one its white face, and the pause covers the words.
    void bordBeeld() {
        Opstelling o;
        Main& m = o.open();
        o.druk(Commando::Start);
        QVERIFY(m.deeltUit());
        o.tijd.verstrijk(2000 + 330); // all lines drawn; two uncovered, the third under way
        QCOMPARE(zichtbareGezichten(m), 9);
        QVERIFY(m.gezicht(0, 2)->width() < m.gezicht(0, 0)->width());
        o.tijd.verstrijk(1200);
        QCOMPARE(m.spel().fase(), Fase::Onthullen);
        const auto kleur = [&](int rij, int vak) {
            return m.Pic()->grab().toImage().pixelColor(gezichtRect(rij, vak).topLeft() +
                                                        QPoint(3, 3));
        };
        QCOMPARE(kleur(1, 3), QColor(Qt::white));
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000);
        const QColor rug[kRijen] = {kleur(0, 3), kleur(1, 3), kleur(2, 3)};
        QVERIFY(rug[0] != rug[1] && rug[1] != rug[2] && rug[0] != rug[2]);
        m.spel().kies(0, 3);
        QCOMPARE(kleur(0, 3), QColor(Qt::white));
        m.spel().pauzeer();
        QVERIFY(kleur(0, 3) != QColor(Qt::white));
    }

    // Leaving the game pauses it: the window minimised, or another program in front (the
    // application inactive, as the platform tells it).
    void pauzeBijVerlaten() {
        for (const bool minimaliseren : {true, false}) {
            Opstelling o;
            Main& m = o.open();
            o.startEnSpeel();
            o.tijd.verstrijk(3000);
            if (minimaliseren)
                m.showMinimized();
            else
                emit qApp->applicationStateChanged(Qt::ApplicationInactive);
            QVERIFY2(m.spel().gepauzeerd(), minimaliseren ? "minimised" : "inactive");
            o.tijd.verstrijk(20000);
            QCOMPARE(m.TimerLabel()->text(), "00:03");
            m.showNormal();
            QTest::mouseClick(m.PauzePic(), Qt::LeftButton);
            QVERIFY(!m.spel().gepauzeerd());
        }
    }

    // The solution button shows the deal's codes and counts the penalty at once, only while the
    // clock runs; our own window is no pause.
    void oplossing() {
        Opstelling o;
        Main& m = o.open();
        o.startEnSpeel();
        o.druk(Commando::Oplossing);
        QCOMPARE(o.dialogen.oplossingen.size(), 1);
        QCOMPARE(o.dialogen.oplossingen[0].codes, m.spel().toestand().DrietalCode);
        QCOMPARE(m.TimerLabel()->text(), "00:10");
        QVERIFY(!m.spel().gepauzeerd());
        m.spel().pauzeer();
        o.druk(Commando::Oplossing);
        QCOMPARE(o.dialogen.oplossingen.size(), 1);
    }

    // While the help is shown only the help button reacts.
    void helpBlokkeertDeAndereKnoppen() {
        Opstelling o;
        Main& m = o.open();
        o.druk(Commando::Help);
        for (int i = 1; i < kAantalKnoppen; ++i)
            m.knopKlik(Commando(i)); // as a key would: the buttons themselves are disabled
        QCOMPARE(o.dialogen.naamVragen + o.dialogen.scoreLijsten + o.dialogen.configs, 0);
        o.tijd.verstrijk(DrukEffect::kDrukMs);
        o.druk(Commando::Help);
        QVERIFY(!m.HelpPic()->isVisible());
        o.druk(Commando::Scores);
        QCOMPARE(o.dialogen.scoreLijsten, 1);
    }

    // A topic that cannot be dealt is told, and nothing is dealt.
    void geenSpelZonderOnderwerp() {
        Opstelling o(false);
        Main& m = o.open();
        o.druk(Commando::Start);
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains("Geografie"));
        QVERIFY(!m.deeltUit());
    }

    // The exit button lets its sound finish, then the window closes once, having saved both files.
    void afsluitenSlaatOp() {
        Opstelling o;
        Main& m = o.open();
        BackScoreLijst.append("03:27 - Nobody");
        instellingen.PauzeTijd = 12;
        QSignalSpy geluid(&m.spel(), &Spel::geluidGevraagd);
        m.exitKlik();
        o.tijd.verstrijk(50);
        m.exitKlik();
        o.tijd.verstrijk(1000);
        QVERIFY(m.isVisible());
        o.tijd.verstrijk(3000);
        QVERIFY(!m.isVisible());
        QCOMPARE(geluid.count(), 1);
        QCOMPARE(Opslag::leesInstellingen(Opslag::instellingenPad()).waarden.PauzeTijd, 12);
        QCOMPARE(Opslag::leesScoreLijst(Opslag::scoreLijstPad()).regels,
                 QStringList{"03:27 - Nobody"});
        QVERIFY(o.dialogen.meldingen.isEmpty());
    }

    // A failed save is reported; at an end by a signal nobody may be there to answer, so it is
    // told at the next start instead.
    void misluktOpslaan() {
        QStandardPaths::setTestModeEnabled(true);
        Opstelling o;
        Main& m = o.open();
        QVERIFY(QDir().mkpath(Opslag::scoreLijstPad())); // a folder where the file should be
        m.close();
        QVERIFY(!m.isVisible());
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains("scorelijst"));
        o.open().sluitZonderVragen();
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        for (int start = 0; start < 2; ++start) {
            o.open();
            QCoreApplication::processEvents();
        }
        QCOMPARE(o.dialogen.meldingen.size(), 2);
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
