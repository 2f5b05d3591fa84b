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
    explicit Config(Algemeen::Instellingen& instellingen, QWidget* parent = nullptr,
                    const QPixmap& tandwiel = {},
                    std::function<void(QWidget*, const QString&)> meld = {});

    // The pointer over the two title colour swatches: a hand whose fingertip is the hot spot.
    static QCursor handCursor();

    // The controls, by the names the game gives them.
    QScrollBar* ColorScroll(int index) const { return m_colorScroll.at(index - 1); }
    QScrollBar* PauzeScroll() const { return m_pauzeScroll; }
    QPushButton* ResetKnop() const { return m_resetKnop; }
    QPushButton* CancelKnop() const { return m_cancelKnop; }
    QLabel* Label1() const { return m_label1; }
    QLabel* Label2() const { return m_label2; }
    QLabel* Label3() const { return m_label3; }
    QLabel* Label4() const { return m_label4; }
    QLabel* Label5(int index) const { return m_label5.at(index); }
    QLabel* Label6() const { return m_label6; }
    QLabel* Label7() const { return m_label7; }
    QLabel* Label8() const { return m_label8; }
    QLabel* Label11() const { return m_label11; }
    QLabel* Label12() const { return m_label12; }
    QLabel* BackKnoppen() const { return m_backKnoppen; }
    QLabel* Image1() const { return m_image1; }
    QLineEdit* Text1() const { return m_text1; }
    QListWidget* List1() const { return m_list1; }
    QListWidget* List2() const { return m_list2; }

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
    void exitKlik();
    QWidget* meldOuder();

    Algemeen::Instellingen& m_inst;
    std::function<void(QWidget*, const QString&)> m_meld;
    std::array<QScrollBar*, 3> m_colorScroll{};
    std::array<QLabel*, 2> m_label5{};
    QScrollBar* m_pauzeScroll = nullptr;
    QPushButton* m_resetKnop = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_label11 = nullptr;
    QLabel* m_label12 = nullptr;
    QLabel* m_backKnoppen = nullptr;
    QLabel* m_image1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
};

} // namespace Drietal
