// The word list editor's rules, driven without a window against topic files in a temporary
// program folder.
#include "game/woordeditor.h"
#include "support/testonderwerp.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

using Algemeen::WoordEditor;

namespace {

const QString kTeVeel = QStringLiteral("Maximaal 10 woorden (regels) per onderwerp...");
const QString kNietIngevuld = QStringLiteral("Niet alle tekstvelden zijn ingevuld!");
const QString kGeenSelectie = QStringLiteral("Geen woord geselecteerd!");
const QString kDubbel = QStringLiteral("Géén dubbele namen als onderwerp gebruiken...");

QByteArray leesBestand(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return "<ontbreekt>";
    return f.readAll();
}

void schrijfBestand(const QString& pad, const QByteArray& bytes) {
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every file and folder below map with its size, to see that nothing was written.
QStringList inhoud(const QString& map) {
    QStringList lijst;
    QDirIterator it(map, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        lijst << QStringLiteral("%1 %2").arg(it.filePath()).arg(it.fileInfo().size());
    }
    lijst.sort();
    return lijst;
}

struct Opstelling {
    TestProgrammaMap map;
    WoordEditor editor;

    QString bestand(const QString& naam) const { return map.pad() + "/Data/" + naam + ".dat"; }

    void typ(const QString& a, const QString& b, const QString& c) {
        editor.zetTekst(0, a);
        editor.zetTekst(1, b);
        editor.zetTekst(2, c);
    }
    QStringList teksten() const { return {editor.tekst(0), editor.tekst(1), editor.tekst(2)}; }
    QStringList rij(int r) const {
        return {editor.kolom(0).value(r), editor.kolom(1).value(r), editor.kolom(2).value(r)};
    }
    QList<QStringList> kolommen() const {
        return {editor.kolom(0), editor.kolom(1), editor.kolom(2)};
    }
    // Opens the editor on topic "Geografie" holding n rows "a0","b0","c0" ...
    void openMet(int n) {
        map.schrijfOnderwerp(QStringLiteral("Geografie"), TestProgrammaMap::tienRijen().mid(0, n));
        editor.openen(QStringLiteral("Geografie"));
    }
};

QStringList abc(int i) {
    return {QStringLiteral("a%1").arg(i), QStringLiteral("b%1").arg(i),
            QStringLiteral("c%1").arg(i)};
}

} // namespace

class TestWoordEditor : public QObject {
    Q_OBJECT
private slots:
    void openingListsTopicsAndLoadsTheCurrentOne() {
        Opstelling o;
        o.map.schrijfOnderwerp(QStringLiteral("sport"), {abc(0)});
        o.map.schrijfOnderwerp(QStringLiteral("Dieren"), {abc(0)});
        schrijfBestand(o.map.pad() + "/Data/notities.txt", "x");
        o.openMet(3);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Dieren", "Geografie", "sport"}));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral("Geografie"));
        QCOMPARE(o.rij(2), abc(2));
        QCOMPARE(o.editor.kolom(0).size(), 3);
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("3 Woorden"));
        QCOMPARE(o.editor.regel(), WoordEditor::kGeenRegel);
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));

        // A topic without a file opens empty, silently.
        WoordEditor leeg;
        leeg.openen(QStringLiteral("Bestaat niet"));
        QCOMPARE(leeg.regelTeller(), QStringLiteral("0 Woorden"));
        QCOMPARE(leeg.onderwerpTekst(), QStringLiteral("Bestaat niet"));
    }

    void addStopsAtTenRows_data() {
        QTest::addColumn<QStringList>("getypt");
        QTest::newRow("filled boxes") << QStringList{"x", "y", "z"};
        QTest::newRow("empty boxes") << QStringList{"", "", ""};
    }
    void addStopsAtTenRows() {
        QFETCH(QStringList, getypt);
        Opstelling o;
        o.openMet(9);
        o.typ("Nederland", "Rotterdam", "Euromast");
        QCOMPARE(o.editor.toevoegen().melding, QString());
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("10 Woorden"));
        QCOMPARE(o.rij(9), QStringList({"Nederland", "Rotterdam", "Euromast"}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));

        const auto voor = o.kolommen();
        o.typ(getypt[0], getypt[1], getypt[2]);
        const WoordEditor::Uitkomst u = o.editor.toevoegen();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, kTeVeel);
        QCOMPARE(o.kolommen(), voor);
        QCOMPARE(o.teksten(), getypt);
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("10 Woorden"));
    }

    void addKeepsBlanksButRefusesBlankWordsWhichWijzigAccepts() {
        Opstelling o;
        o.openMet(2);
        o.typ(" Zee", "Golf ", "  Strand  ");
        QVERIFY(o.editor.toevoegen().gedaan);
        QCOMPARE(o.rij(2), QStringList({" Zee", "Golf ", "  Strand  "}));

        for (const QString& leeg : {QStringLiteral("   "), QString()}) {
            o.typ("Zon", leeg, "Maan");
            QCOMPARE(o.editor.toevoegen().melding, kNietIngevuld);
            QCOMPARE(o.editor.kolom(0).size(), 3);
        }

        o.editor.klikRegel(0, 1);
        o.typ("Zon", "   ", "Maan");
        QCOMPARE(o.editor.wijzigen().gedaan, true);
        QCOMPARE(o.rij(1), QStringList({"Zon", "   ", "Maan"}));
        QCOMPARE(o.teksten(), QStringList({"Zon", "   ", "Maan"}));

        // An empty box makes Wijzig do nothing, without a message.
        o.typ("Zon", "", "Maan");
        const WoordEditor::Uitkomst u = o.editor.wijzigen();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, QString());
        QCOMPARE(o.rij(1), QStringList({"Zon", "   ", "Maan"}));

        o.editor.zetOnderwerpTekst(QStringLiteral("Blanco"));
        QVERIFY(o.editor.opslaan().gedaan);
        QCOMPARE(leesBestand(o.bestand("Blanco")),
                 QByteArray("\"a0\",\"b0\",\"c0\"\r\n"
                            "\"Zon\",\"   \",\"Maan\"\r\n"
                            "\" Zee\",\"Golf \",\"  Strand  \"\r\n"));
    }

    void wordsTheFileCannotHoldAreRefused_data() {
        QTest::addColumn<int>("kolom");
        QTest::addColumn<QString>("woord");
        QTest::addColumn<QString>("melding");
        const QString quote = QStringLiteral("Een woord mag geen aanhalingsteken (\") bevatten!");
        QTest::newRow("quote") << 0 << QStringLiteral("Zeg \"kaas\"") << quote;
        QTest::newRow("lone quote") << 2 << QStringLiteral("\"") << quote;
        QTest::newRow("line feed") << 1 << QStringLiteral("twee\nregels")
                                   << QStringLiteral("Een woord mag geen regeleinde bevatten!");
        QTest::newRow("not in Windows-1252")
            << 1 << QStringLiteral("Łódź")
            << QStringLiteral("Het teken ‘Ł’ kan niet in een woordenlijst worden opgeslagen!");
        QTest::newRow("outside the BMP")
            << 2 << QStringLiteral("Kat 🐈")
            << QStringLiteral("Het teken ‘🐈’ kan niet in een woordenlijst worden opgeslagen!");
    }
    void wordsTheFileCannotHoldAreRefused() {
        QFETCH(int, kolom);
        QFETCH(QString, woord);
        QFETCH(QString, melding);
        Opstelling o;
        o.openMet(3);
        const auto voor = o.kolommen();
        QStringList getypt = {"Parijs", "Frankrijk", "Café"};
        getypt[kolom] = woord;

        o.typ(getypt[0], getypt[1], getypt[2]);
        WoordEditor::Uitkomst u = o.editor.toevoegen();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, melding);
        QCOMPARE(o.kolommen(), voor);
        QCOMPARE(o.teksten(), getypt);

        o.editor.klikRegel(0, 1);
        o.typ(getypt[0], getypt[1], getypt[2]);
        u = o.editor.wijzigen();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, melding);
        QCOMPARE(o.kolommen(), voor);

        // Characters of Windows-1252 beyond ASCII are fine.
        o.typ("Parijs", "€uro", "Café");
        QVERIFY(o.editor.wijzigen().gedaan);
        QVERIFY(o.editor.opslaan().gedaan);
        QVERIFY(
            leesBestand(o.bestand("Geografie")).contains("\"Parijs\",\"\x80uro\",\"Caf\xE9\"\r\n"));
    }

    void clickSelectsTheDrietalAndCopiesIt() {
        Opstelling o;
        o.openMet(5);
        o.editor.klikRegel(0, 2);
        QCOMPARE(o.editor.regel(), 2);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(o.editor.selectie(k), 2);
        QCOMPARE(o.teksten(), abc(2));

        o.typ("p", "q", "r");
        o.editor.klikRegel(1, 4);
        QCOMPARE(o.editor.selectie(1), 4);
        QCOMPARE(o.editor.selectie(0), 2);
        QCOMPARE(o.editor.selectie(2), 2);
        QCOMPARE(o.editor.regel(), 2);
        QCOMPARE(o.teksten(), QStringList({"p", "q", "r"}));

        // Rows that are not there.
        o.editor.klikRegel(0, 5);
        o.editor.klikRegel(0, -1);
        QCOMPARE(o.editor.regel(), 2);
        QCOMPARE(o.editor.selectie(0), 2);
    }

    void deleteNeedsASelectedRowAndLeavesRegel() {
        Opstelling o;
        o.openMet(5);
        WoordEditor::Uitkomst u = o.editor.verwijderen();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, kGeenSelectie);
        QCOMPARE(o.editor.kolom(0).size(), 5);

        o.editor.klikRegel(0, 2);
        QVERIFY(o.editor.verwijderen().gedaan);
        QCOMPARE(o.editor.kolom(0), QStringList({"a0", "a1", "a3", "a4"}));
        QCOMPARE(o.editor.kolom(2), QStringList({"c0", "c1", "c3", "c4"}));
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("4 Woorden"));
        QCOMPARE(o.editor.regel(), 2);
        QCOMPARE(o.teksten(), abc(2));
        // The deleted row was the selection; a second Delete has nothing to act on.
        QCOMPARE(o.editor.verwijderen().melding, kGeenSelectie);
        QCOMPARE(o.editor.kolom(0).size(), 4);

        // Wijzig with the boxes unchanged puts the deleted words over the row that moved up.
        QVERIFY(o.editor.wijzigen().gedaan);
        QCOMPARE(o.rij(2), abc(2));
        QCOMPARE(o.rij(3), abc(4));

        // Once the last row is deleted, Regel names no row and Wijzig does nothing.
        o.editor.klikRegel(0, 3);
        QVERIFY(o.editor.verwijderen().gedaan);
        const auto voor = o.kolommen();
        o.typ("x", "y", "z");
        const WoordEditor::Uitkomst w = o.editor.wijzigen();
        QVERIFY(!w.gedaan);
        QCOMPARE(w.melding, QString());
        QCOMPARE(o.kolommen(), voor);
    }

    void nieuwRefusesAnExistingNameInAnyCase_data() {
        QTest::addColumn<QString>("naam");
        QTest::newRow("lower") << QStringLiteral("geografie");
        QTest::newRow("upper") << QStringLiteral("DIEREN");
        QTest::newRow("made earlier") << QStringLiteral("vogels");
    }
    void nieuwRefusesAnExistingNameInAnyCase() {
        QFETCH(QString, naam);
        Opstelling o;
        o.map.schrijfOnderwerp(QStringLiteral("Dieren"), {abc(0)});
        o.openMet(4);
        QVERIFY(o.editor.nieuw(QStringLiteral("Vogels")).gedaan);
        o.typ("Mus", "Merel", "Meeuw");
        QVERIFY(o.editor.toevoegen().gedaan);
        o.typ("x", "y", "z");

        const WoordEditor::Uitkomst u = o.editor.nieuw(naam);
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, kDubbel);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Dieren", "Geografie", "Vogels"}));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral("Vogels"));
        QCOMPARE(o.rij(0), QStringList({"Mus", "Merel", "Meeuw"}));
        QCOMPARE(o.teksten(), QStringList({"x", "y", "z"}));
    }

    void nieuwEmptiesTheListsButWritesNothing() {
        Opstelling o;
        o.openMet(4);
        o.editor.klikRegel(0, 3);
        o.editor.kiesOnderwerp(0);
        o.typ("x", "y", "z");
        const QStringList voor = inhoud(o.map.pad());

        // Cancelled: no change at all.
        WoordEditor::Uitkomst u = o.editor.nieuw(QString());
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, QString());
        QCOMPARE(o.editor.kolom(0).size(), 4);

        QVERIFY(o.editor.nieuw(QStringLiteral(" Rivieren ")).gedaan);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Geografie", " Rivieren "}));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral(" Rivieren "));
        QCOMPARE(o.kolommen(), QList<QStringList>({{}, {}, {}}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("0 Woorden"));
        QCOMPARE(o.editor.regel(), 3);
        QCOMPARE(o.editor.item(), QStringLiteral("Geografie"));
        QCOMPARE(inhoud(o.map.pad()), voor);

        // Blanks only: the lists empty and the box shows the blanks, but no entry is added and
        // such a name cannot be saved.
        o.typ("x", "y", "z");
        QVERIFY(o.editor.toevoegen().gedaan);
        QVERIFY(o.editor.nieuw(QStringLiteral("   ")).gedaan);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Geografie", " Rivieren "}));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral("   "));
        QCOMPARE(o.editor.kolom(0).size(), 0);
        u = o.editor.opslaan();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, QStringLiteral("Geef eerst een naam voor het onderwerp..."));
        QCOMPARE(inhoud(o.map.pad()), voor);
    }

    void hostileNamesAreRefusedBeforeAnythingIsWritten_data() {
        QTest::addColumn<QString>("naam");
        QTest::newRow("parent") << QStringLiteral("../buiten");
        QTest::newRow("grandparent") << QStringLiteral("../../buiten");
        QTest::newRow("sub folder") << QStringLiteral("sub/buiten");
        QTest::newRow("absolute") << QStringLiteral("/tmp/buiten");
        QTest::newRow("backslash") << QStringLiteral("..\\buiten");
        QTest::newRow("wildcard") << QStringLiteral("*");
        QTest::newRow("question") << QStringLiteral("Geo?rafie");
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("control") << QStringLiteral("tab\tnaam");
        QTest::newRow("too long") << QString(300, u'x');
        QTest::newRow("too long in bytes") << QString(200, u'é');
    }
    void hostileNamesAreRefusedBeforeAnythingIsWritten() {
        QFETCH(QString, naam);
        Opstelling o;
        o.openMet(3);
        const QString ouder = QFileInfo(o.map.pad()).absolutePath();
        const QStringList voor = inhoud(o.map.pad());
        const QString melding = WoordEditor::meldingOngeldigeNaam();
        QVERIFY(melding.startsWith(QStringLiteral("Deze naam kan niet als onderwerp")));

        WoordEditor::Uitkomst u = o.editor.nieuw(naam);
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, melding);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Geografie"}));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral("Geografie"));
        QCOMPARE(o.editor.kolom(0).size(), 3);

        // Typed straight into the topic box and saved.
        o.editor.zetOnderwerpTekst(naam);
        u = o.editor.opslaan();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, melding);
        QCOMPARE(inhoud(o.map.pad()), voor);
        QVERIFY(!QFileInfo::exists(ouder + "/buiten.dat"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/buiten.dat")));
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Geografie"}));
    }

    void pickingATopicReloadsItFromItsFile() {
        Opstelling o;
        o.map.schrijfOnderwerp(QStringLiteral("Dieren"), {{"Kat", "Hond", "Muis"}});
        o.openMet(3);
        o.editor.klikRegel(0, 1);
        o.typ("x", "y", "z");
        QVERIFY(o.editor.wijzigen().gedaan);

        o.editor.kiesOnderwerp(0);
        QCOMPARE(o.editor.item(), QStringLiteral("Dieren"));
        QCOMPARE(o.editor.onderwerpTekst(), QStringLiteral("Dieren"));
        QCOMPARE(o.kolommen(), QList<QStringList>({{"Kat"}, {"Hond"}, {"Muis"}}));
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("1 Woorden"));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.editor.regel(), 1);

        // The unsaved change to Geografie was dropped.
        o.editor.kiesOnderwerp(1);
        QCOMPARE(o.rij(1), abc(1));

        // Picking the same topic again reads the file afresh: changes in the lists are lost
        // and changes on disk are seen.
        o.editor.klikRegel(0, 0);
        QVERIFY(o.editor.verwijderen().gedaan);
        o.map.schrijfOnderwerp(QStringLiteral("Geografie"), {abc(7), abc(8)});
        o.editor.kiesOnderwerp(1);
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a7", "a8"}, {"b7", "b8"}, {"c7", "c8"}}));
        QCOMPARE(o.editor.selectie(0), WoordEditor::kGeenRegel);
    }

    void saveWritesTheRowsUnderTheTypedName() {
        Opstelling o;
        o.openMet(0);
        QVERIFY(o.editor.nieuw(QStringLiteral("Steden")).gedaan);
        const QList<QStringList> rijen = {{"Nederland", "Rotterdam", "Euromast"},
                                          {"Frankrijk", "Parijs", "Eiffeltoren"},
                                          {"Italië", "Rome", "Colosseum"},
                                          {"Engeland", "Londen", "Big Ben"}};
        for (const QStringList& r : rijen) {
            o.typ(r[0], r[1], r[2]);
            QVERIFY(o.editor.toevoegen().gedaan);
        }
        QVERIFY(!QFileInfo::exists(o.bestand("Steden")));
        const WoordEditor::Uitkomst u = o.editor.opslaan();
        QVERIFY(u.gedaan);
        QCOMPARE(u.melding, QString());
        const QByteArray verwacht = "\"Nederland\",\"Rotterdam\",\"Euromast\"\r\n"
                                    "\"Frankrijk\",\"Parijs\",\"Eiffeltoren\"\r\n"
                                    "\"Itali\xEB\",\"Rome\",\"Colosseum\"\r\n"
                                    "\"Engeland\",\"Londen\",\"Big Ben\"\r\n";
        QCOMPARE(leesBestand(o.bestand("Steden")), verwacht);
        QCOMPARE(Opslag::telWoorden(QStringLiteral("Steden")), 12);

        // A name typed straight into the box saves too, but is not added to the entries.
        o.editor.zetOnderwerpTekst(QStringLiteral("Kopie"));
        QVERIFY(o.editor.opslaan().gedaan);
        QCOMPARE(leesBestand(o.bestand("Kopie")), verwacht);
        QCOMPARE(o.editor.onderwerpNamen(), QStringList({"Geografie", "Steden"}));

        WoordEditor opnieuw;
        opnieuw.openen(QStringLiteral("Steden"));
        QCOMPARE(opnieuw.onderwerpNamen(), QStringList({"Geografie", "Kopie", "Steden"}));
        QCOMPARE(opnieuw.kolom(0), o.editor.kolom(0));
        QCOMPARE(opnieuw.kolom(2), o.editor.kolom(2));
    }

    void saveReportsAFileThatCouldNotBeWritten_data() {
        QTest::addColumn<bool>("dataIsBestand");
        QTest::newRow("a folder where the file goes") << false;
        QTest::newRow("Data is a file") << true;
    }
    void saveReportsAFileThatCouldNotBeWritten() {
        QFETCH(bool, dataIsBestand);
        Opstelling o;
        o.openMet(2);
        o.editor.zetOnderwerpTekst(QStringLiteral("Vol"));
        const QString data = o.map.pad() + "/Data";
        if (dataIsBestand) {
            QVERIFY(QDir(data).removeRecursively());
            schrijfBestand(data, "geen map");
        } else {
            QVERIFY(QDir().mkpath(data + "/Vol.dat/binnen"));
        }
        const QStringList voor = inhoud(o.map.pad());
        const WoordEditor::Uitkomst u = o.editor.opslaan();
        QVERIFY(!u.gedaan);
        QCOMPARE(u.melding, QStringLiteral("Het onderwerp kon niet worden opgeslagen! Het "
                                           "bestand is niet veranderd."));
        QCOMPARE(inhoud(o.map.pad()), voor);
        QCOMPARE(o.editor.kolom(0).size(), 2);
    }

    void saveReportsWordsOfAHandMadeFileItCannotStore() {
        Opstelling o;
        // A UTF-8 file made by hand reads fine but holds a character Windows-1252 lacks.
        const QByteArray bytes = QStringLiteral("\"Polen\",\"Łódź\",\"Fabriek\"\r\n").toUtf8();
        schrijfBestand(o.bestand("Polen"), bytes);
        o.editor.openen(QStringLiteral("Polen"));
        QCOMPARE(o.editor.kolom(1), QStringList({"Łódź"}));
        const WoordEditor::Uitkomst u = o.editor.opslaan();
        QVERIFY(!u.gedaan);
        QVERIFY(u.melding.startsWith(QStringLiteral("Het onderwerp kon niet worden opgeslagen")));
        QCOMPARE(leesBestand(o.bestand("Polen")), bytes);
    }

    void rowsOfAnOverLongFileBehaveLikeAnyRow_data() {
        QTest::addColumn<int>("rij");
        QTest::newRow("98") << 98;
        QTest::newRow("99, the old no-row value") << 99;
        QTest::newRow("255") << 255;
        QTest::newRow("256, past a byte") << 256;
        QTest::newRow("last") << 299;
    }
    void rowsOfAnOverLongFileBehaveLikeAnyRow() {
        QFETCH(int, rij);
        Opstelling o;
        QList<QStringList> rijen;
        for (int i = 0; i < 300; ++i)
            rijen.append(abc(i));
        o.map.schrijfOnderwerp(QStringLiteral("Lang"), rijen);
        o.editor.openen(QStringLiteral("Lang"));
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("300 Woorden"));

        o.editor.klikRegel(0, rij);
        QCOMPARE(o.editor.regel(), rij);
        QCOMPARE(o.teksten(), abc(rij));
        o.typ("x", "y", "z");
        QVERIFY(o.editor.wijzigen().gedaan);
        QCOMPARE(o.rij(rij), QStringList({"x", "y", "z"}));
        QCOMPARE(o.rij(rij - 1), abc(rij - 1));

        QCOMPARE(o.editor.toevoegen().melding, kTeVeel);
        QVERIFY(o.editor.verwijderen().gedaan);
        QCOMPARE(o.editor.regelTeller(), QStringLiteral("299 Woorden"));
        QCOMPARE(o.editor.kolom(1).value(rij), rij < 299 ? abc(rij + 1)[1] : QString());
    }

    void columnsOfUnequalLengthAreNeverIndexedPastTheirEnd() {
        Opstelling o;
        // The empty second field appends nothing, so column 2 is one short.
        schrijfBestand(o.bestand("Scheef"), "\"a\",\"\",\"c\"\r\n\"d\",\"e\",\"f\"\r\n");
        o.editor.openen(QStringLiteral("Scheef"));
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a", "d"}, {"e"}, {"c", "f"}}));

        o.editor.klikRegel(0, 1);
        QCOMPARE(o.teksten(), QStringList({"d", "", "f"}));
        QCOMPARE(o.editor.selectie(1), WoordEditor::kGeenRegel);
        QCOMPARE(o.editor.selectie(2), 1);
        o.typ("x", "y", "z");
        QVERIFY(!o.editor.wijzigen().gedaan);
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a", "d"}, {"e"}, {"c", "f"}}));

        QVERIFY(o.editor.verwijderen().gedaan);
        QCOMPARE(o.kolommen(), QList<QStringList>({{"a"}, {"e"}, {"c"}}));
    }
};

QTEST_GUILESS_MAIN(TestWoordEditor)
#include "tst_woordeditor.moc"
