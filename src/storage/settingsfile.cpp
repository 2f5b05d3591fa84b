// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settingsfile.h"

#include "storage/recordformat.h"

#include <QtGlobal>
#include <cmath>

namespace Opslag {
namespace {

int begrensd(double value, int laag, int hoog) {
    return static_cast<int>(std::lround(qBound<double>(laag, value, hoog)));
}

// Reads the fields in file order; returns false at the first one that is missing or wrong.
bool leesVelden(RecordLezer& lezer, OpgeslagenInstellingen& w) {
    if (!lezer.veld() || !lezer.veld())
        return false;
    for (int* kleur : {&w.ColorRed, &w.ColorGreen, &w.ColorBlue}) {
        const auto v = lezer.getal();
        if (!v)
            return false;
        *kleur = begrensd(*v, kMinKleurDeel, kMaxKleurDeel);
    }
    const auto wallpaper = lezer.veld();
    if (!wallpaper)
        return false;
    w.WallpaperFile = *wallpaper;
    const auto pauze = lezer.getal();
    if (!pauze)
        return false;
    w.PauzeTijd = begrensd(*pauze, kMinPauzeTijd, kMaxPauzeTijd);
    const auto titel = lezer.veld();
    if (!titel)
        return false;
    w.TitelTekst = *titel;
    const auto kleur = lezer.waarheid();
    if (!kleur)
        return false;
    w.TitelKleur = *kleur;
    return true;
}

} // namespace

bool OpgeslagenInstellingen::operator==(const OpgeslagenInstellingen& o) const {
    return ColorRed == o.ColorRed && ColorGreen == o.ColorGreen && ColorBlue == o.ColorBlue &&
           WallpaperFile == o.WallpaperFile && PauzeTijd == o.PauzeTijd &&
           TitelTekst == o.TitelTekst && TitelKleur == o.TitelKleur;
}

GelezenInstellingen leesInstellingenTekst(const QString& tekst) {
    GelezenInstellingen result;
    RecordLezer lezer(tekst);
    result.status =
        leesVelden(lezer, result.waarden) ? LeesStatus::Gelezen : LeesStatus::Afgebroken;
    return result;
}

GelezenInstellingen leesInstellingen(const QString& pad) {
    const BestandsInhoud inhoud = leesTekstBestand(pad);
    if (inhoud.status != LeesStatus::Gelezen)
        return {inhoud.status, {}};
    return leesInstellingenTekst(inhoud.tekst);
}

QByteArray instellingenBytes(const OpgeslagenInstellingen& w) {
    RecordSchrijver s;
    schrijfKopregels(s);
    s.getal(w.ColorRed).getal(w.ColorGreen).getal(w.ColorBlue).regelEinde();
    s.tekst(w.WallpaperFile).regelEinde();
    s.getal(w.PauzeTijd).regelEinde();
    s.tekst(w.TitelTekst).regelEinde();
    s.waarheid(w.TitelKleur).regelEinde();
    return s.ok() ? s.bytes() : QByteArray();
}

OpslaanStatus schrijfInstellingen(const Mappen& mappen, const QString& pad,
                                  const OpgeslagenInstellingen& waarden, bool bewaarOud) {
    const QByteArray bytes = instellingenBytes(waarden);
    if (bytes.isEmpty())
        return OpslaanStatus::OngeldigeTekst;
    return vervangBestand(mappen, pad, bytes, bewaarOud);
}

} // namespace Opslag
