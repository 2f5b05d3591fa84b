// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes through the decoder, the record reader and the three file parsers,
// and every storable text through a write and a read that must give it back unchanged.
#include "storage/recordformat.h"
#include "storage/scorefile.h"
#include "storage/settingsfile.h"
#include "storage/textcodec.h"
#include "storage/topicfiles.h"

#include <cstdint>
#include <cstdlib>

namespace {

void leesAlleVelden(const QString& tekst) {
    Opslag::RecordLezer lezer(tekst);
    // Before the end a field must come, and every field consumes text: more fields than
    // characters is a loop.
    for (qsizetype velden = 1; !lezer.opEinde(); ++velden) {
        if (!lezer.veld() || velden > tekst.size() + 1)
            std::abort();
    }
}

void controleerTerugLezen(const QString& tekst) {
    if (!Opslag::isOpslaanbareTekst(tekst))
        return;
    Opslag::RecordSchrijver schrijver;
    schrijver.tekst(tekst).getal(12.5).waarheid(false).regelEinde();
    if (!schrijver.ok())
        std::abort();
    const QString gelezen = Opslag::decodeerBestand(schrijver.bytes());
    Opslag::RecordLezer lezer(gelezen);
    const auto terug = lezer.veld();
    const auto getal = lezer.getal();
    const auto waarheid = lezer.waarheid();
    // A text whose bytes happen to form UTF-8 reads back as UTF-8; its words are not compared.
    const bool utf8 = gelezen != Opslag::vanWindows1252(schrijver.bytes());
    if (!lezer.opEinde() ||
        (!utf8 && (!terug || *terug != tekst || getal != 12.5 || waarheid != false)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString tekst = Opslag::decodeerBestand(bytes);
    leesAlleVelden(tekst);
    Opslag::leesInstellingenTekst(tekst);
    Opslag::leesScoreLijstTekst(tekst);
    Opslag::leesSpelOnderwerpTekst(tekst);
    controleerTerugLezen(tekst);
    return 0;
}
