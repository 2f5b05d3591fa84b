// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/plaatjes.h"

#include "ui/main/bordtekening.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Drietal {
namespace {

struct KnopKleur {
    QColor licht;
    QColor donker;
};

KnopKleur kleurVan(Plaatje soort) {
    switch (soort) {
    case Plaatje::Start:
        return {QColor(120, 200, 120), QColor(30, 110, 50)};
    case Plaatje::Exit:
        return {QColor(230, 120, 110), QColor(140, 30, 30)};
    case Plaatje::Oplossing:
        return {QColor(240, 210, 120), QColor(160, 110, 20)};
    case Plaatje::SoundOff:
        return {QColor(170, 170, 170), QColor(90, 90, 95)};
    default:
        return {QColor(140, 170, 230), QColor(40, 70, 140)};
    }
}

// A rounded tile with a soft gradient and a light rim: the face every button shares.
void tekenTegel(QPainter& p, const KnopKleur& kleur) {
    const QRectF vak(2, 2, 44, 44);
    QLinearGradient verloop(vak.topLeft(), vak.bottomLeft());
    verloop.setColorAt(0, kleur.licht);
    verloop.setColorAt(1, kleur.donker);
    p.setPen(QPen(QColor(20, 20, 30), 1.5));
    p.setBrush(verloop);
    p.drawRoundedRect(vak, 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(vak.adjusted(2, 2, -2, -2), 7, 7);
}

void tekenVraagteken(QPainter& p) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(32);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 48, 48), Qt::AlignCenter, QStringLiteral("?"));
}

void tekenSpeelDriehoek(QPainter& p) {
    QPainterPath pad;
    pad.moveTo(18, 13);
    pad.lineTo(36, 24);
    pad.lineTo(18, 35);
    pad.closeSubpath();
    p.drawPath(pad);
}

void tekenLuidspreker(QPainter& p, bool aan) {
    QPainterPath pad;
    pad.moveTo(11, 19);
    pad.lineTo(17, 19);
    pad.lineTo(25, 12);
    pad.lineTo(25, 36);
    pad.lineTo(17, 29);
    pad.lineTo(11, 29);
    pad.closeSubpath();
    p.drawPath(pad);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    if (aan) {
        p.drawArc(QRectF(20, 17, 10, 14), -50 * 16, 100 * 16);
        p.drawArc(QRectF(19, 12, 18, 24), -50 * 16, 100 * 16);
    } else {
        p.drawLine(29, 19, 37, 29);
        p.drawLine(37, 19, 29, 29);
    }
}

void tekenPotlood(QPainter& p) {
    p.save();
    p.translate(24, 24);
    p.rotate(-45);
    p.drawRect(QRectF(-12, -4, 20, 8));
    QPainterPath punt;
    punt.moveTo(8, -4);
    punt.lineTo(15, 0);
    punt.lineTo(8, 4);
    punt.closeSubpath();
    p.drawPath(punt);
    p.restore();
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(12, 38, 36, 38);
}

void tekenTandwiel(QPainter& p) {
    QPainterPath wiel;
    const QPointF m(24, 24);
    for (int t = 0; t < 8; ++t) {
        QPainterPath tand;
        tand.addRect(QRectF(-3.5, -15, 7, 8));
        QTransform draai;
        draai.translate(m.x(), m.y());
        draai.rotate(t * 45.0);
        wiel.addPath(draai.map(tand));
    }
    wiel.addEllipse(m, 10, 10);
    wiel.setFillRule(Qt::WindingFill);
    p.drawPath(wiel.simplified());
    p.setBrush(kleurVan(Plaatje::Instellingen).donker);
    p.drawEllipse(m, 4, 4);
}

