// The word list editor window, driven through its controls; a topic made in it is then played.
#include "game/algemeen.h"
#include "game/spel.h"
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

using Drietal::Woordform;

namespace {

QStringList items(const QListWidget* lijst) {
    QStringList l;
    for (int i = 0; i < lijst->count(); ++i)
        l << lijst->item(i)->text();
    return l;
}

QStringList comboItems(const QComboBox* combo) {
    QStringList l;
    for (int i = 0; i < combo->count(); ++i)
        l << combo->itemText(i);
    return l;
}

QByteArray leesBestand(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return "<ontbreekt>";
    return f.readAll();
}

void klikRij(QListWidget* lijst, int rij) {
    const QRect vak = lijst->visualItemRect(lijst->item(rij));
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, vak.center());
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
    else
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
    std::unique_ptr<Woordform> venster;

    explicit Opstelling(int rijen = 10) {
        map.schrijfOnderwerp(QStringLiteral("Geografie"),
                             TestProgrammaMap::tienRijen().mid(0, rijen));
    }
    Woordform& open() {
        venster = std::make_unique<Woordform>(
            nullptr,
            [this](QWidget* ouder, const QString& tekst) {
                meldOuders << ouder;
                meldingen << tekst;
            },
            [this](QWidget*) { return antwoord; });
        venster->show();
        if (!QTest::qWaitForWindowExposed(venster.get()))
            qWarning("window not exposed");
        return *venster;
    }
    QString bestand(const QString& naam) const { return map.pad() + "/Data/" + naam + ".dat"; }
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
        Algemeen::instellingen.ColorRed = 10;
        Algemeen::instellingen.ColorGreen = 20;
        Algemeen::instellingen.ColorBlue = 30;
        Woordform& v = o.open();
        QCOMPARE(v.windowTitle(), QStringLiteral(" Woordlijsten"));
        QCOMPARE(v.palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(v.Label1()->text(), QStringLiteral("Onderwerp"));
        QCOMPARE(v.Label4()->text(), QStringLiteral("1                                         2"
                                                    "                                        3"));
        QCOMPARE(v.Label5()->text(), QStringLiteral("10 Woorden"));

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
            // Each button lies on its black box, inside the window.
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
        const QList<std::pair<QChar, QListWidget*>> cijfers = {
            {u'1', v.List1()}, {u'2', v.List2()}, {u'3', v.List3()}};
        for (const auto& [cijfer, lijst] : cijfers) {
            const qsizetype i = kop.indexOf(cijfer);
            const qreal midden = v.Label4()->x() + maat.horizontalAdvance(kop.left(i)) +
                                 maat.horizontalAdvance(cijfer) / 2;
            QVERIFY2(qAbs(midden - (lijst->x() + lijst->width() / 2.0)) <= 3,
                     qPrintable(QString::number(midden)));
        }
        QVERIFY(v.Label4()->geometry().bottom() < v.Text1()->geometry().top());
        QVERIFY(v.Label4()->geometry().top() > v.List1()->geometry().bottom());
        QVERIFY(v.Label5()->geometry().left() > v.Label2()->geometry().right());
        QVERIFY(v.Label5()->geometry().right() < v.Label3()->geometry().left());
        for (const QWidget* w : v.findChildren<QWidget*>()) {
            if (w->parentWidget() == &v)
                QVERIFY2(v.rect().contains(w->geometry()),
                         qPrintable(w->metaObject()->className()));
        }
    }

