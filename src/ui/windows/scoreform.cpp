#include "ui/windows/scoreform.h"

#include "game/algemeen.h"
#include "game/scorelijst.h"
#include "ui/windows/venster.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace Drietal {
namespace {

bool vraagVerwijderen(QWidget* ouder) {
    return jaNeeVraag(ouder, QStringLiteral(" Delete All"),
                      QStringLiteral("Wil je alle namen verwijderen uit de scorelijst?"))
               ->exec() == QMessageBox::Yes;
}

QFont arial(bool vet) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(vet);
    return font;
}

} // namespace

ScoreForm::ScoreForm(QWidget* parent, std::function<bool(QWidget*)> vraag)
    : QDialog(parent), m_vraag(vraag ? std::move(vraag) : vraagVerwijderen) {
    setWindowTitle(QStringLiteral(" Scorelijst"));
    setFixedSize(twips(3375), twips(6360) - twips(360));
    const QColor kleur = instellingenKleur();
    zetAchtergrond(this, kleur);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(twipsRect(90, 0, 3105, 5805));
    zetAchtergrond(frame, kleur);

    m_lijst = new QListWidget(this);
    m_lijst->setGeometry(twipsRect(105, 195, 2895, 4620));
    m_lijst->setFont(arial(true));
    m_lijst->setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(30, 30, 60); color: rgb(200, 200, 200); }"));

    m_aantal = new QLabel(this);
    m_aantal->setFont(arial(false));
    m_aantal->move(twips(150), twips(4920));
    QPalette palet = m_aantal->palette();
    palet.setColor(QPalette::WindowText, QColor(64, 64, 0));
    m_aantal->setPalette(palet);

    m_verwijder = omlijsteKnop(this, QStringLiteral("Verwijder alle namen"),
                               twipsRect(135, 5340, 1740, 330), QColor(255, 192, 192));
    m_ok = omlijsteKnop(this, QStringLiteral("Exit"), twipsRect(2280, 5340, 690, 330),
                        QColor(192, 255, 192));
    m_ok->setDefault(true);
    connect(m_verwijder, &QPushButton::clicked, this, &ScoreForm::verwijderAlles);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    vul();
}

void ScoreForm::vul() {
    m_lijst->clear();
    m_lijst->addItems(Algemeen::gesorteerdeScores(Algemeen::BackScoreLijst));
    m_aantal->setText(QStringLiteral("Namen in de lijst : %1").arg(m_lijst->count()));
    m_aantal->adjustSize();
}

void ScoreForm::verwijderAlles() {
    if (m_lijst->count() == 0 || !m_vraag(this))
        return;
    Algemeen::BackScoreLijst.clear();
    vul();
}

} // namespace Drietal
