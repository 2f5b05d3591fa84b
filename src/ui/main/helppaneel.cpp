// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/helppaneel.h"

#include "ui/kit/venster.h"
#include "ui/main/bordtekening.h"

#include <QPainter>

namespace Drietal {

const char* const kThuisAdres = "https://www.drietalspel.nl/";

namespace {

constexpr int kBreedte = 744;
constexpr int kHoogte = 444;
constexpr int kMarge = 8; // kept free at the panel's right edge

struct HelpRegel {
    int x;
    int y;
    int punten; // 0 keeps the size of the line before
    int vet;    // -1 keeps the weight of the line before
    QColor kleur;
    const char* tekst;
};

// clang-format off
const HelpRegel kRegels[] = {
    {10, 5, 14, 1, QColor(0, 250, 250), "Uitleg Drietalspel"},
    {20, 50, 10, 0, QColor(220, 220, 220), "Het spel Drietalspel is een variatie op het gewone spel Memory met de bekende kaartjes."},
    {20, 68, 0, -1, QColor(218, 218, 218), "In dit spel moeten 3 woorden (kaartjes) worden gecombineerd die iets met elkaar te maken hebben,"},
    {20, 86, 0, -1, QColor(216, 216, 216), "b.v. Nederland, Rotterdam en Euromast / Fiets, Zadel en trapper / Computer, Windows en Muis."},
    {20, 104, 0, -1, QColor(214, 214, 214), "Bij de start kunt u een aantal seconden (instelbaar) de oplossing bekijken waarna de kaartjes worden omgedraaid. "},
    {20, 122, 0, -1, QColor(212, 212, 212), "Nu begint de klok te lopen. Klik vervolgens steeds 3 woorden aan te beginnen in vak 1, dan vak 2 en als laatste vak 3"},
    {20, 140, 0, -1, QColor(210, 210, 210), "Hebt u een combinatie van 3 woorden gevonden blijven de kaartjes open staan, dus zichtbaar."},
    {20, 158, 0, -1, QColor(208, 208, 208), "Het spel is afgelopen als alle 10 woordcombinaties zijn geraden waarna de score (dit is het aantal seconden)"},
    {20, 176, 0, -1, QColor(206, 206, 206), "met de naam van de speler in een hoogstscorelijst wordt bijgeschreven."},
    {10, 215, 14, 1, QColor(230, 230, 0), "Zelf woordlijsten maken"},
    {20, 260, 10, 0, QColor(206, 206, 206), "U kunt met het menu-item Invoer Woorden (4e button van links) zelf eenvoudig woordcombinaties ontwerpen."},
    {20, 278, 0, -1, QColor(210, 210, 210), "Klik in dit menu op Nieuw en typ vervolgens 10 combinaties van 3 woorden (totaal 30 woorden) in."},
    {20, 296, 0, -1, QColor(214, 214, 214), "Klik dan op de button Save om deze gegevens op te slaan en te bewaren op uw computer."},
    {20, 314, 0, -1, QColor(218, 218, 218), "Bij dit programma zijn een aantal voorbeelden bijgevoegd om direct te beginnen."},
    {20, 332, 0, -1, QColor(222, 222, 222), "Klik op de 5e button van links (Instellingen) en selecteer \xC3\xA9\xC3\xA9n van de voorbeeld onderwerpen."},
    {20, 350, 0, -1, QColor(226, 226, 226), "In het instellingsmenu kunnen de achtergrondkleuren v/d formulieren, de titel, wallpaper (achtergrondplaatje)"},
    {20, 368, 0, -1, QColor(230, 230, 230), "en het aantal seconden (instelbaar van 5 t/m 30) bedenktijd worden gewijzigd."},
    {10, 410, 12, -1, QColor(0, 240, 0), "Meer gratis software van de maker vindt u op www.drietalspel.nl"},
    {638, 410, 0, -1, QColor(120, 120, 120), "\xC2\xA9 Drietalspel"},
};
// clang-format on

} // namespace

HelpPaneel::HelpPaneel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kBreedte, kHoogte);
    const qreal dpr = devicePixelRatioF();
    m_schaduw = QPixmap(QSize(kBreedte, kHoogte) * dpr);
    m_schaduw.setDevicePixelRatio(dpr);
    m_schaduw.fill(Qt::black);
    QPainter p(&m_schaduw);
    tekenSchaduw(p, 0, kBreedte, 0, kHoogte);
    m_beeld = m_schaduw;
    // The text is painted; a screen reader gets it whole as the panel's description.
    setAccessibleName(QStringLiteral("Help"));
    QStringList tekst = regels();
    for (QString& regel : tekst)
        regel = regel.trimmed();
    setAccessibleDescription(tekst.join(u'\n'));
}

QStringList HelpPaneel::regels() {
    QStringList tekst;
    for (const HelpRegel& regel : kRegels)
        tekst << QString::fromUtf8(regel.tekst);
    return tekst;
}

QList<QFont> HelpPaneel::regelLetters(QFont font) {
    QList<QFont> letters;
    for (const HelpRegel& regel : kRegels) {
        if (regel.punten > 0)
            font.setPointSize(regel.punten);
        if (regel.vet >= 0)
            font.setBold(regel.vet == 1);
        letters << passend(font, QString::fromUtf8(regel.tekst), kBreedte - kMarge - regel.x, 6);
    }
    return letters;
}

// The text goes onto a fresh copy of the shading each time, so drawing it again never
// thickens the antialiased edges of the letters.
void HelpPaneel::tekenHelp() {
    m_beeld = m_schaduw.copy();
    QPainter p(&m_beeld);
    const QList<QFont> letters = regelLetters(comicSans(QFont().pointSizeF()));
    for (std::size_t i = 0; i < std::size(kRegels); ++i) {
        const HelpRegel& regel = kRegels[i];
        p.setFont(letters[qsizetype(i)]);
        p.setPen(regel.kleur);
        p.drawText(QRect(regel.x, regel.y, kBreedte - regel.x, 40), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(regel.tekst));
    }
    update();
}

void HelpPaneel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_beeld);
}

} // namespace Drietal
