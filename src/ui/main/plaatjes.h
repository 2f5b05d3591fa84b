// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the toolbar buttons, the board's cursor and the window icon, drawn in code so
// they stay sharp at any scale and need no files.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace Drietal {

enum class Plaatje {
    Help,
    Start,
    SoundOn,
    SoundOff,
    Woorden,
    Instellingen,
    Scorelijst,
    MeerSoftware,
    Oplossing,
    Exit,
};

constexpr int kKnopMaat = 48;

// A 48 x 48 button picture, for the given device pixel ratio.
QPixmap knopPlaatje(Plaatje soort, qreal dpr = 1.0);

// The 32 x 32 pointer of the board.
QCursor bordCursor();

QIcon vensterIcoon();

} // namespace Drietal
