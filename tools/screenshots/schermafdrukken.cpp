// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's screenshots of the main window: the start screen, the reveal and a
// finished game. Usage: schermafdrukken <program folder> <output folder>
#include "game/instellingen.h"
#include "game/scorelijst.h"
#include "storage/paths.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "ui/kit/venster.h"
#include "ui/main/mainwindow.h"
#include "ui/main/plaatjes.h"
#include "ui/windows/config.h"
#include "ui/windows/oplossing.h"
#include "ui/windows/scoreform.h"
#include "ui/windows/woordform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

void bewaar(QWidget& venster, const QString& pad) {
    // Twice: the first paint asks for the wallpaper, which is decoded after it.
    QCoreApplication::processEvents();
    venster.repaint();
    QCoreApplication::processEvents();
    venster.grab().save(pad);
}

// Opens the three cards of a triple, one row after the other, as a player would.
void kiesDrietal(Regels::Spel& spel, int drietal) {
    for (int rij = 0; rij < Regels::kRijen; ++rij)
        spel.kies(rij, spel.toestand().plek(drietal, rij));
}

void kopieerMap(const QString& van, const QString& naar) {
    QDir().mkpath(naar);
    for (const QString& bestand : QDir(van).entryList(QDir::Files))
        QFile::copy(van + "/" + bestand, naar + "/" + bestand);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    const QString programma = QString::fromLocal8Bit(argv[1]);
    const QString uit = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(uit);

    QTemporaryDir gebruiker;
    const Opslag::Mappen mappen(programma, gebruiker.path());
    kopieerMap(programma + "/Data", gebruiker.path() + "/Data");
    QFile::remove(gebruiker.path() + "/Data/Scorelijst.lst");

    NepTijd tijd;
    Regels::Toeval toeval(42);
    NepDialogen dialogen;
    dialogen.naam = QStringLiteral("Sanne");
    Regels::Instellingen instellingen(mappen);
    Regels::ScoreLijst scores(mappen);
    Drietal::Main venster(tijd, toeval, dialogen, instellingen, scores, mappen);
    const QColor vensterKleur = Drietal::vensterKleur(instellingen.waarden());
    venster.resize(1280, 800);
    venster.show();
    bewaar(venster, uit + "/start.png");
    const auto druk = [&](Drietal::Commando c) {
        venster.knopKlik(c);
        tijd.verstrijk(Drietal::DrukEffect::kDrukMs);
    };
    druk(Drietal::Commando::Help);
    bewaar(venster, uit + "/help.png");
    druk(Drietal::Commando::Help);

    druk(Drietal::Commando::Start);
    tijd.verstrijk(3600 + 3000);
    bewaar(venster, uit + "/onthullen.png");

    tijd.verstrijk(instellingen.waarden().PauzeTijd * 1000);
    const Regels::SpelToestand& t = venster.spel().toestand();
    for (int d = 0; d < 7; ++d) {
        tijd.verstrijk(9000);
        kiesDrietal(venster.spel(), d);
    }
    // A wrong pick on show: two cards of one Drietal, the third of another.
    venster.spel().kies(0, t.plek(7, 0));
    venster.spel().kies(1, t.plek(7, 1));
    venster.spel().kies(2, t.plek(8, 2));
    bewaar(venster, uit + "/spelen.png");
    {
        Drietal::Oplossing oplossing(tijd, t.StrafTijd, t.DrietalCode, vensterKleur);
        oplossing.show();
        bewaar(oplossing, uit + "/oplossing.png");
    }
    tijd.verstrijk(2000);
    {
        // Keyboard play: the focus frame on a face-down card of row 1, then the pause.
        venster.activateWindow();
        for (int i = 0; i < 20 && !venster.isActiveWindow(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        for (int n = 0; n < 3; ++n) {
            QKeyEvent omlaag(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(&venster, &omlaag);
        }
        bewaar(venster, uit + "/toetsenbord.png");
        QKeyEvent pauze(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier);
        QCoreApplication::sendEvent(&venster, &pauze);
        bewaar(venster, uit + "/pauze.png");
        QCoreApplication::sendEvent(&venster, &pauze);
        venster.setFocus(); // the rest is played with the mouse: no card keeps the focus frame
    }
    for (int d = 7; d < 10; ++d) {
        tijd.verstrijk(5000);
        kiesDrietal(venster.spel(), d);
    }
    bewaar(venster, uit + "/klaar.png");
    for (const char* regel : {"10:05 - Pieter", "02:40 - Fatima", "100:00 - Kees", "01:58 - Noor"})
        scores.voegToe(QString::fromLatin1(regel));
    Drietal::ScoreForm scoreLijst(scores, vensterKleur);
    scoreLijst.show();
    bewaar(scoreLijst, uit + "/scorelijst.png");
    {
        // The editor on a sample topic, with a Drietal clicked.
        instellingen.wijzig(
            [](Regels::InstellingWaarden& w) { w.Onderwerp = QStringLiteral("Geografie"); });
        Drietal::Woordform woorden(
            tijd, instellingen.waarden(), mappen, nullptr, [](QWidget*, const QString&) {},
            [](QWidget*) { return QString(); });
        woorden.show();
        woorden.woordLijst(0)->setCurrentRow(2);
        bewaar(woorden, uit + "/woordform.png");
    }
    {
        // The settings window over the finished game, the topic and wallpaper in force selected.
        Drietal::Config config(instellingen, mappen, &venster,
                               Drietal::knopPlaatje(Drietal::Plaatje::Instellingen),
                               [](QWidget*, const QString&) {});
        config.show();
        bewaar(config, uit + "/config.png");
    }
    return 0;
}
