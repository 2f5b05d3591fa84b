#include "ui/windows/venster.h"

#include "game/algemeen.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>

namespace Drietal {

QColor instellingenKleur() {
    const auto& i = Algemeen::instellingen;
    return QColor(i.ColorRed, i.ColorGreen, i.ColorBlue);
}

void zetAchtergrond(QWidget* widget, const QColor& kleur) {
    QPalette palet = widget->palette();
    palet.setColor(QPalette::Window, kleur);
    widget->setPalette(palet);
    widget->setAutoFillBackground(true);
}

QPushButton* gekleurdeKnop(QWidget* ouder, const QString& tekst, const QRect& plek,
                           const QColor& kleur) {
    auto* button = new QPushButton(tekst, ouder);
    button->setGeometry(plek);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    button->setFont(font);
    button->setAutoDefault(false);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                       "QPushButton:pressed { background-color: %2; }"
                       "QPushButton:focus { border: 1px dotted black; }")
            .arg(kleur.name(), kleur.darker(115).name()));
    return button;
}

QPushButton* omlijsteKnop(QWidget* ouder, const QString& tekst, const QRect& knop,
                          const QColor& kleur) {
    auto* paneel = new QLabel(ouder);
    paneel->setGeometry(knop.adjusted(-2, -2, 2, 2));
    zetAchtergrond(paneel, QColor(64, 64, 64));
    return gekleurdeKnop(ouder, tekst, knop, kleur);
}

bool laadQtVertaling() {
    auto* vertaling = new QTranslator(QCoreApplication::instance());
    if (vertaling->load(QStringLiteral("qtbase_nl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(vertaling))
        return true;
    delete vertaling;
    return false;
}

std::unique_ptr<QInputDialog> naamVraag(QWidget* ouder) {
    auto vraag = std::make_unique<QInputDialog>(ouder);
    vraag->setInputMode(QInputDialog::TextInput);
    vraag->setWindowTitle(QStringLiteral("Naam Speler"));
    vraag->setLabelText(QStringLiteral("Geef hier jouw naam in..."));
    vraag->setTextValue(QStringLiteral("Nobody"));
    return vraag;
}

std::unique_ptr<QMessageBox> jaNeeVraag(QWidget* ouder, const QString& titel, const QString& tekst,
                                        QMessageBox::Icon icoon) {
    auto vraag = std::make_unique<QMessageBox>(icoon, titel, tekst,
                                               QMessageBox::Yes | QMessageBox::No, ouder);
    vraag->setDefaultButton(QMessageBox::No);
    return vraag;
}

} // namespace Drietal