    void makesATenRowTopicThroughTheControlsThenPlaysIt() {
        const QString naam = QStringLiteral("Landen en steden");
        Opstelling o;
        o.antwoord = naam;
        Woordform& v = o.open();
        QCOMPARE(v.Combo1()->currentText(), QStringLiteral("Geografie"));
        QCOMPARE(items(v.List2()).size(), 10);

        QTest::mouseClick(v.NewKnop(), Qt::LeftButton);
        QCOMPARE(comboItems(v.Combo1()), QStringList({"Geografie", naam}));
        QCOMPARE(v.Combo1()->currentText(), naam);
        QCOMPARE(v.List1()->count(), 0);
        QCOMPARE(v.Label5()->text(), QStringLiteral("0 Woorden"));

        QByteArray verwacht;
        for (const QStringList& rij : kLanden) {
            tik(v.Text1(), rij[0]);
            tik(v.Text2(), rij[1]);
            tik(v.Text3(), rij[2]);
            QTest::mouseClick(v.AddKnop(), Qt::LeftButton);
            QVERIFY(v.Text1()->text().isEmpty() && v.Text3()->text().isEmpty());
            verwacht += "\"" + rij[0].toLatin1() + "\",\"" + rij[1].toLatin1() + "\",\"" +
                        rij[2].toLatin1() + "\"\r\n";
        }
        QCOMPARE(o.meldingen, QStringList());
        QCOMPARE(v.Label5()->text(), QStringLiteral("10 Woorden"));
        QCOMPARE(items(v.List3()).at(3), QStringLiteral(" Bank"));

        tik(v.Text1(), QStringLiteral("Polen"));
        QTest::mouseClick(v.AddKnop(), Qt::LeftButton);
        QCOMPARE(o.meldingen,
                 QStringList({QStringLiteral("Maximaal 10 woorden (regels) per onderwerp...")}));
        QCOMPARE(o.meldOuders.value(0), &v);
        QCOMPARE(v.List1()->count(), 10);

        QVERIFY(!QFileInfo::exists(o.bestand(naam)));
        QTest::mouseClick(v.ExitKnop(), Qt::LeftButton);
        QVERIFY(v.isVisible());
        QCOMPARE(o.meldingen.size(), 1);
        const QByteArray bytes = leesBestand(o.bestand(naam));
        QCOMPARE(bytes, verwacht);
        QVERIFY(bytes.contains("\"Z\xFCrich\""));
        QCOMPARE(bytes.count("\r\n"), 10);
        QCOMPARE(bytes.count('\n'), 10);

        // The game plays the saved topic to the end.
        Algemeen::instellingen.Onderwerp = naam;
        Algemeen::Toeval toeval(2024);
        Algemeen::Spel spel(o.tijd, toeval);
        QCOMPARE(spel.start(QStringLiteral("Anna")), Algemeen::Spel::StartUitkomst::Gestart);
        spel.startAftellen();
        o.tijd.verstrijk(Algemeen::instellingen.PauzeTijd * 1000);
        QCOMPARE(spel.fase(), Algemeen::Fase::Spelen);
        const Algemeen::SpelToestand& t = spel.toestand();
        for (int d = 0; d < 10; ++d) {
            const int plek[3] = {t.PlekRij1[d], t.PlekRij2[d], t.PlekRij3[d]};
            for (int rij = 0; rij < 3; ++rij) {
                QCOMPARE(spel.woord(rij, plek[rij]), kLanden[d][rij]);
                spel.klik(Algemeen::kKaartLinks[rij] + 2 + Algemeen::kGezichtBreedte / 2,
                          Algemeen::kaartBoven(plek[rij]) + 15, Qt::LeftButton);
            }
            QCOMPARE(t.Uitslag, QStringLiteral("Goed"));
            o.tijd.verstrijk(3000);
        }
        QCOMPARE(t.AantalGoed, 10);
        QCOMPARE(spel.fase(), Algemeen::Fase::Klaar);
        QCOMPARE(Algemeen::BackScoreLijst, QStringList({QStringLiteral("00:27 - Anna")}));
    }

    void aClickedRowIsCopiedAndWijzigFlashesTheListsThroughTheSeam() {
        Opstelling o;
        Woordform& v = o.open();
        klikRij(v.List1(), 3);
        QCOMPARE(v.editor().regel(), 3);
        QCOMPARE(v.List2()->currentRow(), 3);
        QCOMPARE(v.List3()->currentRow(), 3);
        QCOMPARE(v.Text2()->text(), QStringLiteral("b3"));
        QCOMPARE(v.Text3()->text(), QStringLiteral("c3"));

        // A row of List2 is selected there only.
        typ(v.Text1(), QStringLiteral("Zon"));
        klikRij(v.List2(), 5);
        QCOMPARE(v.List2()->currentRow(), 5);
        QCOMPARE(v.List1()->currentRow(), 3);
        QCOMPARE(v.Text1()->text(), QStringLiteral("Zon"));

        typ(v.Text2(), QStringLiteral("   "));
        QColor tijdens;
        o.tijd.start(100, false, [&] { tijdens = basis(v.List3()); });
        QTest::mouseClick(v.WijzigKnop(), Qt::LeftButton);
        QCOMPARE(tijdens, QColor(255, 160, 160));
        QCOMPARE(o.tijd.nuMs(), 200);
        QCOMPARE(o.tijd.aantalWachten(), 1);
        for (QListWidget* lijst : {v.List1(), v.List2(), v.List3()})
            QCOMPARE(basis(lijst), QColor(30, 30, 60));
        QCOMPARE(items(v.List1()).at(3), QStringLiteral("Zon"));
        QCOMPARE(items(v.List2()).at(3), QStringLiteral("   "));
        QCOMPARE(v.Text2()->text(), QStringLiteral("   "));
        QCOMPARE(v.Label5()->text(), QStringLiteral("10 Woorden"));

        // Nothing changes, nothing flashes, nothing is said.
        typ(v.Text3(), QString());
        QTest::mouseClick(v.WijzigKnop(), Qt::LeftButton);
        QCOMPARE(o.tijd.aantalWachten(), 1);
        QCOMPARE(items(v.List3()).at(3), QStringLiteral("c3"));
        QCOMPARE(o.meldingen, QStringList());
        // Not saved: the file still holds the old row.
        QCOMPARE(leesBestand(o.bestand("Geografie")).split('\n').at(3),
                 QByteArray("\"a3\",\"b3\",\"c3\"\r"));
    }

