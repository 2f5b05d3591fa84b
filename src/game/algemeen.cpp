// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/algemeen.h"

#include "storage/paths.h"
#include "storage/recordformat.h"
#include "storage/scorefile.h"

#include <QDir>
#include <QFileInfo>

namespace Algemeen {

Instellingen instellingen;
QStringList BackScoreLijst;

namespace {

// A file that was refused or read only in part is kept beside the new one at the next save.
bool instellingenBewaren = false;
bool scoreLijstBewaren = false;

bool moetBewaren(Opslag::LeesStatus status) {
    return status != Opslag::LeesStatus::Gelezen && status != Opslag::LeesStatus::Ontbreekt;
}

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

// The high-score entries as the file can hold them; an entry left blank is dropped.
QStringList opslaanbaar(const QStringList& regels) {
    QStringList schoon;
    for (const QString& regel : regels) {
        const QString tekst = Opslag::maakOpslaanbaar(regel);
        if (!tekst.trimmed().isEmpty())
            schoon.append(tekst);
    }
    return schoon;
}

} // namespace

void InstellingenStandaard() {
    instellingen = Instellingen();
}

Opslag::LeesStatus InstellingenLaden() {
    const Opslag::GelezenInstellingen gelezen = Opslag::leesInstellingen(Opslag::instellingenPad());
    // Without a file the values read are the defaults: a first start writes those, not whatever
    // happens to be in memory.
    static_cast<Opslag::OpgeslagenInstellingen&>(instellingen) = gelezen.waarden;
    instellingenBewaren =
        moetBewaren(gelezen.status) || !(opslaanbaar(gelezen.waarden) == gelezen.waarden);
    if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {
        InstellingenOpslaan();
        instellingen.WallpaperFile =
            Opslag::achtergrondMap() + QDir::separator() + QStringLiteral("Wallpaper-01.jpg");
    }
    return gelezen.status;
}

Opslag::OpslaanStatus InstellingenOpslaan() {
    QDir().mkpath(Opslag::gebruikersMap());
    const auto status = Opslag::schrijfInstellingen(Opslag::instellingenPad(),
                                                    opslaanbaar(instellingen), instellingenBewaren);
    if (status == Opslag::OpslaanStatus::Opgeslagen)
        instellingenBewaren = false;
    return status;
}

Opslag::LeesStatus ScoreLijstLaden() {
    const Opslag::GelezenScoreLijst gelezen = Opslag::leesScoreLijst(Opslag::scoreLijstPad());
    // One entry the file cannot hold must not cost every later score: it is kept as near as the
    // file allows, and the file as found is kept beside it.
    const QStringList regels = opslaanbaar(gelezen.regels);
    BackScoreLijst.append(regels);
    scoreLijstBewaren = moetBewaren(gelezen.status) || regels != gelezen.regels;
    return gelezen.status;
}

Opslag::OpslaanStatus ScoreLijstOpslaan() {
    QDir().mkpath(Opslag::dataMap());
    const auto status = Opslag::schrijfScoreLijst(Opslag::scoreLijstPad(),
                                                  opslaanbaar(BackScoreLijst), scoreLijstBewaren);
    if (status == Opslag::OpslaanStatus::Opgeslagen)
        scoreLijstBewaren = false;
    return status;
}

} // namespace Algemeen
