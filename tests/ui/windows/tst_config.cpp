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

#include <memory>

using Drietal::Config;
using namespace Qt::StringLiterals;

namespace {

QStringList items(const QListWidget* lijst) {
    QStringList l;
    for (int i = 0; i < lijst->count(); ++i)
        l << lijst->item(i)->text();
    return l;
}

QString gekozen(const QListWidget* lijst) {
    const QListWidgetItem* item = lijst->currentItem();
    return item && item->isSelected() ? item->text() : QString();
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

// The first rows of ten distinct ones, made up to aantal; the last word of the first leeg rows
// left empty.
QList<QStringList> rijen(int aantal, int leeg = 0) {
    QList<QStringList> r = TestProgrammaMap::tienRijen();
    r.resize(aantal, {"x", "y", "z"});
    for (int i = 0; i < leeg; ++i)
        r[i][2].clear();
    return r;
}

// A program folder with the default settings in force, and the window opened in it with its
// messages caught. The labels stand for what the main window shows of the settings, refreshed
// from the settings in force whenever the window signals a change.
struct Opstelling {
    TestProgrammaMap map;
    QStringList meldingen;
    QList<QWidget*> ouders;
    int bijZichtbaar = 0; // messages that came while a settings window was on the screen
    QLabel pauze, onderwerp, titel;
    std::unique_ptr<Config> v;
    std::unique_ptr<QSignalSpy> gewijzigd, wallpaper;

    Config& open(QWidget* ouder = nullptr, const QPixmap& tandwiel = {}) {
        v = std::make_unique<Config>(ouder, tandwiel, [this](QWidget* o, const QString& tekst) {
            meldingen << tekst;
            ouders << o;
            for (QWidget* w : QApplication::topLevelWidgets())
                bijZichtbaar += qobject_cast<Config*>(w) && w->isVisible();
        });
        gewijzigd = std::make_unique<QSignalSpy>(v.get(), &Config::instellingenGewijzigd);
        wallpaper = std::make_unique<QSignalSpy>(v.get(), &Config::wallpaperGewijzigd);
        QObject::connect(v.get(), &Config::instellingenGewijzigd, &pauze, [this] {
            pauze.setText(QString::number(Algemeen::instellingen.PauzeTijd));
            onderwerp.setText(Algemeen::instellingen.Onderwerp);
            titel.setText(Algemeen::instellingen.TitelTekst);
        });
        v->show();
        return *v;
    }
    // The colour in force, where the settings, the bars and the window agree on it.
    QColor kleur() const {
        const auto& i = Algemeen::instellingen;
        const QColor balken(v->ColorScroll(1)->value(), v->ColorScroll(2)->value(),
                            v->ColorScroll(3)->value());
        const bool eens =
            balken == QColor(i.ColorRed, i.ColorGreen, i.ColorBlue) && balken == achtergrond(*v);
        return eens ? balken : QColor();
    }
    // The think time in force, where the settings, the bar and its label agree on it.
    int bedenktijd() const {
        const int s = Algemeen::instellingen.PauzeTijd;
        const bool eens =
            v->PauzeScroll()->value() == s && v->Label7()->text() == QString("%1 Seconden").arg(s);
        return eens ? s : -1;
    }
};

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void aTopicIsTakenOnlyWhenComplete_data() {
        QTest::addColumn<int>("aantalRijen");
        QTest::addColumn<int>("leeg");
        QTest::addColumn<bool>("wissen");
        QTest::addColumn<QString>("uitleg"); // why it is refused, empty where it is taken
        QTest::newRow("30") << 10 << 0 << false << "";
        QTest::newRow("27") << 9 << 0 << false << "er moeten nog 3 woorden worden ingevuld.";
        QTest::newRow("29") << 10 << 1 << false << "er moet nog 1 woord worden ingevuld.";
        QTest::newRow("33") << 11 << 0 << false << "er zijn 3 woorden te veel.";
        QTest::newRow("0") << 0 << 0 << false << "er moeten nog 30 woorden worden ingevuld.";
        QTest::newRow("deletedAfterListing")
            << 10 << 0 << true << "er moeten nog 30 woorden worden ingevuld.";
    }
    void aTopicIsTakenOnlyWhenComplete() {
        QFETCH(int, aantalRijen);
        QFETCH(int, leeg);
        QFETCH(bool, wissen);
        QFETCH(QString, uitleg);
        Opstelling o;
        o.map.schrijfOnderwerp("Geografie", rijen(10));
        o.map.schrijfOnderwerp("Half", rijen(aantalRijen, leeg));
        Config& v = o.open();
        QCOMPARE(items(v.List1()), QStringList({"Geografie", "Half"}));
        QCOMPARE(gekozen(v.List1()), "Geografie");
        QCOMPARE(v.Label11()->text(), "Keuze onderwerp");
        if (wissen)
            QVERIFY(QFile::remove(*Opslag::onderwerpPad("Half")));

        // Every click asks again, also on the entry that is already selected.
        const bool neemt = uitleg.isEmpty();
        for (int klik = 1; klik <= 2; ++klik) {
            klikOp(v.List1(), "Half");
            const QString melding = "Onderwerp 'Half' is niet compleet,\n" + uitleg;
            QCOMPARE(o.meldingen, QStringList(neemt ? 0 : klik, melding));
            QCOMPARE(Algemeen::instellingen.Onderwerp, neemt ? "Half" : "Geografie");
            QCOMPARE(v.Label11()->text(), neemt ? "Half" : "Keuze onderwerp");
            QCOMPARE(o.onderwerp.text(), neemt ? "Half" : "");
            QCOMPARE(o.gewijzigd->count(), neemt ? klik : 0);
        }
        QCOMPARE(o.ouders, QList<QWidget*>(o.meldingen.size(), &v));
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
        QWidget hoofd; // outlives the window it parents
        hoofd.show();
        Opstelling o;
        o.map.schrijfOnderwerp("Geografie", rijen(aantalRijen));
        Algemeen::instellingen.Onderwerp = onderwerp;
        Config& v = o.open(&hoofd);
        QCOMPARE(o.meldingen, meldingen);
        QCOMPARE(o.ouders, QList<QWidget*>(meldingen.size(), &hoofd));
        QCOMPARE(o.bijZichtbaar, 0);
        QCOMPARE(Algemeen::instellingen.Onderwerp, onderwerp);
        QCOMPARE(gekozen(v.List1()), onderwerp == u"Geografie" ? onderwerp : QString());
        QCOMPARE(v.Label11()->text(), "Keuze onderwerp");
    }

    void colourBarsRecolourAtOnce() {
        Opstelling o;
        Algemeen::instellingen.ColorRed = 12;
        Config& v = o.open();
        QCOMPARE(o.kleur(), QColor(12, 220, 190));
        v.ColorScroll(2)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(o.kleur(), QColor(12, 0, 190));
        v.ColorScroll(3)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(o.kleur(), QColor(12, 0, 191));
        QCOMPARE(achtergrond(Drietal::ScoreForm(nullptr, [](QWidget*) { return false; })),
                 QColor(12, 0, 191));
    }

    void valuesOutOfRangeOpenClamped() {
        Opstelling o;
        Algemeen::instellingen.PauzeTijd = 99;
        Algemeen::instellingen.ColorBlue = 400;
        Algemeen::instellingen.ColorRed = -4;
        o.open();
        QCOMPARE(o.bedenktijd(), 30);
        QCOMPARE(o.kleur(), QColor(0, 220, 255));
    }

    void thinkTimeShownAtOnce() {
        Opstelling o;
        Config& v = o.open();
        QCOMPARE(o.bedenktijd(), 10);
        v.PauzeScroll()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(o.bedenktijd(), 30);
        QCOMPARE(o.pauze.text(), "30");
        v.PauzeScroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(o.bedenktijd(), 29);
        QCOMPARE(o.pauze.text(), "29");
    }

    void resetThenCloseKeepsTheTitle() {
        Opstelling o;
        auto& inst = Algemeen::instellingen;
        inst.TitelTekst = "Mijn spel";
        inst.PauzeTijd = 17;
        inst.TitelKleur = false;
        Config& v = o.open();
        QCOMPARE(v.Text1()->text(), "Mijn spel");
        v.ColorScroll(1)->setValue(3);
        v.ColorScroll(3)->setValue(250);
        QTest::mouseClick(v.ResetKnop(), Qt::LeftButton);
        QCOMPARE(o.kleur(), QColor(220, 220, 190));
        QCOMPARE(v.Text1()->text(), "Drietalspel");

        v.close();
        QVERIFY(!v.isVisible());
        QCOMPARE(inst.TitelTekst, "Mijn spel");
        QCOMPARE(inst.PauzeTijd, 17);
        QCOMPARE(inst.TitelKleur, false);
        QCOMPARE(o.gewijzigd->count(), 0);
    }

    void exitAppliesATitleThatCanBeStored_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("melding"); // why it is refused, empty where it is applied
        const QString reden = "\ndat teken kan niet worden bewaard.";
        QTest::newRow("empty") << u""_s << u""_s;
        QTest::newRow("new") << u"Geheugenspel"_s << u""_s;
        QTest::newRow("blanksKept") << u"  met spaties "_s << u""_s;
        QTest::newRow("comma") << u"Drie, twee, een"_s << u""_s;
        QTest::newRow("doubleQuote") << u"Het \"grote\" spel"_s
                                     << "De titel mag geen aanhalingsteken (\") bevatten:" + reden;
        QTest::newRow("outsideCodePage")
            << u"Spel ✓"_s << "De titel mag het teken '✓' niet bevatten:" + reden;
    }
    void exitAppliesATitleThatCanBeStored() {
        QFETCH(QString, titel);
        QFETCH(QString, melding);
        Opstelling o;
        Config& v = o.open();
        v.Text1()->clear();
        for (const QChar c : titel)
            QTest::sendKeyEvent(QTest::Click, v.Text1(), Qt::Key_unknown, c, Qt::NoModifier);
        QCOMPARE(Algemeen::instellingen.TitelTekst, "Drietalspel");
        QTest::mouseClick(v.CancelKnop(), Qt::LeftButton);
        if (!melding.isEmpty()) {
            QCOMPARE(o.meldingen, QStringList{melding});
            QCOMPARE(o.ouders, QList<QWidget*>{&v});
            QVERIFY(v.isVisible());
            QCOMPARE(Algemeen::instellingen.TitelTekst, "Drietalspel");
            QCOMPARE(o.gewijzigd->count(), 0);
            // Mended, it goes through.
            titel = "Het grote spel";
            v.Text1()->setText(titel);
            QTest::mouseClick(v.CancelKnop(), Qt::LeftButton);
        }
        QCOMPARE(o.meldingen.size(), melding.isEmpty() ? 0 : 1);
        QCOMPARE(Algemeen::instellingen.TitelTekst, titel);
        QCOMPARE(o.titel.text(), titel);
        QVERIFY(!v.isVisible());
        QCOMPARE(v.result(), int(QDialog::Accepted));
    }

