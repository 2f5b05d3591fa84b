// SPDX-License-Identifier: GPL-3.0-or-later
// The board's size in card rows and slots, and the small texts the game shows.
#pragma once

#include <QString>
#include <array>

namespace Regels {

constexpr int kRijen = 3;   // card rows, 1 to 3 on screen
constexpr int kVakken = 10; // slots per card row, 0 to 9 from the top

// Slots as the solution shows them: "3-7-0".
QString drietalCode(int vak1, int vak2, int vak3);

// The game clock as minutes and seconds, each at least two digits: 65 -> "01:05", 6000 -> "100:00".
QString klokTekst(float spelTijd);

} // namespace Regels
