#include "ui/main/dialogen.h"

#include "ui/windows/oplossing.h"
#include "ui/windows/scoreform.h"
#include "ui/windows/woordform.h"

#include <QInputDialog>
#include <QMessageBox>

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

bool VensterDialogen::vraag(QWidget* ouder, const QString& tekst) {
    return QMessageBox::question(ouder, QStringLiteral("Drietalspel"), tekst,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void VensterDialogen::toonScoreLijst(QWidget* ouder) {
    ScoreForm venster(ouder);
    venster.exec();
}

void VensterDialogen::toonOplossing(QWidget* ouder, float strafTijd,
                                    const std::array<QString, 10>& codes) {
    Oplossing venster(m_tijd, strafTijd, codes, ouder);
    venster.exec();
}

void VensterDialogen::toonWoordform(QWidget* ouder) {
    Woordform venster(ouder);
    venster.exec();
}

void VensterDialogen::toonConfig(QWidget*) {}

} // namespace Drietal
