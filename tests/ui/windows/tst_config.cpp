// The settings window: colours, think time, title, topic and wallpaper, each in force at once
// except the title, which only Exit applies.
#include "game/algemeen.h"
#include "game/instellingenkeuze.h"
#include "support/testonderwerp.h"
#include "ui/windows/config.h"
#include "ui/windows/scoreform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using Drietal::Config;

namespace {

struct Melding {
    QWidget* ouder;
    QString tekst;
    bool configZichtbaar; // was a settings window on the screen when it came?
};

bool configOpScherm() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Config*>(w) && w->isVisible())
            return true;
    }
    return false;
}

// Records the messages instead of showing a box.
struct Melder {
    QList<Melding> meldingen;
    std::function<void(QWidget*, const QString&)> functie() {
        return [this](QWidget* ouder, const QString& tekst) {
            meldingen.append({ouder, tekst, configOpScherm()});
        };
    }
    QStringList teksten() const {
        QStringList t;
        for (const Melding& m : meldingen)
            t << m.tekst;
        return t;
    }
};

// What the main window shows of the settings, refreshed the way the main window refreshes it:
// from the settings in force when the window signals a change.
struct Hoofdvenster {
    QLabel Label2;
    QLabel OnderwerpLabel;
    QLabel TitelLabel1;
    void volg(Config& venster) {
        QObject::connect(&venster, &Config::instellingenGewijzigd, &Label2, [this] {
            const auto& inst = Algemeen::instellingen;
            Label2.setText(QString::number(inst.PauzeTijd));
            OnderwerpLabel.setText(inst.Onderwerp);
            TitelLabel1.setText(inst.TitelTekst);
        });
    }
};

QStringList items(QListWidget* lijst) {
    QStringList l;
    for (int i = 0; i < lijst->count(); ++i)
        l << lijst->item(i)->text();
    return l;
}

QString gekozen(QListWidget* lijst) {
    return lijst->currentItem() && lijst->currentItem()->isSelected() ? lijst->currentItem()->text()
                                                                      : QString();
}

void klikOp(QListWidget* lijst, const QString& tekst) {
    const QList<QListWidgetItem*> gevonden = lijst->findItems(tekst, Qt::MatchExactly);
    QCOMPARE(gevonden.size(), 1);
    lijst->scrollToItem(gevonden[0]);
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                      lijst->visualItemRect(gevonden[0]).center());
}

QColor achtergrond(const QWidget& venster) {
    return venster.palette().color(QPalette::Window);
}

void maakLeeg(const QString& pad) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile bestand(pad);
    QVERIFY(bestand.open(QIODevice::WriteOnly));
}

