// The high-score window and the solution preview.
#include "game/algemeen.h"
#include "support/neptijd.h"
#include "ui/windows/oplossing.h"
#include "ui/windows/scoreform.h"
#include "ui/windows/venster.h"
#include "ui/windows/woordform.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using Drietal::Oplossing;
using Drietal::ScoreForm;

namespace {

QStringList knopTeksten(const QWidget* venster) {
    QStringList teksten;
    for (const QAbstractButton* knop : venster->findChildren<QAbstractButton*>())
        teksten << knop->text();
    return teksten;
}

QStringList items(QListWidget* lijst) {
    QStringList l;
    for (int i = 0; i < lijst->count(); ++i)
        l << lijst->item(i)->text();
    return l;
}

} // namespace

class TestVensters : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Algemeen::InstellingenStandaard();
        Algemeen::BackScoreLijst.clear();
    }

    void scoreFormSortsByTimeAndKeepsTheFileOrder() {
        Algemeen::BackScoreLijst = {"10:05 - A", "02:40 - B", "100:00 - C"};
        Algemeen::instellingen.ColorGreen = 0;
        ScoreForm venster(nullptr, [](QWidget*) { return false; });
        QCOMPARE(items(venster.List1()), QStringList({"02:40 - B", "10:05 - A", "100:00 - C"}));
        QCOMPARE(venster.Label2()->text(), QStringLiteral("Namen in de lijst : 3"));
        QCOMPARE(venster.windowTitle(), QStringLiteral(" Scorelijst"));
        QCOMPARE(venster.palette().color(QPalette::Window), QColor(220, 0, 190));
        QCOMPARE(Algemeen::BackScoreLijst.first(), QStringLiteral("10:05 - A"));
    }

    void deleteAllEmptiesOnlyAfterYes() {
        Algemeen::BackScoreLijst = {"01:00 - A", "02:00 - B"};
        int vragen = 0;
        bool antwoord = false;
        ScoreForm venster(nullptr, [&](QWidget*) {
            ++vragen;
            return antwoord;
        });
        QTest::mouseClick(venster.DeleteAllKnop(), Qt::LeftButton);
        QCOMPARE(vragen, 1);
        QCOMPARE(Algemeen::BackScoreLijst.size(), 2);
        QCOMPARE(venster.List1()->count(), 2);

        antwoord = true;
        QTest::mouseClick(venster.DeleteAllKnop(), Qt::LeftButton);
        QCOMPARE(vragen, 2);
        QVERIFY(Algemeen::BackScoreLijst.isEmpty());
        QCOMPARE(venster.List1()->count(), 0);
        QCOMPARE(venster.Label2()->text(), QStringLiteral("Namen in de lijst : 0"));

        // On an empty list no question is asked.
        QTest::mouseClick(venster.DeleteAllKnop(), Qt::LeftButton);
        QCOMPARE(vragen, 2);
    }

    void exitClosesTheScoreForm() {
        ScoreForm venster(nullptr, [](QWidget*) { return true; });
        venster.show();
        QTest::mouseClick(venster.OkKnop(), Qt::LeftButton);
        QVERIFY(!venster.isVisible());
        QCOMPARE(venster.result(), int(QDialog::Accepted));
    }

    void solutionShowsPenaltyAndCodesAndClosesOnTheThirdTick() {
        NepTijd tijd;
        std::array<QString, 10> codes;
        for (int i = 0; i < 10; ++i)
            codes[i] = QStringLiteral("%1-%2-%3").arg(i).arg(9 - i).arg((i * 3) % 10);
        Oplossing venster(tijd, 20, codes);
        venster.show();
        QCOMPARE(venster.Label1()->text(),
                 QStringLiteral("De score wordt nu met 20 seconden verhoogd."));
        QCOMPARE(venster.Label2()->text().split(QStringLiteral("\r\n")).mid(0, 10),
                 QStringList(codes.begin(), codes.end()));
        QCOMPARE(venster.windowTitle(), QStringLiteral("Oplossing "));
        tijd.verstrijk(2999);
        QVERIFY(venster.isVisible());
        QCOMPARE(venster.resterend(), 1);
        tijd.verstrijk(1);
        QVERIFY(!venster.isVisible());
        QCOMPARE(tijd.actieveTimers(), 0);
    }

    // Qt's own buttons speak Dutch whatever the locale; the captions the program gives its own
    // buttons stay as they were. Last, as the translation stays loaded.
    void standardButtonsInDutch() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QStringList eigen = knopTeksten(std::make_unique<Drietal::Woordform>().get());
        QVERIFY(Drietal::laadQtVertaling());
        const auto nl = [](const char* tekst) {
            const QString vertaald = QCoreApplication::translate("QPlatformTheme", tekst);
            return vertaald != QLatin1String(tekst) ? vertaald : QStringLiteral("<Engels>");
        };
        const auto naam = Drietal::naamVraag(nullptr);
        QCOMPARE(QStringList({naam->okButtonText(), naam->cancelButtonText()}),
                 QStringList({QCoreApplication::translate("QPlatformTheme", "OK"), nl("Cancel")}));
        const auto vraag = Drietal::jaNeeVraag(nullptr, {}, {});
        QCOMPARE(QStringList({vraag->button(QMessageBox::Yes)->text(),
                              vraag->button(QMessageBox::No)->text()}),
                 QStringList({nl("&Yes"), nl("&No")}));
        QCOMPARE(knopTeksten(std::make_unique<Drietal::Woordform>().get()), eigen);
    }
};

QTEST_MAIN(TestVensters)
#include "tst_vensters.moc"
