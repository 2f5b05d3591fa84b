// SPDX-License-Identifier: GPL-3.0-or-later
// The sample topics a program folder brings along, offered once to each data folder.
#pragma once

#include <QStringList>
#include <optional>

namespace Opslag {

class Mappen;

// Copies each sample topic (a *.dat file of bron) that was never offered to the Data folder of
// mappen into it, where no file of that name is, and notes it in Data/.aangeboden as offered,
// whether it was copied or the player already had a file of that name. So a sample the player
// deleted does not come back, a player's own file is never replaced, and a sample added to bron
// later is still offered. False when bron is no folder or a copy or the note failed; what was not
// noted is offered again next time. A note that is there but cannot be read as one (damaged, a
// link, not a file) offers nothing and is left as it is: better no sample than every deleted one
// back.
bool biedVoorbeeldenAan(const Mappen& mappen, const QString& bron);

// The file names of the samples offered to the Data folder data so far; nullopt when its note
// cannot be read as one.
std::optional<QStringList> aangebodenVoorbeelden(const QString& data);

} // namespace Opslag
