// SPDX-License-Identifier: GPL-3.0-or-later
// The windows over the main window: their layout, the press effect, the high-score window, the
// solution preview, the settings window and the word list editor.
#include "game/instellingenkeuze.h"
#include "support/neptijd.h"
#include "support/testonderwerp.h"
#include "ui/kit/venster.h"
#include "ui/windows/config.h"
#include "ui/windows/oplossing.h"
#include "ui/windows/scoreform.h"
#include "ui/windows/woordform.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Drietal;
using Regels::InstellingWaarden;
using E = Regels::WoordEditor;

namespace {

QByteArray beschrijf(const QWidget* w) {
    return QByteArray(w->metaObject()->className()) + ' ' + w->property("text").toString().toUtf8();
}

// What a player sees of a window's layout, checked by relations rather than by positions: every
// control inside the window, none overlapping (a panel under them aside), texts fitting, push
// buttons on a dark panel that shows around them. With bediening, every control that takes a
// click or keys is reached with Tab and named for a screen reader, by its text or accessible name.
void controleerIndeling(QWidget& venster, bool bediening) {
    venster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&venster));
    const QImage beeld = venster.grab().toImage();
    QList<QWidget*> controls, bereikt;
    for (QWidget* w : venster.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            controls << w;
    for (QWidget* w = venster.nextInFocusChain(); w != &venster; w = w->nextInFocusChain())
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            bereikt << w;
    QVERIFY(controls.size() > 1);
    // A plain frame or a coloured label without text or picture: a panel others may lie on.
    const auto paneel = [](const QWidget* w) {
        const auto* label = qobject_cast<const QLabel*>(w);
        return w->metaObject() == &QFrame::staticMetaObject ||
               (label && label->text().isEmpty() && label->pixmap().isNull());
    };
    for (QWidget* w : controls) {
        QVERIFY2(venster.rect().contains(w->geometry()), beschrijf(w));
        if (bediening &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
             qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
             qobject_cast<QListWidget*>(w) || w->testAttribute(Qt::WA_SetCursor))) { // clickable
            QVERIFY2(bereikt.contains(w), beschrijf(w));
            const QString genoemd = w->accessibleName().isEmpty() ? w->property("text").toString()
                                                                  : w->accessibleName();
            QVERIFY2(!genoemd.trimmed().isEmpty(), beschrijf(w));
        }
        if (const auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QRect ruimte = label->contentsRect();
            const QRect nodig = label->fontMetrics().boundingRect(
                ruimte, label->wordWrap() ? Qt::TextWordWrap : 0, label->text().trimmed());
            QVERIFY2(nodig.width() <= ruimte.width() && nodig.height() <= ruimte.height(),
                     beschrijf(w));
        }
        if (const auto* knop = qobject_cast<QAbstractButton*>(w)) {
            QVERIFY2(knop->fontMetrics().horizontalAdvance(knop->text()) < knop->width() - 4,
                     beschrijf(w));
            // The dark panel under it shows on every side.
            const QRect r = w->geometry();
            for (const QPoint p :
                 {QPoint(r.left() - 1, r.center().y()), QPoint(r.right() + 1, r.center().y()),
                  QPoint(r.center().x(), r.top() - 1), QPoint(r.center().x(), r.bottom() + 1)})
                QVERIFY2(beeld.pixelColor(p).lightness() < 100, beschrijf(w));
        }
        for (QWidget* ander : controls)
            if (ander != w && !paneel(w) && !paneel(ander))
                QVERIFY2(!w->geometry().intersects(ander->geometry()),
                         beschrijf(w) + " / " + beschrijf(ander));
    }
}

void klikOp(QListWidget* lijst, const QString& tekst) {
    const auto gevonden = lijst->findItems(tekst, Qt::MatchExactly);
    QCOMPARE(gevonden.size(), 1);
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                      lijst->visualItemRect(gevonden[0]).center());
}

// Replaces the text of a box as a user does, key by key (QTest::keyClicks takes ASCII only).
void typ(QLineEdit* veld, const QString& tekst) {
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : tekst)
        QTest::sendKeyEvent(QTest::Click, veld, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A complete topic in force; the windows' messages and the answer to a name box caught.
struct Opstelling {
    TestProgrammaMap map;
    NepTijd tijd;
    QStringList meldingen;
    QList<QWidget*> ouders;
    QString antwoord;
    Regels::Instellingen inst{map.mappen()};
    Regels::ScoreLijst scores{map.mappen()};
    std::function<void(QWidget*, const QString&)> meld = [this](QWidget* o, const QString& t) {
        ouders << o;
        meldingen << t;
    };
    Opstelling() { map.schrijfOnderwerp("Geografie", TestProgrammaMap::tienRijen()); }
    QString bestand(const QString& naam) const { return map.pad("Data/" + naam + ".dat"); }
    const InstellingWaarden& waarden() const { return inst.waarden(); }
    auto woordform() {
        auto v = std::make_unique<Woordform>(tijd, inst.waarden(), map.mappen(), nullptr, meld,
                                             [this](QWidget*) { return antwoord; });
        v->show();
        return v;
    }
};

} // namespace

