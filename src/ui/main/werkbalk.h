// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar strip along the bottom of the screen: its dotted background with the countdown
// box, and the picture buttons that lie on it.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

namespace Drietal {

constexpr int kStrookHoogte = 80;

// The toolbar's commands, in the order of their buttons from the left.
enum class Commando { Help, Start, Geluid, Woorden, Instellingen, Scores, Web, Oplossing };
constexpr int kAantalKnoppen = int(Commando::Oplossing) + 1;

// A picture that acts as a button: a click is a press and a release over it with the left
// button; Space and Enter press it too, and so does a screen reader's press action. A checkable
// one shows its state only as set from outside (the sound switch follows the setting).
class PlaatjeKnop : public QAbstractButton {
    Q_OBJECT
public:
    explicit PlaatjeKnop(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& beeld);
    const QPixmap& pixmap() const { return m_beeld; }
    // The tooltip. Kept apart from QWidget's own, which a screen reader would read after the
    // button's name as its description: the same words twice.
    void setTip(const QString& tip) { m_tip = tip; }
    const QString& tip() const { return m_tip; }
    QSize sizeHint() const override;

signals:
    void geklikt();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}

private:
    QPixmap m_beeld;
    QString m_tip;
};

class KnopStrook : public QWidget {
    Q_OBJECT
public:
    explicit KnopStrook(QWidget* parent = nullptr);

    PlaatjeKnop* knop(Commando c) const { return m_knoppen[int(c)]; }
    PlaatjeKnop* exitKnop() const { return m_exit; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void tekenAchtergrond();

    QPixmap m_achtergrond;
    QWidget* m_streep = nullptr;
    PlaatjeKnop* m_knoppen[kAantalKnoppen] = {};
    PlaatjeKnop* m_exit = nullptr;
};

} // namespace Drietal
