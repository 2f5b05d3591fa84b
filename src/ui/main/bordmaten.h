// SPDX-License-Identifier: GPL-3.0-or-later
// Where the cards and the row frame lie on the board picture, in its pixels, and which card a
// click hits.
#pragma once

#include "game/bord.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <optional>

namespace Drietal {

constexpr std::array<int, Regels::kRijen> kKaartLinks = {40, 285, 530};
constexpr int kKaartBreedte = 225;
constexpr int kKaartHoogte = 30;
constexpr int kKaartBoven0 = 40;
constexpr int kVakAfstand = 43;
constexpr int kGezichtBreedte = 222;
constexpr int kGezichtHoogte = 27;

// The frame around the card row to click next.
constexpr std::array<int, Regels::kRijen> kRijKaderLinks = {33, 278, 523};
constexpr int kRijKaderBoven = 33;
constexpr int kRijKaderBreedte = 241;
constexpr int kRijKaderHoogte = 433;

constexpr int kaartBoven(int vak) {
    return kKaartBoven0 + kVakAfstand * vak;
}

// The face of card (rij, vak): the white field that shows its word.
constexpr QRect gezichtRect(int rij, int vak) {
    return {kKaartLinks[rij] + 2, kaartBoven(vak) + 2, kGezichtBreedte, kGezichtHoogte};
}

// The middle of the face of card (rij, vak): a point that hits the card.
constexpr QPoint kaartMidden(int rij, int vak) {
    return {kKaartLinks[rij] + 2 + kGezichtBreedte / 2, kaartBoven(vak) + 2 + 13};
}

struct Kaart {
    int rij;
    int vak;
};

// The card whose hit area holds p: the inside of its face, the borders excluded. nullopt between
// cards and outside the rows.
std::optional<Kaart> geraakteKaart(QPoint p);

} // namespace Drietal