class TestVensters : public QObject {
    Q_OBJECT
private slots:
    // Qt's own buttons of the name box and the questions speak Dutch under any locale.
    void standaardKnoppenInHetNederlands() {
        const auto terug = qScopeGuard([eerder = QLocale()] { QLocale::setDefault(eerder); });
        QLocale::setDefault(QLocale(QLocale::English));
        QVERIFY(laadQtVertaling());
        QStringList teksten;
        for (const auto& venster : std::initializer_list<std::unique_ptr<QDialog>>{
                 naamVraag(nullptr), jaNeeVraag(nullptr, "t", "Weg?", QMessageBox::Question)}) {
            venster->show(); // the name box makes its buttons when it is laid out
            for (auto* knop : venster->findChildren<QAbstractButton*>())
                teksten << knop->text().remove(u'&');
        }
        for (const char* tekst : {"Annuleren", "Ja", "Nee"})
            QVERIFY2(teksten.contains(tekst), qPrintable(teksten.join(' ')));
    }

    // A press sinks the button and its command runs when it springs back; a second press of the
    // same button meanwhile is ignored, another button works.
    void drukEffect() {
        NepTijd tijd;
        DrukEffect effect(tijd);
        QWidget a, b;
        int uitgevoerd = 0;
        QVERIFY(effect.druk(&a, [&] { ++uitgevoerd; }));
        QVERIFY(a.pos() != QPoint());
        tijd.verstrijk(50);
        QVERIFY(!effect.druk(&a, [&] { uitgevoerd += 10; }));
        QVERIFY(effect.druk(&b, [&] { uitgevoerd += 100; }));
        tijd.verstrijk(DrukEffect::kDrukMs - 50);
        QCOMPARE(a.pos(), QPoint());
        QCOMPARE(uitgevoerd, 1);
        tijd.verstrijk(50);
        QCOMPARE(uitgevoerd, 101);
    }

    // The scores fastest first, their number under them; Delete All asks, empties only after
    // Yes, and asks nothing about an empty list. The list in memory keeps its order.
    void scoreLijst() {
        Opstelling o;
        for (const char* regel : {"10:05 - A", "02:40 - B", "100:00 - C"})
            o.scores.voegToe(regel);
        int vragen = 0; // answered No the first time
        ScoreForm v(o.scores, Qt::gray, nullptr, [&](QWidget*) { return ++vragen > 1; });
        controleerIndeling(v, false);
        QCOMPARE(v.lijst()->item(0)->text(), "02:40 - B");
        QCOMPARE(v.lijst()->item(2)->text(), "100:00 - C");
        QVERIFY(v.aantalLabel()->text().endsWith(" 3"));
        QTest::mouseClick(v.verwijderKnop(), Qt::LeftButton);
        QCOMPARE(o.scores.regels().first(), "10:05 - A");
        QTest::mouseClick(v.verwijderKnop(), Qt::LeftButton);
        QVERIFY(o.scores.regels().isEmpty() && v.lijst()->count() == 0);
        QTest::mouseClick(v.verwijderKnop(), Qt::LeftButton);
        QCOMPARE(vragen, 2);
        QTest::mouseClick(v.sluitKnop(), Qt::LeftButton);
        QVERIFY(!v.isVisible());
    }

    // The penalty of this look and the ten codes, for three ticks of a second.
    void oplossing() {
        NepTijd tijd;
        const std::array<QString, 10> codes = {"0-9-0", "1-8-3", "2-7-6", "3-6-9", "4-5-2",
                                               "5-4-5", "6-3-8", "7-2-1", "8-1-4", "9-0-7"};
        Oplossing v(tijd, 100, codes, Qt::gray);
        controleerIndeling(v, false);
        QVERIFY(v.strafLabel()->text().contains(" 100 "));
        QCOMPARE(v.codesLabel()->text().split("\r\n").mid(0, 10),
                 QStringList(codes.begin(), codes.end()));
        tijd.verstrijk(2999);
        QVERIFY(v.isVisible());
        tijd.verstrijk(1);
        QVERIFY(!v.isVisible());
    }

