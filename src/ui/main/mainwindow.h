// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a full-screen wallpaper with the title, the board box and the toolbar strip.
// It mirrors the game model onto its controls and turns clicks and keys into moves. Its parts:
// mainwindow.cpp builds it and mirrors the settings and texts, commandos.cpp runs the toolbar's
// commands, speelbord.cpp shows the board and takes the player's picks, afsluiten.cpp ends it.
#pragma once

#include "game/spel.h"
#include "storage/paths.h"
#include "ui/kit/venster.h"
#include "ui/main/dialogen.h"
#include "ui/main/voorlezer.h"
#include "ui/main/werkbalk.h"

#include <QDate>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace Drietal {

class BordWidget;
class HelpPaneel;
class KaartVak;
class PauzePaneel;
class KnopStrook;
class PlaatjeKnop;

class Main : public QWidget {
    Q_OBJECT
public:
    // Lays out the window, reads the settings into instellingen (writing them at a first start)
    // and the high-score list into scores, and shows them from then on; both are written at the
    // end.
    Main(Kern::TijdBron& tijd, Regels::Toeval& toeval, Dialogen& dialogen,
         Regels::Instellingen& instellingen, Regels::ScoreLijst& scores,
         const Opslag::Mappen& mappen, QWidget* parent = nullptr);
    ~Main() override;

    // The smallest window that shows the whole board, the prompt below it and the toolbar, in
    // the window's own pixels. A smaller screen gets the program scaled down to it.
    static constexpr QSize kNodigeRuimte{1000, 700};

    Regels::Spel& spel() { return m_spel; }

    // A press of a toolbar button: the press effect, then its command. Ignored while the same
    // button's press is still running, and for every button but Help while the help is shown.
    void knopKlik(Commando commando);
    // The exit button: press effect and the exit sound, which is let finish; then the window
    // closes.
    void afsluitKlik();
    // An end by a signal or by the session: nobody may be there to answer a box, so a failed
    // save is written to standard error and told at the next start instead.
    void sluitZonderVragen();

    // The controls, named by what they are to the player (docs/woorden.md has their old names).
    BordWidget* bord() const { return m_bord; }
    QLabel* gezicht(int rij, int vak) const { return m_gezicht[rij][vak]; }
    QLabel* infoLabel() const { return m_info1; }
    QLabel* spelKlokLabel() const { return m_spelKlokLabel; }
    QLabel* spelerLabel() const { return m_spelerLabel; }
    QLabel* onderwerpLabel() const { return m_onderwerpLabel; }
    QLabel* goedLabel() const { return m_goedLabel; }
    QLabel* aftelLabel() const { return m_aftelLabel; }
    QLabel* wandklokLabel() const { return m_wandklokLabel; }
    QWidget* werkbalk() const;
    PlaatjeKnop* knop(Commando commando) const;
    PlaatjeKnop* afsluitKnop() const;
    QWidget* rijKader() const { return m_rijKader; }
    HelpPaneel* helpPaneel();
    KaartVak* kaartVak(int rij, int vak) const { return m_vakken[rij][vak]; }
    QWidget* pauzeBeeld() const;
    const QPixmap& achtergrond() const { return m_achtergrond; }

    // True from Start until the board is uncovered and the countdown runs.
    bool deeltUit() const { return m_delen.actief(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // mainwindow.cpp: building, settings, wallpaper, texts.
    void bouwTitel();
    void bouwBordLabels();
    void bouwWerkbalk();
    void laadInstellingen();
    void laadAchtergrond();
    void legUit();
    void plaatsKlok();
    void verbindSpel();
    void verbindMeldingen();
    void toonInstellingen();
    void toonTeksten();
    // What the screen reader is told, gathered over one turn of the event loop and said as one
    // message in this order: the word of a card just opened, the result, the newest prompt.
    enum class Voorlees { Woord, Uitslag, Melding };
    void zegVoor(const QString& tekst, Voorlees soort = Voorlees::Melding);
    void leesVoor();
    QString bedenktijdMelding();
    void toonKlok();
    void planKlok();
    void toonTitelKleuren();

    // commandos.cpp: the toolbar commands.
    void voerUit(Commando commando);
    void wisselHelp();
    void startCommando();
    void geluidCommando();
    void instellingenCommando();
    void oplossingCommando();

    // speelbord.cpp: the board, the deal's animation, the picks by mouse and keyboard.
    void bouwBord();
    void bouwGezichten();
    bool helpZichtbaar() const;
    void bordKlik(QPoint plek, Qt::MouseButton knop);
    void deelUit();
    void volgendeBordStap();
    void openingsStap();
    void toonGezichten();
    void toonVak(int rij, int vak);
    void toonVakken();
    void toonKaart(int rij, int vak);
    void toonRijKader();
    void verplaatsKaartFocus(int stap);
    void pijlToets(int rijStap, int vakStap);
    bool openGefocusteKaart();
    void kiesKaart(KaartVak* plek);
    void wisselPauze();
    void wisselVolledigScherm();
    void vraagOfAfsluiten();

    // afsluiten.cpp: the end.
    bool opslaanBijAfsluiten();
    void meldBijStart();

    Kern::TijdBron& m_tijd;
    Dialogen& m_dialogen;
    Regels::Instellingen& m_inst;
    Regels::ScoreLijst& m_scores;
    const Opslag::Mappen m_mappen;
    Regels::Spel m_spel;
    DrukEffect m_drukEffect;

    QPixmap m_achtergrond;
    bool m_achtergrondGevraagd = false;

    QLabel* m_titel1 = nullptr;
    QLabel* m_titel2 = nullptr;
    QLabel* m_info1 = nullptr;
    QLabel* m_info2 = nullptr;
    BordWidget* m_bord = nullptr;
    HelpPaneel* m_helpPic = nullptr;
    QLabel* m_spelerLabel = nullptr;
    QLabel* m_onderwerpLabel = nullptr;
    QLabel* m_spelKlokLabel = nullptr;
    QWidget* m_rijKader = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    std::array<std::array<QLabel*, Regels::kVakken>, Regels::kRijen> m_gezicht{};
    std::array<std::array<KaartVak*, Regels::kVakken>, Regels::kRijen> m_vakken{};
    PauzePaneel* m_pauze = nullptr;
    KnopStrook* m_werkbalk = nullptr;
    QLabel* m_wandklokLabel = nullptr;
    QLabel* m_goedLabel = nullptr;
    QLabel* m_aftelLabel = nullptr;

    Kern::SeamTimer m_klokTimer; // the wall clock, at each second's turn
    Kern::SeamTimer m_delen;     // draws the board slot by slot, then uncovers the cards
    int m_bordStap = 0;
    qint64 m_openingsBegin = 0;
    bool m_opgeslagen = false;
    bool m_zonderVragen = false;
    Regels::Fase m_getoondeFase = Regels::Fase::Geen;
    Voorlezer* m_voorlezer = nullptr;
    std::array<QString, 3> m_voorlezen; // what is told next, by Voorlees
    bool m_welkomGezegd = false;
    bool m_stillePauze = false;      // the pause under way is the leaving question's: not told
    bool m_toetsenUitgelegd = false; // the keys that read the cards are told at the first start
    QDate m_klokDatum;
    QString m_klokDatumTekst;
};

} // namespace Drietal
