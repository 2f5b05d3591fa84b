#include "ui/main/dialogen.h"

#include "game/algemeen.h"

#include <QDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace Drietal {

QString VensterDialogen::vraagNaam(QWidget* ouder) {
    bool ok = false;
    const QString naam = QInputDialog::getText(ouder, QStringLiteral("Naam Speler"),
                                               QStringLiteral("Geef hier jouw naam in..."),
                                               QLineEdit::Normal, QStringLiteral("Nobody"), &ok);
    return ok ? naam : QString();
}

void VensterDialogen::meld(QWidget* ouder, const QString& tekst) {
    QMessageBox::information(ouder, QStringLiteral("Drietalspel"), tekst);
}

void VensterDialogen::toonScoreLijst(QWidget* ouder) {
    QDialog venster(ouder);
    venster.setWindowTitle(QStringLiteral(" Scorelijst"));
    auto* lijst = new QListWidget(&venster);
    lijst->addItems(Algemeen::BackScoreLijst);
    auto* indeling = new QVBoxLayout(&venster);
    indeling->addWidget(lijst);
    venster.resize(225, 424);
    venster.exec();
}

} // namespace Drietal
