// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program: the exit button, and what a close saves.
#include "storage/fileaccess.h"
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

// The note holds a few lines the program wrote; whatever else lies there (a file grown huge,
// random bytes) is cut down to as much readable text, so its box always fits the screen.
constexpr qint64 kNotitieBytes = 4096;
constexpr int kNotitieRegels = 6;
constexpr int kNotitieTekens = 480;

QString notitieTekst(const QByteArray& bytes) {
    QStringList regels;
    qsizetype tekens = 0;
    for (const QString& ruw : QString::fromUtf8(bytes).split(u'\n')) {
        QString regel;
        for (const QChar c : ruw.simplified())
            regel += c.isPrint() ? c : QChar(u'?');
        if (regel.isEmpty() || regels.size() == kNotitieRegels || tekens == kNotitieTekens)
            continue;
        if (tekens + regel.size() > kNotitieTekens)
            regel = regel.left(kNotitieTekens - tekens - 1) + u'…';
        tekens += regel.size();
        regels << regel;
    }
    return regels.join(u'\n');
}

// Replaced like any file of the program: never written through a link, nor into a FIFO that would
// keep the ending program waiting for a reader.
void bewaarNotitie(const Opslag::Mappen& mappen, const QString& tekst) {
    const QString pad = notitiePad();
    QDir().mkpath(QFileInfo(pad).absolutePath());
    Opslag::vervangBestand(mappen, pad, tekst.toUtf8());
}
} // namespace

// What the player must know before playing: a failure at the last end, and a data folder where
// nothing this game does can be kept.
void Main::meldBijStart() {
    const QString notitie = notitieTekst(Opslag::leesBegin(notitiePad(), kNotitieBytes));
    QFile::remove(notitiePad());
    if (!notitie.isEmpty())
        m_dialogen.meld(this, QStringLiteral("Bij het vorige afsluiten:\n") + notitie);
    const QString map = m_mappen.gebruikersMap();
    if (!Opslag::kanSchrijvenIn(map))
        m_dialogen.meld(this, QStringLiteral("In de map %1 kan niet worden geschreven. Je kunt "
                                             "spelen, maar de instellingen, de scorelijst en "
                                             "onderwerpen worden niet bewaard.")
                                  .arg(QDir::toNativeSeparators(map)));
}

void Main::sluitZonderVragen() {
    m_zonderVragen = true;
    close();
}

void Main::afsluitKlik() {
    if (m_drukEffect.bezig(afsluitKnop()))
        return;
    m_spel.speel(QStringLiteral("exit.wav"));
    zegVoor(QStringLiteral("Drietalspel wordt afgesloten"));
    m_drukEffect.druk(
        afsluitKnop(), [this] { close(); }, kExitGeluidMs);
}

// True when everything was saved.
bool Main::opslaanBijAfsluiten() {
    if (m_opgeslagen)
        return true;
    m_opgeslagen = true;
    QStringList mislukt, bewaard;
    const auto noteer = [&](Opslag::OpslaanStatus status, const QString& wat, const QString& pad) {
        if (status == Opslag::OpslaanStatus::Opgeslagen)
            return;
        mislukt << QStringLiteral("%1 (%2)").arg(wat, QDir::toNativeSeparators(pad));
        // A failed save leaves the old file as it was: what is there now is the previous version.
        if (QFileInfo(pad).isFile())
            bewaard << wat;
    };
    noteer(m_inst.opslaan(), QStringLiteral("de instellingen"), m_mappen.instellingenPad());
    noteer(m_scores.opslaan(), QStringLiteral("de scorelijst"), m_mappen.scoreLijstPad());
    if (mislukt.isEmpty())
        return true;
    QString melding =
        QStringLiteral("Het opslaan van %1 is mislukt.").arg(mislukt.join(QStringLiteral(" en ")));
    if (bewaard.size() == mislukt.size())
        melding += QStringLiteral("\nDe vorige versie is bewaard gebleven.");
    else if (!bewaard.isEmpty())
        melding += QStringLiteral("\nDe vorige versie van %1 is bewaard gebleven.").arg(bewaard[0]);
    if (!m_zonderVragen) {
        m_dialogen.meld(this, melding);
        return false;
    }
    std::fprintf(stderr, "drietalspel: %s\n", qPrintable(melding));
    bewaarNotitie(m_mappen, melding);
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
