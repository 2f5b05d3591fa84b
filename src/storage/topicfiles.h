// SPDX-License-Identifier: GPL-3.0-or-later
// Topic files Data/<topic>.dat: one quoted record line of three words per Drietal.
#pragma once

#include "storage/fileaccess.h"

#include <QStringList>
#include <array>
#include <optional>

namespace Opslag {

// The three words of one Drietal, for card rows 1, 2 and 3.
using Drietal = std::array<QString, 3>;
using SpelOnderwerp = std::array<Drietal, 10>;

// The three column lists of the word list editor.
struct WoordKolommen {
    QStringList kolom[3];
};

// The topic names in the Data folder: the *.dat files, alphabetical, without their extension.
QStringList onderwerpen(const Mappen& mappen);

// Appends every non-empty field of every complete record to its column. A record cut short by
// the end of the file is dropped with everything after it. Returns how the file was read.
LeesStatus WoordLijstLaden(const Mappen& mappen, const QString& naam, WoordKolommen& kolommen);

// The number of non-empty fields in the complete records of the topic; 0 when it cannot be read.
int telWoorden(const Mappen& mappen, const QString& naam);

// Exactly the first 10 records, as the game deals them. nullopt when the file cannot be read or
// holds fewer than 10 records.
std::optional<SpelOnderwerp> leesSpelOnderwerp(const Mappen& mappen, const QString& naam);
std::optional<SpelOnderwerp> leesSpelOnderwerpTekst(const QString& tekst);

// Writes as many records as column 1 has rows; a word a shorter column lacks is written empty.
// nullopt when a word that would be written cannot be stored. A file that is there but cannot be
// read whole (too big, unreadable, cut short) is first kept as <topic>.dat.bak; when it cannot be
// copied, it is not replaced.
std::optional<QByteArray> woordLijstBytes(const WoordKolommen& kolommen);
OpslaanStatus WoordLijstOpslaan(const Mappen& mappen, const QString& naam,
                                const WoordKolommen& kolommen);

} // namespace Opslag
