// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list Data/Scorelijst.lst: two header lines, then one quoted entry per line.
#pragma once

#include "storage/fileaccess.h"

#include <QStringList>

namespace Opslag {

struct GelezenScoreLijst {
    LeesStatus status = LeesStatus::Ontbreekt;
    QStringList regels; // the entries read, in file order; blank entries are dropped
};

GelezenScoreLijst leesScoreLijstTekst(const QString& tekst);
GelezenScoreLijst leesScoreLijst(const QString& pad);

// Empty when an entry cannot be stored.
QByteArray scoreLijstBytes(const QStringList& regels);
// Saved as vervangBestand saves, links judged by mappen.
OpslaanStatus schrijfScoreLijst(const Mappen& mappen, const QString& pad, const QStringList& regels,
                                bool bewaarOud = false);

} // namespace Opslag
