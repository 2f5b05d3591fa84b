// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, with a fake clock and answered dialogs.
#include "storage/scorefile.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/main/bordmaten.h"
#include "ui/main/bordtekening.h"
#include "ui/main/bordwidget.h"
#include "ui/main/helppaneel.h"
#include "ui/main/kaartvak.h"
#include "ui/main/mainwindow.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>

using namespace Kern;
using namespace Regels;
using namespace Drietal;

class TestMain : public QObject {
    Q_OBJECT

    struct Opstelling {
        TestProgrammaMap map;
        NepTijd tijd;
        Toeval toeval{7};
        NepDialogen dialogen;
        Instellingen inst{map.mappen()};
        ScoreLijst scores{map.mappen()};
        std::unique_ptr<Main> venster;

        Opstelling() { map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen()); }
        // The window, its first frame drawn (which asks for the wallpaper) and what it has left
        // for the event loop done; an active one takes the keyboard.
        Main& open(bool actief = false) {
            venster = std::make_unique<Main>(tijd, toeval, dialogen, inst, scores, map.mappen());
            venster->resize(1280, 800);
            venster->show();
            if (actief) {
                venster->activateWindow();
                [&] { QVERIFY(QTest::qWaitForWindowActive(venster.get())); }();
            }
            venster->grab();
            QCoreApplication::processEvents();
            return *venster;
        }
        template <typename... K> void toets(K... toetsen) {
            (QTest::keyClick(QApplication::focusWidget(), toetsen), ...);
        }
        // The card with the focus as (row, slot).
        QPoint gefocust() {
            auto* kaart = qobject_cast<KaartVak*>(QApplication::focusWidget());
            return kaart ? QPoint(kaart->rij(), kaart->vak()) : QPoint(-1, -1);
        }
        void druk(Commando c) {
            QTest::mouseClick(venster->knop(c), Qt::LeftButton);
            tijd.verstrijk(DrukEffect::kDrukMs);
        }
        int vak(int drietal, int rij) { return venster->spel().toestand().plek(drietal, rij); }
        int zichtbareGezichten() {
            int n = 0;
            for (int i = 0; i < kRijen * kVakken; ++i)
                n += venster->gezicht(i / kVakken, i % kVakken)->isVisible();
            return n;
        }
    };

