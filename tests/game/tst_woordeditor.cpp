// The word list editor's rules, driven without a window against topic files in a temporary
// program folder.
#include "game/woordeditor.h"
#include "support/testonderwerp.h"

#include <QTest>
#include <functional>

using Algemeen::WoordEditor;
using E = WoordEditor;

namespace {

QStringList abc(int i) {
    return TestProgrammaMap::tienRijen(i + 1).at(i);
}

struct Opstelling {
    TestProgrammaMap map;
    WoordEditor e;

    QString bestand(const QString& naam) const { return map.pad("Data/" + naam + ".dat"); }
    // Opens the editor on topic "Geografie" holding the rows abc(0) ... abc(n - 1).
    void openMet(int n) {
        map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen(n));
        e.openen("Geografie");
    }
    QStringList teksten() const { return {e.tekst(0), e.tekst(1), e.tekst(2)}; }
    QStringList rij(int r) const {
        return {e.kolom(0).value(r), e.kolom(1).value(r), e.kolom(2).value(r)};
    }
    QList<int> keuze() const { return {e.regel(), e.selectie(0), e.selectie(1), e.selectie(2)}; }
    // Everything the window shows.
    QStringList staat() const {
        QStringList s = e.onderwerpNamen();
        s << e.onderwerpTekst() << e.item() << QString::number(e.regel());
        for (int k = 0; k < 3; ++k)
            s << e.kolom(k).join('|') << e.tekst(k) << QString::number(e.selectie(k));
        return s;
    }

    // Types the words given and presses a button: "gedaan", or the message it was refused with
    // (empty when refused silently). A refused action must leave everything as it was, files too.
    QString doe(const std::function<WoordEditor::Uitkomst(WoordEditor&)>& actie,
                const QStringList& getypt = {}) {
        for (int k = 0; k < getypt.size(); ++k)
            e.zetTekst(k, getypt[k]);
        const QStringList voor = staat() + TestMap::boom(map.buiten({}));
        const WoordEditor::Uitkomst u = actie(e);
        if (u.gedaan)
            return "gedaan" + u.melding;
        return staat() + TestMap::boom(map.buiten({})) == voor ? u.melding
                                                               : "changed: " + u.melding;
    }
    QString nieuw(const QString& naam) {
        return doe([&](WoordEditor& w) { return w.nieuw(naam); });
    }
};

} // namespace