    void refusalsAreShownOverTheWindow() {
        Opstelling o(4);
        o.map.schrijfOnderwerp(QStringLiteral("Dieren"), {{"Kat", "Hond", "Muis"}});
        Woordform& v = o.open();
        QTest::mouseClick(v.DelKnop(), Qt::LeftButton);
        QCOMPARE(o.meldingen.value(0), QStringLiteral("Geen woord geselecteerd!"));

        tik(v.Text1(), QStringLiteral("Zeg \"kaas\""));
        tik(v.Text2(), QStringLiteral("b"));
        tik(v.Text3(), QStringLiteral("c"));
        QTest::mouseClick(v.AddKnop(), Qt::LeftButton);
        QCOMPARE(o.meldingen.value(1),
                 QStringLiteral("Een woord mag geen aanhalingsteken (\") bevatten!"));
        QCOMPARE(v.List1()->count(), 4);
        QCOMPARE(v.Text1()->text(), QStringLiteral("Zeg \"kaas\""));

        o.antwoord = QStringLiteral("dieren");
        QTest::mouseClick(v.NewKnop(), Qt::LeftButton);
        QCOMPARE(o.meldingen.value(2),
                 QStringLiteral("Géén dubbele namen als onderwerp gebruiken..."));
        QCOMPARE(v.Combo1()->count(), 2);

        const QString ouder = QFileInfo(o.map.pad()).absolutePath();
        typ(v.Combo1()->lineEdit(), QStringLiteral("../buiten"));
        QTest::mouseClick(v.ExitKnop(), Qt::LeftButton);
        QVERIFY(o.meldingen.value(3).startsWith(QStringLiteral("Deze naam kan niet")));
        QVERIFY(!QFileInfo::exists(o.map.pad() + "/buiten.dat"));
        QVERIFY(!QFileInfo::exists(ouder + "/buiten.dat"));
        // The typed name stays in the box.
        QCOMPARE(v.Combo1()->currentText(), QStringLiteral("../buiten"));
        QCOMPARE(o.meldingen.size(), 4);
        for (QWidget* w : o.meldOuders)
            QCOMPARE(w, &v);
    }

    void pickingATopicAndCancelDropUnsavedChanges() {
        Opstelling o(3);
        o.map.schrijfOnderwerp(QStringLiteral("Dieren"), {{"Kat", "Hond", "Muis"}});
        const QByteArray geografie = leesBestand(o.bestand("Geografie"));
        Woordform& v = o.open();
        QCOMPARE(v.Combo1()->currentIndex(), 1);

        klikRij(v.List1(), 0);
        QTest::mouseClick(v.DelKnop(), Qt::LeftButton);
        QCOMPARE(v.List1()->count(), 2);
        QCOMPARE(v.List1()->currentRow(), -1);

        // The arrow key picks the entry above, as a click in the list would.
        v.Combo1()->setFocus();
        QTest::keyClick(v.Combo1(), Qt::Key_Up);
        QCOMPARE(v.editor().item(), QStringLiteral("Dieren"));
        QCOMPARE(items(v.List2()), QStringList({"Hond"}));
        QCOMPARE(v.Label5()->text(), QStringLiteral("1 Woorden"));
        QVERIFY(v.Text1()->text().isEmpty());
        QTest::keyClick(v.Combo1(), Qt::Key_Down);
        QCOMPARE(items(v.List1()), QStringList({"a0", "a1", "a2"}));

        tik(v.Text1(), QStringLiteral("x"));
        tik(v.Text2(), QStringLiteral("y"));
        tik(v.Text3(), QStringLiteral("z"));
        QTest::mouseClick(v.AddKnop(), Qt::LeftButton);
        QCOMPARE(v.List1()->count(), 4);
        QTest::mouseClick(v.CancelKnop(), Qt::LeftButton);
        QVERIFY(!v.isVisible());
        QCOMPARE(v.result(), int(QDialog::Rejected));
        QCOMPARE(leesBestand(o.bestand("Geografie")), geografie);

        Woordform& opnieuw = o.open();
        QCOMPARE(items(opnieuw.List1()), QStringList({"a0", "a1", "a2"}));
        QCOMPARE(o.meldingen, QStringList());
    }
};

QTEST_MAIN(TestWoordform)
#include "tst_woordform.moc"
