// Reading and replacing files, and where the files lie.
#include "storage/fileaccess.h"
#include "storage/testmap.h"

#include <QtTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

using namespace Opslag;

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
            QVERIFY(TestMap::schrijf(pad, QByteArray(grootte, 'a')));
        const BestandsInhoud inhoud = leesTekstBestand(pad);
        QCOMPARE(inhoud.status, status);
        QCOMPARE(inhoud.tekst.size(), status == LeesStatus::Gelezen ? grootte : 0);
        QCOMPARE(isGewoonBestand(pad), grootte >= 0);
    }

    void vervangtMetReservekopie() {
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QCOMPARE(vervangBestand(pad, "een\r\n"), OpslaanStatus::Opgeslagen);
        QCOMPARE(vervangBestand(pad, "twee\x80\r\n"), OpslaanStatus::Opgeslagen);
        QVERIFY(!QFile::exists(pad + ".bak"));
        QCOMPARE(vervangBestand(pad, "drie\r\n", true), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad + ".bak"), QByteArray("twee\x80\r\n"));
        QCOMPARE(vervangBestand(pad, "vier\r\n", true), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad + ".bak"), QByteArray("drie\r\n")); // the stale one replaced
        QCOMPARE(TestMap::lees(pad), QByteArray("vier\r\n"));
    }

    // A save on a full disk leaves the file and its .bak as they were, and reports it.
    void volleSchijf() {
        QTemporaryDir tmp;
        const QString groot = tmp.filePath(u"Scorelijst.lst"_s); // too big for a .bak
        const QString klein = tmp.filePath(u"Drietalspel.ini"_s);
        QVERIFY(TestMap::schrijf(groot, QByteArray(6000, 'o')) &&
                TestMap::schrijf(groot + ".bak", "goed") && TestMap::schrijf(klein, "oud"));
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
        TestMap::ProgrammaMap map;
        const QString buiten = map.tmp.filePath(u"passwd"_s);
        QVERIFY(TestMap::schrijf(buiten, "root") &&
                TestMap::schrijf(map.pad(u"echt.ini"_s), "oud"));
        QVERIFY(QFile::link(buiten, map.pad(u"Drietalspel.ini"_s)));
        QVERIFY(QFile::link(map.pad(u"echt.ini"_s), map.pad(u"binnen.ini"_s)));
        QVERIFY(QDir().mkpath(map.tmp.filePath(u"elders"_s)));
        QVERIFY(QFile::link(map.tmp.filePath(u"elders"_s), map.pad(u"Data"_s)));

        QCOMPARE(vervangBestand(map.pad(u"Drietalspel.ini"_s), "x", true),
                 OpslaanStatus::LinkNaarBuiten);
        QCOMPARE(TestMap::lees(buiten), "root");
        QCOMPARE(vervangBestand(map.pad(u"binnen.ini"_s), "nieuw"), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(map.pad(u"echt.ini"_s)), "nieuw");
        QVERIFY(QFileInfo(map.pad(u"binnen.ini"_s)).isSymLink());
        QCOMPARE(vervangBestand(map.pad(u"Data/Scorelijst.lst"_s), "lijst"),
                 OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(map.tmp.filePath(u"elders/Scorelijst.lst"_s)), "lijst");
    }

    void wallpaperPad_data() {
        QTest::addColumn<QString>("opgeslagen");
        QTest::addColumn<QString>("verwacht"); // below the temporary folder
        QTest::newRow("kale_naam") << "Wallpaper-01.jpg"
                                   << "Drietalspel/Backgrounds/Wallpaper-01.jpg";
        QTest::newRow("bestaand_absoluut") << "<tmp>/Eigen/Zee.jpg"
                                           << "Eigen/Zee.jpg";
        QTest::newRow("verdwenen_absoluut") << "<tmp>/Weg/Blauw.jpg"
                                            << "Drietalspel/Backgrounds/Blauw.jpg";
        QTest::newRow("windows_pad") << "C:\\x\\Backgrounds\\Blauw.jpg"
                                     << "Drietalspel/Backgrounds/Blauw.jpg";
    }
    void wallpaperPad() {
        QFETCH(QString, opgeslagen);
        QFETCH(QString, verwacht);
        TestMap::ProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.tmp.filePath(u"Eigen/Zee.jpg"_s), "jpg"));
        opgeslagen.replace(u"<tmp>"_s, map.tmp.path());
        QCOMPARE(QDir::cleanPath(Opslag::wallpaperPad(opgeslagen)), map.tmp.filePath(verwacht));
    }
};

QTEST_GUILESS_MAIN(TstFileaccess)
#include "tst_fileaccess.moc"