class TestWoordEditor : public QObject {
    Q_OBJECT
private slots:
    // The tenth row can be added, an eleventh not, with or without words typed. Add refuses a
    // word of blanks (blanks around a word stay); Wijzig takes it, and ignores an empty box.
    void toevoegenEnWijzigen() {
        Opstelling o;
        o.openMet(9);
        QCOMPARE(o.doe(&E::toevoegen, {"Zon", "   ", "Maan"}), E::meldingNietIngevuld());
        QCOMPARE(o.doe(&E::toevoegen, {" Zee", "Golf ", "x"}), "gedaan");
        QCOMPARE(o.rij(9), QStringList({" Zee", "Golf ", "x"}));
        QCOMPARE(o.teksten(), QStringList({"", "", ""}));
        QCOMPARE(o.doe(&E::toevoegen, {"p", "q", "r"}), E::meldingTeVeelRegels());
        QCOMPARE(o.doe(&E::toevoegen, {"", "", ""}), E::meldingTeVeelRegels());
        o.e.klikRegel(0, 1);
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "   ", "Maan"}), "gedaan");
        QCOMPARE(o.rij(1), QStringList({"Zon", "   ", "Maan"}));
        QCOMPARE(o.doe(&E::wijzigen, {"Zon", "", "Maan"}), "");
    }

    // A word the topic file cannot hold is refused by Add and Wijzig, saying why.
    void onopslaanbareWoorden() {
        Opstelling o;
        o.openMet(3);
        o.e.klikRegel(0, 1);
        for (const auto& [woord, melding] :
             {std::pair{QString("Zeg \"kaas\""), E::meldingAanhalingsteken()},
              {QString("twee\nregels"), E::meldingRegeleinde()},
              {QString("Łódź"), E::meldingOnopslaanbaarTeken(QString("Ł"))}}) {
            QCOMPARE(o.doe(&E::toevoegen, {"Parijs", woord, "Café"}), melding);
            QCOMPARE(o.doe(&E::wijzigen, {"Parijs", woord, "Café"}), melding);
        }
        QCOMPARE(o.doe(&E::wijzigen, {"Parijs", "€uro", "Café"}), "gedaan");
    }

    // A click in List1 selects the whole Drietal and copies it, one in List2 selects there only.
    // Delete needs a selected row; Regel stays, so Wijzig then acts on the row that moved up.
    void klikkenEnVerwijderen() {
        Opstelling o;
        o.openMet(5);
        QCOMPARE(o.doe(&E::verwijderen), E::meldingGeenSelectie());
        o.e.klikRegel(0, 2);
        QCOMPARE(o.teksten(), abc(2));
        o.e.klikRegel(1, 4);
        o.e.klikRegel(0, 5); // no such row
        QCOMPARE(o.keuze(), QList<int>({2, 2, 4, 2}));
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.e.kolom(1), QStringList({"b0", "b1", "b3", "b4"}));
        QCOMPARE(o.keuze(), QList<int>({2, -1, -1, -1}));
        QCOMPARE(o.doe(&E::verwijderen), E::meldingGeenSelectie());
        QCOMPARE(o.doe(&E::wijzigen), "gedaan");
        QCOMPARE(o.rij(2), abc(2));
        o.e.klikRegel(0, 3);
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "");
    }

    // Nieuw refuses a name in use (whatever its case, also one just made) and one that cannot be
    // a file; typed straight into the topic box, such a name is refused on saving.
    void nieuwWeigertOnbruikbareNamen() {
        Opstelling o;
        o.openMet(4);
        QCOMPARE(o.nieuw("Vogels"), "gedaan");
        QCOMPARE(o.doe(&E::toevoegen, {"Mus", "Merel", "Meeuw"}), "gedaan");
        for (const char* naam : {"geografie", "VOGELS"})
            QCOMPARE(o.nieuw(naam), E::meldingDubbeleNaam());
        for (const QString& naam :
             {QString("../buiten"), QString("Geo?rafie"), QString(126, u'é')}) {
            QCOMPARE(o.nieuw(naam), E::meldingOngeldigeNaam());
            o.e.zetOnderwerpTekst(naam);
            QCOMPARE(o.doe(&E::opslaan), E::meldingOngeldigeNaam());
        }
    }

    // Save writes under the name in the topic box, or says why it could not.
    void opslaan() {
        Opstelling o;
        o.openMet(1);
        o.e.zetOnderwerpTekst("Kopie");
        QCOMPARE(o.doe(&E::opslaan), "gedaan");
        QCOMPARE(TestMap::lees(o.bestand("Kopie")), TestMap::lees(o.bestand("Geografie")));
        QVERIFY(TestMap::schrijf(o.bestand("Polen"), "\"Polen\",\"Łódź\",\"Fabriek\"\r\n"));
        o.e.openen("Polen");
        QCOMPARE(o.doe(&E::opslaan), E::meldingOnopslaanbareWoorden());
        QVERIFY(QDir().mkpath(o.bestand("Vol") + "/binnen"));
        o.e.openen("Vol");
        QCOMPARE(o.doe(&E::opslaan), E::meldingNietOpgeslagen());
    }

    // A topic that is there but was not read whole is reported on opening and on picking, and a
    // save over it keeps the old file as .bak.
    void onvolledigGelezenWordtBewaard() {
        const QByteArray rij = "\"a\",\"b\",\"c\"\r\n";
        for (const QByteArray& bytes :
             {rij + "\"d\",\"e\"", rij.repeated(Opslag::kMaxBestandsgrootte / rij.size() + 1)}) {
            Opstelling o;
            QVERIFY(TestMap::schrijf(o.bestand("Stuk"), bytes));
            QVERIFY(!o.e.openen("Stuk").melding.isEmpty());
            QVERIFY(!o.e.kiesOnderwerp(0).melding.isEmpty());
            QCOMPARE(o.doe(&E::toevoegen, abc(1)), "gedaan");
            QCOMPARE(o.doe(&E::opslaan), "gedaan");
            QCOMPARE(TestMap::lees(o.bestand("Stuk") + ".bak"), bytes);
        }
    }

    // A file with empty fields gives columns of unequal length, never indexed past their end.
    void ongelijkeKolommen() {
        Opstelling o;
        QVERIFY(TestMap::schrijf(o.bestand("Scheef"), "\"a\",\"\",\"c\"\r\n\"d\",\"e\",\"f\"\r\n"));
        o.e.openen("Scheef");
        o.e.klikRegel(0, 1);
        QCOMPARE(o.teksten(), QStringList({"d", "", "f"}));
        QCOMPARE(o.keuze(), QList<int>({1, 1, E::kGeenRegel, 1}));
        QCOMPARE(o.doe(&E::wijzigen, {"x", "y", "z"}), "");
        QCOMPARE(o.doe(&E::verwijderen), "gedaan");
        QCOMPARE(o.rij(0), QStringList({"a", "e", "c"}));
    }
};

QTEST_GUILESS_MAIN(TestWoordEditor)
#include "tst_woordeditor.moc"
