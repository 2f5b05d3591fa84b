// The main window: start-up, a whole game played with mouse clicks, the board's pixels and
// shutdown, with a fake clock and answered dialogs.
#include "game/algemeen.h"
#include "storage/paths.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/main/bordmaten.h"
#include "ui/main/bordwidget.h"
#include "ui/main/mainwindow.h"
#include "ui/main/werkbalk.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;
using Drietal::Commando;
using Drietal::Main;
using namespace Drietal;

namespace {

QByteArray inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int vakVan(Main& m, int drietal, int rij) {
    return m.spel().toestand().plek(drietal, rij);
}

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
                map.schrijfOnderwerp(QStringLiteral("Geografie"), TestProgrammaMap::tienRijen());
        }
        Main& open() {
            venster = std::make_unique<Main>(tijd, toeval, dialogen);
            venster->resize(1280, 800);
            venster->show();
            return *venster;
        }
        // Start, let the board be drawn and uncovered and the think time pass.
        void druk(Commando c) {
            QTest::mouseClick(venster->Knop(c), Qt::LeftButton);
            tijd.verstrijk(DrukEffect::kDrukMs);
        }
        void startEnSpeel() {
            druk(Commando::Start);
            tijd.verstrijk(2000 + 1500 + 50);
            QCOMPARE(venster->spel().fase(), Fase::Onthullen);
            tijd.verstrijk(instellingen.PauzeTijd * 1000);
            QCOMPARE(venster->spel().fase(), Fase::Spelen);
        }
        void klik(int rij, int vak) {
            QTest::mouseClick(venster->Pic(), Qt::LeftButton, {}, kaartMidden(rij, vak));
        }
    };

