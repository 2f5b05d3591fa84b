// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/dialogen.h"

#include "ui/kit/venster.h"
#include "ui/main/plaatjes.h"
#include "ui/windows/config.h"
#include "ui/windows/oplossing.h"
#include "ui/windows/scoreform.h"
#include "ui/windows/woordform.h"

#include <QInputDialog>
#include <QMessageBox>

namespace Drietal {

QString VensterDialogen::vraagNaam(QWidget* ouder) {
    const auto vraag = naamVraag(ouder);
    return vraag->exec() == QDialog::Accepted ? vraag->textValue() : QString();
}

void VensterDialogen::meld(QWidget* ouder, const QString& tekst) {
    Drietal::meld(ouder, tekst);
}

bool VensterDialogen::vraag(QWidget* ouder, const QString& tekst) {
    return jaNeeVraag(ouder, QStringLiteral("Drietalspel"), tekst, QMessageBox::Question)->exec() ==
           QMessageBox::Yes;
}

void VensterDialogen::toonScoreLijst(QWidget* ouder, const QString& nieuw) {
    ScoreForm venster(m_scores, vensterKleur(m_inst.waarden()), ouder);
    venster.toonRegel(nieuw);
    venster.exec();
}

void VensterDialogen::toonOplossing(QWidget* ouder, float strafTijd,
                                    const std::array<QString, Regels::kVakken>& codes) {
    Oplossing venster(m_tijd, strafTijd, codes, vensterKleur(m_inst.waarden()), ouder);
    venster.exec();
}

void VensterDialogen::toonWoordform(QWidget* ouder) {
    Woordform venster(m_tijd, m_inst.waarden(), m_mappen, ouder);
    venster.exec();
}

void VensterDialogen::toonConfig(QWidget* ouder) {
    const qreal dpr = ouder ? ouder->devicePixelRatioF() : 1.0;
    Config venster(m_inst, m_mappen, ouder, knopPlaatje(Plaatje::Instellingen, dpr));
    venster.exec();
}

} // namespace Drietal
