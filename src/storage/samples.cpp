// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/samples.h"

#include "storage/fileaccess.h"
#include "storage/recordformat.h"
#include "storage/scorefile.h"

#include <QDir>
#include <QFileInfo>

namespace Opslag {
namespace {

// The note has the form of the high-score list: two header lines, then a quoted name a line.
QString notitiePad(const QString& data) {
    return data + QStringLiteral("/.aangeboden");
}

} // namespace

QStringList aangebodenVoorbeelden(const QString& data) {
    return leesScoreLijst(notitiePad(data)).regels;
}

bool biedVoorbeeldenAan(const QString& bron, const QString& data) {
    if (!QFileInfo(bron).isDir() || !QDir().mkpath(data))
        return false;
    const QStringList eerder = aangebodenVoorbeelden(data);
    QStringList aangeboden = eerder;
    bool gelukt = true;
    const QStringList namen = QDir(bron).entryList({QStringLiteral("*.dat")},
                                                   QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& naam : namen) {
        if (aangeboden.contains(naam) || !isOpslaanbareTekst(naam))
            continue;
        const QFileInfo doel(data + u'/' + naam);
        // A dangling link counts as a file of that name too: copying would write through it.
        if (!doel.exists() && !doel.isSymLink() &&
            kopieerBestand(bron + u'/' + naam, doel.filePath()) != OpslaanStatus::Opgeslagen) {
            gelukt = false;
            continue;
        }
        aangeboden.append(naam);
    }
    if (aangeboden == eerder)
        return gelukt;
    return vervangBestand(notitiePad(data), scoreLijstBytes(aangeboden)) ==
               OpslaanStatus::Opgeslagen &&
           gelukt;
}

} // namespace Opslag