private slots:
    void startupInEmptyFolderWritesSettingsAndShowsThem() {
        Opstelling o;
        Main& m = o.open();
        const QByteArray ini = inhoud(Opslag::instellingenPad());
        QCOMPARE(ini,
                 QByteArray("\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n"
                            "220,220,190\r\n\"Wallpaper-01.jpg\"\r\n10\r\n\"Drietalspel\"\r\n"
                            "#TRUE#\r\n"));
        QCOMPARE(m.Label2()->text(), QStringLiteral("10"));
        QCOMPARE(m.OnderwerpLabel()->text(), QStringLiteral("Geografie"));
        QCOMPARE(m.InfoLabel1()->text(), QStringLiteral("Info"));
        QCOMPARE(m.Pic()->geometry(), QRect(80, 80, 800, 500));
        QCOMPARE(m.Knop(Commando::Woorden)->geometry(), QRect(220, 23, 48, 48));
        QCOMPARE(m.KnopPic()->geometry(), QRect(0, 800 - 80, 1280, 80));
        QCOMPARE(zichtbareGezichten(m), 0);
        QVERIFY(m.KlokLabel()->text().startsWith(u' '));
        QVERIFY(m.KlokLabel()->text().contains(QStringLiteral(" / ")));
    }

    void fontsAskedByNameResolveToInstalledFamilies() {
        Opstelling o;
        Main& m = o.open();
        const QString kaart = QFontInfo(m.gezicht(0, 0)->font()).family();
        const QString info = QFontInfo(m.InfoLabel1()->font()).family();
        QVERIFY2(kaart == QStringLiteral("Comic Neue") || kaart == QStringLiteral("Comic Sans MS"),
                 qPrintable(kaart));
        QVERIFY2(info == QStringLiteral("Liberation Sans") || info == QStringLiteral("Arial"),
                 qPrintable(info));
    }

    void thinkTimeFromTheFileIsShown() {
        Opstelling o;
        Opslag::OpgeslagenInstellingen w;
        w.PauzeTijd = 25;
        w.TitelKleur = false;
        QCOMPARE(Opslag::schrijfInstellingen(Opslag::instellingenPad(), w),
                 Opslag::OpslaanStatus::Opgeslagen);
        Main& m = o.open();
        QCOMPARE(m.Label2()->text(), QStringLiteral("25"));
        QCOMPARE(m.InfoLabel1()->palette().color(QPalette::WindowText), QColor(225, 225, 225));
    }

    void wholeGameWithTheMouse() {
        Opstelling o;
        Main& m = o.open();
        o.startEnSpeel();
        QCOMPARE(o.dialogen.naamVragen, 1);
        QCOMPARE(m.SpelerLabel()->text(), QStringLiteral("Anna"));
        QCOMPARE(zichtbareGezichten(m), 0);
        QVERIFY(m.Pijl()->isVisible());
        QCOMPARE(m.Pijl()->x(), kPijlLinks[0]);

        // A card of row 2 while row 1 is expected does nothing.
        o.klik(1, 0);
        QCOMPARE(zichtbareGezichten(m), 0);
        QCOMPARE(m.spel().toestand().Stap, 0);

        o.tijd.verstrijk(4000);
        for (int d = 0; d < kVakken; ++d) {
            for (int rij = 0; rij < kRijen; ++rij)
                o.klik(rij, vakVan(m, d, rij));
            QCOMPARE(zichtbareGezichten(m), 3 * (d + 1));
            QCOMPARE(m.Label1()->text(), QStringLiteral("%1 Goed").arg(d + 1));
        }
        QCOMPARE(m.InfoLabel1()->text(), QStringLiteral("Je hebt alle 10 woorden goed geraden!"));
        QCOMPARE(BackScoreLijst, QStringList{QStringLiteral("00:04 - Anna")});
        QCOMPARE(o.dialogen.scoreLijsten, 1);
        QCOMPARE(m.TimerLabel()->text(), QStringLiteral("00:04"));
        // The face shows its word at full width.
        QLabel* gezicht = m.gezicht(2, vakVan(m, 5, 2));
        QCOMPARE(gezicht->text(), QStringLiteral("c5"));
        QCOMPARE(gezicht->width(), kGezichtBreedte);
    }

    // A click strictly inside a face hits its card; the face's edges, the gaps, a right click and
    // the other rows open nothing.
    void mouseHitsOnlyInsideTheFaceOfTheRowsTurn() {
        Opstelling o;
        Main& m = o.open();
        o.startEnSpeel();
        const QRect vlak = gezichtRect(0, 4);
        const int midden = vlak.center().x();
        for (const QPoint& p :
             {QPoint(vlak.left(), vlak.top() + 10), QPoint(vlak.right() + 1, vlak.top() + 10),
              QPoint(midden, vlak.top()), QPoint(midden, vlak.bottom()),
              QPoint(midden, vlak.bottom() + 4), QPoint(5, 5), kaartMidden(1, 4)})
            QTest::mouseClick(m.Pic(), Qt::LeftButton, {}, p);
        QTest::mouseClick(m.Pic(), Qt::RightButton, {}, kaartMidden(0, 4));
        QCOMPARE(zichtbareGezichten(m), 0);

        QTest::mouseClick(m.Pic(), Qt::LeftButton, {}, vlak.topLeft() + QPoint(1, 1));
        QVERIFY(m.spel().isOpen(0, 4));
        const QRect verste = gezichtRect(1, kVakken - 1);
        QTest::mouseClick(m.Pic(), Qt::LeftButton, {}, verste.bottomRight() - QPoint(1, 2));
        QVERIFY(m.spel().isOpen(1, kVakken - 1));
    }

    void openingUncoversTheBoardFromTheTop() {
        Opstelling o;
        Main& m = o.open();
        o.druk(Commando::Start);
        QVERIFY(m.deeltUit());
        o.tijd.verstrijk(1990); // ten card lines drawn, one every 0.2 s
        QCOMPARE(zichtbareGezichten(m), 0);
        o.tijd.verstrijk(330); // two lines uncovered, the third under way
        QCOMPARE(zichtbareGezichten(m), 9);
        QCOMPARE(m.gezicht(0, 0)->width(), kGezichtBreedte);
        QVERIFY(m.gezicht(0, 2)->width() < kGezichtBreedte);
        QCOMPARE(m.spel().fase(), Fase::Delen);
        o.tijd.verstrijk(1200);
        QCOMPARE(zichtbareGezichten(m), 30);
        QVERIFY(!m.deeltUit());
        QCOMPARE(m.spel().fase(), Fase::Onthullen);
    }

    void boardPixels() {
        Opstelling o;
        Main& m = o.open();
        o.startEnSpeel();
        const QImage beeld = m.Pic()->grab().toImage();
        QCOMPARE(beeld.pixelColor(30, 248), QColor(148, 148, 123));
        QCOMPARE(beeld.pixelColor(30, 249), QColor(148, 148, 123));
        QCOMPARE(beeld.pixelColor(30, 27), QColor(0, 0, 0));
        const int x = kKaartLinks[1];
        const int y = kaartBoven(3);
        QCOMPARE(beeld.pixelColor(x + 4, y + 3), QColor(100, 120, 100));
        QCOMPARE(beeld.pixelColor(x + 3, y + 3), QColor(0, 120, 0));
        QCOMPARE(beeld.pixelColor(x - 1, y - 1), QColor(0, 0, 0));
        QCOMPARE(beeld.pixelColor(kKaartLinks[0] + 4, y + 3), QColor(120, 100, 100));
    }

    // The start and help pictures stand where the welcome text leaves room for them: the pixels
    // they change begin at the board's places for them, the second one welcome line lower.
    void welcomePicturesSitInTheirGaps() {
        Opstelling o;
        Main& m = o.open();
        const QImage met = m.Pic()->grab().toImage();
        for (QLabel* plaatje : m.Pic()->findChildren<QLabel*>()) {
            if (!plaatje->pixmap().isNull())
                plaatje->hide();
        }
        const QImage zonder = m.Pic()->grab().toImage();
        QList<QRect> vlakken; // the changed pixels, one box per picture from the top
        for (int y = 0; y < met.height(); ++y) {
            for (int x = 0; x < met.width(); ++x) {
                if (met.pixel(x, y) == zonder.pixel(x, y))
                    continue;
                if (vlakken.isEmpty() || y > vlakken.last().bottom() + 2)
                    vlakken << QRect(x, y, 1, 1);
                vlakken.last() |= QRect(x, y, 1, 1);
            }
        }
        QCOMPARE(vlakken.size(), 2);
        QVERIFY2(qAbs(vlakken[0].left() - 380) <= 1 && qAbs(vlakken[0].top() - 208) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(vlakken[0].left()).arg(vlakken[0].top())));
        QCOMPARE(vlakken[1].topLeft() - vlakken[0].topLeft(), QPoint(0, 42));
    }

    // A settings file may name a FIFO as the wallpaper: opening it would wait for a writer for
    // ever.
    void wallpaperThatIsAFifoIsNotOpened() {
        Opstelling o;
        const QString fifo = o.map.pad() + QStringLiteral("/Backgrounds/Wallpaper-01.jpg");
        QVERIFY(QDir().mkpath(QFileInfo(fifo).absolutePath()));
        QCOMPARE(mkfifo(qPrintable(fifo), 0600), 0);
        Main& m = o.open();
        m.grab(); // the first frame asks for the wallpaper
        QCoreApplication::processEvents();
        QVERIFY(m.isVisible());
    }

    void unreadableTopicIsReportedAndStartsNoGame() {
        Opstelling o(false);
        Main& m = o.open();
        o.druk(Commando::Start);
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains(QStringLiteral("Geografie")));
        QVERIFY(!m.deeltUit());
        QCOMPARE(m.spel().fase(), Fase::Geen);
    }

    void cancelledNameChangesNothing() {
        Opstelling o;
        Main& m = o.open();
        o.dialogen.naam.clear();
        o.druk(Commando::Start);
        QVERIFY(!m.deeltUit());
        QCOMPARE(m.SpelerLabel()->text(), QStringLiteral("Naam Speler"));
    }

    void shutdownWritesBothFiles() {
        Opstelling o;
        Main& m = o.open();
        BackScoreLijst.append(QStringLiteral("03:27 - Nobody"));
        instellingen.PauzeTijd = 12;
        m.close();
        QVERIFY(inhoud(Opslag::instellingenPad()).contains("\r\n12\r\n"));
        QVERIFY(
            inhoud(Opslag::instellingenPad())
                .contains(QDir::toNativeSeparators(o.map.pad() + "/Backgrounds/Wallpaper-01.jpg")
                              .toLatin1()));
        QCOMPARE(inhoud(Opslag::scoreLijstPad()),
                 QByteArray("\"Heldergroeve Software 2012\"\r\n\"--------------------------\"\r\n"
                            "\"03:27 - Nobody\"\r\n"));
        QVERIFY(o.dialogen.meldingen.isEmpty());
    }

    void exitButtonLetsItsSoundFinishThenClosesOnce() {
        Opstelling o;
        Main& m = o.open();
        QSignalSpy geluid(&m.spel(), &Spel::geluidGevraagd);
        const QPoint plek = m.ExitKnop()->pos();
        m.exitKlik();
        QCOMPARE(m.ExitKnop()->pos(), plek + QPoint(2, 2));
        o.tijd.verstrijk(50);
        m.exitKlik(); // a second press while the first is under way
        o.tijd.verstrijk(DrukEffect::kDrukMs);
        QCOMPARE(m.ExitKnop()->pos(), plek);
        QVERIFY(m.isVisible());
        o.tijd.verstrijk(3000);
        QVERIFY(!m.isVisible());
        QVERIFY(QFile::exists(Opslag::scoreLijstPad()));
        QCOMPARE(geluid.count(), 1);
        QCOMPARE(o.tijd.actieveTimers(), 0);
    }

    void failedSaveIsReportedAndTheProgramStillEnds() {
        Opstelling o;
        Main& m = o.open();
        // A folder where the high-score file should be: it cannot be replaced.
        QVERIFY(QDir().mkpath(Opslag::scoreLijstPad()));
        m.close();
        QVERIFY(!m.isVisible());
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains(QStringLiteral("scorelijst")));
    }

    // Nobody may be there to answer a box: the failure waits for the next start.
    void failedSaveAtAnEndByASignalIsToldAtTheNextStart() {
        QStandardPaths::setTestModeEnabled(true);
        Opstelling o;
        o.open();
        QVERIFY(QDir().mkpath(Opslag::scoreLijstPad()));
        o.venster->sluitZonderVragen();
        QVERIFY(!o.venster->isVisible());
        QVERIFY(o.dialogen.meldingen.isEmpty());
        for (int start = 0; start < 2; ++start) {
            o.open();
            QCoreApplication::processEvents();
        }
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains(QStringLiteral("scorelijst")));
    }

    // A mouse player sees the screen without focus frames; the first key press shows them.
    void focusFrameShowsFromTheFirstKeyPress() {
        Opstelling o;
        Main& m = o.open();
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        PlaatjeKnop* help = m.Knop(Commando::Help);
        const QImage zonder = help->grab().toImage();
        help->setFocus(Qt::TabFocusReason);
        QVERIFY(help->hasFocus());
        QCOMPARE(help->grab().toImage(), zonder);
        QTest::keyClick(help, Qt::Key_Shift);
        QVERIFY(help->grab().toImage() != zonder);
    }

    void doubleClickOnTheWallpaperTogglesTheToolbar() {
        Opstelling o;
        Main& m = o.open();
        QVERIFY(m.KnopPic()->isVisible());
        QTest::mouseDClick(&m, Qt::LeftButton, {}, QPoint(1000, 100));
        QVERIFY(!m.KnopPic()->isVisible());
        QTest::mouseDClick(&m, Qt::LeftButton, {}, QPoint(1000, 100));
        QVERIFY(m.KnopPic()->isVisible());
    }

    // The command runs when the button springs back; a second press of the same button while
    // it is down is ignored, another button works meanwhile.
    void pressesDuringThePressEffect() {
        Opstelling o;
        Main& m = o.open();
        const QPoint plek = m.Knop(Commando::Start)->pos();
        QTest::mouseClick(m.Knop(Commando::Start), Qt::LeftButton);
        QCOMPARE(m.Knop(Commando::Start)->pos(), plek + QPoint(2, 2));
        QCOMPARE(o.dialogen.naamVragen, 0);
        o.tijd.verstrijk(50);
        QTest::mouseClick(m.Knop(Commando::Start), Qt::LeftButton);
        QTest::mouseClick(m.Knop(Commando::Geluid), Qt::LeftButton);
        o.tijd.verstrijk(DrukEffect::kDrukMs - 50);
        QCOMPARE(m.Knop(Commando::Start)->pos(), plek);
        QCOMPARE(o.dialogen.naamVragen, 1);
        QVERIFY(m.deeltUit());
        QVERIFY(instellingen.GeluidAan); // the sound button's press is still under way
        o.tijd.verstrijk(50);
        QVERIFY(!instellingen.GeluidAan);
        o.tijd.verstrijk(5000);
        QCOMPARE(o.dialogen.naamVragen, 1);
        QCOMPARE(m.spel().fase(), Fase::Onthullen);
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
