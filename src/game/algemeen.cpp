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

} // namespace

void InstellingenStandaard() {
    instellingen = Instellingen();
}

Opslag::LeesStatus InstellingenLaden() {
    const Opslag::GelezenInstellingen gelezen = Opslag::leesInstellingen(Opslag::instellingenPad());
    // Without a file the values read are the defaults: a first start writes those, not whatever
    // happens to be in memory.
    static_cast<Opslag::OpgeslagenInstellingen&>(instellingen) = gelezen.waarden;
    instellingenBewaren = moetBewaren(gelezen.status);
    if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {
        InstellingenOpslaan();
        instellingen.WallpaperFile =
            Opslag::achtergrondMap() + QDir::separator() + QStringLiteral("Wallpaper-01.jpg");
    }
    return gelezen.status;
}

// A wallpaper path the file cannot hold (a folder name outside Windows-1252) is stored as its
// bare file name, which is looked up in Backgrounds, rather than losing the whole file.
namespace {
Opslag::OpgeslagenInstellingen opslaanbaar(const Opslag::OpgeslagenInstellingen& waarden) {
    Opslag::OpgeslagenInstellingen w = waarden;
    if (!Opslag::isOpslaanbareTekst(w.WallpaperFile)) {
        const QString naam = QFileInfo(w.WallpaperFile).fileName();
        w.WallpaperFile = Opslag::isOpslaanbareTekst(naam)
                              ? naam
                              : Opslag::OpgeslagenInstellingen().WallpaperFile;
    }
    return w;
}
} // namespace

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
    BackScoreLijst.append(gelezen.regels);
    scoreLijstBewaren = moetBewaren(gelezen.status);
    return gelezen.status;
}

Opslag::OpslaanStatus ScoreLijstOpslaan() {
    QDir().mkpath(Opslag::dataMap());
    const auto status =
        Opslag::schrijfScoreLijst(Opslag::scoreLijstPad(), BackScoreLijst, scoreLijstBewaren);
    if (status == Opslag::OpslaanStatus::Opgeslagen)
        scoreLijstBewaren = false;
    return status;
}

} // namespace Algemeen