void tekenBeker(QPainter& p) {
    QPainterPath beker;
    beker.moveTo(15, 11);
    beker.lineTo(33, 11);
    beker.cubicTo(33, 24, 28, 28, 24, 28);
    beker.cubicTo(20, 28, 15, 24, 15, 11);
    p.drawPath(beker);
    p.drawRect(QRectF(22, 28, 4, 5));
    p.drawRect(QRectF(16, 33, 16, 4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2));
    p.drawArc(QRectF(9, 13, 9, 9), 90 * 16, 180 * 16);
    p.drawArc(QRectF(30, 13, 9, 9), -90 * 16, 180 * 16);
}

void tekenWereldbol(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.2));
    p.drawEllipse(QPointF(24, 24), 13, 13);
    p.drawEllipse(QPointF(24, 24), 6, 13);
    p.drawLine(QPointF(11, 24), QPointF(37, 24));
    p.drawLine(QPointF(13, 17), QPointF(35, 17));
    p.drawLine(QPointF(13, 31), QPointF(35, 31));
}

void tekenOog(QPainter& p) {
    QPainterPath oog;
    oog.moveTo(9, 24);
    oog.quadTo(24, 8, 39, 24);
    oog.quadTo(24, 40, 9, 24);
    p.drawPath(oog);
    p.setBrush(kleurVan(Plaatje::Oplossing).donker);
    p.drawEllipse(QPointF(24, 24), 6, 6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(22, 22), 1.8, 1.8);
}

void tekenAanUit(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(12, 13, 24, 24), 125 * 16, -250 * 16);
    p.drawLine(QPointF(24, 10), QPointF(24, 24));
}

void tekenSymbool(QPainter& p, Plaatje soort) {
    switch (soort) {
    case Plaatje::Help:
        p.setPen(Qt::white);
        tekenVraagteken(p);
        break;
    case Plaatje::Start:
        tekenSpeelDriehoek(p);
        break;
    case Plaatje::SoundOn:
        tekenLuidspreker(p, true);
        break;
    case Plaatje::SoundOff:
        tekenLuidspreker(p, false);
        break;
    case Plaatje::Woorden:
        tekenPotlood(p);
        break;
    case Plaatje::Instellingen:
        tekenTandwiel(p);
        break;
    case Plaatje::Scorelijst:
        tekenBeker(p);
        break;
    case Plaatje::MeerSoftware:
        tekenWereldbol(p);
        break;
    case Plaatje::Oplossing:
        tekenOog(p);
        break;
    case Plaatje::Exit:
        tekenAanUit(p);
        break;
    }
}

} // namespace

QPixmap knopPlaatje(Plaatje soort, qreal dpr) {
    QPixmap beeld(QSize(kKnopMaat, kKnopMaat) * dpr);
    beeld.setDevicePixelRatio(dpr);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    tekenTegel(p, kleurVan(soort));
    p.setPen(QPen(QColor(20, 20, 30, 160), 1));
    p.setBrush(Qt::white);
    tekenSymbool(p, soort);
    return beeld;
}

// A small hand-drawn arrow with a card at its tail; the hot spot is the arrow's tip.
QCursor bordCursor() {
    QPixmap beeld(32, 32);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(12.5, 14.5, 16, 12), 2, 2);
    p.setBrush(kaartKleur(1));
    p.drawRect(QRectF(14.5, 16.5, 12, 8));
    QPainterPath pijl;
    pijl.moveTo(1, 1);
    pijl.lineTo(1, 19);
    pijl.lineTo(6, 14);
    pijl.lineTo(10, 22);
    pijl.lineTo(13, 20.5);
    pijl.lineTo(9, 13);
    pijl.lineTo(16, 13);
    pijl.closeSubpath();
    p.setBrush(QColor(255, 230, 80));
    p.drawPath(pijl);
    return QCursor(beeld, 1, 1);
}

QIcon vensterIcoon() {
    QPixmap beeld(64, 64);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(kaartKleur(i));
        p.drawRoundedRect(QRectF(6 + i * 9, 6 + i * 9, 40, 30), 4, 4);
    }
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(24, 28, 34, 26), 3, 3);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(24, 28, 34, 26), Qt::AlignCenter, QStringLiteral("3"));
    return QIcon(beeld);
}

} // namespace Drietal
