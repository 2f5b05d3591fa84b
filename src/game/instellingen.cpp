// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/instellingen.h"

#include "storage/paths.h"
#include "storage/recordformat.h"

#include <QDir>
#include <QFileInfo>

namespace Regels {
namespace {

// What the file cannot hold is stored as near as it can be, rather than losing the whole file: a
// wallpaper path outside Windows-1252 (a folder name) as its bare file name, which is looked up in
// Backgrounds, and a title with its odd characters replaced.
Opslag::OpgeslagenInstellingen opslaanbaar(const Opslag::OpgeslagenInstellingen& waarden) {
    Opslag::OpgeslagenInstellingen w = waarden;
    if (!Opslag::isOpslaanbareTekst(w.WallpaperFile)) {
        const QString naam = QFileInfo(w.WallpaperFile).fileName();
        w.WallpaperFile = Opslag::isOpslaanbareTekst(naam)
                              ? naam
                              : Opslag::OpgeslagenInstellingen().WallpaperFile;
    }
    w.TitelTekst = Opslag::maakOpslaanbaar(w.TitelTekst);
    return w;
}

} // namespace

void Instellingen::zet(const InstellingWaarden& nieuw) {
    if (nieuw == m_waarden)
        return;
    const bool andereAchtergrond = nieuw.WallpaperFile != m_waarden.WallpaperFile;
    m_waarden = nieuw;
    emit gewijzigd();
    if (andereAchtergrond)
        emit achtergrondGewijzigd();
}

void Instellingen::wijzig(const std::function<void(InstellingWaarden&)>& wijziging) {
    InstellingWaarden nieuw = m_waarden;
    wijziging(nieuw);
    zet(nieuw);
}

void Instellingen::zetStandaard() {
    zet(InstellingWaarden());
}

Opslag::LeesStatus Instellingen::laden() {
    const Opslag::GelezenInstellingen gelezen =
        Opslag::leesInstellingen(m_mappen.instellingenPad());
    // Without a file the values read are the defaults: a first start writes those, not whatever
    // happens to be in memory.
    InstellingWaarden nieuw = m_waarden;
    static_cast<Opslag::OpgeslagenInstellingen&>(nieuw) = gelezen.waarden;
    zet(nieuw);
    m_bewaren =
        Opslag::moetBewaren(gelezen.status) || !(opslaanbaar(gelezen.waarden) == gelezen.waarden);
    if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {
        opslaan();
        wijzig([this](InstellingWaarden& w) {
            w.WallpaperFile =
                m_mappen.achtergrondMap() + QDir::separator() + QStringLiteral("Wallpaper-01.jpg");
        });
    }
    return gelezen.status;
}

Opslag::OpslaanStatus Instellingen::opslaan() {
    QDir().mkpath(m_mappen.gebruikersMap());
    const auto status = Opslag::schrijfInstellingen(m_mappen, m_mappen.instellingenPad(),
                                                    opslaanbaar(m_waarden), m_bewaren);
    if (status == Opslag::OpslaanStatus::Opgeslagen)
        m_bewaren = false;
    return status;
}

} // namespace Regels
