// SPDX-License-Identifier: GPL-3.0-or-later
// The word list editor window: the three columns of one topic, the boxes to type a Drietal in,
// and the buttons that add, change, delete, start a new topic and save. The rules are those of
// Algemeen::WoordEditor; this window forwards the user's actions to it and shows its state.
#pragma once

#include "core/tijdbron.h"
#include "game/instellingen.h"
#include "game/woordeditor.h"

#include <QDialog>
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
    Woordform(Algemeen::TijdBron& tijd, const Algemeen::InstellingWaarden& waarden,
              QWidget* parent = nullptr, std::function<void(QWidget*, const QString&)> meld = {},
              std::function<QString(QWidget*)> vraagNaam = {});

    const Algemeen::WoordEditor& editor() const { return m_editor; }

    QComboBox* Combo1() const { return m_combo; }
    QLabel* Label1() const { return m_labels[0]; }
    QLabel* Label2() const { return m_labels[1]; }
    QLabel* Label3() const { return m_labels[2]; }
    QLabel* Label4() const { return m_labels[3]; }
    QLabel* Label5() const { return m_labels[4]; }
    QListWidget* List1() const { return m_lijsten[0]; }
    QListWidget* List2() const { return m_lijsten[1]; }
    QListWidget* List3() const { return m_lijsten[2]; }
    QLineEdit* Text1() const { return m_teksten[0]; }
    QLineEdit* Text2() const { return m_teksten[1]; }
    QLineEdit* Text3() const { return m_teksten[2]; }
    QPushButton* AddKnop() const { return m_add; }
    QPushButton* DelKnop() const { return m_del; }
    QPushButton* WijzigKnop() const { return m_wijzig; }
    QPushButton* NewKnop() const { return m_new; }
    QPushButton* CancelKnop() const { return m_cancel; }
    QPushButton* ExitKnop() const { return m_exit; }

private:
    void bouw(const QColor& kleur);
    void bouwKolommen(const QFont& font);
    void bouwKnoppen();
    void verbind();
    // What the user typed goes to the editor before every action, so that showing the editor's
    // state afterwards never loses it.
    void neemInvoer();
    void spiegel();
    void toon(const Algemeen::WoordEditor::Uitkomst& uitkomst);
    void zetLijstKleur(const QColor& kleur);

    void kiesOnderwerp(int index);
    void klikRegel(int kolom, int rij);
    bool toevoegen(); // true when the row was added
    void wijzigen();
    void verwijderen();
    void nieuw();
    void opslaan();

    Algemeen::WoordEditor m_editor;
    Algemeen::TijdBron& m_tijd;
    std::function<void(QWidget*, const QString&)> m_meld;
    std::function<QString(QWidget*)> m_vraagNaam;
    Algemeen::SeamTimer m_flits; // the lists' flash after a change
    bool m_spiegelen = false;    // set while the widgets are being filled from the editor

    QComboBox* m_combo = nullptr;
    QLabel* m_labels[5] = {};
    QListWidget* m_lijsten[3] = {};
    QLineEdit* m_teksten[3] = {};
    QPushButton* m_add = nullptr;
    QPushButton* m_del = nullptr;
    QPushButton* m_wijzig = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_exit = nullptr;
};

} // namespace Drietal
