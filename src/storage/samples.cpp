// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/samples.h"

#include "storage/fileaccess.h"
#include "storage/paths.h"
#include "storage/recordformat.h"
#include "storage/scorefile.h"
#include "storage/textcodec.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Opslag {
namespace {

// The note has the form of the high-score list: two header lines, then a quoted name a line.
QString notitiePad(const QString& data) {
    return data + QStringLiteral("/.aangeboden");
}

QString kopTekst() {
    RecordSchrijver kop;
    schrijfKopregels(kop);
    return vanWindows1252(kop.bytes());
}

bool isVoorbeeldNaam(const QString& naam) {
    return naam.endsWith(QStringLiteral(".dat")) && isOpslaanbareTekst(naam) && isTekst(naam);
}

} // namespace

std::optional<QStringList> aangebodenVoorbeelden(const QString& data) {
    const QFileInfo info(notitiePad(data));
    if (info.isSymLink())
        return std::nullopt;
    const BestandsInhoud inhoud = leesTekstBestand(info.filePath());
    if (inhoud.status == LeesStatus::Ontbreekt)
        return QStringList();
    if (inhoud.status != LeesStatus::Gelezen || !inhoud.tekst.startsWith(kopTekst()))
        return std::nullopt;
    const QStringList namen = leesScoreLijstTekst(inhoud.tekst).regels;
    if (!std::all_of(namen.cbegin(), namen.cend(), isVoorbeeldNaam))
        return std::nullopt;
    return namen;
}

bool biedVoorbeeldenAan(const Mappen& mappen, const QString& bron) {
    const QString data = mappen.dataMap();
    if (!QFileInfo(bron).isDir() || !QDir().mkpath(data))
        return false;
    const std::optional<QStringList> eerder = aangebodenVoorbeelden(data);
    if (!eerder)
        return false;
    QStringList aangeboden = *eerder;
    bool gelukt = true;
    const QStringList namen = QDir(bron).entryList({QStringLiteral("*.dat")},
                                                   QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& naam : namen) {
        if (aangeboden.contains(naam) || !isOpslaanbareTekst(naam))
            continue;
        const QFileInfo doel(data + u'/' + naam);
        // A dangling link counts as a file of that name too: copying would write through it.
        if (!doel.exists() && !doel.isSymLink() &&
            kopieerBestand(mappen, bron + u'/' + naam, doel.filePath()) !=
                OpslaanStatus::Opgeslagen) {
            gelukt = false;
            continue;
        }
        aangeboden.append(naam);
    }
    if (aangeboden == *eerder)
        return gelukt;
    return vervangBestand(mappen, notitiePad(data), scoreLijstBytes(aangeboden)) ==
               OpslaanStatus::Opgeslagen &&
           gelukt;
}

} // namespace Opslag
