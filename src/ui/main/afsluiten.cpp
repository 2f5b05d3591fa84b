// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program: the exit button, and what a close saves.
#include "game/algemeen.h"
#include "storage/paths.h"
#include "ui/main/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace Drietal {
namespace {
// The exit sound is let finish before the window closes.
constexpr int kExitGeluidMs = 3200;

// A failure at an end nobody watched is told at the next start, from a note kept apart from the
// player's files (the folder that failed may be full or gone).
QString notitiePad() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/niet-opgeslagen.txt");
}

void bewaarNotitie(const QString& tekst) {
    const QString pad = notitiePad();
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile notitie(pad);
    if (notitie.open(QIODevice::WriteOnly | QIODevice::Truncate))
        notitie.write(tekst.toUtf8());
}
} // namespace

void Main::toonNotitieVanVorigeKeer() {
    QFile notitie(notitiePad());
    if (!notitie.open(QIODevice::ReadOnly))
        return;
    const QString tekst = QString::fromUtf8(notitie.readAll());
    notitie.remove();
    m_dialogen.meld(this, QStringLiteral("Bij het vorige afsluiten:\n") + tekst);
}

void Main::sluitZonderVragen() {
    m_zonderVragen = true;
    close();
}

void Main::exitKlik() {
    if (m_drukEffect.bezig(ExitKnop()))
        return;
    m_spel.speel(QStringLiteral("exit.wav"));
    m_drukEffect.druk(
        ExitKnop(), [this] { close(); }, kExitGeluidMs);
}

// True when everything was saved.
bool Main::opslaanBijAfsluiten() {
    if (m_opgeslagen)
        return true;
    m_opgeslagen = true;
    QStringList mislukt;
    if (Algemeen::InstellingenOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de instellingen (%1)").arg(Opslag::instellingenPad());
    if (Algemeen::ScoreLijstOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de scorelijst (%1)").arg(Opslag::scoreLijstPad());
    if (mislukt.isEmpty())
        return true;
    const QString melding = QStringLiteral("Het opslaan van %1 is mislukt.\nDe vorige versie is "
                                           "bewaard gebleven.")
                                .arg(mislukt.join(QStringLiteral(" en ")));
    if (!m_zonderVragen) {
        m_dialogen.meld(this, melding);
        return false;
    }
    std::fprintf(stderr, "drietalspel: %s\n", qPrintable(melding));
    bewaarNotitie(melding);
    return false;
}

void Main::closeEvent(QCloseEvent* event) {
    const bool opgeslagen = opslaanBijAfsluiten();
    m_klokTimer.stop();
    m_delen.stop();
    event->accept();
    // A failed save ends the program with a failure status, for whoever started it.
    if (QCoreApplication::instance())
        QCoreApplication::exit(opgeslagen ? 0 : 1);
}

} // namespace Drietal
