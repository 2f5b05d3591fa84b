// Which folder holds the player's files: the program folder of a portable copy, or the user's
// own data folder for an installed, read-only copy.
#include "storage/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPaden : public QObject {
    Q_OBJECT

    static void schrijf(const QString& pad, const QByteArray& bytes) {
        QFile f(pad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

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

    void installedCopySeedsTheUserFolderOnce() {
        QTemporaryDir programma, thuis;
        QVERIFY(QDir().mkpath(programma.path() + "/Data"));
        schrijf(programma.path() + "/Data/Geografie.dat", "\"a\",\"b\",\"c\"\r\n");
        schrijf(programma.path() + "/Data/Dieren.dat", "\"d\",\"e\",\"f\"\r\n");
        schrijf(programma.path() + "/Data/Scorelijst.lst", "van de installatie");
        Opslag::zetProgrammaMap(programma.path());
        const QString persoonlijk = thuis.path() + "/Drietalspel";

        QCOMPARE(Opslag::kiesGebruikersMap(programma.path(), persoonlijk, false), persoonlijk);
        QCOMPARE(Opslag::dataMap(), persoonlijk + "/Data");
        QCOMPARE(Opslag::instellingenPad(), persoonlijk + "/Drietalspel.ini");
        QCOMPARE(Opslag::scoreLijstPad(), persoonlijk + "/Data/Scorelijst.lst");
        QCOMPARE(Opslag::achtergrondMap(), programma.path() + "/Backgrounds");
        QVERIFY(QFile::exists(persoonlijk + "/Data/Geografie.dat"));
        QVERIFY(QFile::exists(persoonlijk + "/Data/Dieren.dat"));
        QVERIFY(!QFile::exists(persoonlijk + "/Data/Scorelijst.lst"));

        // A topic the player deleted or changed is not brought back at the next start.
        QVERIFY(QFile::remove(persoonlijk + "/Data/Dieren.dat"));
        schrijf(persoonlijk + "/Data/Geografie.dat", "\"x\",\"y\",\"z\"\r\n");
        Opslag::kiesGebruikersMap(programma.path(), persoonlijk, false);
        QVERIFY(!QFile::exists(persoonlijk + "/Data/Dieren.dat"));
        QFile f(persoonlijk + "/Data/Geografie.dat");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\"x\",\"y\",\"z\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPaden)
#include "tst_paden.moc"