QList<QStringList> rijen(int aantal, int leeg = 0) {
    QList<QStringList> r = TestProgrammaMap::tienRijen();
    while (r.size() < aantal)
        r.append({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
    r = r.mid(0, aantal);
    for (int i = 0; i < leeg; ++i)
        r[i][2].clear();
    return r;
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void init() { Algemeen::InstellingenStandaard(); }

    void acceptsACompleteTopic() {
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen(10));
        map.schrijfOnderwerp(QStringLiteral("Dieren"), rijen(10));
        Melder melder;
        Config venster(nullptr, {}, melder.functie());
        Hoofdvenster hoofd;
        hoofd.volg(venster);
        venster.show();
        QCOMPARE(items(venster.List1()), QStringList({"Dieren", "Geografie"}));
        QCOMPARE(gekozen(venster.List1()), QStringLiteral("Geografie"));
        QCOMPARE(venster.Label11()->text(), QStringLiteral("Keuze onderwerp"));

        klikOp(venster.List1(), QStringLiteral("Dieren"));
        QVERIFY(melder.meldingen.isEmpty());
        QCOMPARE(Algemeen::instellingen.Onderwerp, QStringLiteral("Dieren"));
        QCOMPARE(venster.Label11()->text(), QStringLiteral("Dieren"));
        QCOMPARE(hoofd.OnderwerpLabel.text(), QStringLiteral("Dieren"));
    }

    void refusesAnIncompleteTopic_data() {
        QTest::addColumn<int>("aantalRijen");
        QTest::addColumn<int>("leeg");
        QTest::addColumn<bool>("wissen");
        QTest::addColumn<QString>("uitleg");
        QTest::newRow("27") << 9 << 0 << false
                            << QStringLiteral("er moeten nog 3 woorden worden ingevuld.");
        QTest::newRow("29") << 10 << 1 << false
                            << QStringLiteral("er moet nog 1 woord worden ingevuld.");
        QTest::newRow("33") << 11 << 0 << false << QStringLiteral("er zijn 3 woorden te veel.");
        QTest::newRow("0") << 0 << 0 << false
                           << QStringLiteral("er moeten nog 30 woorden worden ingevuld.");
        QTest::newRow("deletedAfterListing")
            << 10 << 0 << true << QStringLiteral("er moeten nog 30 woorden worden ingevuld.");
    }
    void refusesAnIncompleteTopic() {
        QFETCH(int, aantalRijen);
        QFETCH(int, leeg);
        QFETCH(bool, wissen);
        QFETCH(QString, uitleg);
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen(10));
        map.schrijfOnderwerp(QStringLiteral("Half"), rijen(aantalRijen, leeg));
        Melder melder;
        Config venster(nullptr, {}, melder.functie());
        Hoofdvenster hoofd;
        hoofd.volg(venster);
        QSignalSpy gewijzigd(&venster, &Config::instellingenGewijzigd);
        venster.show();
        if (wissen)
            QVERIFY(QFile::remove(*Opslag::onderwerpPad(QStringLiteral("Half"))));

        klikOp(venster.List1(), QStringLiteral("Half"));
        QCOMPARE(melder.teksten(),
                 QStringList({QStringLiteral("Onderwerp 'Half' is niet compleet,\n") + uitleg}));
        QCOMPARE(melder.meldingen[0].ouder, &venster);
        QCOMPARE(Algemeen::instellingen.Onderwerp, QStringLiteral("Geografie"));
        QCOMPARE(venster.Label11()->text(), QStringLiteral("Keuze onderwerp"));
        QCOMPARE(gewijzigd.count(), 0);

        // Every click asks again, also on the entry that is already selected.
        klikOp(venster.List1(), QStringLiteral("Half"));
        QCOMPARE(melder.meldingen.size(), 2);
        QCOMPARE(Algemeen::instellingen.Onderwerp, QStringLiteral("Geografie"));
    }

    void topicInForceIsCheckedBeforeTheWindowShows_data() {
        QTest::addColumn<QString>("onderwerp");
        QTest::addColumn<int>("aantalRijen");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("incomplete") << "Geografie" << 9
                                    << QStringList{"Onderwerp 'Geografie' is niet compleet,\n"
                                                   "er moeten nog 3 woorden worden ingevuld."};
        QTest::newRow("complete") << "Geografie" << 10 << QStringList{};
        QTest::newRow("otherCaseIsNoEntry") << "geografie" << 9 << QStringList{};
        QTest::newRow("noFile") << "Weg" << 9 << QStringList{};
    }
    void topicInForceIsCheckedBeforeTheWindowShows() {
        QFETCH(QString, onderwerp);
        QFETCH(int, aantalRijen);
        QFETCH(QStringList, meldingen);
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen(aantalRijen));
        Algemeen::instellingen.Onderwerp = onderwerp;
        QWidget hoofd;
        hoofd.show();
        Melder melder;
        Config venster(&hoofd, {}, melder.functie());
        QCOMPARE(melder.teksten(), meldingen);
        for (const Melding& m : melder.meldingen) {
            QVERIFY(!m.configZichtbaar);
            QCOMPARE(m.ouder, &hoofd);
        }
        QCOMPARE(Algemeen::instellingen.Onderwerp, onderwerp);
        QCOMPARE(gekozen(venster.List1()), onderwerp == u"Geografie" ? onderwerp : QString());
        QCOMPARE(venster.Label11()->text(), QStringLiteral("Keuze onderwerp"));
    }

    void colourBarsRecolourAtOnce() {
        Algemeen::instellingen.ColorRed = 12;
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QCOMPARE(venster.ColorScroll(1)->value(), 12);
        QCOMPARE(venster.ColorScroll(2)->value(), 220);
        QCOMPARE(venster.ColorScroll(3)->value(), 190);
        QCOMPARE(achtergrond(venster), QColor(12, 220, 190));

        venster.ColorScroll(2)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(Algemeen::instellingen.ColorGreen, 0);
        QCOMPARE(achtergrond(venster), QColor(12, 0, 190));
        venster.ColorScroll(3)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(achtergrond(venster), QColor(12, 0, 191));

        Drietal::ScoreForm scores(nullptr, [](QWidget*) { return false; });
        QCOMPARE(achtergrond(scores), QColor(12, 0, 191));
    }

    void resetThenCloseKeepsTheTitle() {
        Algemeen::instellingen.TitelTekst = QStringLiteral("Mijn spel");
        Algemeen::instellingen.PauzeTijd = 17;
        Algemeen::instellingen.TitelKleur = false;
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QSignalSpy gewijzigd(&venster, &Config::instellingenGewijzigd);
        venster.show();
        QCOMPARE(venster.Text1()->text(), QStringLiteral("Mijn spel"));
        venster.ColorScroll(1)->setValue(3);
        venster.ColorScroll(3)->setValue(250);

        QTest::mouseClick(venster.ResetKnop(), Qt::LeftButton);
        const auto& inst = Algemeen::instellingen;
        QCOMPARE(QList<int>({inst.ColorRed, inst.ColorGreen, inst.ColorBlue}),
                 QList<int>({220, 220, 190}));
        QCOMPARE(venster.ColorScroll(1)->value(), 220);
        QCOMPARE(venster.ColorScroll(3)->value(), 190);
        QCOMPARE(achtergrond(venster), QColor(220, 220, 190));
        QCOMPARE(venster.Text1()->text(), QStringLiteral("Drietalspel"));

        venster.close();
        QVERIFY(!venster.isVisible());
        QCOMPARE(inst.TitelTekst, QStringLiteral("Mijn spel"));
        QCOMPARE(inst.PauzeTijd, 17);
        QCOMPARE(inst.TitelKleur, false);
        QCOMPARE(gewijzigd.count(), 0);
    }

    void exitAppliesTheTitle_data() {
        QTest::addColumn<QString>("titel");
        QTest::newRow("empty") << "";
        QTest::newRow("new") << "Geheugenspel";
        QTest::newRow("blanksKept") << "  met spaties ";
        QTest::newRow("comma") << "Drie, twee, een";
    }
    void exitAppliesTheTitle() {
        QFETCH(QString, titel);
        Melder melder;
        Config venster(nullptr, {}, melder.functie());
        Hoofdvenster hoofd;
        hoofd.volg(venster);
        venster.show();
        venster.Text1()->clear();
        QTest::keyClicks(venster.Text1(), titel);
        QCOMPARE(Algemeen::instellingen.TitelTekst, QStringLiteral("Drietalspel"));
        QTest::mouseClick(venster.CancelKnop(), Qt::LeftButton);
        QVERIFY(melder.meldingen.isEmpty());
        QCOMPARE(Algemeen::instellingen.TitelTekst, titel);
        QCOMPARE(hoofd.TitelLabel1.text(), titel);
        QVERIFY(!venster.isVisible());
        QCOMPARE(venster.result(), int(QDialog::Accepted));
    }

    void exitRefusesATitleThatCannotBeStored_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("melding");
        QTest::newRow("doubleQuote") << "Het \"grote\" spel"
                                     << "De titel mag geen aanhalingsteken (\") bevatten:\n"
                                        "dat teken kan niet worden bewaard.";
        QTest::newRow("outsideCodePage") << QStringLiteral("Spel ✓")
                                         << QStringLiteral("De titel mag het teken '✓' niet "
                                                           "bevatten:\ndat teken kan niet worden "
                                                           "bewaard.");
    }
    void exitRefusesATitleThatCannotBeStored() {
        QFETCH(QString, titel);
        QFETCH(QString, melding);
        Melder melder;
        Config venster(nullptr, {}, melder.functie());
        QSignalSpy gewijzigd(&venster, &Config::instellingenGewijzigd);
        venster.show();
        venster.Text1()->setText(titel);
        QTest::mouseClick(venster.CancelKnop(), Qt::LeftButton);
        QCOMPARE(melder.teksten(), QStringList{melding});
        QCOMPARE(melder.meldingen[0].ouder, &venster);
        QVERIFY(venster.isVisible());
        QCOMPARE(Algemeen::instellingen.TitelTekst, QStringLiteral("Drietalspel"));
        QCOMPARE(gewijzigd.count(), 0);

        // Mended, it goes through.
        venster.Text1()->setText(QStringLiteral("Het grote spel"));
        QTest::mouseClick(venster.CancelKnop(), Qt::LeftButton);
        QVERIFY(!venster.isVisible());
        QCOMPARE(Algemeen::instellingen.TitelTekst, QStringLiteral("Het grote spel"));
    }

    void openingShowsTheStoredWallpaperAndKeepsIt_data() {
        QTest::addColumn<QString>("opgeslagen");
        QTest::addColumn<QString>("keuze");
        const QString map = QStringLiteral("%1/Backgrounds/");
        QTest::newRow("secondOfTwo") << map + "Blauw 2.jpg"
                                     << "Blauw 2";
        QTest::newRow("first") << map + "Blauw.jpg"
                               << "Blauw";
        QTest::newRow("bareDefault") << "Wallpaper-01.jpg"
                                     << "Wallpaper-01";
        QTest::newRow("otherFolder") << "C:\\Spellen\\Drietal\\Backgrounds\\Blauw 2.jpg"
                                     << "Blauw 2";
        QTest::newRow("notThere") << map + "Groen.jpg"
                                  << "";
    }
    void openingShowsTheStoredWallpaperAndKeepsIt() {
        QFETCH(QString, opgeslagen);
        QFETCH(QString, keuze);
        TestProgrammaMap map;
        for (const QString naam : {"Blauw", "Blauw 2", "a", "Wallpaper-01"})
            maakLeeg(Algemeen::achtergrondBestand(naam));
        if (opgeslagen.contains(u"%1"))
            opgeslagen = opgeslagen.arg(map.pad());
        Algemeen::instellingen.WallpaperFile = opgeslagen;

        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QSignalSpy wallpaper(&venster, &Config::wallpaperGewijzigd);
        venster.show();
        QCOMPARE(items(venster.List2()), QStringList({"a", "Blauw", "Blauw 2", "Wallpaper-01"}));
        QCOMPARE(gekozen(venster.List2()), keuze);
        QCOMPARE(venster.Label4()->text(), QStringLiteral("Keuze achtergrond"));
        venster.close();
        QCOMPARE(Algemeen::instellingen.WallpaperFile, opgeslagen);
        QCOMPARE(wallpaper.count(), 0);
    }

    void choosingAWallpaperRewritesTheFile() {
        TestProgrammaMap map;
        for (const QString naam : {"Blauw", "Blauw 2", "Groen"})
            maakLeeg(Algemeen::achtergrondBestand(naam));
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QSignalSpy wallpaper(&venster, &Config::wallpaperGewijzigd);
        venster.show();

        klikOp(venster.List2(), QStringLiteral("Blauw 2"));
        QCOMPARE(Algemeen::instellingen.WallpaperFile,
                 map.pad() + QDir::separator() + QStringLiteral("Backgrounds/Blauw 2.jpg"));
        QCOMPARE(wallpaper.count(), 1);
        QTest::keyClick(venster.List2(), Qt::Key_Down);
        QCOMPARE(Algemeen::instellingen.WallpaperFile, Algemeen::achtergrondBestand("Groen"));
        QCOMPARE(wallpaper.count(), 2);
        // The file need not be a picture to be chosen; the main window keeps its old one then.
        QVERIFY(QFile::exists(Algemeen::instellingen.WallpaperFile));
    }

    void thinkTimeShownAtOnce() {
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        Hoofdvenster hoofd;
        hoofd.volg(venster);
        QCOMPARE(venster.PauzeScroll()->value(), 10);
        QCOMPARE(venster.Label7()->text(), QStringLiteral("10 Seconden"));
        venster.PauzeScroll()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Algemeen::instellingen.PauzeTijd, 30);
        QCOMPARE(venster.Label7()->text(), QStringLiteral("30 Seconden"));
        QCOMPARE(hoofd.Label2.text(), QStringLiteral("30"));
        venster.PauzeScroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(venster.Label7()->text(), QStringLiteral("29 Seconden"));
        QCOMPARE(hoofd.Label2.text(), QStringLiteral("29"));
    }

    void valuesOutOfRangeOpenClamped() {
        auto& inst = Algemeen::instellingen;
        inst.PauzeTijd = 99;
        inst.ColorBlue = 400;
        inst.ColorRed = -4;
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QCOMPARE(inst.PauzeTijd, 30);
        QCOMPARE(venster.PauzeScroll()->value(), 30);
        QCOMPARE(venster.Label7()->text(), QStringLiteral("30 Seconden"));
        QCOMPARE(QList<int>({inst.ColorRed, inst.ColorBlue}), QList<int>({0, 255}));
        QCOMPARE(achtergrond(venster), QColor(0, 220, 255));
    }

    void titleColourSwatches() {
        Config venster(nullptr, {}, [](QWidget*, const QString&) {});
        QSignalSpy gewijzigd(&venster, &Config::instellingenGewijzigd);
        venster.show();
        QTest::mouseClick(venster.Label5(0), Qt::LeftButton);
        QCOMPARE(Algemeen::instellingen.TitelKleur, false);
        QTest::mouseClick(venster.Label5(1), Qt::LeftButton);
        QCOMPARE(Algemeen::instellingen.TitelKleur, true);
        QTest::mouseClick(venster.Label5(0), Qt::LeftButton);
        QCOMPARE(Algemeen::instellingen.TitelKleur, false);
        QCOMPARE(gewijzigd.count(), 3);
        // Only the left button chooses.
        QTest::mouseClick(venster.Label5(1), Qt::RightButton);
        QCOMPARE(Algemeen::instellingen.TitelKleur, false);

        for (int i = 0; i < 2; ++i) {
            const QCursor hand = venster.Label5(i)->cursor();
            QCOMPARE(hand.hotSpot(), QPoint(5, 12));
            const QImage beeld = hand.pixmap().toImage();
            QCOMPARE(beeld.size(), QSize(32, 32));
            // The fingertip lies on the hot spot: drawn there, nothing to the left of it.
            QVERIFY(qAlpha(beeld.pixel(5, 12)) > 128);
            QCOMPARE(qAlpha(beeld.pixel(3, 12)), 0);
        }
    }

    void laidOutByTheTable() {
        QPixmap tandwiel(48, 48);
        tandwiel.fill(Qt::red);
        Config venster(nullptr, tandwiel, [](QWidget*, const QString&) {});
        QCOMPARE(venster.windowTitle(), QStringLiteral(" Configuratie"));
        QCOMPARE(venster.size(), QSize(524, 280));
        const QList<QPair<QWidget*, QRect>> plekken = {
            {venster.Label1(), {16, 16, 116, 64}},
            {venster.ColorScroll(1), {18, 18, 112, 20}},
            {venster.ColorScroll(2), {18, 38, 112, 20}},
            {venster.ColorScroll(3), {18, 58, 112, 20}},
            {venster.Label3(), {142, 16, 66, 26}},
            {venster.ResetKnop(), {144, 18, 62, 22}},
            {venster.Image1(), {150, 80, 48, 48}},
            {venster.Label6(), {16, 160, 129, 24}},
            {venster.PauzeScroll(), {18, 162, 125, 20}},
            {venster.Text1(), {16, 235, 200, 22}},
            {venster.Label5(0), {220, 234, 25, 25}},
            {venster.Label5(1), {250, 234, 25, 25}},
            {venster.List1(), {220, 16, 126, 116}},
            {venster.List2(), {360, 16, 144, 116}},
            {venster.BackKnoppen(), {442, 235, 60, 26}},
            {venster.CancelKnop(), {444, 237, 56, 22}},
        };
        for (const auto& [control, plek] : plekken)
            QCOMPARE(control->geometry(), plek);
        QCOMPARE(venster.Label2()->text(), QStringLiteral("Kleur formulieren"));
        QCOMPARE(venster.Label8()->text(), QStringLiteral("Bedenktijd na de start"));
        QCOMPARE(venster.Label12()->text(),
                 QStringLiteral("Titel programma                           kleur"));
        QCOMPARE(venster.ResetKnop()->toolTip(), QStringLiteral(" Reset kleuren "));
        QCOMPARE(venster.Image1()->pixmap().toImage().pixelColor(24, 24), QColor(Qt::red));
        // Labels size themselves to their text.
        QCOMPARE(venster.Label7()->pos(), QPoint(148, 163));
        QVERIFY(venster.Label7()->width() >= venster.Label7()->sizeHint().width());
    }

    void restartBringsBackColoursAndThinkTime() {
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Geografie"), rijen(10));
        map.schrijfOnderwerp(QStringLiteral("Dieren"), rijen(10));
        QCOMPARE(Algemeen::InstellingenLaden(), Opslag::LeesStatus::Ontbreekt);
        {
            Config venster(nullptr, {}, [](QWidget*, const QString&) {});
            venster.show();
            venster.ColorScroll(1)->setValue(100);
            venster.ColorScroll(3)->setValue(50);
            venster.PauzeScroll()->setValue(25);
            klikOp(venster.List1(), QStringLiteral("Dieren"));
            QCOMPARE(Algemeen::instellingen.Onderwerp, QStringLiteral("Dieren"));
            QTest::mouseClick(venster.CancelKnop(), Qt::LeftButton);
        }
        QCOMPARE(Algemeen::InstellingenOpslaan(), Opslag::OpslaanStatus::Opgeslagen);

        Algemeen::InstellingenStandaard();
        QCOMPARE(Algemeen::InstellingenLaden(), Opslag::LeesStatus::Gelezen);
        const auto& inst = Algemeen::instellingen;
        QCOMPARE(QList<int>({inst.ColorRed, inst.ColorGreen, inst.ColorBlue, inst.PauzeTijd}),
                 QList<int>({100, 220, 50, 25}));
        QCOMPARE(inst.Onderwerp, QStringLiteral("Geografie"));
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
