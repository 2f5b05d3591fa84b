// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing the program's small text files.
#pragma once

#include <QByteArray>
#include <QString>

namespace Opslag {

class Mappen;

// No file of the program comes near this; a bigger one is refused unread.
constexpr qint64 kMaxBestandsgrootte = 1024 * 1024;

enum class LeesStatus {
    Gelezen,    // read completely
    Ontbreekt,  // there is no such file
    Onleesbaar, // it exists but could not be opened or read (or it is a folder)
    TeGroot,    // refused: larger than kMaxBestandsgrootte
    Afgebroken, // read, but the content ended early or held a value of the wrong kind
    Hersteld,   // read to the end, but what is there had to be repaired: a stray quote, bytes
                // that are no text
};

// A file that was refused or read only in part is kept beside the new one at the next save.
inline bool moetBewaren(LeesStatus status) {
    return status != LeesStatus::Gelezen && status != LeesStatus::Ontbreekt;
}

enum class OpslaanStatus {
    Opgeslagen,
    OngeldigeNaam,    // the name would leave its folder or the file system cannot hold it
    OngeldigeTekst,   // a text holds a double quote or a character Windows-1252 cannot hold
    SchrijvenMislukt, // the file could not be written; the old file is unchanged
    LinkNaarBuiten,   // the file is a link to a file outside the program's folders; not written
};

struct BestandsInhoud {
    LeesStatus status = LeesStatus::Ontbreekt;
    QString tekst; // the decoded text, when status is Gelezen
};

// True for a regular file (or a link to one). Anything else a user's path may name is never opened:
// opening a FIFO for reading waits for a writer that never comes, and a device may never end.
bool isGewoonBestand(const QString& pad);

BestandsInhoud leesTekstBestand(const QString& pad);

// At most the first max bytes of a regular file (or a link to one); empty for anything else,
// which is never opened.
QByteArray leesBegin(const QString& pad, qint64 max);

// True when a file can be written in the folder: a probe is made, written and flushed, so that a
// full disk counts too (creating an empty file there may still succeed).
bool kanSchrijvenIn(const QString& map);

// Replaces the file at pad with bytes in one step (write to a temporary file, then rename), so a
// failed write, a full disk or a crash leaves the old file whole. With bewaarOud the file that is
// being replaced is first copied to pad + ".bak", in the same way, so a failed copy leaves an
// earlier .bak whole too and the file is then not replaced. A file link is followed only when it
// ends inside the program folder, the user's folder or its Data folder of mappen (each as its real
// path); the link itself is kept.
OpslaanStatus vervangBestand(const Mappen& mappen, const QString& pad, const QByteArray& bytes,
                             bool bewaarOud = false);

// Copies the regular file bron to doel in the same way as vervangBestand saves.
OpslaanStatus kopieerBestand(const Mappen& mappen, const QString& bron, const QString& doel);

} // namespace Opslag
