// SPDX-License-Identifier: GPL-3.0-or-later
// Picks as a player makes them: a card, or the three cards of a Drietal.
#pragma once

#include "game/spel.h"

inline void kiesDrietal(Algemeen::Spel& spel, int drietal) {
    for (int rij = 0; rij < Algemeen::kRijen; ++rij)
        spel.kies(rij, spel.toestand().plek(drietal, rij));
}

inline int openKaarten(const Algemeen::Spel& spel) {
    int n = 0;
    for (int rij = 0; rij < Algemeen::kRijen; ++rij)
        for (int vak = 0; vak < Algemeen::kVakken; ++vak)
            n += spel.isOpen(rij, vak);
    return n;
}
