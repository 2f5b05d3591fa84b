// Which folder holds the player's files: the program folder of a portable copy, or the user's
// own data folder for an installed, read-only copy.
#include "storage/paths.h"
#include "storage/testmap.h"

#include <QTest>

using TestMap::lees;
using TestMap::schrijf;

class TestPaden : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        Opslag::zetProgrammaMap({});
        Opslag::zetGebruikersMap({});
    }

    void portableCopyKeepsEverythingInItsFolder() {
        QTemporaryDir programma, persoonlijk;
        Opslag::zetProgrammaMap(programma.path());
        QCOMPARE(Opslag::kiesGebruikersMap(programma.path(), persoonlijk.path() + "/x", true),
                 programma.path());
        QCOMPARE(Opslag::instellingenPad(), programma.path() + "/Drietalspel.ini");
        QVERIFY(!QFileInfo::exists(persoonlijk.path() + "/x"));
        QVERIFY(Opslag::isSchrijfbareMap(programma.path()));
    }

    // An executable in games/ takes its files from share/games/drietalspel of its prefix, unless
    // it has its own Sounds beside it: the build's program folder or a portable copy.
    void installedLayoutIsFoundFromTheExecutable() {
        QTemporaryDir prefix;
        const QString p = prefix.path();
        QVERIFY(QDir().mkpath(p + "/games") &&
                QDir().mkpath(p + "/share/games/drietalspel/Sounds"));
        const Opslag::Indeling geinstalleerd = Opslag::indelingVoor(p + "/games");
        QCOMPARE(geinstalleerd.programma, p + "/share/games/drietalspel");
        QVERIFY(geinstalleerd.geinstalleerd);
        QVERIFY(QDir().mkpath(p + "/games/Sounds"));
        const Opslag::Indeling portable = Opslag::indelingVoor(p + "/games");
        QCOMPARE(portable.programma, p + "/games");
        QVERIFY(!portable.geinstalleerd);
    }

    // At its first use the user's folder takes over the settings and the high-score list. Each
    // sample topic is offered once: copied where no file of its name is, never over the player's
    // own, not again once deleted; one added to the program folder later is still offered.
    void installedCopyUsesTheUserFolder() {
        QTemporaryDir programma, thuis;
        const QString p = programma.path();
        const QString persoonlijk = thuis.path() + "/Drietalspel";
        QVERIFY(schrijf(p + "/Drietalspel.ini", "ini") &&
                schrijf(p + "/Data/Scorelijst.lst", "lst") &&
                schrijf(p + "/Data/Geografie.dat", "g") && schrijf(p + "/Data/Dieren.dat", "d"));
        Opslag::zetProgrammaMap(p);

        QCOMPARE(Opslag::kiesGebruikersMap(p, persoonlijk, false), persoonlijk);
        QCOMPARE(Opslag::instellingenPad(), persoonlijk + "/Drietalspel.ini");
        QCOMPARE(Opslag::scoreLijstPad(), persoonlijk + "/Data/Scorelijst.lst");
        QCOMPARE(Opslag::achtergrondMap(), p + "/Backgrounds");
        const QStringList bestanden = {"/Drietalspel.ini", "/Data/Scorelijst.lst",
                                       "/Data/Geografie.dat", "/Data/Dieren.dat"};
        for (const QString& bestand : bestanden)
            QCOMPARE(lees(persoonlijk + bestand), lees(p + bestand));

        QVERIFY(QFile::remove(persoonlijk + "/Data/Dieren.dat") &&
                QFile::remove(persoonlijk + "/Data/Scorelijst.lst"));
        QVERIFY(schrijf(persoonlijk + "/Data/Sport.dat", "eigen") &&
                schrijf(p + "/Data/Sport.dat", "s") && schrijf(p + "/Data/Muziek.dat", "m"));
        Opslag::kiesGebruikersMap(p, persoonlijk, false);
        QVERIFY(!QFileInfo::exists(persoonlijk + "/Data/Dieren.dat"));
        QVERIFY(!QFileInfo::exists(persoonlijk + "/Data/Scorelijst.lst"));
        QCOMPARE(lees(persoonlijk + "/Data/Sport.dat"), "eigen");
        QCOMPARE(lees(persoonlijk + "/Data/Muziek.dat"), "m");
    }
};

QTEST_GUILESS_MAIN(TestPaden)
#include "tst_paden.moc"
