// The toolbar's commands: help, sound, the solution at its rising penalty.
#include "game/algemeen.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/main/helppaneel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/werkbalk.h"

#include <QSignalSpy>
#include <QTest>

using namespace Algemeen;
using Drietal::Commando;
using Drietal::Main;

class TestWerkbalk : public QObject {
    Q_OBJECT

    struct Opstelling {
        TestProgrammaMap map;
        NepTijd tijd;
        Toeval toeval{3};
        NepDialogen dialogen;
        Main venster{tijd, toeval, dialogen};
        Opstelling() {
            map.schrijfOnderwerp(QStringLiteral("Geografie"), TestProgrammaMap::tienRijen());
            venster.resize(1280, 800);
            venster.show();
        }
        // A press of a toolbar button, and the time its press effect takes.
        void druk(Commando c) {
            venster.knopKlik(c);
            tijd.verstrijk(Drietal::DrukEffect::kDrukMs);
        }
        void startTotAftellen() {
            druk(Commando::Start);
            tijd.verstrijk(3600);
            QCOMPARE(venster.spel().fase(), Fase::Onthullen);
        }
    };

private slots:
    void threeLooksCostSixtySecondsAndTheCodesAreTheDeal() {
        Opstelling o;
        o.startTotAftellen();
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000);
        // The preview stays open three ticks; the game clock runs on behind it.
        o.dialogen.bijOplossing = [&o] { o.tijd.verstrijk(3000); };
        for (int kijk = 0; kijk < 3; ++kijk)
            o.druk(Commando::Oplossing);
        QCOMPARE(o.dialogen.oplossingen.size(), 3);
        QCOMPARE(o.dialogen.oplossingen[0].strafTijd, 10.0f);
        QCOMPARE(o.dialogen.oplossingen[2].strafTijd, 30.0f);
        QCOMPARE(o.dialogen.oplossingen[1].codes, o.venster.spel().toestand().DrietalCode);
        // 3 x (0.2 s press + 3 s open) of clock ticks, plus 10 + 20 + 30.
        QCOMPARE(o.venster.spel().toestand().SpelTijd, 9.0f + 60.0f);
        QCOMPARE(o.venster.spel().toestand().StrafTijd, 40.0f);
        QCOMPARE(o.venster.TimerLabel()->text(), QStringLiteral("01:09"));
    }

    void solutionDuringTheRevealIsOnlyThePress() {
        Opstelling o;
        o.startTotAftellen();
        o.druk(Commando::Oplossing);
        QVERIFY(o.dialogen.oplossingen.isEmpty());
        QCOMPARE(o.venster.spel().toestand().StrafTijd, 10.0f);
    }

    void helpBlocksTheOtherButtons() {
        Opstelling o;
        QSignalSpy geluid(&o.venster.spel(), &Spel::geluidGevraagd);
        QTest::mouseClick(o.venster.Knop(Commando::Help), Qt::LeftButton);
        o.tijd.verstrijk(Drietal::DrukEffect::kDrukMs);
        QVERIFY(o.venster.HelpPic()->isVisible());
        QCOMPARE(geluid.count(), 1);
        for (int i = 1; i < Drietal::kAantalKnoppen; ++i) {
            QVERIFY(!o.venster.Knop(Commando(i))->isEnabled());
            o.druk(Commando(i));
        }
        QCOMPARE(geluid.count(), 1);
        QCOMPARE(o.dialogen.naamVragen, 0);
        QCOMPARE(o.dialogen.scoreLijsten, 0);
        QCOMPARE(o.venster.spel().fase(), Fase::Geen);

        o.druk(Commando::Help);
        QVERIFY(!o.venster.HelpPic()->isVisible());
        QVERIFY(o.venster.Knop(Commando::Scores)->isEnabled());
        o.druk(Commando::Scores);
        QCOMPARE(o.dialogen.scoreLijsten, 1);
    }

    void helpDrawnTenTimesIsTheSamePicture() {
        Opstelling o;
        Drietal::HelpPaneel* help = o.venster.HelpPic();
        const QImage schaduw = help->beeld().toImage();
        help->tekenHelp();
        const QImage eenmaal = help->beeld().toImage();
        for (int i = 0; i < 9; ++i)
            help->tekenHelp();
        QCOMPARE(help->beeld().toImage(), eenmaal);
        QVERIFY(eenmaal != schaduw);
        QCOMPARE(schaduw.pixelColor(5, 222), QColor(148, 148, 123));
        QCOMPARE(schaduw.pixelColor(5, 0), QColor(0, 0, 0));
        // The title is drawn in cyan in the top left corner.
        bool cyaan = false;
        for (int y = 5; y < 35 && !cyaan; ++y)
            for (int x = 10; x < 200 && !cyaan; ++x)
                cyaan = eenmaal.pixelColor(x, y) == QColor(0, 250, 250);
        QVERIFY(cyaan);
    }

    void settingsWindowChangesShowAtOnce() {
        Opstelling o;
        QString tijdens;
        o.dialogen.bijConfig = [&o, &tijdens](const std::function<void()>& gewijzigd) {
            instellingen.PauzeTijd = 30;
            instellingen.Onderwerp = QStringLiteral("Dieren");
            instellingen.TitelTekst = QStringLiteral("Mijn spel");
            gewijzigd();
            tijdens = o.venster.Label2()->text();
        };
        o.druk(Commando::Instellingen);
        QCOMPARE(o.dialogen.configs, 1);
        QCOMPARE(tijdens, QStringLiteral("30"));
        QCOMPARE(o.venster.OnderwerpLabel()->text(), QStringLiteral("Dieren"));
        const auto labels = o.venster.findChildren<QLabel*>();
        QCOMPARE(std::count_if(labels.begin(), labels.end(),
                               [](QLabel* l) { return l->text() == QStringLiteral("Mijn spel"); }),
                 2);
    }

    void soundSwitchPlaysTheButtonSoundOnlyWhenSwitchingOff() {
        Opstelling o;
        QSignalSpy geluid(&o.venster.spel(), &Spel::geluidGevraagd);
        o.druk(Commando::Geluid);
        QVERIFY(!instellingen.GeluidAan);
        QCOMPARE(geluid.count(), 1);
        o.druk(Commando::Geluid);
        QVERIFY(instellingen.GeluidAan);
        QCOMPARE(geluid.count(), 1);
    }
};

QTEST_MAIN(TestWerkbalk)
#include "tst_werkbalk.moc"
