// SPDX-License-Identifier: GPL-3.0-or-later
// The questions and windows the main window opens over itself. Behind an interface, so tests
// answer them without a modal window blocking the run.
#pragma once

#include "core/tijdbron.h"
#include "game/bord.h"

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
                               const std::array<QString, Algemeen::kVakken>& codes) = 0;
    // The word list editor, modal.
    virtual void toonWoordform(QWidget* ouder) = 0;
    // The settings window, modal. While it is open, gewijzigd is called whenever a setting that
    // the main window shows changes, and wallpaper when another wallpaper is chosen.
    virtual void toonConfig(QWidget* ouder, std::function<void()> gewijzigd,
                            std::function<void()> wallpaper) = 0;
};

// The real boxes and windows.
class VensterDialogen : public Dialogen {
public:
    explicit VensterDialogen(Algemeen::TijdBron& tijd) : m_tijd(tijd) {}

    QString vraagNaam(QWidget* ouder) override;
    void meld(QWidget* ouder, const QString& tekst) override;
    bool vraag(QWidget* ouder, const QString& tekst) override;
    void toonScoreLijst(QWidget* ouder, const QString& nieuw = {}) override;
    void toonOplossing(QWidget* ouder, float strafTijd,
                       const std::array<QString, Algemeen::kVakken>& codes) override;
    void toonWoordform(QWidget* ouder) override;
    void toonConfig(QWidget* ouder, std::function<void()> gewijzigd,
                    std::function<void()> wallpaper) override;

private:
    Algemeen::TijdBron& m_tijd;
};

} // namespace Drietal
