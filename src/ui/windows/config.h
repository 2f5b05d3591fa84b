// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: the colour of the secondary windows, the think time, the title and its
// colour scheme, the topic of the next game and the wallpaper. Every choice is in force the
// moment it is made, except the title, which the Exit button applies.
#pragma once

#include "game/instellingen.h"

#include <QCursor>
#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace Drietal {

class Config : public QDialog {
    Q_OBJECT
public:
    // tandwiel is the picture of the toolbar's settings button, shown in the window. meld shows
    // a message titled "Drietalspel" with an OK button; by default a message box. A topic in
    // force that is not complete is reported here already, before the window is shown.
    // Its choices go into instellingen, whose change signals tell the rest of the program.
    // The topics and wallpapers listed are those of mappen.
    Config(Regels::Instellingen& instellingen, const Opslag::Mappen& mappen,
           QWidget* parent = nullptr, const QPixmap& tandwiel = {},
           std::function<void(QWidget*, const QString&)> meld = {});

    // The pointer over the two title colour swatches: a hand whose fingertip is the hot spot.
    static QCursor handCursor();

    // The controls, named by what they are to the player (docs/woorden.md has their old names).
    QScrollBar* kleurBalk(int index) const { return m_kleurBalken.at(index - 1); }
    QScrollBar* bedenktijdBalk() const { return m_bedenktijdBalk; }
    QPushButton* resetKnop() const { return m_resetKnop; }
    QPushButton* sluitKnop() const { return m_sluitKnop; }
    QLabel* kleurenVlak() const { return m_kleurenVlak; }
    QLabel* kleurOpschrift() const { return m_kleurOpschrift; }
    QLabel* resetVlak() const { return m_resetVlak; }
    QLabel* achtergrondOpschrift() const { return m_achtergrondOpschrift; }
    QLabel* titelKleurVlak(int index) const { return m_titelKleurVlakken.at(index); }
    QLabel* bedenktijdVlak() const { return m_bedenktijdVlak; }
    QLabel* bedenktijdWaarde() const { return m_bedenktijdWaarde; }
    QLabel* bedenktijdOpschrift() const { return m_bedenktijdOpschrift; }
    QLabel* onderwerpOpschrift() const { return m_onderwerpOpschrift; }
    QLabel* titelOpschrift() const { return m_titelOpschrift; }
    QLabel* sluitVlak() const { return m_sluitVlak; }
    QLabel* tandwiel() const { return m_tandwiel; }
    QLineEdit* titelVeld() const { return m_titelVeld; }
    QListWidget* onderwerpLijst() const { return m_onderwerpLijst; }
    QListWidget* achtergrondLijst() const { return m_achtergrondLijst; }

private:
    void bouw(const QPixmap& tandwiel);
    void bouwKleuren(const QPixmap& tandwiel);
    void bouwPauze();
    void bouwTitel();
    void benoem();
    void vulOnderwerpen();
    void vulAchtergronden();
    void kleurGewijzigd(int index, int waarde);
    void pauzeGewijzigd(int waarde);
    void kiesTitelKleur(int index);
    void kiesOnderwerp(int rij);
    void kiesAchtergrond(int rij);
    void resetKlik();
    void pasTitelToeEnSluit();
    QWidget* meldOuder();

    Regels::Instellingen& m_inst;
    const Opslag::Mappen m_mappen;
    std::function<void(QWidget*, const QString&)> m_meld;
    std::array<QScrollBar*, 3> m_kleurBalken{};
    std::array<QLabel*, 2> m_titelKleurVlakken{};
    QScrollBar* m_bedenktijdBalk = nullptr;
    QPushButton* m_resetKnop = nullptr;
    QPushButton* m_sluitKnop = nullptr;
    QLabel* m_kleurenVlak = nullptr;
    QLabel* m_kleurOpschrift = nullptr;
    QLabel* m_resetVlak = nullptr;
    QLabel* m_achtergrondOpschrift = nullptr;
    QLabel* m_bedenktijdVlak = nullptr;
    QLabel* m_bedenktijdWaarde = nullptr;
    QLabel* m_bedenktijdOpschrift = nullptr;
    QLabel* m_onderwerpOpschrift = nullptr;
    QLabel* m_titelOpschrift = nullptr;
    QLabel* m_sluitVlak = nullptr;
    QLabel* m_tandwiel = nullptr;
    QLineEdit* m_titelVeld = nullptr;
    QListWidget* m_onderwerpLijst = nullptr;
    QListWidget* m_achtergrondLijst = nullptr;
};

} // namespace Drietal
