// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Drietalspel.ini: seven quoted record lines in the program folder.
#pragma once

#include "storage/fileaccess.h"

#include <QString>

namespace Opslag {

// The stored settings with their defaults. The topic and the sound switch are not stored.
struct OpgeslagenInstellingen {
    int ColorRed = 220;
    int ColorGreen = 220;
    int ColorBlue = 190;
    QString WallpaperFile = QStringLiteral("Wallpaper-01.jpg");
    int PauzeTijd = 10;
    QString TitelTekst = QStringLiteral("Drietalspel");
    bool TitelKleur = true;

    bool operator==(const OpgeslagenInstellingen& o) const;
};

constexpr int kMinPauzeTijd = 5;
constexpr int kMaxPauzeTijd = 30;
// The range of each of ColorRed, ColorGreen and ColorBlue.
constexpr int kMinKleurDeel = 0;
constexpr int kMaxKleurDeel = 255;

struct GelezenInstellingen {
    LeesStatus status = LeesStatus::Ontbreekt;
    // The values read, clamped to their ranges; a value that was not read keeps its default.
    OpgeslagenInstellingen waarden;
};

// Parses the text of a settings file. Reading stops at the first field that is missing or of the
// wrong kind (status Afgebroken); values out of range are clamped (think time 5..30, colours
// 0..255).
GelezenInstellingen leesInstellingenTekst(const QString& tekst);
GelezenInstellingen leesInstellingen(const QString& pad);

// The exact bytes of the file; empty when a text cannot be stored (see RecordSchrijver).
QByteArray instellingenBytes(const OpgeslagenInstellingen& waarden);
// Saved as vervangBestand saves, links judged by mappen.
OpslaanStatus schrijfInstellingen(const Mappen& mappen, const QString& pad,
                                  const OpgeslagenInstellingen& waarden, bool bewaarOud = false);

} // namespace Opslag
