// The word list editor window, driven through its controls; a topic made in it is then played.
#include "game/algemeen.h"
#include "game/spel.h"
#include "support/bordhulp.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/windows/woordform.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <tuple>

using namespace Algemeen;
using Drietal::Woordform;

namespace {

// The entries of a list or a combo box.
template <typename W> QStringList items(const W* w) {
    QStringList l;
    for (int i = 0; i < w->count(); ++i)
        l << w->model()->index(i, 0).data().toString();
    return l;
}

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

void klik(QWidget* knop) {
    QTest::mouseClick(knop, Qt::LeftButton);
}

void klikRij(QListWidget* lijst, int rij) {
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                      lijst->visualItemRect(lijst->item(rij)).center());
}

// Types text key by key. QTest::keyClicks takes ASCII only; other characters come as the text
// of a key the keyboard map does not name, as a compose key or dead key delivers them.
void tik(QWidget* veld, const QString& tekst) {
    for (QChar c : tekst) {
        if (c.unicode() < 0x80)
            QTest::keyClick(veld, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, veld, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the text of a box the way a user does: select all, then type.
void typ(QLineEdit* veld, const QString& tekst) {
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    if (tekst.isEmpty())
        QTest::keyClick(veld, Qt::Key_Delete);
    tik(veld, tekst);
}

QColor basis(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// The window with its messages and name answers caught.
struct Opstelling {
    TestProgrammaMap map;
    NepTijd tijd;
    QStringList meldingen;
    QList<QWidget*> meldOuders;
    QString antwoord;
    std::unique_ptr<Woordform> v;

    explicit Opstelling(int rijen = 10) {
        map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen().mid(0, rijen));
    }
    Woordform& open() {
        v = std::make_unique<Woordform>(
            nullptr,
            [this](QWidget* ouder, const QString& tekst) {
                meldOuders << ouder;
                meldingen << tekst;
            },
            [this](QWidget*) { return antwoord; });
        v->show();
        if (!QTest::qWaitForWindowExposed(v.get()))
            qWarning("window not exposed");
        return *v;
    }
    QString bestand(const QString& naam) const { return map.pad() + "/Data/" + naam + ".dat"; }
    // Types a Drietal into the three boxes and adds it.
    void voegToe(const QStringList& woorden) {
        tik(v->Text1(), woorden[0]);
        tik(v->Text2(), woorden[1]);
        tik(v->Text3(), woorden[2]);
        klik(v->AddKnop());
    }
};

const QList<QStringList> kLanden = {
    {"Nederland", "Rotterdam", "Euromast"},
    {"Frankrijk", "Parijs", "Eiffeltoren"},
    {"Italië", "Rome", "Colosseum"},
    {"Zwitserland", "Zürich", " Bank"},
    {"Spanje", "Madrid", "Prado "},
    {"Engeland", "Londen", "Big Ben"},
    {"Duitsland", "Berlijn", "Brandenburger Tor"},
    {"België", "Brussel", "Atomium"},
    {"Oostenrijk", "Wenen", "Prater"},
    {"Griekenland", "Athene", "Akropolis"},
};

} // namespace

class TestWoordform : public QObject {
    Q_OBJECT
private slots:
    void textsTooltipsAndColoursOfTheControls() {
        Opstelling o;
        std::tie(instellingen.ColorRed, instellingen.ColorGreen, instellingen.ColorBlue) =
            std::tuple(10, 20, 30);
        Woordform& v = o.open();
        QCOMPARE(v.windowTitle(), " Woordlijsten");
        QCOMPARE(v.palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(v.Label1()->text(), "Onderwerp");
        QCOMPARE(v.Label4()->text(), "1                                         2"
                                     "                                        3");
        QCOMPARE(v.Label5()->text(), "10 Woorden");

        const QList<std::tuple<QPushButton*, QString, QString>> knoppen = {
            {v.AddKnop(), "Add", " Woorden toevoegen "},
            {v.DelKnop(), "Delete", " Verwijder woorden "},
            {v.WijzigKnop(), "Wijzig", ""},
            {v.NewKnop(), "Nieuw", " Nieuw onderwerp "},
            {v.CancelKnop(), "Cancel", " Exit "},
            {v.ExitKnop(), "Save", " Llijst opslaan "},
        };
        for (const auto& [knop, tekst, tip] : knoppen) {
            QCOMPARE(knop->text(), tekst);
            QCOMPARE(knop->toolTip(), tip);
            // Each button lies on its black box.
            const QLabel* vlak = knop->x() < v.Label3()->x() ? v.Label2() : v.Label3();
            QVERIFY2(vlak->geometry().contains(knop->geometry()), qPrintable(tekst));
        }
        for (QListWidget* lijst : {v.List1(), v.List2(), v.List3()}) {
            QCOMPARE(basis(lijst), QColor(30, 30, 60));
            QCOMPARE(lijst->palette().color(QPalette::Text), QColor(255, 255, 255));
        }
        for (QLineEdit* veld : {v.Text1(), v.Text2(), v.Text3()}) {
            QCOMPARE(basis(veld), QColor(220, 220, 220));
            QVERIFY(veld->text().isEmpty());
        }
        QCOMPARE(basis(v.Combo1()), QColor(190, 220, 190));

        // The labels sized to their text are not cut off and overlap nothing they should not.
        // Each digit of the column header stands over the middle of its column.
        const QFontMetricsF maat(v.Label4()->font());
        const QString kop = v.Label4()->text();
        const QListWidget* lijsten[] = {v.List1(), v.List2(), v.List3()};
        for (int i = 0; i < 3; ++i) {
            const QChar cijfer('1' + i);
            const qreal midden = v.Label4()->x() +
                                 maat.horizontalAdvance(kop.left(kop.indexOf(cijfer))) +
                                 maat.horizontalAdvance(cijfer) / 2;
            const qreal kolom = lijsten[i]->x() + lijsten[i]->width() / 2.0;
            QVERIFY2(qAbs(midden - kolom) <= 3, qPrintable(QString::number(midden)));
        }
        QVERIFY(v.Label4()->geometry().bottom() < v.Text1()->geometry().top());
        QVERIFY(v.Label4()->geometry().top() > v.List1()->geometry().bottom());
        QVERIFY(v.Label5()->geometry().left() > v.Label2()->geometry().right());
        QVERIFY(v.Label5()->geometry().right() < v.Label3()->geometry().left());
        for (const QWidget* w : v.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(v.rect().contains(w->geometry()), qPrintable(w->metaObject()->className()));
    }

    void makesATenRowTopicThroughTheControlsThenPlaysIt() {
        const QString naam = "Landen en steden";
        Opstelling o;
        o.antwoord = naam;
        Woordform& v = o.open();
        QCOMPARE(v.Combo1()->currentText(), "Geografie");
        QCOMPARE(v.List2()->count(), 10);

        klik(v.NewKnop());
        QCOMPARE(items(v.Combo1()), QStringList({"Geografie", naam}));
        QCOMPARE(v.Combo1()->currentText(), naam);
        QCOMPARE(v.List1()->count(), 0);
        QCOMPARE(v.Label5()->text(), "0 Woorden");
        QByteArray verwacht;
        for (const QStringList& rij : kLanden) {
            o.voegToe(rij);
            QVERIFY(v.Text1()->text().isEmpty() && v.Text3()->text().isEmpty());
            verwacht += "\"" + rij.join("\",\"").toLatin1() + "\"\r\n";
        }
        QCOMPARE(v.Label5()->text(), "10 Woorden");
        tik(v.Text1(), "Polen");
        klik(v.AddKnop());
        QCOMPARE(o.meldingen, QStringList({"Maximaal 10 woorden (regels) per onderwerp..."}));
        QCOMPARE(o.meldOuders.value(0), &v);
        QCOMPARE(v.List1()->count(), 10);

        QVERIFY(!QFileInfo::exists(o.bestand(naam)));
        klik(v.ExitKnop());
        QVERIFY(v.isVisible());
        QCOMPARE(o.meldingen.size(), 1);
        QCOMPARE(lees(o.bestand(naam)), verwacht);

        // The game plays the saved topic to the end.
        instellingen.Onderwerp = naam;
        Toeval toeval(2024);
        Spel spel(o.tijd, toeval);
        QCOMPARE(spel.start("Anna"), Spel::StartUitkomst::Gestart);
        spel.startAftellen();
        o.tijd.verstrijk(instellingen.PauzeTijd * 1000);
        QCOMPARE(spel.fase(), Fase::Spelen);
        const SpelToestand& t = spel.toestand();
        for (int d = 0; d < 10; ++d) {
            for (int rij = 0; rij < 3; ++rij)
                QCOMPARE(spel.woord(rij, t.plek(d, rij)), kLanden[d][rij]);
            kiesDrietal(spel, d);
            QCOMPARE(t.Uitslag, "Goed");
            o.tijd.verstrijk(3000);
        }
        QCOMPARE(t.AantalGoed, 10);
        QCOMPARE(spel.fase(), Fase::Klaar);
        QCOMPARE(BackScoreLijst, QStringList({"00:27 - Anna"}));
    }

    void aClickedRowIsCopiedAndWijzigFlashesTheListsThroughTheSeam() {
        Opstelling o;
        Woordform& v = o.open();
        klikRij(v.List1(), 3);
        QCOMPARE(v.editor().regel(), 3);
        QCOMPARE(QList<int>({v.List2()->currentRow(), v.List3()->currentRow()}),
                 QList<int>({3, 3}));
        QCOMPARE(QStringList({v.Text2()->text(), v.Text3()->text()}), QStringList({"b3", "c3"}));
        // A row of List2 is selected there only.
        typ(v.Text1(), "Zon");
        klikRij(v.List2(), 5);
        QCOMPARE(QList<int>({v.List1()->currentRow(), v.List2()->currentRow()}),
                 QList<int>({3, 5}));
        QCOMPARE(v.Text1()->text(), "Zon");

        typ(v.Text2(), "   ");
        const QColor rust = basis(v.List3());
        klik(v.WijzigKnop());
        const QColor flits = basis(v.List3());
        QVERIFY(flits != rust);
        o.tijd.verstrijk(199);
        QCOMPARE(basis(v.List1()), flits);
        o.tijd.verstrijk(1);
        for (QListWidget* lijst : {v.List1(), v.List2(), v.List3()})
            QCOMPARE(basis(lijst), rust);
        QCOMPARE(QStringList({items(v.List1())[3], items(v.List2())[3], v.Text2()->text()}),
                 QStringList({"Zon", "   ", "   "}));
        QCOMPARE(v.Label5()->text(), "10 Woorden");

        // Nothing changes, nothing flashes, nothing is said.
        typ(v.Text3(), "");
        klik(v.WijzigKnop());
        QCOMPARE(basis(v.List3()), rust);
        QCOMPARE(items(v.List3())[3], "c3");
        QCOMPARE(o.meldingen, QStringList());
        // Not saved: the file still holds the old row.
        QCOMPARE(lees(o.bestand("Geografie")).split('\n').at(3), "\"a3\",\"b3\",\"c3\"\r");
    }

    void refusalsAreShownOverTheWindow() {
        Opstelling o(4);
        o.map.schrijfOnderwerp("Dieren", {{"Kat", "Hond", "Muis"}});
        Woordform& v = o.open();
        klik(v.DelKnop());
        o.voegToe({"Zeg \"kaas\"", "b", "c"});
        QCOMPARE(v.List1()->count(), 4);
        QCOMPARE(v.Text1()->text(), "Zeg \"kaas\"");
        o.antwoord = "dieren";
        klik(v.NewKnop());
        QCOMPARE(v.Combo1()->count(), 2);
        typ(v.Combo1()->lineEdit(), "../buiten");
        klik(v.ExitKnop());
        QVERIFY(!QFileInfo::exists(o.map.pad() + "/buiten.dat"));
        QVERIFY(!QFileInfo::exists(QFileInfo(o.map.pad()).absolutePath() + "/buiten.dat"));
        // The typed name stays in the box.
        QCOMPARE(v.Combo1()->currentText(), "../buiten");

        QCOMPARE(o.meldingen.mid(0, 3),
                 QStringList({"Geen woord geselecteerd!",
                              "Een woord mag geen aanhalingsteken (\") bevatten!",
                              "Géén dubbele namen als onderwerp gebruiken..."}));
        QVERIFY(o.meldingen.value(3).startsWith("Deze naam kan niet"));
        QCOMPARE(o.meldOuders, QList<QWidget*>(4, &v));
    }

    void aTopicNotReadWholeIsReportedOverTheWindow() {
        Opstelling o(2);
        QVERIFY(QFile::resize(o.bestand("Geografie"), 20)); // the second record cut short
        Woordform& v = o.open();
        QTRY_COMPARE(o.meldingen.size(), 1);
        QCOMPARE(o.meldOuders, QList<QWidget*>({&v}));
    }

    void pickingATopicAndCancelDropUnsavedChanges() {
        Opstelling o(3);
        o.map.schrijfOnderwerp("Dieren", {{"Kat", "Hond", "Muis"}});
        const QByteArray geografie = lees(o.bestand("Geografie"));
        Woordform& v = o.open();
        QCOMPARE(v.Combo1()->currentIndex(), 1);
        klikRij(v.List1(), 0);
        klik(v.DelKnop());
        QCOMPARE(v.List1()->count(), 2);
        QCOMPARE(v.List1()->currentRow(), -1);

        // The arrow key picks the entry above, as a click in the list would.
        v.Combo1()->setFocus();
        QTest::keyClick(v.Combo1(), Qt::Key_Up);
        QCOMPARE(v.editor().item(), "Dieren");
        QCOMPARE(items(v.List2()), QStringList({"Hond"}));
        QCOMPARE(v.Label5()->text(), "1 Woorden");
        QVERIFY(v.Text1()->text().isEmpty());
        QTest::keyClick(v.Combo1(), Qt::Key_Down);
        QCOMPARE(items(v.List1()), QStringList({"a0", "a1", "a2"}));

        o.voegToe({"x", "y", "z"});
        QCOMPARE(v.List1()->count(), 4);
        klik(v.CancelKnop());
        QVERIFY(!v.isVisible());
        QCOMPARE(v.result(), int(QDialog::Rejected));
        QCOMPARE(lees(o.bestand("Geografie")), geografie);
        QCOMPARE(items(o.open().List1()), QStringList({"a0", "a1", "a2"}));
        QCOMPARE(o.meldingen, QStringList());
    }
};

QTEST_MAIN(TestWoordform)
#include "tst_woordform.moc"
