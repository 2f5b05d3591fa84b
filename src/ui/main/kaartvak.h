// SPDX-License-Identifier: GPL-3.0-or-later
// One card's spot on the board for the keyboard and for screen readers: a button that paints
// nothing but a focus frame, lets mouse clicks through to the board, and carries the card's
// accessible name. Space or a screen reader's press action presses it.
#pragma once

#include <QAbstractButton>

namespace Drietal {

class KaartVak : public QAbstractButton {
    Q_OBJECT
public:
    KaartVak(int rij, int vak, QWidget* parent);

    int rij() const { return m_rij; }
    int vak() const { return m_vak; }

    // Its name for a screen reader: "Rij 2, vak 7, dicht" or "Rotterdam. Rij 2, vak 7"; an open
    // card without its word (during a pause) is "Rij 2, vak 7, open".
    void zetToestand(bool open, const QString& woord);
    const QString& naam() const { return m_naam; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_rij;
    int m_vak;
    QString m_naam;
};

// The panel over the cards while the game is paused.
class PauzePaneel : public QWidget {
    Q_OBJECT
public:
    explicit PauzePaneel(QWidget* parent);

signals:
    void geklikt();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace Drietal
