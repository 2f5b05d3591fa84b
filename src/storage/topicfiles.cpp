// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/topicfiles.h"

#include "storage/paths.h"
#include "storage/recordformat.h"
#include "storage/textcodec.h"

#include <QDir>

namespace Opslag {
namespace {

std::optional<Drietal> leesRecord(RecordLezer& lezer) {
    Drietal record;
    for (QString& woord : record) {
        const auto veld = lezer.veld();
        if (!veld)
            return std::nullopt;
        woord = *veld;
    }
    return record;
}

BestandsInhoud leesOnderwerp(const Mappen& mappen, const QString& naam) {
    const auto pad = mappen.onderwerpPad(naam);
    if (!pad)
        return {LeesStatus::Ontbreekt, {}};
    return leesTekstBestand(*pad);
}

// A topic that is there but could not be read whole held words the editor never showed.
bool isOnvolledig(const Mappen& mappen, const QString& naam) {
    WoordKolommen kolommen;
    const LeesStatus status = WoordLijstLaden(mappen, naam, kolommen);
    return status != LeesStatus::Gelezen && status != LeesStatus::Ontbreekt;
}

} // namespace

QStringList onderwerpen(const Mappen& mappen) {
    const QDir map(mappen.dataMap());
    const QStringList bestanden =
        map.entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::CaseSensitive,
                      QDir::Name | QDir::IgnoreCase);
    QStringList namen;
    for (const QString& bestand : bestanden) {
        const QString naam = bestand.chopped(4);
        if (isGeldigeOnderwerpNaam(naam))
            namen.append(naam);
    }
    return namen;
}

LeesStatus WoordLijstLaden(const Mappen& mappen, const QString& naam, WoordKolommen& kolommen) {
    const BestandsInhoud inhoud = leesOnderwerp(mappen, naam);
    if (inhoud.status != LeesStatus::Gelezen)
        return inhoud.status;
    RecordLezer lezer(inhoud.tekst);
    while (!lezer.opEinde()) {
        const auto record = leesRecord(lezer);
        if (!record)
            return LeesStatus::Afgebroken;
        for (int k = 0; k < 3; ++k) {
            if (!(*record)[k].isEmpty())
                kolommen.kolom[k].append((*record)[k]);
        }
    }
    return lezer.hersteld() || !isTekst(inhoud.tekst) ? LeesStatus::Hersteld : LeesStatus::Gelezen;
}

int telWoorden(const Mappen& mappen, const QString& naam) {
    WoordKolommen kolommen;
    WoordLijstLaden(mappen, naam, kolommen);
    return int(kolommen.kolom[0].size() + kolommen.kolom[1].size() + kolommen.kolom[2].size());
}

std::optional<SpelOnderwerp> leesSpelOnderwerpTekst(const QString& tekst) {
    RecordLezer lezer(tekst);
    SpelOnderwerp onderwerp;
    for (Drietal& drietal : onderwerp) {
        const auto record = leesRecord(lezer);
        if (!record)
            return std::nullopt;
        drietal = *record;
    }
    return onderwerp;
}

std::optional<SpelOnderwerp> leesSpelOnderwerp(const Mappen& mappen, const QString& naam) {
    const BestandsInhoud inhoud = leesOnderwerp(mappen, naam);
    if (inhoud.status != LeesStatus::Gelezen)
        return std::nullopt;
    return leesSpelOnderwerpTekst(inhoud.tekst);
}

std::optional<QByteArray> woordLijstBytes(const WoordKolommen& kolommen) {
    RecordSchrijver s;
    for (qsizetype r = 0; r < kolommen.kolom[0].size(); ++r) {
        for (const QStringList& kolom : kolommen.kolom)
            s.tekst(kolom.value(r));
        s.regelEinde();
    }
    if (!s.ok())
        return std::nullopt;
    return s.bytes();
}

OpslaanStatus WoordLijstOpslaan(const Mappen& mappen, const QString& naam,
                                const WoordKolommen& kolommen) {
    const auto pad = mappen.onderwerpPad(naam);
    if (!pad)
        return OpslaanStatus::OngeldigeNaam;
    const auto bytes = woordLijstBytes(kolommen);
    if (!bytes)
        return OpslaanStatus::OngeldigeTekst;
    if (!QDir().mkpath(mappen.dataMap()))
        return OpslaanStatus::SchrijvenMislukt;
    return vervangBestand(mappen, *pad, *bytes, isOnvolledig(mappen, naam));
}

} // namespace Opslag
