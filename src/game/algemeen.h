// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force and the high-score list in memory, shared by every window, with the
// routines that load them at start-up and store them at exit.
#pragma once

#include "storage/fileaccess.h"
#include "storage/settingsfile.h"

#include <QStringList>

namespace Algemeen {

struct Instellingen : Opslag::OpgeslagenInstellingen {
    // Not stored: every run starts with this topic and with sound on.
    QString Onderwerp = QStringLiteral("Geografie");
    bool GeluidAan = true;
};

extern Instellingen instellingen;

// The high-score entries ("MM:SS - name") in the order they were played.
extern QStringList BackScoreLijst;

// Every setting back to its default.
void InstellingenStandaard();

// Reads the settings file. When there is none (a first start) it writes one with the defaults and
// then points WallpaperFile at the program's own Backgrounds folder. A file that ends early or
// holds a wrong value keeps what was read before it; it is kept as a .bak at the next save.
Opslag::LeesStatus InstellingenLaden();
Opslag::OpslaanStatus InstellingenOpslaan();

// Reads the high-score list into BackScoreLijst (appending), and writes it back.
Opslag::LeesStatus ScoreLijstLaden();
Opslag::OpslaanStatus ScoreLijstOpslaan();

} // namespace Algemeen
