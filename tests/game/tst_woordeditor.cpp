// The word list editor's rules, driven without a window against topic files in a temporary
// program folder.
#include "game/woordeditor.h"
#include "support/testonderwerp.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <functional>

using Algemeen::WoordEditor;
using E = WoordEditor;

namespace {

const QString kTeVeel = "Maximaal 10 woorden (regels) per onderwerp...";
const QString kNietIngevuld = "Niet alle tekstvelden zijn ingevuld!";
const QString kGeenSelectie = "Geen woord geselecteerd!";
const QString kRegeleinde = "Een woord mag geen regeleinde bevatten!";
const QString kDubbel = "Géén dubbele namen als onderwerp gebruiken...";
const QString kOngeldig = "Deze naam kan niet als onderwerp worden gebruikt. Gebruik geen tekens "
                          "als \\ / : * ? \" < > | en niet alleen een punt; een heel lange naam "
                          "past ook niet.";
const QString kNietOpgeslagen =
    "Het onderwerp kon niet worden opgeslagen! Het bestand is niet veranderd.";
const QString kOnopslaanbaar = "Het onderwerp kon niet worden opgeslagen: een woord bevat een "
                               "aanhalingsteken, een regeleinde of een teken dat niet in het "
                               "bestand past. Het bestand is niet veranderd.";

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

bool schrijf(const QString& pad, const QByteArray& bytes) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every file and folder below map with its bytes, to see that nothing was written.
QStringList inhoud(const QString& map) {
    QStringList lijst;
    QDirIterator it(map, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        lijst << pad + ' ' + (it.fileInfo().isFile() ? lees(pad).toHex() : "map");
    }
    lijst.sort();
    return lijst;
}

QStringList abc(int i) {
    return {QString("a%1").arg(i), QString("b%1").arg(i), QString("c%1").arg(i)};
}

// The three columns of the rows abc(i), for each i of rijen.
QList<QStringList> abcKolommen(const QList<int>& rijen) {
    QList<QStringList> kolommen(3);
    for (int i : rijen) {
        for (int k = 0; k < 3; ++k)
            kolommen[k] << abc(i)[k];
    }
    return kolommen;
}

struct Opstelling {
    TestProgrammaMap map;
    WoordEditor e;

    QString bestand(const QString& naam) const { return map.pad() + "/Data/" + naam + ".dat"; }
    // Opens the editor on topic "Geografie" holding the rows abc(0) ... abc(n - 1).
    void openMet(int n) {
        map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen().mid(0, n));
        e.openen("Geografie");
    }
    void typ(const QStringList& woorden) {
        for (int k = 0; k < 3; ++k)
            e.zetTekst(k, woorden[k]);
    }
    QStringList teksten() const { return {e.tekst(0), e.tekst(1), e.tekst(2)}; }
    QStringList rij(int r) const {
        return {e.kolom(0).value(r), e.kolom(1).value(r), e.kolom(2).value(r)};
    }
    QList<QStringList> kolommen() const { return {e.kolom(0), e.kolom(1), e.kolom(2)}; }
    QList<int> keuze() const { return {e.regel(), e.selectie(0), e.selectie(1), e.selectie(2)}; }
    // Everything the window shows.
    QStringList staat() const {
        QStringList s = e.onderwerpNamen();
        s << e.onderwerpTekst() << e.item() << e.regelTeller() << QString::number(e.regel());
        for (int k = 0; k < 3; ++k)
            s << e.kolom(k).join('|') << e.tekst(k) << QString::number(e.selectie(k));
        return s;
    }

    // Types the words given into the boxes and presses a button. What it came to: "gedaan", or
    // the message it was refused with (empty when refused silently). A refused action must leave
    // everything as it was.
    QString doe(const std::function<WoordEditor::Uitkomst(WoordEditor&)>& actie,
                const QStringList& getypt = {}) {
        if (!getypt.isEmpty())
            typ(getypt);
        const QStringList voor = staat();
        const WoordEditor::Uitkomst u = actie(e);
        if (u.gedaan)
            return "gedaan" + u.melding;
        return staat() == voor ? u.melding : "refused, but changed: " + u.melding;
    }
    QString nieuw(const QString& naam) {
        return doe([&](WoordEditor& w) { return w.nieuw(naam); });
    }
};

} // namespace

