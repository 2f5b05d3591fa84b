// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings window decides, apart from the window: which topic may be played, which
// wallpaper entry stands for the stored one, which values the bars can show and which titles can
// be stored.
#pragma once

#include "storage/paths.h"
#include "storage/settingsfile.h"

#include <QStringList>
#include <optional>

namespace Regels {

// A playable topic holds exactly this many non-empty words: 10 Drietallen of three.
constexpr int kWoordenInOnderwerp = 30;

// The topic names for the topic list, ordered by name without regard to case. The listing of the
// Data folder orders by file name, where "Dier 2.dat" comes before "Dier.dat".
QStringList keuzeOnderwerpen(const Opslag::Mappen& mappen);

bool isCompleetOnderwerp(int woorden);

// The message for a topic of this many words, counting words rather than rows: "Onderwerp 'X' is
// niet compleet," CR LF "er moeten nog 3 woorden worden ingevuld." A topic with too many words
// says how many are too many. Empty for a complete topic.
QString onvolledigOnderwerpMelding(const QString& naam, int woorden);

// Checks the topic file as it is now: nullopt when it is complete, otherwise the message. A file
// that cannot be read counts as 0 words.
std::optional<QString> onderwerpWeigering(const Opslag::Mappen& mappen, const QString& naam);

// The wallpaper names for the wallpaper list: the *.jpg files of Backgrounds without their
// extension, ordered like the topics. A name that could not be stored in the settings file is left
// out, since choosing it would make the whole file unwritable.
QStringList keuzeAchtergronden(const Opslag::Mappen& mappen);

// The file a wallpaper entry stands for.
QString achtergrondBestand(const Opslag::Mappen& mappen, const QString& naam);

// The index of the entry whose file name is exactly that of the stored wallpaper (whatever folder
// the stored value names, written with / or \), or -1.
int achtergrondKeuze(const QStringList& namen, const QString& wallpaperFile);

// Brings colours and think time within the ranges of the bars (an edited settings file can hold
// anything). Returns whether a value changed.
bool begrensInstellingen(Opslag::OpgeslagenInstellingen& waarden);

// Why a title cannot be taken (a double quote, or a character the settings file cannot hold), as
// the message for the user; nullopt when the title can be stored.
std::optional<QString> titelWeigering(const QString& titel);

} // namespace Regels
