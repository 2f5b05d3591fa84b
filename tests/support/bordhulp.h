// Clicks on the board as a player makes them: on a card, or on the three cards of a Drietal.
#pragma once

#include "game/spel.h"

inline void klikKaart(Algemeen::Spel& spel, int rij, int vak,
                      Qt::MouseButton knop = Qt::LeftButton) {
    const QPoint p = Algemeen::kaartMidden(rij, vak);
    spel.klik(p.x(), p.y(), knop);
}

inline void kiesDrietal(Algemeen::Spel& spel, int drietal) {
    for (int rij = 0; rij < Algemeen::kRijen; ++rij)
        klikKaart(spel, rij, spel.toestand().plek(drietal, rij));
}

inline int openKaarten(const Algemeen::Spel& spel) {
    int n = 0;
    for (int rij = 0; rij < Algemeen::kRijen; ++rij)
        for (int vak = 0; vak < Algemeen::kVakken; ++vak)
            n += spel.isOpen(rij, vak);
    return n;
}
