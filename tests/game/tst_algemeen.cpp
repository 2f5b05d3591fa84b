// Loading and storing the settings and the high-score list the program shares.
#include "game/algemeen.h"
#include "storage/paths.h"
#include "storage/scorefile.h"
#include "storage/testmap.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace Algemeen;
using Opslag::LeesStatus;
using Opslag::OpslaanStatus;
using TestMap::kKop;
using TestMap::kStandaard;

Q_DECLARE_METATYPE(Opslag::LeesStatus)

class TstAlgemeen : public QObject {
    Q_OBJECT
private slots:
    void init() {
        InstellingenStandaard();
        BackScoreLijst.clear();
    }

    void eersteStart() {
        // What is in memory before the first start has no place in the file it writes.
        instellingen.PauzeTijd = 25;
        instellingen.TitelKleur = false;
        instellingen.Onderwerp = u"Dieren"_s;
        TestMap::ProgrammaMap map;
        const QString ini = map.pad(u"Drietalspel.ini"_s);
        QCOMPARE(InstellingenLaden(), LeesStatus::Ontbreekt);
        QCOMPARE(TestMap::lees(ini), kStandaard);
        QCOMPARE(instellingen.PauzeTijd, 10);
        QCOMPARE(instellingen.TitelKleur, true);
        QCOMPARE(instellingen.Onderwerp, u"Dieren"_s); // not stored, not touched
        const QString wallpaper = map.pad(u"Backgrounds/Wallpaper-01.jpg"_s);
        QCOMPARE(instellingen.WallpaperFile, wallpaper);

        QCOMPARE(InstellingenOpslaan(), OpslaanStatus::Opgeslagen);
        QCOMPARE(
            TestMap::lees(ini),
            QByteArray(kStandaard).replace("\"Wallpaper-01.jpg\"", '"' + wallpaper.toUtf8() + '"'));
        QVERIFY(!QFileInfo::exists(ini + ".bak"));
        QCOMPARE(InstellingenLaden(), LeesStatus::Gelezen);
        QCOMPARE(instellingen.WallpaperFile, wallpaper);
    }

