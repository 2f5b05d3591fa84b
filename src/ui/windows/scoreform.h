// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window: the entries fastest first, their number, and a button that empties
// the list after a question.
#pragma once

#include "game/scorelijst.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace Drietal {

class ScoreForm : public QDialog {
    Q_OBJECT
public:
    // Shows scores, sorted, on the windows' colour kleur, and follows its changes; empties it
    // at the player's word. vraag asks "empty the list?" and returns the answer; by default a
    // Yes/No message box.
    ScoreForm(Regels::ScoreLijst& scores, const QColor& kleur, QWidget* parent = nullptr,
              std::function<bool(QWidget*)> vraag = {});

    QListWidget* lijst() const { return m_lijst; }
    QLabel* aantalLabel() const { return m_aantalLabel; }
    QPushButton* verwijderKnop() const { return m_verwijderKnop; }
    QPushButton* sluitKnop() const { return m_sluitKnop; }

    // Puts the focus on the entry regel, so a screen reader reads the player's new score first.
    void toonRegel(const QString& regel);

private:
    void vul();
    void verwijderAlles();

    Regels::ScoreLijst& m_scores;
    std::function<bool(QWidget*)> m_vraag;
    QListWidget* m_lijst = nullptr;
    QLabel* m_aantalLabel = nullptr;
    QPushButton* m_verwijderKnop = nullptr;
    QPushButton* m_sluitKnop = nullptr;
};

} // namespace Drietal