class TestWoordEditor : public QObject {
    Q_OBJECT
private slots:
    void openingListsTopicsAndLoadsTheCurrentOne() {
        Opstelling o;
        o.map.schrijfOnderwerp("sport", {abc(0)});
        o.map.schrijfOnderwerp("Dieren", {abc(0)});
        QVERIFY(schrijf(o.map.pad() + "/Data/notities.txt", "x"));
        o.openMet(3);
        QCOMPARE(o.e.onderwerpNamen(), QStringList({"Dieren", "Geografie", "sport"}));
        QCOMPARE(o.e.onderwerpTekst(), "Geografie");
        QCOMPARE(o.kolommen(), abcKolommen({0, 1, 2}));
        QCOMPARE(o.e.regelTeller(), "3 Woorden");
        QCOMPARE(o.keuze(), QList<int>(4, WoordEditor::kGeenRegel));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));

        // A topic without a file opens empty, silently.
        o.e.openen("Bestaat niet");
        QCOMPARE(o.e.regelTeller(), "0 Woorden");
        QCOMPARE(o.e.onderwerpTekst(), "Bestaat niet");
    }

    void addStopsAtTenRows_data() {
        QTest::addColumn<QStringList>("getypt");
        QTest::newRow("filledBoxes") << QStringList{"x", "y", "z"};
        QTest::newRow("emptyBoxes") << QStringList{"", "", ""};
    }
    void addStopsAtTenRows() {
        QFETCH(QStringList, getypt);
        Opstelling o;
        o.openMet(9);
        QCOMPARE(o.doe(&E::toevoegen, {"Nederland", "Rotterdam", "Euromast"}), "gedaan");
        QCOMPARE(o.e.regelTeller(), "10 Woorden");
        QCOMPARE(o.rij(9), QStringList({"Nederland", "Rotterdam", "Euromast"}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.doe(&E::toevoegen, getypt), kTeVeel);
    }

    void addKeepsBlanksButRefusesBlankWordsWhichWijzigAccepts() {
        Opstelling o;
        o.openMet(2);
        QCOMPARE(o.doe(&E::toevoegen, {" Zee", "Golf ", "  Strand  "}), "gedaan");
        QCOMPARE(o.rij(2), QStringList({" Zee", "Golf ", "  Strand  "}));
        for (const QString leeg : {"   ", ""})
            QCOMPARE(o.doe(&E::toevoegen, {"Zon", leeg, "Maan"}), kNietIngevuld);

        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "   ", "Maan"}), "gedaan");
        QCOMPARE(o.rij(1), QStringList({"Zon", "   ", "Maan"}));
        QCOMPARE(o.teksten(), o.rij(1));
        // An empty box makes Wijzig do nothing, without a message.
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "", "Maan"}), "");

        o.e.zetOnderwerpTekst("Blanco");
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        QCOMPARE(lees(o.bestand("Blanco")), "\"a0\",\"b0\",\"c0\"\r\n"
                                            "\"Zon\",\"   \",\"Maan\"\r\n"
                                            "\" Zee\",\"Golf \",\"  Strand  \"\r\n");
    }

    void wordsTheFileCannotHoldAreRefused_data() {
        QTest::addColumn<int>("kolom");
        QTest::addColumn<QString>("woord");
        QTest::addColumn<QString>("melding");
        const QString quote = "Een woord mag geen aanhalingsteken (\") bevatten!";
        const QString teken = "Het teken ‘%1’ kan niet in een woordenlijst worden opgeslagen!";
        QTest::newRow("quote") << 0 << "Zeg \"kaas\"" << quote;
        QTest::newRow("loneQuote") << 2 << "\"" << quote;
        QTest::newRow("lineFeed") << 1 << "twee\nregels" << kRegeleinde;
        QTest::newRow("notInWindows1252") << 1 << "Łódź" << teken.arg("Ł");
        QTest::newRow("outsideTheBmp") << 2 << "Kat 🐈" << teken.arg("🐈");
    }
    void wordsTheFileCannotHoldAreRefused() {
        QFETCH(int, kolom);
        QFETCH(QString, woord);
        QFETCH(QString, melding);
        Opstelling o;
        o.openMet(3);
        QStringList getypt = {"Parijs", "Frankrijk", "Café"};
        getypt[kolom] = woord;
        QCOMPARE(o.doe(&E::toevoegen, getypt), melding);
        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, getypt), melding);

        // Characters of Windows-1252 beyond ASCII are fine.
        QCOMPARE(o.doe(&E::wijzigen, {"Parijs", "€uro", "Café"}), "gedaan");
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        QVERIFY(lees(o.bestand("Geografie")).contains("\"Parijs\",\"\x80uro\",\"Caf\xE9\"\r\n"));
    }

    void clickSelectsTheDrietalAndCopiesIt() {
        Opstelling o;
        o.openMet(5);
        o.e.klikRegel(0, 2);
        QCOMPARE(o.keuze(), QList<int>({2, 2, 2, 2}));
        QCOMPARE(o.teksten(), abc(2));
        // A click in List2 selects there only, and copies nothing.
        o.typ({"p", "q", "r"});
        o.e.klikRegel(1, 4);
        QCOMPARE(o.keuze(), QList<int>({2, 2, 4, 2}));
        QCOMPARE(o.teksten(), QStringList({"p", "q", "r"}));
        // Rows that are not there.
        const QStringList voor = o.staat();
        o.e.klikRegel(0, 5);
        o.e.klikRegel(0, -1);
        QCOMPARE(o.staat(), voor);
    }

    void deleteNeedsASelectedRowAndLeavesRegel() {
        Opstelling o;
        o.openMet(5);
        QCOMPARE(o.doe(&E::verwijderen), kGeenSelectie);
        o.e.klikRegel(0, 2);
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.kolommen(), abcKolommen({0, 1, 3, 4}));
        QCOMPARE(o.e.regelTeller(), "4 Woorden");
        QCOMPARE(o.keuze(), QList<int>({2, -1, -1, -1}));
        QCOMPARE(o.teksten(), abc(2));
        // The deleted row was the selection; a second Delete has nothing to act on.
        QCOMPARE(o.doe(&E::verwijderen), kGeenSelectie);
        // Wijzig with the boxes unchanged puts the deleted words over the row that moved up.
        QCOMPARE(o.doe(&E::wijzigen), "gedaan");
        QCOMPARE(o.kolommen(), abcKolommen({0, 1, 2, 4}));
        // Once the last row is deleted, Regel names no row and Wijzig does nothing.
        o.e.klikRegel(0, 3);
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "");
    }

    void nieuwRefusesNamesThatCannotBeUsed_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("melding");
        QTest::newRow("lower") << "geografie" << kDubbel;
        QTest::newRow("upper") << "DIEREN" << kDubbel;
        QTest::newRow("madeEarlier") << "vogels" << kDubbel;
        QTest::newRow("parent") << "../buiten" << kOngeldig;
        QTest::newRow("grandparent") << "../../buiten" << kOngeldig;
        QTest::newRow("subFolder") << "sub/buiten" << kOngeldig;
        QTest::newRow("absolute") << "/tmp/buiten" << kOngeldig;
        QTest::newRow("backslash") << "..\\buiten" << kOngeldig;
        QTest::newRow("wildcard") << "*" << kOngeldig;
        QTest::newRow("question") << "Geo?rafie" << kOngeldig;
        QTest::newRow("dot") << "." << kOngeldig;
        QTest::newRow("dotDot") << ".." << kOngeldig;
        QTest::newRow("control") << "tab\tnaam" << kOngeldig;
        QTest::newRow("tooLong") << QString(300, u'x') << kOngeldig;
        QTest::newRow("tooLongInBytes") << QString(200, u'é') << kOngeldig;
    }
    void nieuwRefusesNamesThatCannotBeUsed() {
        QFETCH(QString, naam);
        QFETCH(QString, melding);
        Opstelling o;
        o.map.schrijfOnderwerp("Dieren", {abc(0)});
        o.openMet(4);
        QCOMPARE(o.nieuw("Vogels"), "gedaan");
        QCOMPARE(o.doe(&E::toevoegen, {"Mus", "Merel", "Meeuw"}), "gedaan");
        o.typ({"x", "y", "z"});
        const QStringList bestanden = inhoud(o.map.pad());

        QCOMPARE(o.nieuw(naam), melding);
        QCOMPARE(o.e.onderwerpNamen(), QStringList({"Dieren", "Geografie", "Vogels"}));
        // Typed straight into the topic box, a name that cannot be a file is refused on saving.
        if (melding == kOngeldig) {
            o.e.zetOnderwerpTekst(naam);
            QCOMPARE(o.doe(&E::opslaan), kOngeldig);
        }
        QCOMPARE(inhoud(o.map.pad()), bestanden);
        QVERIFY(!QFileInfo::exists(QFileInfo(o.map.pad()).absolutePath() + "/buiten.dat"));
        QVERIFY(!QFileInfo::exists("/tmp/buiten.dat"));
    }

    void nieuwEmptiesTheListsButWritesNothing() {
        Opstelling o;
        o.openMet(4);
        o.e.klikRegel(0, 3);
        o.e.kiesOnderwerp(0);
        o.typ({"x", "y", "z"});
        const QStringList bestanden = inhoud(o.map.pad());
        // Cancelled: no change at all.
        QCOMPARE(o.nieuw(""), "");

        QCOMPARE(o.nieuw(" Rivieren "), "gedaan");
        QCOMPARE(o.e.onderwerpNamen(), QStringList({"Geografie", " Rivieren "}));
        QCOMPARE(o.e.onderwerpTekst(), " Rivieren ");
        QCOMPARE(o.kolommen(), QList<QStringList>({{}, {}, {}}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.e.regelTeller(), "0 Woorden");
        QCOMPARE(o.e.regel(), 3);
        QCOMPARE(o.e.item(), "Geografie");
        QCOMPARE(inhoud(o.map.pad()), bestanden);

        // Blanks only: the lists empty and the box shows the blanks, but no entry is added and
        // such a name cannot be saved.
        QCOMPARE(o.doe(&E::toevoegen, {"x", "y", "z"}), "gedaan");
        QCOMPARE(o.nieuw("   "), "gedaan");
        QCOMPARE(o.e.onderwerpNamen(), QStringList({"Geografie", " Rivieren "}));
        QCOMPARE(o.e.onderwerpTekst(), "   ");
        QCOMPARE(o.e.kolom(0).size(), 0);
        QCOMPARE(o.doe(&E::opslaan), "Geef eerst een naam voor het onderwerp...");
        QCOMPARE(inhoud(o.map.pad()), bestanden);
    }

    void pickingATopicReloadsItFromItsFile() {
        Opstelling o;
        o.map.schrijfOnderwerp("Dieren", {{"Kat", "Hond", "Muis"}});
        o.openMet(3);
        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "gedaan");

        o.e.kiesOnderwerp(0);
        QCOMPARE(o.e.item(), "Dieren");
        QCOMPARE(o.e.onderwerpTekst(), "Dieren");
        QCOMPARE(o.kolommen(), QList<QStringList>({{"Kat"}, {"Hond"}, {"Muis"}}));
        QCOMPARE(o.e.regelTeller(), "1 Woorden");
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.e.regel(), 1);
        // The unsaved change to Geografie was dropped.
        o.e.kiesOnderwerp(1);
        QCOMPARE(o.kolommen(), abcKolommen({0, 1, 2}));
        // Picking the same topic again reads the file afresh: changes in the lists are lost
        // and changes on disk are seen.
        o.e.klikRegel(0, 0);
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        o.map.schrijfOnderwerp("Geografie", {abc(7), abc(8)});
        o.e.kiesOnderwerp(1);
        QCOMPARE(o.kolommen(), abcKolommen({7, 8}));
        QCOMPARE(o.e.selectie(0), WoordEditor::kGeenRegel);
    }

    void saveWritesTheRowsUnderTheTypedName() {
        Opstelling o;
        o.openMet(0);
        QCOMPARE(o.nieuw("Steden"), "gedaan");
        for (const QStringList& r : QList<QStringList>{{"Nederland", "Rotterdam", "Euromast"},
                                                       {"Frankrijk", "Parijs", "Eiffeltoren"},
                                                       {"Italië", "Rome", "Colosseum"},
                                                       {"Engeland", "Londen", "Big Ben"}})
            QCOMPARE(o.doe(&E::toevoegen, r), "gedaan");
        QVERIFY(!QFileInfo::exists(o.bestand("Steden")));
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        const QByteArray verwacht = "\"Nederland\",\"Rotterdam\",\"Euromast\"\r\n"
                                    "\"Frankrijk\",\"Parijs\",\"Eiffeltoren\"\r\n"
                                    "\"Itali\xEB\",\"Rome\",\"Colosseum\"\r\n"
                                    "\"Engeland\",\"Londen\",\"Big Ben\"\r\n";
        QCOMPARE(lees(o.bestand("Steden")), verwacht);
        QCOMPARE(Opslag::telWoorden("Steden"), 12);

        // A name typed straight into the box saves too, but is not added to the entries.
        o.e.zetOnderwerpTekst("Kopie");
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        QCOMPARE(lees(o.bestand("Kopie")), verwacht);
        QCOMPARE(o.e.onderwerpNamen(), QStringList({"Geografie", "Steden"}));

        WoordEditor opnieuw;
        opnieuw.openen("Steden");
        QCOMPARE(opnieuw.onderwerpNamen(), QStringList({"Geografie", "Kopie", "Steden"}));
        QCOMPARE((QList<QStringList>{opnieuw.kolom(0), opnieuw.kolom(1), opnieuw.kolom(2)}),
                 o.kolommen());
    }

    void saveReportsWhatCouldNotBeWritten_data() {
        QTest::addColumn<QString>("melding");
        QTest::newRow("folderWhereTheFileGoes") << kNietOpgeslagen;
        QTest::newRow("dataIsAFile") << kNietOpgeslagen;
        // A UTF-8 file made by hand reads fine but holds a character Windows-1252 lacks.
        QTest::newRow("handMadeFileOutsideWindows1252") << kOnopslaanbaar;
    }
    void saveReportsWhatCouldNotBeWritten() {
        QFETCH(QString, melding);
        const QByteArray geval = QTest::currentDataTag();
        Opstelling o;
        const QString data = o.map.pad() + "/Data";
        if (geval == "handMadeFileOutsideWindows1252") {
            QVERIFY(schrijf(o.bestand("Polen"), "\"Polen\",\"Łódź\",\"Fabriek\"\r\n"));
            o.e.openen("Polen");
            QCOMPARE(o.e.kolom(1), QStringList({"Łódź"}));
        } else {
            o.openMet(2);
            o.e.zetOnderwerpTekst("Vol");
            if (geval == "dataIsAFile")
                QVERIFY(QDir(data).removeRecursively() && schrijf(data, "geen map"));
            else
                QVERIFY(QDir().mkpath(data + "/Vol.dat/binnen"));
        }
        const QStringList bestanden = inhoud(o.map.pad());
        QCOMPARE(o.doe(&E::opslaan), melding);
        QCOMPARE(inhoud(o.map.pad()), bestanden);
    }

    // A topic that is there but was not read whole is reported on opening and on picking, and a
    // save over it keeps the old file as .bak (or, when it cannot be copied, leaves it alone).
    void topicNotReadWholeIsReportedAndKeptAtSave_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("leesbaar");
        const QByteArray rij = "\"a\",\"b\",\"c\"\r\n";
        QTest::newRow("cutShort") << rij + "\"d\",\"e\"" << true;
        QTest::newRow("tooBig") << rij.repeated(Opslag::kMaxBestandsgrootte / rij.size() + 1)
                                << true;
        QTest::newRow("unreadable") << rij << false;
    }
    void topicNotReadWholeIsReportedAndKeptAtSave() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, leesbaar);
        Opstelling o;
        QVERIFY(schrijf(o.bestand("Stuk"), bytes));
        if (!leesbaar) {
            QVERIFY(QFile::setPermissions(o.bestand("Stuk"), QFile::WriteOwner));
            if (QFile(o.bestand("Stuk")).open(QIODevice::ReadOnly))
                QSKIP("this user reads any file");
        }
        QVERIFY(!o.e.openen("Stuk").melding.isEmpty());
        QVERIFY(!o.e.kiesOnderwerp(0).melding.isEmpty());
        QVERIFY(o.e.openen("Bestaat niet").melding.isEmpty());
        o.e.zetOnderwerpTekst("Stuk");
        QCOMPARE(o.doe(&E::toevoegen, abc(1)), "gedaan");
        const QStringList voor = inhoud(o.map.pad());
        QCOMPARE(o.doe(&E::opslaan), leesbaar ? "gedaan" : kNietOpgeslagen);
        if (leesbaar)
            QCOMPARE(lees(o.bestand("Stuk") + ".bak"), bytes);
        else
            QCOMPARE(inhoud(o.map.pad()), voor);
    }

    void rowsOfAnOverLongFileBehaveLikeAnyRow_data() {
        QTest::addColumn<int>("rij");
        QTest::newRow("98") << 98;
        QTest::newRow("99theOldNoRowValue") << 99;
        QTest::newRow("255") << 255;
        QTest::newRow("256pastAByte") << 256;
        QTest::newRow("last") << 299;
    }
    void rowsOfAnOverLongFileBehaveLikeAnyRow() {
        QFETCH(int, rij);
        Opstelling o;
        QList<QStringList> rijen;
        for (int i = 0; i < 300; ++i)
            rijen.append(abc(i));
        o.map.schrijfOnderwerp("Lang", rijen);
        o.e.openen("Lang");
        QCOMPARE(o.e.regelTeller(), "300 Woorden");

        o.e.klikRegel(0, rij);
        QCOMPARE(o.e.regel(), rij);
        QCOMPARE(o.teksten(), abc(rij));
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "gedaan");
        QCOMPARE(o.rij(rij), QStringList({"x", "y", "z"}));
        QCOMPARE(o.rij(rij - 1), abc(rij - 1));
        QCOMPARE(o.doe(&E::toevoegen), kTeVeel);
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.e.regelTeller(), "299 Woorden");
        QCOMPARE(o.rij(rij), rij < 299 ? abc(rij + 1) : QStringList({"", "", ""}));
    }

    void columnsOfUnequalLengthAreNeverIndexedPastTheirEnd() {
        Opstelling o;
        // The empty second field appends nothing, so column 2 is one short.
        QVERIFY(schrijf(o.bestand("Scheef"), "\"a\",\"\",\"c\"\r\n\"d\",\"e\",\"f\"\r\n"));
        o.e.openen("Scheef");
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a", "d"}, {"e"}, {"c", "f"}}));
        o.e.klikRegel(0, 1);
        QCOMPARE(o.teksten(), QStringList({"d", "", "f"}));
        QCOMPARE(o.keuze(), QList<int>({1, 1, WoordEditor::kGeenRegel, 1}));
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "");
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a"}, {"e"}, {"c"}}));
    }
};

QTEST_GUILESS_MAIN(TestWoordEditor)
#include "tst_woordeditor.moc"
