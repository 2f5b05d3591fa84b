// The decisions of the settings window: complete topics and their message, the wallpaper entry
// that stands for the stored one, the bars' ranges and the titles that can be stored.
#include "game/instellingenkeuze.h"
#include "support/testonderwerp.h"

#include <QFile>
#include <QTest>

using namespace Algemeen;

namespace {

// Rows of three words with `leeg` of the words of the first rows left empty.
QList<QStringList> rijen(int aantal, int leeg = 0) {
    QList<QStringList> r;
    for (int i = 0; i < aantal; ++i)
        r.append({QStringLiteral("a%1").arg(i), QStringLiteral("b%1").arg(i),
                  QStringLiteral("c%1").arg(i)});
    for (int i = 0; i < leeg; ++i)
        r[i][1].clear();
    return r;
}

void maakLeeg(const QString& pad) {
    QFile bestand(pad);
    QVERIFY(bestand.open(QIODevice::WriteOnly));
}

} // namespace

class TestInstellingenKeuze : public QObject {
    Q_OBJECT
private slots:
    void topicMessageCountsWords_data() {
        QTest::addColumn<int>("woorden");
        QTest::addColumn<bool>("compleet");
        QTest::addColumn<QString>("tweedeRegel");
        QTest::newRow("30") << 30 << true << QString();
        QTest::newRow("27") << 27 << false
                            << QStringLiteral("er moeten nog 3 woorden worden ingevuld.");
        QTest::newRow("28") << 28 << false
                            << QStringLiteral("er moeten nog 2 woorden worden ingevuld.");
        QTest::newRow("29") << 29 << false
                            << QStringLiteral("er moet nog 1 woord worden ingevuld.");
        QTest::newRow("0") << 0 << false
                           << QStringLiteral("er moeten nog 30 woorden worden ingevuld.");
        QTest::newRow("31") << 31 << false << QStringLiteral("er is 1 woord te veel.");
        QTest::newRow("33") << 33 << false << QStringLiteral("er zijn 3 woorden te veel.");
        QTest::newRow("36") << 36 << false << QStringLiteral("er zijn 6 woorden te veel.");
    }
    void topicMessageCountsWords() {
        QFETCH(int, woorden);
        QFETCH(bool, compleet);
        QFETCH(QString, tweedeRegel);
        QCOMPARE(isCompleetOnderwerp(woorden), compleet);
        const QString verwacht =
            compleet ? QString()
                     : QStringLiteral("Onderwerp 'Dieren' is niet compleet,\n") + tweedeRegel;
        QCOMPARE(onvolledigOnderwerpMelding(QStringLiteral("Dieren"), woorden), verwacht);
    }

    void topicCheckReadsTheFile_data() {
        QTest::addColumn<int>("rijen");
        QTest::addColumn<int>("leeg");
        QTest::addColumn<QString>("melding");
        const QString kop = QStringLiteral("Onderwerp 'Proef' is niet compleet,\n");
        QTest::newRow("tenFullRows") << 10 << 0 << QString();
        QTest::newRow("nineRows") << 9 << 0
                                  << kop +
                                         QStringLiteral("er moeten nog 3 woorden worden ingevuld.");
        QTest::newRow("oneWordEmpty")
            << 10 << 1 << kop + QStringLiteral("er moet nog 1 woord worden ingevuld.");
        QTest::newRow("elevenRows")
            << 11 << 0 << kop + QStringLiteral("er zijn 3 woorden te veel.");
        QTest::newRow("emptyFile")
            << 0 << 0 << kop + QStringLiteral("er moeten nog 30 woorden worden ingevuld.");
    }
    void topicCheckReadsTheFile() {
        QFETCH(int, rijen);
        QFETCH(int, leeg);
        QFETCH(QString, melding);
        TestProgrammaMap map;
        map.schrijfOnderwerp(QStringLiteral("Proef"), ::rijen(rijen, leeg));
        QVERIFY(QFile::exists(*Opslag::onderwerpPad(QStringLiteral("Proef"))));
        const auto weigering = onderwerpWeigering(QStringLiteral("Proef"));
        QCOMPARE(weigering.has_value(), !melding.isEmpty());
        QCOMPARE(weigering.value_or(QString()), melding);
    }

    void missingTopicFileCountsAsNoWords() {
        TestProgrammaMap map;
        QCOMPARE(onderwerpWeigering(QStringLiteral("Weg")).value_or(QString()),
                 QStringLiteral("Onderwerp 'Weg' is niet compleet,\n"
                                "er moeten nog 30 woorden worden ingevuld."));
    }

    void listsAreOrderedByNameIgnoringCase() {
        TestProgrammaMap map;
        for (const QString naam : {"Dier 2", "Dier", "appel", "Beroepen"})
            map.schrijfOnderwerp(naam, rijen(10));
        // "Dier 2.dat" comes before "Dier.dat" as a file name.
        QCOMPARE(keuzeOnderwerpen(), QStringList({"appel", "Beroepen", "Dier", "Dier 2"}));

        QVERIFY(QDir().mkpath(Opslag::achtergrondMap()));
        for (const QString naam : {"Blauw 2.jpg", "Blauw.jpg", "a.jpg", "Aan \"zee\".jpg"})
            maakLeeg(Opslag::achtergrondMap() + "/" + naam);
        // A name with a double quote could never be written to the settings file.
        QCOMPARE(keuzeAchtergronden(), QStringList({"a", "Blauw", "Blauw 2"}));
        QCOMPARE(achtergrondBestand(QStringLiteral("Blauw 2")),
                 QDir(Opslag::achtergrondMap()).filePath(QStringLiteral("Blauw 2.jpg")));
    }

