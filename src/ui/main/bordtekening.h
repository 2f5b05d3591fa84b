// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board box: its shading, the welcome text and the card backs. Drawn once
// into pixmaps, then blitted, so a repaint of the board costs one copy.
#pragma once

#include <QColor>
#include <QPixmap>

class QPainter;

namespace Drietal {

// The board box is 800 x 500 pixels.
constexpr int kBordBreedte = 800;
constexpr int kBordHoogte = 500;

// Shading colour i of 0..222: darkest at the band's edges, (148, 148, 123) where the halves meet.
QColor schaduwKleur(int i);

// The light band across the board: lines from x0 to x1, from y0 down and from y1 up.
void tekenSchaduw(QPainter& p, int x0, int x1, int y0, int y1);

// The board's own picture under everything: a dark frame with the shading band.
void tekenBordAchtergrond(QPainter& p);

// The welcome text of an idle board, with room left for the start and help pictures.
void tekenWelkom(QPainter& p);
// The same text as a screen reader reads it.
QString welkomTekst();

// Slot numbers left and right of card line vak, and the three card backs of that line.
void tekenKaartRegel(QPainter& p, int vak);

// One card back of card row rij (0..2) with its double outline, 228 x 33 pixels, drawn for the
// device pixel ratio dpr; it goes at (card left - 1, card top - 1).
QPixmap kaartAchterkant(int rij, qreal dpr);
// The colour of the backs of card row rij (0..2), also in the window icon.
QColor kaartKleur(int rij);

} // namespace Drietal
