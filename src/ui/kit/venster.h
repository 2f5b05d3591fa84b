// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's windows share: positions in twips, the fonts, the message box, the list
// style, the background colour of the settings, and the press effect of the picture buttons.
#pragma once

#include "core/tijdbron.h"
#include "game/instellingen.h"

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QRect>
#include <functional>
#include <map>
#include <memory>

class QInputDialog;

class QWidget;
class QLabel;
class QPushButton;

namespace Drietal {

constexpr int twips(int t) {
    return t / 15;
}
constexpr QPoint twipsPunt(int links, int boven) {
    return {twips(links), twips(boven)};
}
constexpr QRect twipsRect(int links, int boven, int breedte, int hoogte) {
    return {twips(links), twips(boven), twips(breedte), twips(hoogte)};
}
// The windows' heights in twips include a title bar of this height; the desktop adds its own.
constexpr int kTitelbalk = twips(360);
// A window's inside from its outer size in twips.
constexpr QSize twipsVenster(int breedte, int hoogte) {
    return {twips(breedte), twips(hoogte) - kTitelbalk};
}

// The program's fonts by the names it asks for; main() maps them to installed look-alikes.
QFont arial(qreal punten, bool vet = false);
QFont comicSans(qreal punten, bool vet = false);
// The font made smaller, half a point at a time and not below kleinste points, until tekst fits
// breedte pixels: where the named fonts are missing, a wider one must still fit its place.
QFont passend(QFont font, const QString& tekst, int breedte, qreal kleinste);

// A message with an OK button, titled with the program's name.
void meld(QWidget* ouder, const QString& tekst);

// A label that sizes itself to its text: the text is set only when it changed.
// A text at plek, sized to itself, in font and (when valid) kleur; never read as markup.
QLabel* tekstLabel(QWidget* ouder, const QString& tekst, QPoint plek, const QFont& font,
                   const QColor& kleur = QColor());
// A plain coloured area: the dark panels behind buttons and bars, the colour swatches.
QLabel* vlak(QWidget* ouder, const QRect& plek, const QColor& kleur);
void zetTekst(QLabel* label, const QString& tekst);
void zetTekstKleur(QLabel* label, const QColor& kleur);

// The light text on dark blue of the lists in the windows.
QString lijstStijl();

// RGB (ColorRed, ColorGreen, ColorBlue) of the settings: the windows' background.
QColor vensterKleur(const Regels::InstellingWaarden& waarden);
void zetAchtergrond(QWidget* widget, const QColor& kleur);

// A button in its own background colour; Enter in a text box never presses it.
QPushButton* gekleurdeKnop(QWidget* ouder, const QString& tekst, const QRect& plek,
                           const QColor& kleur);

// A coloured button on a dark panel 2 pixels larger on every side, so the button looks framed.
QPushButton* omlijsteKnop(QWidget* ouder, const QString& tekst, const QRect& knop,
                          const QColor& kleur);

// Focus frames are for keyboard players: they show from the first key press on, so a mouse player
// sees the screen without them.
bool focusKaderZichtbaar();
// Watches the application's key presses for that; the main window calls it once.
void volgToetsenbord();

// The press of a picture button: it sinks 2 pixels right and down, and 0.2 s later it springs
// back and its command runs. A second press of the same button before its command has finished is
// ignored; other buttons keep working meanwhile.
class DrukEffect {
public:
    static constexpr int kDrukMs = 200;

    explicit DrukEffect(Kern::TijdBron& tijd) : m_tijd(tijd) {}

    // False when the press was ignored. With a longer nawerkMs, the button counts as busy until
    // that time after the press, and the command runs then (the exit lets its sound finish).
    bool druk(QWidget* knop, std::function<void()> commando, int nawerkMs = kDrukMs);
    bool bezig(QWidget* knop) const { return m_bezig.count(knop) > 0; }

private:
    struct Lopend {
        Kern::SeamTimer terug;
        Kern::SeamTimer klaar;
    };
    Kern::TijdBron& m_tijd;
    std::map<QWidget*, Lopend> m_bezig;
};

// Loads Qt's own Dutch texts, so its standard buttons say "Annuleren", "Ja" and "Nee" in this
// Dutch program whatever the locale. False when they are not installed (Debian's
// qt6-translations-l10n); the buttons then stay English.
bool laadQtVertaling();

// The name box of Start, titled "Naam Speler", not yet shown.
std::unique_ptr<QInputDialog> naamVraag(QWidget* ouder);

// A question with Yes and No, No the default, not yet shown.
std::unique_ptr<QMessageBox> jaNeeVraag(QWidget* ouder, const QString& titel, const QString& tekst,
                                        QMessageBox::Icon icoon = QMessageBox::NoIcon);

} // namespace Drietal