    void wallpaperMatchesByFileName_data() {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<int>("keuze");
        const QStringList blauw = {"Blauw", "Blauw 2"};
        QTest::newRow("secondNotStolenByPrefix") << blauw << "/spel/Backgrounds/Blauw 2.jpg" << 1;
        QTest::newRow("first") << blauw << "/spel/Backgrounds/Blauw.jpg" << 0;
        QTest::newRow("windowsPath") << blauw << "C:\\Spel\\Backgrounds\\Blauw 2.jpg" << 1;
        QTest::newRow("letterInFolderName")
            << QStringList{"a", "g", "Blauw"} << "/spel/Backgrounds/Blauw.jpg" << 2;
        QTest::newRow("bareDefault")
            << QStringList{"Wallpaper-01", "Wallpaper-02"} << "Wallpaper-01.jpg" << 0;
        QTest::newRow("otherCase") << blauw << "/spel/Backgrounds/blauw.jpg" << -1;
        QTest::newRow("notListed") << blauw << "/spel/Backgrounds/Groen.jpg" << -1;
        QTest::newRow("nameWithoutExtension") << blauw << "/spel/Backgrounds/Blauw" << -1;
        QTest::newRow("empty") << blauw << "" << -1;
    }
    void wallpaperMatchesByFileName() {
        QFETCH(QStringList, namen);
        QFETCH(QString, wallpaper);
        QFETCH(int, keuze);
        QCOMPARE(wallpaperKeuze(namen, wallpaper), keuze);
    }

    void valuesAreClampedToTheBars_data() {
        QTest::addColumn<QList<int>>("in");
        QTest::addColumn<QList<int>>("uit");
        QTest::newRow("inRange") << QList<int>{0, 128, 255, 5} << QList<int>{0, 128, 255, 5};
        QTest::newRow("maxThinkTime")
            << QList<int>{220, 220, 190, 30} << QList<int>{220, 220, 190, 30};
        QTest::newRow("tooLow") << QList<int>{-1, -300, 0, 3} << QList<int>{0, 0, 0, 5};
        QTest::newRow("tooHigh") << QList<int>{256, 1000, 255, 31} << QList<int>{255, 255, 255, 30};
    }
    void valuesAreClampedToTheBars() {
        QFETCH(QList<int>, in);
        QFETCH(QList<int>, uit);
        Opslag::OpgeslagenInstellingen w;
        w.ColorRed = in[0];
        w.ColorGreen = in[1];
        w.ColorBlue = in[2];
        w.PauzeTijd = in[3];
        w.TitelTekst = QStringLiteral("Blijft");
        QCOMPARE(begrensInstellingen(w), in != uit);
        QCOMPARE(QList<int>({w.ColorRed, w.ColorGreen, w.ColorBlue, w.PauzeTijd}), uit);
        QCOMPARE(w.TitelTekst, QStringLiteral("Blijft"));
    }

    void titlesThatCannotBeStoredAreRefused_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("melding");
        const QString quote = QStringLiteral("De titel mag geen aanhalingsteken (\") bevatten:\n"
                                             "dat teken kan niet worden bewaard.");
        const QString teken = QStringLiteral("De titel mag het teken '%1' niet bevatten:\n"
                                             "dat teken kan niet worden bewaard.");
        QTest::newRow("default") << "Drietalspel" << QString();
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("commaAndBlanks") << "  Spel, met komma " << QString();
        QTest::newRow("windows1252") << QStringLiteral("Café € ‘spel’") << QString();
        QTest::newRow("doubleQuote") << "Het \"grote\" spel" << quote;
        QTest::newRow("onlyQuote") << "\"" << quote;
        QTest::newRow("checkMark") << QStringLiteral("Spel ✓") << teken.arg(QStringLiteral("✓"));
        QTest::newRow("outsideBmp")
            << QStringLiteral("Spel 😀 nu") << teken.arg(QStringLiteral("😀"));
    }
    void titlesThatCannotBeStoredAreRefused() {
        QFETCH(QString, titel);
        QFETCH(QString, melding);
        const auto weigering = titelWeigering(titel);
        QCOMPARE(weigering.has_value(), !melding.isEmpty());
        QCOMPARE(weigering.value_or(QString()), melding);
        // What is taken can be written to the settings file.
        Opslag::OpgeslagenInstellingen w;
        w.TitelTekst = titel;
        QCOMPARE(Opslag::instellingenBytes(w).isEmpty(), weigering.has_value());
    }
};

QTEST_GUILESS_MAIN(TestInstellingenKeuze)
#include "tst_instellingenkeuze.moc"
