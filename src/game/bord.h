// The board's geometry in the board picture's pixels, and the small texts the game shows.
#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace Algemeen {

constexpr int kRijen = 3;   // card rows, 1 to 3 on screen
constexpr int kVakken = 10; // slots per card row, 0 to 9 from the top

constexpr std::array<int, kRijen> kKaartLinks = {40, 285, 530};
constexpr int kKaartBreedte = 225;
constexpr int kKaartHoogte = 30;
constexpr int kKaartBoven0 = 40;
constexpr int kVakAfstand = 43;
constexpr int kGezichtBreedte = 222;
constexpr int kGezichtHoogte = 27;

// The frame around the card row to click next.
constexpr std::array<int, kRijen> kPijlLinks = {33, 278, 523};
constexpr int kPijlBoven = 33;
constexpr int kPijlBreedte = 241;
constexpr int kPijlHoogte = 433;

constexpr int kaartBoven(int vak) {
    return kKaartBoven0 + kVakAfstand * vak;
}

// The middle of the face of card (rij, vak): a point that hits the card.
constexpr QPoint kaartMidden(int rij, int vak) {
    return {kKaartLinks[rij] + 2 + kGezichtBreedte / 2, kaartBoven(vak) + 2 + 13};
}

// The slot of card row rij whose hit area holds (x, y): the inside of the card face, borders
// excluded. nullopt between cards and outside the row.
std::optional<int> geraaktVak(int rij, int x, int y);

// Slots as the solution shows them: "3-7-0".
QString drietalCode(int vak1, int vak2, int vak3);

// The game clock as minutes and seconds, each at least two digits: 65 -> "01:05", 6000 -> "100:00".
QString klokTekst(float spelTijd);

} // namespace Algemeen