    // The settings window. Every click on a topic asks again; an incomplete one is refused over
    // the window, the topic in force at opening already, over the window below. A long name keeps
    // its place under its list, whole in its tooltip and for a screen reader. Choices, colours and
    // think time count at once, clamped to the bars; Reset brings back the default colours and
    // title to the box, which only Exit (or Enter in it) applies, once storable.
    void config() {
        QWidget hoofd;
        Opstelling o;
        const QString lang = "Dieren & hun jongen – groep 5 (één)";
        o.map.schrijfOnderwerp(lang, TestProgrammaMap::tienRijen());
        o.map.schrijfOnderwerp("Half", TestProgrammaMap::tienRijen(9));
        for (const char* naam : {"Blauw", "Blauw 2", "Groen"})
            QVERIFY(TestMap::schrijf(Regels::achtergrondBestand(o.map.mappen(), naam), {}));
        o.inst.wijzig([](InstellingWaarden& w) {
            w.Onderwerp = "Half";
            w.WallpaperFile = "C:\\Spellen\\Backgrounds\\Blauw 2.jpg";
            w.ColorRed = 400; // an edited file
            w.TitelTekst = "Mijn spel";
        });
        Config v(o.inst, o.map.mappen(), &hoofd, QPixmap(48, 48), o.meld);
        v.show();
        QCOMPARE(o.meldingen, QStringList({*Regels::onderwerpWeigering(o.map.mappen(), "Half")}));
        QSignalSpy gewijzigd(&o.inst, &Regels::Instellingen::gewijzigd);
        for (const char* naam : {"Geografie", "Geografie", "Half"})
            klikOp(v.onderwerpLijst(), naam);
        QCOMPARE(o.waarden().Onderwerp, "Geografie");
        QCOMPARE(gewijzigd.count(), 1); // the same topic again changes nothing
        QCOMPARE(o.ouders, QList<QWidget*>({&hoofd, &v}));
        klikOp(v.onderwerpLijst(), lang);
        controleerIndeling(v, true);
        QLabel* naam = v.onderwerpOpschrift();
        QVERIFY(v.onderwerpLijst()->geometry().contains(
            QRect(naam->x(), v.onderwerpLijst()->y(), naam->width(), 1)));
        QCOMPARE(naam->toolTip(), lang);
        QCOMPARE(naam->accessibleName(), lang);
        const QListWidgetItem* item = v.onderwerpLijst()->findItems(lang, Qt::MatchExactly)[0];
        QCOMPARE(item->toolTip(), lang);
        QVERIFY(v.onderwerpLijst()->viewport()->rect().contains(
            v.onderwerpLijst()->visualItemRect(item)));
        // The stored wallpaper is shown and left; a choice (by mouse or keys) counts at once.
        QCOMPARE(v.achtergrondLijst()->currentItem()->text(), "Blauw 2");
        QCOMPARE(o.waarden().WallpaperFile, "C:\\Spellen\\Backgrounds\\Blauw 2.jpg");
        klikOp(v.achtergrondLijst(), "Blauw");
        QCOMPARE(o.waarden().WallpaperFile, Regels::achtergrondBestand(o.map.mappen(), "Blauw"));
        QTest::keyClick(v.achtergrondLijst(), Qt::Key_Down);
        QCOMPARE(o.waarden().WallpaperFile, Regels::achtergrondBestand(o.map.mappen(), "Blauw 2"));
        // The title colour swatches take a left click only.
        QTest::mouseClick(v.titelKleurVlak(0), Qt::LeftButton);
        QTest::mouseClick(v.titelKleurVlak(1), Qt::RightButton);
        QCOMPARE(o.waarden().TitelKleur, false);
        QTest::mouseClick(v.titelKleurVlak(1), Qt::LeftButton);
        QCOMPARE(o.waarden().TitelKleur, true);
        gewijzigd.clear();
        const auto kleur = [&] { return v.palette().color(QPalette::Window); };
        QCOMPARE(kleur(), QColor(255, o.waarden().ColorGreen, o.waarden().ColorBlue));
        v.kleurBalk(2)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(kleur(), QColor(255, 0, o.waarden().ColorBlue));
        v.bedenktijdBalk()->triggerAction(QAbstractSlider::SliderToMaximum);
        v.bedenktijdBalk()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(o.waarden().PauzeTijd, v.bedenktijdBalk()->maximum() - 1);
        QVERIFY(
            v.bedenktijdWaarde()->text().startsWith(QString::number(o.waarden().PauzeTijd) + " "));
        QCOMPARE(gewijzigd.count(), 3); // every change told once
        QTest::mouseClick(v.resetKnop(), Qt::LeftButton);
        const Opslag::OpgeslagenInstellingen standaard;
        QCOMPARE(kleur(), QColor(standaard.ColorRed, standaard.ColorGreen, standaard.ColorBlue));
        QCOMPARE(o.waarden().TitelTekst, "Mijn spel");
        v.titelVeld()->setText("Het \"grote\" spel");
        QTest::keyClick(v.titelVeld(), Qt::Key_Enter);
        QCOMPARE(o.meldingen.mid(2), QStringList({*Regels::titelWeigering(v.titelVeld()->text())}));
        QVERIFY(v.isVisible());
        v.titelVeld()->setText(" Het grote spel ");
        QTest::mouseClick(v.sluitKnop(), Qt::LeftButton);
        QCOMPARE(o.waarden().TitelTekst, " Het grote spel ");
        QVERIFY(!v.isVisible());
        QCOMPARE(gewijzigd.count(), 5); // the colours reset, the title applied
    }

