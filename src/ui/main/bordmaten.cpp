// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/bordmaten.h"

namespace Drietal {

std::optional<Kaart> geraakteKaart(QPoint p) {
    for (int rij = 0; rij < Regels::kRijen; ++rij) {
        for (int vak = 0; vak < Regels::kVakken; ++vak) {
            // Strictly inside: a click on the face's edge hits nothing. The hit area is one pixel
            // shorter than the face, as the card's lower rim belongs to its back.
            const QRect vlak = gezichtRect(rij, vak).adjusted(0, 0, 0, -1);
            if (p.x() > vlak.left() && p.x() < vlak.left() + vlak.width() && p.y() > vlak.top() &&
                p.y() < vlak.top() + vlak.height())
                return Kaart{rij, vak};
        }
    }
    return std::nullopt;
}

} // namespace Drietal