    void openingShowsTheStoredWallpaperAndKeepsIt_data() {
        QTest::addColumn<QString>("opgeslagen"); // %1 stands for the program folder
        QTest::addColumn<QString>("keuze");
        QTest::newRow("secondOfTwo") << u"%1/Backgrounds/Blauw 2.jpg"_s << u"Blauw 2"_s;
        QTest::newRow("first") << u"%1/Backgrounds/Blauw.jpg"_s << u"Blauw"_s;
        QTest::newRow("bareDefault") << u"Wallpaper-01.jpg"_s << u"Wallpaper-01"_s;
        QTest::newRow("otherFolder")
            << u"C:\\Spellen\\Drietal\\Backgrounds\\Blauw 2.jpg"_s << u"Blauw 2"_s;
        QTest::newRow("notThere") << u"%1/Backgrounds/Groen.jpg"_s << u""_s;
    }
    void openingShowsTheStoredWallpaperAndKeepsIt() {
        QFETCH(QString, opgeslagen);
        QFETCH(QString, keuze);
        Opstelling o;
        for (const char* naam : {"Blauw", "Blauw 2", "a", "Wallpaper-01"})
            QVERIFY(maakLeeg(Algemeen::achtergrondBestand(naam)));
        if (opgeslagen.contains(u"%1"))
            opgeslagen = opgeslagen.arg(o.map.pad());
        Algemeen::instellingen.WallpaperFile = opgeslagen;
        Config& v = o.open();
        QCOMPARE(items(v.List2()), QStringList({"a", "Blauw", "Blauw 2", "Wallpaper-01"}));
        QCOMPARE(gekozen(v.List2()), keuze);
        QCOMPARE(v.Label4()->text(), "Keuze achtergrond");
        v.close();
        QCOMPARE(Algemeen::instellingen.WallpaperFile, opgeslagen);
        QCOMPARE(o.wallpaper->count(), 0);
    }

