// SPDX-License-Identifier: GPL-3.0-or-later
// One game: the deal, the reveal countdown, the picks, the clock and the penalty. The main
// window drives it (Start, clicks, the toolbar) and mirrors what it tells through its signals.
#pragma once

#include "core/tijdbron.h"
#include "game/bord.h"
#include "game/instellingen.h"
#include "game/scorelijst.h"
#include "game/toeval.h"
#include "storage/topicfiles.h"

#include <QObject>
#include <QString>
#include <array>

namespace Regels {

// The named state of a game, as the solution preview and the windows read it.
struct SpelToestand {
    QString SpelerNaam;
    std::array<int, kVakken> PlekRij1{};
    std::array<int, kVakken> PlekRij2{};
    std::array<int, kVakken> PlekRij3{};
    std::array<QString, kVakken> DrietalCode;
    int Stap = 0; // card row to click next (0..2); 3 while a pick is judged or shown
    std::array<int, kRijen> Keuze{};
    QString KeuzeCode;
    QString Uitslag; // "Goed" or "Fout"
    int AantalGoed = 0;
    float SpelTijd = 0;
    float StrafTijd = 10; // penalty of the next look at the solution
    int Aftellen = 0;

    // The slot of Drietal drietal's word in card row rij (0..2).
    int plek(int drietal, int rij) const {
        return (rij == 0 ? PlekRij1 : rij == 1 ? PlekRij2 : PlekRij3)[drietal];
    }
};

enum class Fase {
    Geen,      // no game yet
    Delen,     // dealt; the window uncovers the board before the countdown
    Onthullen, // solution face up, countdown running
    Spelen,    // clock running, picks accepted
    Klaar,     // all ten found
};

class Spel : public QObject {
    Q_OBJECT
public:
    enum class StartUitkomst { Gestart, Geannuleerd, OnderwerpOnleesbaar };

    Spel(Kern::TijdBron& tijd, Toeval& toeval, Instellingen& instellingen, ScoreLijst& scores,
         QObject* parent = nullptr);

    const SpelToestand& toestand() const { return m_t; }
    Fase fase() const { return m_fase; }
    const QString& woord(int rij, int vak) const { return m_woord[rij][vak]; }
    bool isOpen(int rij, int vak) const { return m_open[rij][vak]; }

    // The captions of the main window's labels.
    const QString& infoTekst() const { return m_info; }     // prompt below the board
    const QString& goedTekst() const { return m_goed; }     // "3 Goed"
    const QString& aftelTekst() const { return m_aftel; }   // think time, then the countdown
    const QString& timerTekst() const { return m_timer; }   // game clock "MM:SS"
    const QString& spelerTekst() const { return m_speler; } // player name
    // The frame around the card row to click next (0..2), while it is shown.
    bool rijKaderZichtbaar() const { return m_rijKaderZichtbaar; }
    int rijKaderRij() const { return m_rijKaderRij; }
    bool bezig() const { return m_bezig; }

    // Start with the answer of the name box and the topic of the settings as read (nullopt when
    // it could not be). An empty answer (cancelled) changes nothing; a topic that could not be
    // read completely is reported and changes nothing either. Otherwise the topic is dealt, all
    // cards face up (phase Delen).
    StartUitkomst start(const QString& naamAntwoord,
                        const std::optional<Opslag::SpelOnderwerp>& onderwerp);

    // The countdown caption shows the think time of the settings while no countdown runs.
    void toonPauzeTijd();

    // The board has been uncovered: the think time counts down, then the cards turn.
    void startAftellen();

    // The player opens card vak of card row rij. Only a face-down card of the row whose turn it
    // is, while the clock runs, is taken; returns whether it was.
    bool kies(int rij, int vak);

    // The solution may be looked at only while the clock runs.
    bool magOplossingZien() const { return m_fase == Fase::Spelen && !m_gepauzeerd; }

    // A pause stops the reveal's countdown or the clock, and refuses picks, until it is lifted.
    // The part of the second that had run when the pause began is kept: the next tick comes when
    // the rest of it has run after the pause.
    bool gepauzeerd() const { return m_gepauzeerd; }
    void pauzeer();
    void hervat();
    // A look at the solution has ended: its penalty counts at once, the next one is 10 more.
    void oplossingGezien();

    // Every sound of the game goes through here, so the sound switch is decided in one place.
    void speel(const QString& bestand);
    // The toolbar's press sound, and its sound switch.
    void knopGeluid();
    void wisselGeluid();

signals:
    void kaartGewijzigd(int rij, int vak); // opened or closed
    void bordGedeeld();                    // every word and face changed
    void tekstenGewijzigd();               // one of the captions changed
    void rijKaderGewijzigd();
    void bezigGewijzigd(bool bezig);
    void geluidGevraagd(const QString& bestand); // only when sound is on
    void keuzeBeoordeeld(bool goed);             // a pick of three cards, right or wrong
    void spelGewonnen(const QString& regel);     // the new high-score entry
    void onderwerpOnleesbaar(const QString& naam);
    void pauzeGewijzigd(bool gepauzeerd);

private:
    static bool isCompleet(const Opslag::SpelOnderwerp& onderwerp);
    void deel(const Opslag::SpelOnderwerp& onderwerp);
    void tikAftellen();
    void tikSpelKlok();
    void beoordeelKeuze();
    void draaiTerug();
    void zetKaart(int rij, int vak, bool open);
    void zetRijKader(bool zichtbaar, int rij);
    void zetBezig(bool bezig);
    void zetInfo(const QString& tekst);

    Kern::TijdBron& m_tijd;
    Toeval& m_toeval;
    Instellingen& m_inst;
    ScoreLijst& m_scores;
    SpelToestand m_t;
    Fase m_fase = Fase::Geen;
    std::array<std::array<QString, kVakken>, kRijen> m_woord;
    std::array<std::array<bool, kVakken>, kRijen> m_open{};

    QString m_info = QStringLiteral("Info");
    QString m_goed = QStringLiteral("0 Goed");
    QString m_aftel;
    QString m_timer = QStringLiteral("00:00");
    QString m_speler = QStringLiteral("Naam Speler");
    bool m_rijKaderZichtbaar = false;
    int m_rijKaderRij = 0;
    bool m_bezig = false;
    bool m_gepauzeerd = false;

    Kern::SecondeKlok m_aftelTimer; // the reveal countdown
    Kern::SecondeKlok m_spelKlok;   // the game clock
    Kern::SeamTimer m_terugDraaien; // turns a wrong pick back after two seconds
};

} // namespace Regels
