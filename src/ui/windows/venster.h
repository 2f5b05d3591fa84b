// What the secondary windows share: the background colour of the settings, and positions in
// twips.
#pragma once

#include <QColor>
#include <QRect>

class QWidget;
class QLabel;
class QPushButton;

namespace Drietal {

constexpr int twips(int t) {
    return t / 15;
}
inline QRect twipsRect(int links, int boven, int breedte, int hoogte) {
    return {twips(links), twips(boven), twips(breedte), twips(hoogte)};
}

// RGB (ColorRed, ColorGreen, ColorBlue) of the settings.
QColor instellingenKleur();
void zetAchtergrond(QWidget* widget, const QColor& kleur);

// A button in its own background colour; Enter in a text box never presses it.
QPushButton* gekleurdeKnop(QWidget* ouder, const QString& tekst, const QRect& plek,
                           const QColor& kleur);

// A coloured button on a dark panel 2 pixels larger on every side, so the button looks framed.
QPushButton* omlijsteKnop(QWidget* ouder, const QString& tekst, const QRect& knop,
                          const QColor& kleur);

} // namespace Drietal