    void choosingAWallpaperRewritesTheFile() {
        Opstelling o;
        for (const char* naam : {"Blauw", "Blauw 2", "Groen"})
            QVERIFY(maakLeeg(Algemeen::achtergrondBestand(naam)));
        Config& v = o.open();
        klikOp(v.List2(), "Blauw 2");
        QCOMPARE(Algemeen::instellingen.WallpaperFile,
                 o.map.pad() + QDir::separator() + "Backgrounds/Blauw 2.jpg");
        QCOMPARE(o.wallpaper->count(), 1);
        QTest::keyClick(v.List2(), Qt::Key_Down);
        QCOMPARE(Algemeen::instellingen.WallpaperFile, Algemeen::achtergrondBestand("Groen"));
        QCOMPARE(o.wallpaper->count(), 2);
        // The file need not be a picture to be chosen; the main window keeps its old one then.
        QVERIFY(QFile::exists(Algemeen::instellingen.WallpaperFile));
    }

    void titleColourSwatches() {
        Opstelling o;
        Config& v = o.open();
        for (const int i : {0, 1, 0}) {
            QTest::mouseClick(v.Label5(i), Qt::LeftButton);
            QCOMPARE(Algemeen::instellingen.TitelKleur, i == 1);
        }
        QCOMPARE(o.gewijzigd->count(), 3);
        // Only the left button chooses.
        QTest::mouseClick(v.Label5(1), Qt::RightButton);
        QCOMPARE(Algemeen::instellingen.TitelKleur, false);

        for (int i = 0; i < 2; ++i) {
            const QCursor hand = v.Label5(i)->cursor();
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
        Opstelling o;
        Config& v = o.open(nullptr, tandwiel);
        QCOMPARE(v.windowTitle(), " Configuratie");
        QCOMPARE(v.size(), QSize(524, 280));
        const QList<QPair<QWidget*, QRect>> plekken = {
            {v.Label1(), {16, 16, 116, 64}},       {v.ColorScroll(1), {18, 18, 112, 20}},
            {v.ColorScroll(2), {18, 38, 112, 20}}, {v.ColorScroll(3), {18, 58, 112, 20}},
            {v.Label3(), {142, 16, 66, 26}},       {v.ResetKnop(), {144, 18, 62, 22}},
            {v.Image1(), {150, 80, 48, 48}},       {v.Label6(), {16, 160, 129, 24}},
            {v.PauzeScroll(), {18, 162, 125, 20}}, {v.Text1(), {16, 235, 200, 22}},
            {v.Label5(0), {220, 234, 25, 25}},     {v.Label5(1), {250, 234, 25, 25}},
            {v.List1(), {220, 16, 126, 116}},      {v.List2(), {360, 16, 144, 116}},
            {v.BackKnoppen(), {442, 235, 60, 26}}, {v.CancelKnop(), {444, 237, 56, 22}},
        };
        for (const auto& [control, plek] : plekken)
            QCOMPARE(control->geometry(), plek);
        QCOMPARE(v.Label2()->text(), "Kleur formulieren");
        QCOMPARE(v.Label8()->text(), "Bedenktijd na de start");
        QCOMPARE(v.Label12()->text(), "Titel programma                           kleur");
        QCOMPARE(v.ResetKnop()->toolTip(), " Reset kleuren ");
        QCOMPARE(v.Image1()->pixmap().toImage().pixelColor(24, 24), QColor(Qt::red));
        // Labels size themselves to their text.
        QCOMPARE(v.Label7()->pos(), QPoint(148, 163));
        QVERIFY(v.Label7()->width() >= v.Label7()->sizeHint().width());
    }

    void restartBringsBackColoursAndThinkTime() {
        Opstelling o;
        o.map.schrijfOnderwerp("Geografie", rijen(10));
        o.map.schrijfOnderwerp("Dieren", rijen(10));
        QCOMPARE(Algemeen::InstellingenLaden(), Opslag::LeesStatus::Ontbreekt);
        Config& v = o.open();
        v.ColorScroll(1)->setValue(100);
        v.ColorScroll(3)->setValue(50);
        v.PauzeScroll()->setValue(25);
        klikOp(v.List1(), "Dieren");
        QCOMPARE(Algemeen::instellingen.Onderwerp, "Dieren");
        QTest::mouseClick(v.CancelKnop(), Qt::LeftButton);
        QCOMPARE(Algemeen::InstellingenOpslaan(), Opslag::OpslaanStatus::Opgeslagen);

        Algemeen::InstellingenStandaard();
        QCOMPARE(Algemeen::InstellingenLaden(), Opslag::LeesStatus::Gelezen);
        const auto& inst = Algemeen::instellingen;
        QCOMPARE(QList<int>({inst.ColorRed, inst.ColorGreen, inst.ColorBlue, inst.PauzeTijd}),
                 QList<int>({100, 220, 50, 25}));
        QCOMPARE(inst.Onderwerp, "Geografie");
    }

private:
    static bool maakLeeg(const QString& pad) {
        QFile bestand(pad);
        return QDir().mkpath(QFileInfo(pad).absolutePath()) && bestand.open(QIODevice::WriteOnly);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
