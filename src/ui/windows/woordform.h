// SPDX-License-Identifier: GPL-3.0-or-later
// The word list editor window: the three columns of one topic, the boxes to type a Drietal in,
// and the buttons that add, change, delete, start a new topic and save. The rules are those of
// Regels::WoordEditor; this window forwards the user's actions to it and shows its state.
#pragma once

#include "core/tijdbron.h"
#include "game/instellingen.h"
#include "game/woordeditor.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Drietal {

class Woordform : public QDialog {
    Q_OBJECT
public:
    // meld shows a message (by default a box titled "Drietalspel" with an OK button); vraagNaam
    // asks the name of a new topic and returns an empty string when cancelled (by default an
    // input box titled "Nieuw"). The window opens on the topic of the settings (Onderwerp), in
    // their windows' colour.
    // The topics are those of mappen.
    Woordform(Kern::TijdBron& tijd, const Regels::InstellingWaarden& waarden,
              const Opslag::Mappen& mappen, QWidget* parent = nullptr,
              std::function<void(QWidget*, const QString&)> meld = {},
              std::function<QString(QWidget*)> vraagNaam = {});

    const Regels::WoordEditor& editor() const { return m_editor; }

    QComboBox* onderwerpKeuze() const { return m_onderwerpKeuze; }
    QLabel* onderwerpOpschrift() const { return m_onderwerpOpschrift; }
    QLabel* bewerkVlak() const { return m_bewerkVlak; }
    QLabel* opslaanVlak() const { return m_opslaanVlak; }
    QLabel* kolomKop() const { return m_kolomKop; }
    QLabel* regelTeller() const { return m_regelTeller; }
    // The word list and the word box of column kolom (0..2).
    QListWidget* woordLijst(int kolom) const { return m_woordLijsten.at(kolom); }
    QLineEdit* woordVeld(int kolom) const { return m_woordVelden.at(kolom); }
    QPushButton* toevoegKnop() const { return m_toevoegKnop; }
    QPushButton* verwijderKnop() const { return m_verwijderKnop; }
    QPushButton* wijzigKnop() const { return m_wijzigKnop; }
    QPushButton* nieuwKnop() const { return m_nieuwKnop; }
    QPushButton* sluitKnop() const { return m_sluitKnop; }     // "Exit": closes without saving
    QPushButton* opslaanKnop() const { return m_opslaanKnop; } // "Save"

private:
    void bouw(const QColor& kleur);
    void bouwKolommen(const QFont& font);
    void bouwKnoppen();
    void verbind();
    // What the user typed goes to the editor before every action, so that showing the editor's
    // state afterwards never loses it.
    void neemInvoer();
    void spiegel();
    void toon(const Regels::WoordEditor::Uitkomst& uitkomst);
    void zetLijstKleur(const QColor& kleur);

    void kiesOnderwerp(int index);
    void klikRegel(int kolom, int rij);
    bool toevoegen(); // true when the row was added
    void wijzigen();
    void verwijderen();
    void nieuw();
    void opslaan();

    Regels::WoordEditor m_editor;
    Kern::TijdBron& m_tijd;
    std::function<void(QWidget*, const QString&)> m_meld;
    std::function<QString(QWidget*)> m_vraagNaam;
    Kern::SeamTimer m_flits;  // the lists' flash after a change
    bool m_spiegelen = false; // set while the widgets are being filled from the editor

    QComboBox* m_onderwerpKeuze = nullptr;
    QLabel* m_onderwerpOpschrift = nullptr;
    QLabel* m_bewerkVlak = nullptr;  // the dark panel behind Add, Delete, Wijzig and Nieuw
    QLabel* m_opslaanVlak = nullptr; // the one behind Exit and Save
    QLabel* m_kolomKop = nullptr;    // the column numbers over the word boxes
    QLabel* m_regelTeller = nullptr;
    std::array<QListWidget*, 3> m_woordLijsten{};
    std::array<QLineEdit*, 3> m_woordVelden{};
    QPushButton* m_toevoegKnop = nullptr;
    QPushButton* m_verwijderKnop = nullptr;
    QPushButton* m_wijzigKnop = nullptr;
    QPushButton* m_nieuwKnop = nullptr;
    QPushButton* m_sluitKnop = nullptr;
    QPushButton* m_opslaanKnop = nullptr;
};

} // namespace Drietal
