// The settings file and the high-score list.
#include "storage/scorefile.h"
#include "storage/settingsfile.h"
#include "storage/testmap.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace Opslag;
using TestMap::kKop;
using TestMap::kStandaard;

namespace {

// The seven stored values in file order, so a failed comparison shows which one differs.
QStringList waarden(const OpgeslagenInstellingen& w) {
    return {QString::number(w.ColorRed),
            QString::number(w.ColorGreen),
            QString::number(w.ColorBlue),
            w.WallpaperFile,
            QString::number(w.PauzeTijd),
            w.TitelTekst,
            w.TitelKleur ? u"#TRUE#"_s : u"#FALSE#"_s};
}

} // namespace

class TstSettingsfile : public QObject {
    Q_OBJECT
private slots:
    void standaardBestand() {
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QCOMPARE(schrijfInstellingen(pad, OpgeslagenInstellingen()), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad), kStandaard);
        const GelezenInstellingen gelezen = leesInstellingen(pad);
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        QCOMPARE(waarden(gelezen.waarden), waarden(OpgeslagenInstellingen()));
        QCOMPARE(instellingenBytes(gelezen.waarden), kStandaard);
    }

    void rondreis() {
        OpgeslagenInstellingen w;
        w.ColorRed = 0;
        w.ColorBlue = 255;
        w.WallpaperFile = u"/home/speler/Blauw scherm.jpg"_s;
        w.PauzeTijd = 30;
        w.TitelTekst = u" Eén, twee en drie € "_s;
        w.TitelKleur = false;
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QCOMPARE(schrijfInstellingen(pad, w), OpslaanStatus::Opgeslagen);
        QVERIFY(TestMap::lees(pad).endsWith("\r\n\" E\xE9n, twee en drie \x80 \"\r\n#FALSE#\r\n"));
        const GelezenInstellingen gelezen = leesInstellingen(pad);
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        QCOMPARE(waarden(gelezen.waarden), waarden(w));
    }

    void afgebroken_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("gelezen"); // the values before the break
        QTest::newRow("leeg") << QByteArray() << QStringList();
        QTest::newRow("midden_in_kleuren") << kKop + "10,20" << QStringList{"10", "20"};
        QTest::newRow("woord_voor_groen")
            << kKop + "100,abc,50\r\n\"W.jpg\"\r\n12\r\n\"T\"\r\n#FALSE#\r\n"
            << QStringList{"100"};
        QTest::newRow("woord_voor_pauze")
            << kKop + "1,2,3\r\n\"W.jpg\"\r\ntien\r\n\"T\"\r\n#FALSE#\r\n"
            << QStringList{"1", "2", "3", "W.jpg"};
        QTest::newRow("geen_waarheid") << kKop + "1,2,3\r\n\"W.jpg\"\r\n12\r\n\"T\"\r\nJA\r\n"
                                       << QStringList{"1", "2", "3", "W.jpg", "12", "T"};
        QTest::newRow("zonder_laatste_regel") << kKop + "1,2,3\r\n\"W.jpg\"\r\n12\r\n\"T\"\r\n"
                                              << QStringList{"1", "2", "3", "W.jpg", "12", "T"};
    }
    void afgebroken() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, gelezen);
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Drietalspel.ini"_s);
        QVERIFY(TestMap::schrijf(pad, bytes));
        const GelezenInstellingen uitkomst = leesInstellingen(pad);
        QCOMPARE(uitkomst.status, LeesStatus::Afgebroken);
        QCOMPARE(waarden(uitkomst.waarden), gelezen + waarden({}).mid(gelezen.size()));
    }

    void begrenst_data() {
        QTest::addColumn<QString>("kleur");
        QTest::addColumn<QString>("pauze");
        QTest::addColumn<QStringList>("verwacht"); // red, green, blue, think time
        QTest::newRow("pauze_3") << "10"
                                 << "3" << QStringList{"10", "10", "10", "5"};
        QTest::newRow("pauze_99") << "10"
                                  << "99" << QStringList{"10", "10", "10", "30"};
        QTest::newRow("pauze_300") << "10"
                                   << "300" << QStringList{"10", "10", "10", "30"};
        QTest::newRow("randen") << "255"
                                << "5" << QStringList{"255", "255", "255", "5"};
        QTest::newRow("kleur_300") << "300"
                                   << "30" << QStringList{"255", "255", "255", "30"};
        QTest::newRow("kleur_-5") << "-5"
                                  << "10" << QStringList{"0", "0", "0", "10"};
    }
    void begrenst() {
        QFETCH(QString, kleur);
        QFETCH(QString, pauze);
        QFETCH(QStringList, verwacht);
        const GelezenInstellingen gelezen = leesInstellingenTekst(
            QString::fromLatin1(kKop) +
            u"%1,%1,%1\r\n\"W.jpg\"\r\n%2\r\n\"T\"\r\n#TRUE#\r\n"_s.arg(kleur, pauze));
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        const QStringList w = waarden(gelezen.waarden);
        QCOMPARE(w.mid(0, 3) << w.at(4), verwacht);
    }

    void weigertTekst_data() {
        QTest::addColumn<QString>("titel");
        QTest::newRow("aanhalingsteken") << u"Het \"spel\""_s;
        QTest::newRow("regeleinde") << u"Drie\r\ntal"_s;
        QTest::newRow("losse_cr") << u"Drie\rtal"_s;
        QTest::newRow("l_met_streep") << u"Łódź"_s;
        QTest::newRow("emoji") << u"Drietal \U0001F600"_s;
    }
    void weigertTekst() {
        QFETCH(QString, titel);
        OpgeslagenInstellingen w;
        w.TitelTekst = titel;
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Data/Drietalspel.ini"_s);
        QVERIFY(TestMap::schrijf(pad, kStandaard));
        const QStringList voor = TestMap::boom(tmp.path());
        QCOMPARE(schrijfInstellingen(pad, w, true), OpslaanStatus::OngeldigeTekst);
        QCOMPARE(schrijfInstellingen(tmp.filePath(u"nieuw.ini"_s), w),
                 OpslaanStatus::OngeldigeTekst);
        QCOMPARE(schrijfScoreLijst(tmp.filePath(u"Data/Scorelijst.lst"_s), {"01:00 - A", titel}),
                 OpslaanStatus::OngeldigeTekst);
        QCOMPARE(TestMap::boom(tmp.path()), voor);
    }

    void scoreLijst_data() {
        QTest::addColumn<QStringList>("regels");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("leeg") << QStringList() << kKop;
        QTest::newRow("een") << QStringList{"03:27 - Nobody"} << kKop + "\"03:27 - Nobody\"\r\n";
        QTest::newRow("komma_en_accent")
            << QStringList{"01:05 - Jan, Piet", u"10:00 - Zoë"_s}
            << kKop + "\"01:05 - Jan, Piet\"\r\n\"10:00 - Zo\xEB\"\r\n";
    }
    void scoreLijst() {
        QFETCH(QStringList, regels);
        QFETCH(QByteArray, bytes);
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"Scorelijst.lst"_s);
        QCOMPARE(schrijfScoreLijst(pad, regels), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(pad), bytes);
        const GelezenScoreLijst gelezen = leesScoreLijst(pad);
        QCOMPARE(gelezen.status, LeesStatus::Gelezen);
        QCOMPARE(gelezen.regels, regels);
    }
};

QTEST_GUILESS_MAIN(TstSettingsfile)
#include "tst_settingsfile.moc"