    // The word list editor through its controls. A clicked row is copied into the boxes; Wijzig
    // changes it and flashes the lists for a moment on the game's clock. Picking another topic
    // (by arrow keys too) and Cancel drop what was not saved. Typing a row, Tab goes from word to
    // word and on to Add, Enter in a word box adds as Add does. Refusals are told over the window;
    // a topic takes ten rows, no more, saved as the game reads it; one not read whole is told.
    void woordform() {
        Opstelling o;
        o.map.schrijfOnderwerp("Dieren", {{"Kat", "Hond", "Muis"}});
        o.map.schrijfOnderwerp("Landen", TestProgrammaMap::tienRijen(9));
        o.antwoord = "geografie";
        const QByteArray geografie = TestMap::lees(o.bestand("Geografie"));
        const auto v = o.woordform();
        controleerIndeling(*v, true);
        QTest::mouseClick(v->verwijderKnop(), Qt::LeftButton);
        klikOp(v->woordLijst(0), "a3");
        QVERIFY(v->woordLijst(1)->currentRow() == 3 && v->woordLijst(2)->currentRow() == 3);
        QCOMPARE(v->woordVeld(2)->text(), "c3");
        typ(v->woordVeld(0), "Zon");
        const QColor rust = v->woordLijst(2)->palette().color(QPalette::Base);
        QTest::mouseClick(v->wijzigKnop(), Qt::LeftButton);
        QVERIFY(v->woordLijst(2)->palette().color(QPalette::Base) != rust);
        o.tijd.verstrijk(1000);
        QCOMPARE(v->woordLijst(2)->palette().color(QPalette::Base), rust);
        QCOMPARE(v->woordLijst(0)->item(3)->text(), "Zon");
        QTest::mouseClick(v->nieuwKnop(), Qt::LeftButton);
        QTest::keyClick(v->onderwerpKeuze(), Qt::Key_Up);
        QCOMPARE(v->woordLijst(1)->item(0)->text(), "Hond");
        QTest::keyClick(v->onderwerpKeuze(), Qt::Key_Down);
        QCOMPARE(v->woordLijst(0)->item(3)->text(), "a3");
        QTest::keyClick(v->onderwerpKeuze(), Qt::Key_Down); // to "Landen"
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        v->woordVeld(0)->setFocus();
        const QStringList rij = {"Zwitserland", "Zürich", "Zeg \"kaas\""};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(QApplication::focusWidget(), v->woordVeld(k));
            typ(v->woordVeld(k), rij[k]);
            QTest::keyClick(v->woordVeld(k), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), v->toevoegKnop());
        QTest::keyClick(v->toevoegKnop(), Qt::Key_Space);
        typ(v->woordVeld(2), "Bank");
        QTest::keyClick(v->woordVeld(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), v->woordVeld(0)); // for the next row
        QTest::mouseClick(v->toevoegKnop(), Qt::LeftButton);
        QCOMPARE(o.meldingen, QStringList({E::meldingGeenSelectie(), E::meldingDubbeleNaam(),
                                           E::meldingAanhalingsteken(), E::meldingTeVeelRegels()}));
        QTest::mouseClick(v->opslaanKnop(), Qt::LeftButton);
        const auto spel = Opslag::leesSpelOnderwerp(o.map.mappen(), "Landen");
        QVERIFY(spel);
        QCOMPARE(spel->back(), (Opslag::Drietal{"Zwitserland", "Zürich", "Bank"}));
        QTest::mouseClick(v->sluitKnop(), Qt::LeftButton);
        QVERIFY(!v->isVisible());
        QCOMPARE(TestMap::lees(o.bestand("Geografie")), geografie);
        QVERIFY(QFile::resize(o.bestand("Geografie"), 20)); // the second record cut short
        const auto stuk = o.woordform();
        QTRY_COMPARE(o.ouders, QList<QWidget*>(4, v.get()) << stuk.get());
    }
};

QTEST_MAIN(TestVensters)
#include "tst_vensters.moc"
