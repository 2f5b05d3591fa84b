// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/bordtekening.h"

#include "ui/kit/venster.h"
#include "ui/main/bordmaten.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace Drietal {
namespace {

struct RijKleur {
    QColor kaart;
    QColor stip;
};
const std::array<RijKleur, Regels::kRijen> kRijKleuren = {{
    {QColor(120, 100, 100), QColor(120, 0, 0)},
    {QColor(100, 120, 100), QColor(0, 120, 0)},
    {QColor(100, 100, 120), QColor(0, 0, 120)},
}};

} // namespace

QColor kaartKleur(int rij) {
    return kRijKleuren.at(std::size_t(rij)).kaart;
}

namespace {

// Text whose top left corner lies at (x, y), as the board prints it.
void print(QPainter& p, int x, int y, const QString& tekst) {
    p.drawText(QRect(x, y, kBordBreedte, kBordHoogte), Qt::AlignLeft | Qt::AlignTop, tekst);
}

// One dot every second pixel, every second line, from (4, 4) to (224, 29), in the device's own
// pixels: a pattern this fine, drawn at 1x and stretched to a fractional scale, would show rows
// doubled and rows missing. A dot is as many pixels as the scale rounds to.
void tekenStippen(QPixmap& beeld, qreal dpr, const QColor& kleur) {
    const int stip = std::max(1, int(std::lround(dpr)));
    QPainter p(&beeld);
    for (int y = int(std::lround(4 * dpr)); y <= 29 * dpr; y += 2 * stip) {
        for (int x = int(std::lround(4 * dpr)); x <= 224 * dpr; x += 2 * stip)
            p.fillRect(x, y, stip, stip, kleur);
    }
}

} // namespace

// The back with its two outlines. The card covers (X, Y) to (X + 225, Y + 30) inclusive and the
// outer outline one pixel more on each side, so the picture starts at (X - 1, Y - 1).
QPixmap kaartAchterkant(int rij, qreal dpr) {
    const int b = kKaartBreedte;
    const int h = kKaartHoogte;
    QPixmap beeld(QSize(b + 3, h + 3) * dpr);
    beeld.fill(kRijKleuren[rij].kaart);
    tekenStippen(beeld, dpr, kRijKleuren[rij].stip);
    beeld.setDevicePixelRatio(dpr);
    QPainter p(&beeld);
    p.setPen(Qt::black);
    p.drawRect(0, 0, b + 2, h + 2);
    p.drawRect(1, 1, b, h);
    p.setFont(arial(12, true));
    p.setPen(QColor(250, 250, 250));
    p.drawText(QRect(61, 7, 160, 24), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Drietalspel"));
    return beeld;
}

QColor schaduwKleur(int i) {
    return QColor(int(std::lround(i / 1.5)), int(std::lround(i / 1.5)), int(std::lround(i / 1.8)));
}

// The band is one column of colours stretched across: a single blit instead of 446 lines.
void tekenSchaduw(QPainter& p, int x0, int x1, int y0, int y1) {
    QImage kolom(1, y1 - y0 + 1, QImage::Format_RGB32);
    for (int i = 0; i <= 222; ++i) {
        if (y0 + i <= y1)
            kolom.setPixelColor(0, i, schaduwKleur(i));
        if (y1 - i >= y0)
            kolom.setPixelColor(0, y1 - y0 - i, schaduwKleur(i));
    }
    p.drawImage(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), kolom);
}

void tekenBordAchtergrond(QPainter& p) {
    QLinearGradient rand(0, 0, 0, kBordHoogte);
    rand.setColorAt(0, QColor(214, 206, 186));
    rand.setColorAt(0.5, QColor(228, 222, 204));
    rand.setColorAt(1, QColor(200, 192, 172));
    p.fillRect(0, 0, kBordBreedte, kBordHoogte, rand);
    p.setPen(QColor(60, 50, 40));
    p.drawRect(0, 0, kBordBreedte - 1, kBordHoogte - 1);
    p.setPen(QColor(250, 246, 236));
    p.drawRect(1, 1, kBordBreedte - 3, kBordHoogte - 3);
    tekenSchaduw(p, 28, 771, 27, 470);
}

QString welkomTekst() {
    return QStringLiteral("Welkom bij het spel Drietalspel. Wie is de snelste door 30 woorden te "
                          "combineren in 10 rijen van 3? Druk op de startknop om te beginnen, of "
                          "op de helpknop voor de uitleg.");
}

void tekenWelkom(QPainter& p) {
    const QString welkom = QStringLiteral("Welkom bij het spel Drietalspel");
    p.setFont(arial(22, true));
    p.setPen(QColor(255, 255, 255));
    print(p, 140, 50, welkom);
    p.setPen(QColor(145, 145, 145));
    print(p, 141, 51, welkom);

    p.setFont(arial(11));
    p.setPen(QColor(220, 220, 220));
    print(p, 165, 90,
          QStringLiteral("Wie is de snelste door 30 woorden te combineren in 10 rijen van 3"));

    p.setFont(arial(14, true));
    const QString start = QStringLiteral("Druk op de startknop        om te beginnen");
    const QString help = QStringLiteral("of op de helpknop          voor de uitleg");
    p.setPen(QColor(0, 0, 0));
    print(p, 190, 220, start);
    p.setPen(QColor(255, 255, 255));
    print(p, 191, 221, start);
    p.setPen(QColor(0, 0, 0));
    print(p, 210, 263, help);
    p.setPen(QColor(255, 255, 255));
    print(p, 211, 264, help);
}

void tekenKaartRegel(QPainter& p, int vak) {
    const int y = kaartBoven(vak);
    p.setFont(arial(12, true));
    p.setPen(QColor(120, 60, 10));
    print(p, 4, y + 7, QString::number(vak));
    print(p, 777, y + 7, QString::number(vak));
    for (int rij = 0; rij < Regels::kRijen; ++rij)
        p.drawPixmap(kKaartLinks[rij] - 1, y - 1,
                     kaartAchterkant(rij, p.device()->devicePixelRatioF()));
}

} // namespace Drietal
