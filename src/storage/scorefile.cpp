// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/scorefile.h"

#include "storage/recordformat.h"

namespace Opslag {

GelezenScoreLijst leesScoreLijstTekst(const QString& tekst) {
    GelezenScoreLijst result;
    RecordLezer lezer(tekst);
    if (!lezer.veld() || !lezer.veld()) {
        result.status = LeesStatus::Afgebroken;
        return result;
    }
    while (!lezer.opEinde()) {
        const auto regel = lezer.veld();
        if (regel && !regel->trimmed().isEmpty())
            result.regels.append(*regel);
    }
    result.status = LeesStatus::Gelezen;
    return result;
}

GelezenScoreLijst leesScoreLijst(const QString& pad) {
    const BestandsInhoud inhoud = leesTekstBestand(pad);
    if (inhoud.status != LeesStatus::Gelezen)
        return {inhoud.status, {}};
    return leesScoreLijstTekst(inhoud.tekst);
}

QByteArray scoreLijstBytes(const QStringList& regels) {
    RecordSchrijver s;
    schrijfKopregels(s);
    for (const QString& regel : regels)
        s.tekst(regel).regelEinde();
    return s.ok() ? s.bytes() : QByteArray();
}

OpslaanStatus schrijfScoreLijst(const Mappen& mappen, const QString& pad, const QStringList& regels,
                                bool bewaarOud) {
    const QByteArray bytes = scoreLijstBytes(regels);
    if (bytes.isEmpty())
        return OpslaanStatus::OngeldigeTekst;
    return vervangBestand(mappen, pad, bytes, bewaarOud);
}

} // namespace Opslag
