// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar commands.
#include "platform/platform.h"
#include "ui/main/bordwidget.h"
#include "ui/main/helppaneel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/plaatjes.h"

#include <QApplication>
#include <QRegularExpression>

namespace Drietal {

void Main::knopKlik(Commando commando) {
    // While the help is shown only the help button itself reacts.
    if (helpZichtbaar() && commando != Commando::Help)
        return;
    PlaatjeKnop* gedrukt = knop(commando);
    if (m_drukEffect.bezig(gedrukt))
        return;
    m_spel.knopGeluid();
    m_drukEffect.druk(gedrukt, [this, commando] { voerUit(commando); });
}

void Main::voerUit(Commando commando) {
    switch (commando) {
    case Commando::Help:
        wisselHelp();
        break;
    case Commando::Start:
        startCommando();
        break;
    case Commando::Geluid:
        geluidCommando();
        break;
    case Commando::Woorden:
        m_dialogen.toonWoordform(this);
        break;
    case Commando::Instellingen:
        instellingenCommando();
        break;
    case Commando::Scores:
        m_dialogen.toonScoreLijst(this);
        break;
    case Commando::Web:
        zegVoor(
            QStringLiteral("De website %1 wordt geopend").arg(QString::fromLatin1(kThuisAdres)));
        Platform::WebPaginaOpenen(QString::fromLatin1(kThuisAdres));
        break;
    case Commando::Oplossing:
        oplossingCommando();
        break;
    }
}

void Main::wisselHelp() {
    HelpPaneel* help = helpPaneel();
    const bool tonen = !help->isVisible();
    if (tonen)
        help->tekenHelp();
    help->setVisible(tonen);
    // Its lines as sentences: a line break in a message ends it for some readers.
    QString uitleg = help->accessibleDescription();
    uitleg.replace(QRegularExpression(QStringLiteral("([^.!?,:])\n")), QStringLiteral("\\1. "));
    zegVoor(tonen ? uitleg.replace(u'\n', u' ') : QStringLiteral("Help gesloten"));
    for (int i = 0; i < kAantalKnoppen; ++i) {
        if (Commando(i) != Commando::Help)
            knop(Commando(i))->setEnabled(!tonen);
    }
}

void Main::startCommando() {
    const QString naam = m_dialogen.vraagNaam(this);
    if (naam.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto onderwerp = Opslag::leesSpelOnderwerp(m_mappen, m_inst.waarden().Onderwerp);
    QApplication::restoreOverrideCursor();
    if (m_spel.start(naam, onderwerp) == Regels::Spel::StartUitkomst::Gestart)
        deelUit();
}

void Main::geluidCommando() {
    m_spel.wisselGeluid();
    const bool aan = m_inst.waarden().GeluidAan;
    PlaatjeKnop* schakelaar = knop(Commando::Geluid);
    schakelaar->setPixmap(
        knopPlaatje(aan ? Plaatje::SoundOn : Plaatje::SoundOff, devicePixelRatioF()));
    schakelaar->setChecked(aan);
}

void Main::instellingenCommando() {
    m_dialogen.toonConfig(this);
}

// A look at the solution, only while the clock runs; its penalty counts when it closes.
void Main::oplossingCommando() {
    if (!m_spel.magOplossingZien())
        return;
    const Regels::SpelToestand& t = m_spel.toestand();
    // The codes are the point of a look: told before the window and its penalty are read.
    zegVoor(QStringLiteral("Oplossing: ") +
            QStringList(t.DrietalCode.begin(), t.DrietalCode.end()).join(QStringLiteral(", ")));
    leesVoor();
    m_dialogen.toonOplossing(this, t.StrafTijd, t.DrietalCode);
    m_spel.oplossingGezien();
}

} // namespace Drietal
