// SPDX-License-Identifier: GPL-3.0-or-later
// The questions and windows the main window opens over itself. Behind an interface, so tests
// answer them without a modal window blocking the run.
#pragma once

#include "core/tijdbron.h"
#include "game/bord.h"
#include "game/instellingen.h"
#include "game/scorelijst.h"

#include <QString>
#include <array>
#include <functional>

class QWidget;

namespace Drietal {

class Dialogen {
public:
    virtual ~Dialogen() = default;

    // The name box; an empty string when it was cancelled.
    virtual QString vraagNaam(QWidget* ouder) = 0;
    // A message with an OK button, titled with the program's name.
    virtual void meld(QWidget* ouder, const QString& tekst) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool vraag(QWidget* ouder, const QString& tekst) = 0;
    // The high-score window, modal; with a new entry, that entry has the focus.
    virtual void toonScoreLijst(QWidget* ouder, const QString& nieuw = {}) = 0;
    // The solution preview, modal; returns when it has closed itself.
    virtual void toonOplossing(QWidget* ouder, float strafTijd,
                               const std::array<QString, Regels::kVakken>& codes) = 0;
    // The word list editor, modal.
    virtual void toonWoordform(QWidget* ouder) = 0;
    // The settings window, modal; what it changes, the settings' signals tell.
    virtual void toonConfig(QWidget* ouder) = 0;
};

// The real boxes and windows.
class VensterDialogen : public Dialogen {
public:
    VensterDialogen(Kern::TijdBron& tijd, Regels::Instellingen& instellingen,
                    Regels::ScoreLijst& scores, const Opslag::Mappen& mappen)
        : m_tijd(tijd), m_inst(instellingen), m_scores(scores), m_mappen(mappen) {}

    QString vraagNaam(QWidget* ouder) override;
    void meld(QWidget* ouder, const QString& tekst) override;
    bool vraag(QWidget* ouder, const QString& tekst) override;
    void toonScoreLijst(QWidget* ouder, const QString& nieuw = {}) override;
    void toonOplossing(QWidget* ouder, float strafTijd,
                       const std::array<QString, Regels::kVakken>& codes) override;
    void toonWoordform(QWidget* ouder) override;
    void toonConfig(QWidget* ouder) override;

private:
    Kern::TijdBron& m_tijd;
    Regels::Instellingen& m_inst;
    Regels::ScoreLijst& m_scores;
    const Opslag::Mappen m_mappen;
};

} // namespace Drietal
