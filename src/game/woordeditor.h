// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the word list editor: three column lists of one topic, the row last clicked, the
// topic names, and what each button does to them. The window Woordform only forwards the user's
// actions here and shows the result.
#pragma once

#include "storage/paths.h"
#include "storage/topicfiles.h"

#include <QString>
#include <QStringList>

namespace Regels {

class WoordEditor {
public:
    static constexpr int kMaxRegels = 10;
    // Regel and the selections hold a plain row index, with this for "no row". The old byte
    // with 99 for "no row" would make row 99 of an over-long file (written by other means)
    // unchangeable and would wrap past row 255; an int lets every row be clicked and changed.
    static constexpr int kGeenRegel = -1;

    // The topics are those of mappen's Data folder.
    explicit WoordEditor(Opslag::Mappen mappen) : m_mappen(std::move(mappen)) {}

    // What an action did. melding, when not empty, is shown in a message box.
    struct Uitkomst {
        bool gedaan = false;
        QString melding;
    };

    // The texts of the messages and of the name box.
    static QString meldingTeVeelRegels();
    static QString meldingNietIngevuld();
    static QString meldingGeenSelectie();
    static QString meldingDubbeleNaam();
    static QString meldingAanhalingsteken();
    static QString meldingOnopslaanbaarTeken(const QString& teken);
    static QString meldingRegeleinde();
    static QString meldingOngeldigeNaam();
    static QString meldingGeenNaam();
    static QString meldingNietOpgeslagen();
    static QString meldingOnopslaanbareWoorden();
    static QString nieuwVraag();
    // Why topic naam, which is there, was not read whole; empty when it was (or is not there).
    static QString meldingNietHeelGelezen(const QString& naam, Opslag::LeesStatus status);

    // The window opens: the topic names of Data, the given topic (Onderwerp) in the lists. A
    // topic that is there but could not be read whole is reported (and kept as .bak at a save).
    Uitkomst openen(const QString& onderwerp);

    // Entry index of Combo1 picked: the lists are reloaded from its file, the text boxes
    // emptied. Unsaved changes are dropped; Regel keeps its value. Reported as openen does.
    Uitkomst kiesOnderwerp(int index);

    // A click on row rij of the first word list (kolom 0) selects the whole Drietal and copies it
    // into the word boxes; a click in the second or third list only selects that row there.
    void klikRegel(int kolom, int rij);

    Uitkomst toevoegen();   // Add
    Uitkomst wijzigen();    // Wijzig; gedaan means the lists should flash
    Uitkomst verwijderen(); // Delete
    // Nieuw, with the answer of the name box (empty when it was cancelled).
    Uitkomst nieuw(const QString& antwoord);
    Uitkomst opslaan(); // Save, under the text of Combo1

    // What the user types; it counts only when a button is pressed.
    void zetTekst(int kolom, const QString& tekst);
    void zetOnderwerpTekst(const QString& tekst) { m_onderwerpTekst = tekst; }

    const QStringList& kolom(int k) const { return m_kolommen.kolom[k]; }
    const QString& tekst(int k) const { return m_tekst[k]; }
    int selectie(int k) const { return m_selectie[k]; }
    int regel() const { return m_regel; }
    const QString& item() const { return m_item; }
    const QStringList& onderwerpNamen() const { return m_namen; }
    const QString& onderwerpTekst() const { return m_onderwerpTekst; }
    // The row count under the lists: "7 Woorden".
    QString regelTeller() const;

private:
    // Returns the message for a topic that was not read whole.
    QString laad(const QString& naam);
    void wisLijsten();
    void wisTeksten();
    void wisSelectie();
    // An empty string when every text box holds a word the topic file can store.
    QString woordMelding() const;

    const Opslag::Mappen m_mappen;
    Opslag::WoordKolommen m_kolommen;
    QString m_tekst[3];
    int m_selectie[3] = {kGeenRegel, kGeenRegel, kGeenRegel};
    int m_regel = kGeenRegel;
    QString m_item;
    QStringList m_namen;
    QString m_onderwerpTekst;
};

// Why a topic name cannot be used, or an empty string when it can.
QString onderwerpNaamMelding(const QString& naam);

} // namespace Regels
