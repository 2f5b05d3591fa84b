// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/scoreform.h"

#include "game/scorelijst.h"
#include "ui/kit/venster.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace Drietal {
namespace {

// Where the window's controls stand, in twips.
namespace plek {
constexpr QSize kVenster = twipsVenster(3375, 6360);
constexpr QRect kFrame = twipsRect(90, 0, 3105, 5805);
constexpr QRect kLijst = twipsRect(105, 195, 2895, 4620);
constexpr QPoint kAantalLabel = twipsPunt(150, 4920); // sized to its text
constexpr QRect kVerwijderKnop = twipsRect(135, 5340, 1740, 330);
constexpr QRect kSluitKnop = twipsRect(2280, 5340, 690, 330);
} // namespace plek

bool vraagVerwijderen(QWidget* ouder) {
    return jaNeeVraag(ouder, QStringLiteral(" Delete All"),
                      QStringLiteral("Wil je alle namen verwijderen uit de scorelijst?"))
               ->exec() == QMessageBox::Yes;
}

} // namespace

ScoreForm::ScoreForm(Regels::ScoreLijst& scores, const QColor& kleur, QWidget* parent,
                     std::function<bool(QWidget*)> vraag)
    : QDialog(parent), m_scores(scores), m_vraag(vraag ? std::move(vraag) : vraagVerwijderen) {
    setWindowTitle(QStringLiteral(" Scorelijst"));
    setFixedSize(plek::kVenster);
    zetAchtergrond(this, kleur);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(plek::kFrame);
    zetAchtergrond(frame, kleur);

    m_lijst = new QListWidget(this);
    m_lijst->setGeometry(plek::kLijst);
    m_lijst->setFont(arial(9.75, true));
    m_lijst->setStyleSheet(lijstStijl());

    m_aantalLabel = new QLabel(this);
    m_aantalLabel->setFont(arial(9.75));
    m_aantalLabel->move(plek::kAantalLabel);
    zetTekstKleur(m_aantalLabel, QColor(64, 64, 0));

    m_verwijderKnop = omlijsteKnop(this, QStringLiteral("Verwijder alle namen"),
                                   plek::kVerwijderKnop, QColor(255, 192, 192));
    m_sluitKnop =
        omlijsteKnop(this, QStringLiteral("Exit"), plek::kSluitKnop, QColor(192, 255, 192));
    m_sluitKnop->setDefault(true);
    connect(m_verwijderKnop, &QPushButton::clicked, this, &ScoreForm::verwijderAlles);
    connect(m_sluitKnop, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_scores, &Regels::ScoreLijst::gewijzigd, this, &ScoreForm::vul);
    vul();
}

void ScoreForm::vul() {
    m_lijst->clear();
    m_lijst->addItems(Regels::gesorteerdeScores(m_scores.regels()));
    zetTekst(m_aantalLabel, QStringLiteral("Namen in de lijst : %1").arg(m_lijst->count()));
}

void ScoreForm::toonRegel(const QString& regel) {
    const QList<QListWidgetItem*> gevonden = m_lijst->findItems(regel, Qt::MatchExactly);
    if (gevonden.isEmpty())
        return;
    m_lijst->setCurrentItem(gevonden.first());
    m_lijst->setFocus();
}

void ScoreForm::verwijderAlles() {
    if (m_lijst->count() == 0 || !m_vraag(this))
        return;
    m_scores.wis();
}

} // namespace Drietal
