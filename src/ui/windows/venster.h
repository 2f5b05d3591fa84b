// What the secondary windows share: the background colour of the settings, and positions in
// twips.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QRect>
#include <memory>

class QInputDialog;

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
