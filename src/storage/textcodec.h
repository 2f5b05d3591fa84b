// SPDX-License-Identifier: GPL-3.0-or-later
// Text encoding of the program's files: Windows-1252 on disk, UTF-8 accepted on reading.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Opslag {

// Decodes file bytes. A UTF-8 byte-order mark is skipped; bytes that form valid UTF-8 with at
// least one multi-byte sequence are read as UTF-8 (a file saved by a Linux text editor),
// anything else as Windows-1252.
QString decodeerBestand(const QByteArray& bytes);

QString vanWindows1252(const QByteArray& bytes);

// Encodes text as Windows-1252; nullopt when a character has no Windows-1252 byte.
std::optional<QByteArray> naarWindows1252(const QString& text);

bool isWindows1252(const QString& text);

// False when the text holds a character no text file holds: NUL and the other control characters
// but TAB, CR and LF, DEL, and the C1 controls (where the five bytes Windows-1252 leaves
// undefined are read).
bool isTekst(const QString& text);

} // namespace Opslag
