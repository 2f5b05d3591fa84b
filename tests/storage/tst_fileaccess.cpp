// Reading and replacing files, where they lie, and one copy of the game per folder.
#include "storage/fileaccess.h"
#include "storage/folderlock.h"
#include "support/testonderwerp.h"

#include <QtTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace Opslag;
using TestMap::lees;
using TestMap::schrijf;

Q_DECLARE_METATYPE(Opslag::LeesStatus)

class TstFileaccess : public QObject {
    Q_OBJECT
private slots:
    void leesStatus_data() {
        QTest::addColumn<int>("grootte"); // -1: no file, -2: a folder, -3: a FIFO
        QTest::addColumn<LeesStatus>("status");
        QTest::newRow("ontbreekt") << -1 << LeesStatus::Ontbreekt;
        QTest::newRow("map") << -2 << LeesStatus::Onleesbaar;
        QTest::newRow("fifo") << -3 << LeesStatus::Onleesbaar;
        QTest::newRow("precies_1_MiB") << int(kMaxBestandsgrootte) << LeesStatus::Gelezen;
        QTest::newRow("1_MiB_plus_1") << int(kMaxBestandsgrootte + 1) << LeesStatus::TeGroot;
    }
    void leesStatus() {
        QFETCH(int, grootte);
        QFETCH(LeesStatus, status);
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"bestand.dat"_s);
        if (grootte == -2)
            QVERIFY(QDir().mkpath(pad));
        else if (grootte == -3)
            QCOMPARE(mkfifo(QFile::encodeName(pad).constData(), 0600), 0);
        else if (grootte >= 0)
            QVERIFY(schrijf(pad, QByteArray(grootte, 'a')));
        // Asked first: reading a FIFO would wait for a writer for ever.
        QCOMPARE(isGewoonBestand(pad), grootte >= 0);
        const BestandsInhoud inhoud = leesTekstBestand(pad);
        QCOMPARE(inhoud.status, status);
        QCOMPARE(inhoud.tekst.size(), status == LeesStatus::Gelezen ? grootte : 0);
    }

    void vervangtMetReservekopie() {
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QCOMPARE(vervangBestand(pad, "een"), OpslaanStatus::Opgeslagen);
        QCOMPARE(vervangBestand(pad, "twee\x80"), OpslaanStatus::Opgeslagen);
        QVERIFY(!QFile::exists(pad + ".bak"));
        QCOMPARE(vervangBestand(pad, "drie", true), OpslaanStatus::Opgeslagen);
        QCOMPARE(vervangBestand(pad, "vier", true), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(pad + ".bak"), "drie"); // the older one replaced
        QCOMPARE(lees(pad), "vier");
    }

    // A save on a full disk leaves the file and its .bak as they were, and reports it.
    void volleSchijf() {
        QTemporaryDir tmp;
        const QString groot = tmp.filePath(u"Scorelijst.lst"_s); // too big for a .bak
        const QString klein = tmp.filePath(u"Drietalspel.ini"_s);
        QVERIFY(schrijf(groot, QByteArray(6000, 'o')) && schrijf(groot + ".bak", "goed") &&
                schrijf(klein, "oud"));
        const QStringList voor = TestMap::boom(tmp.path());
        const int mislukt = TestMap::inKind([&] {
            TestMap::beperkBestanden(4096);
            return int(vervangBestand(groot, "nieuw", true) == OpslaanStatus::SchrijvenMislukt) +
                   int(vervangBestand(klein, QByteArray(6000, 'n')) ==
                       OpslaanStatus::SchrijvenMislukt);
        });
        QCOMPARE(mislukt, 2);
        QCOMPARE(TestMap::boom(tmp.path()), voor);
    }

    // A file link that leads out of the program's folders is not written through; one that stays
    // inside is, and stays a link; a linked Data folder is followed as any folder.
    void links() {
        TestProgrammaMap map;
        const QString buiten = map.buiten(u"passwd"_s);
        QVERIFY(schrijf(buiten, "root") && schrijf(map.pad(u"echt.ini"_s), "oud"));
        QVERIFY(QFile::link(buiten, map.pad(u"Drietalspel.ini"_s)));
        QVERIFY(QFile::link(map.pad(u"echt.ini"_s), map.pad(u"binnen.ini"_s)));
        QVERIFY(QDir().mkpath(map.buiten(u"elders"_s)));
        QVERIFY(QFile::link(map.buiten(u"elders"_s), map.pad(u"Data"_s)));

        QCOMPARE(vervangBestand(map.pad(u"Drietalspel.ini"_s), "x"), OpslaanStatus::LinkNaarBuiten);
        QCOMPARE(lees(buiten), "root");
        QCOMPARE(vervangBestand(map.pad(u"binnen.ini"_s), "nieuw"), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(map.pad(u"echt.ini"_s)), "nieuw");
        QVERIFY(QFileInfo(map.pad(u"binnen.ini"_s)).isSymLink());
        QCOMPARE(vervangBestand(map.pad(u"Data/Scorelijst.lst"_s), "lijst"),
                 OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(map.buiten(u"elders/Scorelijst.lst"_s)), "lijst");
    }

    // A bare name lies in Backgrounds; a path that no longer exists (written on another computer)
    // falls back to the file of that name in Backgrounds.
    void wallpaperPad() {
        TestProgrammaMap map;
        const QString zee = map.buiten(u"Eigen/Zee.jpg"_s), eigen = map.pad(u"Backgrounds/W.jpg"_s);
        QVERIFY(schrijf(zee, "jpg"));
        for (const auto& [opgeslagen, verwacht] : {std::pair{u"W.jpg"_s, eigen},
                                                   {zee, zee},
                                                   {map.buiten(u"Weg/W.jpg"_s), eigen},
                                                   {u"C:\\x\\W.jpg"_s, eigen}})
            QCOMPARE(QDir::cleanPath(Opslag::wallpaperPad(opgeslagen)), verwacht);
    }

    // A portable copy keeps everything in its folder. An installed one uses the user's folder,
    // which at its first use takes over the settings and the high-score list. Each sample topic is
    // offered once: copied where no file of its name is, never over the player's own, not again
    // once deleted; one added to the program folder later is still offered.
    void gebruikersMap() {
        TestProgrammaMap map;
        const QString p = map.pad();
        QCOMPARE(kiesGebruikersMap(p, map.buiten(u"weg"_s), true), p);
        QCOMPARE(instellingenPad(), map.pad(u"Drietalspel.ini"_s));
        QVERIFY(!QFileInfo::exists(map.buiten(u"weg"_s)) && isSchrijfbareMap(p));
        const QString eigen = map.buiten(u"thuis/Drietalspel"_s);
        QVERIFY(schrijf(p + "/Drietalspel.ini", "ini") &&
                schrijf(p + "/Data/Scorelijst.lst", "lst") &&
                schrijf(p + "/Data/Geografie.dat", "g") && schrijf(p + "/Data/Dieren.dat", "d"));
        QCOMPARE(kiesGebruikersMap(p, eigen, false), eigen);
        QCOMPARE(scoreLijstPad(), eigen + "/Data/Scorelijst.lst");
        QCOMPARE(achtergrondMap(), p + "/Backgrounds");
        for (const char* bestand : {"/Drietalspel.ini", "/Data/Scorelijst.lst",
                                    "/Data/Geografie.dat", "/Data/Dieren.dat"})
            QCOMPARE(lees(eigen + bestand), lees(p + bestand));

        QVERIFY(QFile::remove(eigen + "/Data/Dieren.dat") &&
                QFile::remove(eigen + "/Data/Scorelijst.lst"));
        QVERIFY(schrijf(eigen + "/Data/Sport.dat", "eigen") &&
                schrijf(p + "/Data/Sport.dat", "s") && schrijf(p + "/Data/Muziek.dat", "m"));
        kiesGebruikersMap(p, eigen, false);
        QVERIFY(!QFileInfo::exists(eigen + "/Data/Dieren.dat"));
        QVERIFY(!QFileInfo::exists(eigen + "/Data/Scorelijst.lst"));
        QCOMPARE(lees(eigen + "/Data/Sport.dat"), "eigen");
        QCOMPARE(lees(eigen + "/Data/Muziek.dat"), "m");
    }

    // A copy that was killed leaves its lock behind, and the next start takes it over; while that
    // one runs, another start finds the folder busy.
    void eenKopiePerMap() {
        QTemporaryDir map;
        const int gedood = TestMap::inKind([&] {
            return int((new MapSlot(map.path()))->bezet()); // never let go
        });
        QCOMPARE(gedood, 0);
        QVERIFY(!QDir(map.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        const MapSlot slot(map.path());
        QVERIFY(!slot.bezet());
        QCOMPARE(TestMap::inKind([&] { return int(MapSlot(map.path()).bezet()); }), 1);
    }
};

QTEST_GUILESS_MAIN(TstFileaccess)
#include "tst_fileaccess.moc"