private slots:
    // The settings are shown, and their changes; at rest the wall clock is the only timer, and a
    // hidden window has none. The wallpaper is kept at the window's size in device pixels; one
    // that cannot be decoded leaves the last. In the usual window and the smallest the program
    // accepts (a smaller screen is scaled down to it) all lies inside, the board and the prompt
    // above the toolbar along the bottom, its buttons side by side.
    void opstarten_data() {
        QTest::addColumn<QSize>("maat");
        QTest::newRow("gewoon") << QSize(1280, 800);
        QTest::newRow("kleinst") << Main::kNodigeRuimte;
    }
    void opstarten() {
        QFETCH(QSize, maat);
        Opstelling o;
        QVERIFY(TestMap::schrijf(o.map.pad("Backgrounds/Kapot.jpg"), "geen jpeg"));
        QImage beeld(1600, 1000, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        QVERIFY(beeld.save(o.map.pad("Backgrounds/Wallpaper-01.jpg")));
        beeld.fill(Qt::blue);
        QVERIFY(beeld.save(o.map.pad("Backgrounds/Blauw.jpg")));
        Main& m = o.open();
        m.resize(maat);
        QCOMPARE(m.aftelLabel()->text(), QString::number(o.inst.waarden().PauzeTijd));
        QCOMPARE(m.onderwerpLabel()->text(), "Geografie");
        const QPoint hoek(m.width() - 2, m.height() / 2);
        const auto kleur = [&] { return m.grab().toImage().pixelColor(hoek); };
        const QColor rood = kleur();
        QVERIFY2(rood.red() > 200 && rood.green() < 60, qPrintable(rood.name()));
        o.inst.wijzig([](InstellingWaarden& w) {
            w.PauzeTijd = 12;
            w.Onderwerp = "Dieren";
            w.WallpaperFile = "Blauw.jpg";
        });
        QCOMPARE(m.aftelLabel()->text(), "12");
        QCOMPARE(m.onderwerpLabel()->text(), "Dieren");
        const QColor blauw = kleur();
        QVERIFY2(blauw.blue() > 200 && blauw.red() < 60, qPrintable(blauw.name()));
        QCOMPARE(m.achtergrond().size(), m.size() * m.devicePixelRatio());
        o.inst.wijzig([](InstellingWaarden& w) { w.WallpaperFile = "Kapot.jpg"; });
        QCOMPARE(kleur(), blauw);
        for (const bool zichtbaar : {true, false, true}) {
            m.setVisible(zichtbaar);
            QCOMPARE(o.tijd.actieveTimers(), int(zichtbaar));
        }
        const QRect strook = m.werkbalk()->geometry();
        QCOMPARE(strook.bottom(), m.rect().bottom());
        QCOMPARE(strook.width(), m.width());
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 m.bord(), m.infoLabel(), m.spelKlokLabel(), m.onderwerpLabel(), m.spelerLabel(),
                 m.knop(Commando(0)), m.wandklokLabel(), m.goedLabel(), m.aftelLabel(),
                 m.afsluitKnop()}) {
            const QRect vak(w->mapTo(&m, QPoint()), w->size());
            QVERIFY2(m.rect().contains(vak) &&
                         (m.werkbalk()->isAncestorOf(w) || vak.bottom() < strook.y()),
                     w->metaObject()->className());
        }
        QRect vorige;
        for (int i = 0; i < kAantalKnoppen; ++i) {
            const QRect knop = m.knop(Commando(i))->geometry();
            QVERIFY(m.werkbalk()->rect().contains(knop) && knop.left() > vorige.right());
            vorige = knop;
        }
        QVERIFY(m.wandklokLabel()->x() > vorige.right());
        QVERIFY(m.afsluitKnop()->x() > m.wandklokLabel()->geometry().right());
    }

    // A whole game with the mouse, then the exit button. The board is drawn line by line, then
    // uncovered from the top; a face-down card shows its back, an open one its white face, and the
    // frame the row to click. Leaving the game (minimised, or the application made inactive by
    // the platform) pauses it, which covers the words; our own solution window is no pause: it
    // shows the codes and counts the penalty at once, only while the clock runs. The exit button
    // lets its sound finish, then closes the window once, both files saved.
    void heelSpelMetDeMuis() {
        Opstelling o;
        Main& m = o.open();
        o.druk(Commando::Start);
        o.tijd.verstrijk(2000 + 330); // all lines drawn; two uncovered, the third under way
        QCOMPARE(o.zichtbareGezichten(), 9);
        QVERIFY(m.gezicht(0, 2)->width() < m.gezicht(0, 0)->width());
        const auto kleur = [&](int rij, int vak) {
            return m.bord()->grab().toImage().pixelColor(gezichtRect(rij, vak).topLeft() +
                                                         QPoint(3, 3));
        };
        o.tijd.verstrijk(1200 + o.inst.waarden().PauzeTijd * 1000);
        const QColor rug[kRijen] = {kleur(0, 3), kleur(1, 3), kleur(2, 3)};
        QVERIFY(rug[0] != rug[1] && rug[1] != rug[2] && rug[0] != rug[2]);
        QCOMPARE(m.spelerLabel()->text(), o.dialogen.naam);
        // A click strictly inside a face hits its card; the face's edges, a right click and the
        // other rows open nothing.
        const QRect vlak = gezichtRect(0, o.vak(0, 0));
        for (const QPoint& p :
             {QPoint(vlak.left(), vlak.center().y()), QPoint(vlak.right() + 1, vlak.center().y()),
              QPoint(vlak.center().x(), vlak.top()), QPoint(vlak.center().x(), vlak.bottom()),
              kaartMidden(1, 0)})
            QTest::mouseClick(m.bord(), Qt::LeftButton, {}, p);
        QTest::mouseClick(m.bord(), Qt::RightButton, {}, vlak.center());
        // Nor does a click on the help over the cards; a double-click on it, on the title or on
        // the toolbar strip leaves the toolbar as it is: only the wallpaper's own does not.
        o.druk(Commando::Help);
        for (QWidget* w : std::initializer_list<QWidget*>{m.bord(), m.werkbalk(), m.infoLabel()}) {
            QTest::mouseDClick(w, Qt::LeftButton, {}, w == m.bord() ? vlak.center() : QPoint(2, 2));
            QVERIFY2(m.werkbalk()->isVisible(), w->metaObject()->className());
        }
        QCOMPARE(o.zichtbareGezichten(), 0);
        QTest::mouseDClick(&m, Qt::LeftButton, {}, QPoint(m.width() - 2, m.height() / 2));
        QVERIFY(!m.werkbalk()->isVisible());
        QTest::mouseDClick(&m, Qt::LeftButton, {}, QPoint(m.width() - 2, m.height() / 2));
        o.druk(Commando::Help);
        QTest::mouseClick(m.bord(), Qt::LeftButton, {}, vlak.topLeft() + QPoint(1, 1));
        QCOMPARE(o.zichtbareGezichten(), 1);
        QCOMPARE(kleur(0, o.vak(0, 0)), QColor(Qt::white));
        o.tijd.verstrijk(3000);
        o.druk(Commando::Oplossing);
        QCOMPARE(o.dialogen.oplossingen, QList{m.spel().toestand().DrietalCode});
        QVERIFY(!m.spel().gepauzeerd());
        for (const bool minimaliseren : {true, false}) {
            if (minimaliseren)
                m.showMinimized();
            else
                emit qApp->applicationStateChanged(Qt::ApplicationInactive);
            QVERIFY2(m.spel().gepauzeerd(), minimaliseren ? "minimised" : "inactive");
            QVERIFY(kleur(0, o.vak(0, 0)) != QColor(Qt::white));
            o.druk(Commando::Oplossing);
            o.tijd.verstrijk(20000);
            QCOMPARE(o.dialogen.oplossingen.size(), 1);
            QCOMPARE(m.spelKlokLabel()->text(), "00:13");
            m.showNormal();
            QTest::mouseClick(m.pauzeBeeld(), Qt::LeftButton);
            QVERIFY(!m.spel().gepauzeerd());
        }
        o.tijd.verstrijk(1000);
        for (int d = 0; d < kVakken; ++d) {
            for (int rij = d == 0; rij < kRijen; ++rij) {
                QVERIFY(
                    m.rijKader()->geometry().contains(m.gezicht(rij, o.vak(d, rij))->geometry()));
                QTest::mouseClick(m.bord(), Qt::LeftButton, {}, kaartMidden(rij, o.vak(d, rij)));
            }
            QCOMPARE(o.zichtbareGezichten(), 3 * (d + 1));
        }
        QCOMPARE(o.dialogen.scoreLijsten, 1);
        QCOMPARE(m.gezicht(2, o.vak(5, 2))->text(), "c5");
        QCOMPARE(m.gezicht(2, o.vak(5, 2))->width(), kGezichtBreedte);
        o.inst.wijzig([](InstellingWaarden& w) { w.PauzeTijd = 12; });
        QSignalSpy geluid(&m.spel(), &Spel::geluidGevraagd);
        m.afsluitKlik();
        o.tijd.verstrijk(50);
        m.afsluitKlik();
        o.tijd.verstrijk(1000);
        QVERIFY(m.isVisible());
        o.tijd.verstrijk(3000);
        QVERIFY(!m.isVisible());
        QCOMPARE(geluid.count(), 1);
        QCOMPARE(Opslag::leesInstellingen(o.map.mappen().instellingenPad()).waarden.PauzeTijd, 12);
        QCOMPARE(Opslag::leesScoreLijst(o.map.mappen().scoreLijstPad()).regels,
                 QStringList{"00:14 - " + o.dialogen.naam});
        QVERIFY(o.dialogen.meldingen.isEmpty());
    }

    // The start screen as a mouse player sees it: the pictures in the welcome text's gaps, no
    // focus frame until a key is pressed; a FIFO wallpaper is never opened (it would wait for
    // ever). Under the help only its button reacts. A topic that cannot be dealt is told, nothing
    // dealt. A failed save is reported, after an end by a signal at the next start, cut to fit the
    // screen; a note that is no file (a FIFO, a link to a device) is dropped unread. A folder
    // where nothing can be written is told at the start, and play goes on.
    void startScherm() {
        QStandardPaths::setTestModeEnabled(true);
        Opstelling o;
        QVERIFY(QDir().mkpath(o.map.pad("Backgrounds")));
        QCOMPARE(mkfifo(qPrintable(o.map.pad("Backgrounds/Wallpaper-01.jpg")), 0600), 0);
        Main& m = o.open(true);
        QImage leeg(m.bord()->size(), QImage::Format_RGB32); // no words on it
        QPainter schilder(&leeg);
        tekenBordAchtergrond(schilder);
        schilder.end();
        int plaatjes = 0;
        for (QLabel* plaatje : m.bord()->findChildren<QLabel*>()) {
            if (plaatje->pixmap().isNull() || !plaatje->isVisible())
                continue;
            plaatje->hide();
            const QRect r = plaatje->geometry().adjusted(2, 2, -2, -2); // edges may touch
            QCOMPARE(m.bord()->grab(r).toImage().convertToFormat(QImage::Format_RGB32),
                     leeg.copy(r));
            ++plaatjes;
        }
        QCOMPARE(plaatjes, 2);
        PlaatjeKnop* help = m.knop(Commando::Help);
        const QImage zonderKader = help->grab().toImage();
        help->setFocus(Qt::TabFocusReason);
        QCOMPARE(help->grab().toImage(), zonderKader);
        QTest::keyClick(help, Qt::Key_Shift);
        QVERIFY(help->grab().toImage() != zonderKader);

        o.druk(Commando::Help);
        for (int i = 1; i < kAantalKnoppen; ++i)
            m.knopKlik(Commando(i)); // as a key would: the buttons themselves are disabled
        o.tijd.verstrijk(DrukEffect::kDrukMs);
        QCOMPARE(o.dialogen.naamVragen + o.dialogen.scoreLijsten + o.dialogen.configs, 0);
        o.druk(Commando::Help);
        QVERIFY(!m.helpPaneel()->isVisible());
        o.druk(Commando::Scores);
        QCOMPARE(o.dialogen.scoreLijsten, 1);
        o.inst.wijzig([](InstellingWaarden& w) { w.Onderwerp = "Dieren"; });
        o.druk(Commando::Start);
        QVERIFY(o.dialogen.meldingen.value(0).contains("Dieren"));
        QVERIFY(!m.deeltUit());
        QVERIFY(QDir().mkpath(o.map.mappen().scoreLijstPad())); // a folder where the file should be
        m.close();
        QVERIFY(!m.isVisible());
        QVERIFY(o.dialogen.meldingen.last().contains("scorelijst"));
        QVERIFY(!o.dialogen.meldingen.last().contains("vorige versie")); // there was none
        o.open().sluitZonderVragen();
        QCOMPARE(o.dialogen.meldingen.size(), 2);
        o.open();
        QCOMPARE(o.dialogen.meldingen.size(), 3);
        const QString notitie = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                "/niet-opgeslagen.txt";
        QByteArray ruis = QByteArray("woord ").repeated(300); // one long line, then bytes
        for (int i = 0; i < 2048; ++i)
            ruis += char(i * 37); // every byte value, over and over
        for (const char* soort : {"ruis", "fifo", "apparaat"}) {
            o.dialogen.meldingen.clear();
            if (soort == QByteArray("ruis"))
                QVERIFY(TestMap::schrijf(notitie, ruis));
            else if (soort == QByteArray("fifo"))
                QCOMPARE(mkfifo(QFile::encodeName(notitie).constData(), 0600), 0);
            else
                QVERIFY(QFile::link("/dev/zero", notitie));
            o.open();
            QCOMPARE(o.dialogen.meldingen.size(), int(soort == QByteArray("ruis")));
            for (const QString& tekst : o.dialogen.meldingen)
                QVERIFY2(QFontMetrics(QApplication::font())
                                 .boundingRect(QRect(0, 0, 500, 5000), Qt::TextWordWrap, tekst)
                                 .height() < 400,
                         qPrintable(tekst));
            QVERIFY(!QFileInfo(notitie).exists() && !QFileInfo(notitie).isSymLink());
        }
        o.inst.wijzig([](InstellingWaarden& w) { w.Onderwerp = "Geografie"; });
        rlimit grens{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &grens), 0);
        const auto terug = qScopeGuard([grens] { setrlimit(RLIMIT_FSIZE, &grens); });
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit vol{0, grens.rlim_max}; // a full disk: no file may grow
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &vol), 0);
        o.open();
        QCOMPARE(o.dialogen.meldingen.size(), 1);
        QVERIFY(o.dialogen.meldingen.first().contains(o.map.pad()));
        o.druk(Commando::Start);
        o.tijd.verstrijk(3600 + o.inst.waarden().PauzeTijd * 1000);
        QCOMPARE(o.venster->spel().fase(), Fase::Spelen);
    }

    // The help's lines fit the panel also in a font wider than the one it asks for (a copy run
    // where only DejaVu is installed).
    void helpPastMetAndereLetter() {
        const QFont breed(QStringLiteral("DejaVu Sans"));
        if (!QFontInfo(breed).family().contains(QStringLiteral("DejaVu")))
            QSKIP("DejaVu Sans is not installed");
        HelpPaneel paneel;
        const QStringList regels = HelpPaneel::regels();
        const QList<QFont> letters = HelpPaneel::regelLetters(breed);
        for (qsizetype i = 0; i < regels.size(); ++i)
            QVERIFY2(QFontMetrics(letters[i]).horizontalAdvance(regels[i]) < paneel.width() - 8,
                     qPrintable(regels[i]));
    }

    // At every scale the dotted backs are drawn in the screen's own pixels: across a back the
    // rows of pixels repeat with the dots' own period, with no row doubled or left out.
    void kaartRuggenOpElkeSchaal() {
        for (const qreal dpr : {1.0, 1.25, 1.5, 2.0}) {
            QImage beeld(QSize(kBordBreedte, kBordHoogte) * dpr, QImage::Format_RGB32);
            beeld.setDevicePixelRatio(dpr);
            QPainter p(&beeld);
            tekenKaartRegel(p, 0);
            p.end();
            // Each row's darkness over the dotted part left of the word.
            const QRect stippen =
                QRectF(QPointF(kKaartLinks[0] + 6, kaartBoven(0) + 4) * dpr, QSizeF(40, 20) * dpr)
                    .toRect();
            QList<int> rijen(stippen.height());
            for (int y = 0; y < stippen.height(); ++y)
                for (int x = stippen.left(); x <= stippen.right(); ++x)
                    rijen[y] += qGray(beeld.pixel(x, stippen.top() + y));
            const int periode = 2 * std::max(1, int(std::lround(dpr)));
            for (int i = 0; i + periode < rijen.size(); ++i)
                QVERIFY2(std::abs(rijen[i] - rijen[i + periode]) <= stippen.width(),
                         qPrintable(QString("scale %1, row %2").arg(dpr).arg(i)));
            QVERIFY(rijen.count(rijen[0]) < rijen.size()); // there are dots
        }
    }

    // A whole game with the keyboard alone. During the reveal the arrows go over every card, Up
    // and Down in a row, Left and Right between rows, each read word first; in a pause the
    // covered cards are not read, and the think time waits. A word too long for a face at the
    // usual size shrinks to fit it.
    void heelSpelMetHetToetsenbord() {
        Opstelling o;
        auto rijen = TestProgrammaMap::tienRijen();
        rijen[2][1] = "Hottentottententententoonstelling";
        o.map.schrijfOnderwerp("Geografie", rijen);
        Main& m = o.open(true);
        o.toets(Qt::Key_F2);
        o.tijd.verstrijk(DrukEffect::kDrukMs + 3600);
        const auto naam = [] {
            return QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                ->text(QAccessible::Name);
        };
        o.toets(Qt::Key_Down);
        QCOMPARE(o.gefocust(), QPoint(0, 0));
        const QString woord = m.spel().woord(0, 0);
        QVERIFY2(naam().startsWith(woord + '.'), qPrintable(naam()));
        o.toets(Qt::Key_P);
        QVERIFY(m.pauzeBeeld()->isVisible());
        o.tijd.verstrijk(60000);
        o.toets(Qt::Key_Down);
        QCOMPARE(o.gefocust(), QPoint(0, 0));
        QVERIFY2(!naam().contains(woord), qPrintable(naam()));
        o.toets(Qt::Key_P, Qt::Key_Right);
        QCOMPARE(o.gefocust(), QPoint(1, 0));
        o.toets(Qt::Key_Left, Qt::Key_Left);
        QCOMPARE(o.gefocust(), QPoint(2, 0));
        o.toets(Qt::Key_Up);
        QCOMPARE(o.gefocust(), QPoint(2, kVakken - 1));
        QCOMPARE(m.spel().fase(), Fase::Onthullen);
        o.tijd.verstrijk(o.inst.waarden().PauzeTijd * 1000);
        QCOMPARE(m.spel().fase(), Fase::Spelen);
        const SpelToestand& t = m.spel().toestand();
        const QLabel* lang = m.gezicht(1, t.PlekRij2[2]);
        QVERIFY(lang->font().pointSizeF() < m.gezicht(0, 0)->font().pointSizeF());
        QVERIFY(QFontMetrics(lang->font()).horizontalAdvance(lang->text()) <= kGezichtBreedte);
        // Escape asks before leaving, and the game clock waits for the answer; after No it goes
        // on.
        const QString klok = m.spel().timerTekst();
        o.dialogen.tijdensVraag = [&] {
            QVERIFY(m.pauzeBeeld()->isVisible());
            o.tijd.verstrijk(5000);
        };
        o.toets(Qt::Key_Escape);
        QVERIFY(m.isVisible() && o.dialogen.vragen.size() == 1);
        QCOMPARE(m.spel().timerTekst(), klok);
        QVERIFY(!m.spel().gepauzeerd() && !m.pauzeBeeld()->isVisible());
        o.tijd.verstrijk(1000);
        QVERIFY(m.spel().timerTekst() != klok);
        // After a card the focus goes straight to the next row, so no other card is announced.
        QList<int> focusRijen;
        connect(qApp, &QApplication::focusChanged, &m, [&focusRijen](QWidget*, QWidget* nu) {
            if (auto* kaart = qobject_cast<KaartVak*>(nu))
                focusRijen << kaart->rij();
        });
        o.toets(Qt::Key_Right);
        for (int d = 0; d < kVakken; ++d) {
            for (int rij = 0; rij < kRijen; ++rij) {
                const QPoint doel(rij, t.plek(d, rij));
                for (int n = 0; n < 12 && o.gefocust() != doel; ++n)
                    o.toets(Qt::Key_Down);
                focusRijen.clear();
                o.toets(Qt::Key_Space);
                QCoreApplication::processEvents();
                if (d < kVakken - 1 || rij < kRijen - 1)
                    QCOMPARE(focusRijen, QList<int>{(rij + 1) % kRijen});
            }
            QCOMPARE(t.AantalGoed, d + 1);
        }
        // Yes lets the exit sound finish and closes.
        o.dialogen.antwoord = true;
        o.dialogen.tijdensVraag = {};
        o.toets(Qt::Key_Escape);
        o.tijd.verstrijk(5000);
        QVERIFY(!m.isVisible());
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