    // A file read only in part, or holding what the file cannot hold (text from a UTF-8 file, a
    // stray quote, a line break inside quotes), is kept once as .bak; the save goes through.
    void bewaartDeelsGelezenInstellingen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LeesStatus>("status");
        QTest::addColumn<bool>("bak");
        QTest::newRow("schoon") << kStandaard << LeesStatus::Gelezen << false;
        QTest::newRow("eindigt_na_kleuren") << kKop + "1,2,3\r\n" << LeesStatus::Afgebroken << true;
        QTest::newRow("woord_als_pauze")
            << kKop + "1,2,3\r\n\"a.jpg\"\r\nlang\r\n\"T\"\r\n#TRUE#\r\n"
            << LeesStatus::Afgebroken << true;
        QTest::newRow("utf8_titel") << kKop + "1,2,3\r\n\"a.jpg\"\r\n7\r\n\"\xc5\x81\xc3\xb3"
                                              "d\xc5\xba\"\r\n#TRUE#\r\n"
                                    << LeesStatus::Gelezen << true;
        QTest::newRow("aanhalingsteken_in_titel")
            << kKop + "1,2,3\r\n\"a.jpg\"\r\n7\r\nDe \"titel\"\r\n#TRUE#\r\n"
            << LeesStatus::Gelezen << true;
    }
    void bewaartDeelsGelezenInstellingen() {
        QFETCH(QByteArray, bytes);
        QFETCH(LeesStatus, status);
        QFETCH(bool, bak);
        TestMap::ProgrammaMap map;
        const QString ini = Opslag::instellingenPad();
        QVERIFY(TestMap::schrijf(ini, bytes));
        QCOMPARE(InstellingenLaden(), status);
        QCOMPARE(InstellingenOpslaan(), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(ini + ".bak"), bak ? bytes : QByteArray());
        QCOMPARE(QFileInfo::exists(ini + ".bak"), bak);

        // Later saves leave that backup alone.
        instellingen.PauzeTijd = 20;
        QCOMPARE(InstellingenOpslaan(), OpslaanStatus::Opgeslagen);
        QCOMPARE(Opslag::leesInstellingen(ini).waarden.PauzeTijd, 20);
        QCOMPARE(TestMap::lees(ini + ".bak"), bak ? bytes : QByteArray());
    }

    void bewaartDeelsGelezenScoreLijst_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>(
            "regels"); // entries kept; a .bak is expected unless the file is clean
        QTest::addColumn<bool>("bak");
        QTest::newRow("schoon") << kKop + "\"01:00 - A\"\r\n" << 1 << false;
        QTest::newRow("een_kopregel")
            << QByteArray("\"Heldergroeve Software 2012\"\r\n") << 0 << true;
        QTest::newRow("te_groot") << QByteArray(Opslag::kMaxBestandsgrootte + 1, ' ') << 0 << true;
        QTest::newRow("utf8_naam") << kKop + "\"01:00 - \xc5\x81ukasz\"\r\n" << 1 << true;
        QTest::newRow("los_aanhalingsteken") << kKop + "01:00 - Jan \"de\" Vries\r\n" << 1 << true;
        QTest::newRow("regeleinde_in_veld") << kKop + "\"01:00 - Jan\r\n\x01\xff\"\r\n\"\r\n\"\r\n"
                                            << 1 << true;
    }
    void bewaartDeelsGelezenScoreLijst() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, regels);
        QFETCH(bool, bak);
        TestMap::ProgrammaMap map;
        const QString lijst = Opslag::scoreLijstPad();
        QVERIFY(TestMap::schrijf(lijst, bytes));
        ScoreLijstLaden();
        BackScoreLijst.append(u"02:00 - B"_s);
        QCOMPARE(BackScoreLijst.size(), regels + 1);
        QCOMPARE(ScoreLijstOpslaan(), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(lijst + ".bak"), bak ? bytes : QByteArray());
        QCOMPARE(QFileInfo::exists(lijst + ".bak"), bak);
        QCOMPARE(Opslag::leesScoreLijst(lijst).regels, BackScoreLijst);
    }

    void programFolderOutsideWindows1252StillSavesItsSettings() {
        QTemporaryDir tmp;
        const QString map = tmp.filePath(u"\u0141\u00f3d\u017a"_s); // Łódź
        QVERIFY(QDir().mkpath(map));
        Opslag::zetProgrammaMap(map);
        auto herstel = qScopeGuard([] { Opslag::zetProgrammaMap({}); });
        QCOMPARE(InstellingenLaden(), LeesStatus::Ontbreekt);
        QVERIFY(instellingen.WallpaperFile.startsWith(map));
        instellingen.PauzeTijd = 17;
        QCOMPARE(InstellingenOpslaan(), OpslaanStatus::Opgeslagen);
        const QByteArray bytes = TestMap::lees(map + u"/Drietalspel.ini"_s);
        QVERIFY(bytes.contains("\r\n\"Wallpaper-01.jpg\"\r\n17\r\n"));
    }

    void scoreLijstRondreis() {
        TestMap::ProgrammaMap map;
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Ontbreekt);
        QVERIFY(BackScoreLijst.isEmpty());
        QVERIFY(TestMap::schrijf(
            Opslag::scoreLijstPad(),
            kKop + "\"03:27 - Nobody\"\r\n\"\"\r\n\"  \"\r\n\r\n\"01:05 - Jan\"\r\n"));
        BackScoreLijst.append(u"09:59 - Al bekend"_s);
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Gelezen);
        QStringList verwacht = {"09:59 - Al bekend", "03:27 - Nobody", "01:05 - Jan"};
        QCOMPARE(BackScoreLijst, verwacht);

        BackScoreLijst.append(u"00:42 - Karel, de Grote"_s);
        verwacht = BackScoreLijst;
        QCOMPARE(ScoreLijstOpslaan(), OpslaanStatus::Opgeslagen);
        BackScoreLijst.clear();
        QCOMPARE(ScoreLijstLaden(), LeesStatus::Gelezen);
        QCOMPARE(BackScoreLijst, verwacht);
    }
};

QTEST_GUILESS_MAIN(TstAlgemeen)
#include "tst_algemeen.moc"
