// The end of the program: the exit button, and what a close saves.
#include "game/algemeen.h"
#include "storage/paths.h"
#include "ui/main/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace Drietal {
namespace {
// The exit sound is let finish before the window closes.
constexpr int kExitGeluidMs = 3200;
} // namespace

void Main::exitKlik() {
    if (m_drukEffect.bezig(ExitKnop()))
        return;
    m_spel.speel(QStringLiteral("exit.wav"));
    m_drukEffect.druk(
        ExitKnop(), [this] { close(); }, kExitGeluidMs);
}

void Main::opslaanBijAfsluiten() {
    if (m_opgeslagen)
        return;
    m_opgeslagen = true;
    QStringList mislukt;
    if (Algemeen::InstellingenOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de instellingen (%1)").arg(Opslag::instellingenPad());
    if (Algemeen::ScoreLijstOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de scorelijst (%1)").arg(Opslag::scoreLijstPad());
    if (!mislukt.isEmpty())
        m_dialogen.meld(this, QStringLiteral("Het opslaan van %1 is mislukt.\nDe vorige versie "
                                             "is bewaard gebleven.")
                                  .arg(mislukt.join(QStringLiteral(" en "))));
}

void Main::closeEvent(QCloseEvent* event) {
    opslaanBijAfsluiten();
    m_klokTimer.stop();
    m_delen.stop();
    event->accept();
    if (QCoreApplication::instance())
        QCoreApplication::quit();
}

} // namespace Drietal
