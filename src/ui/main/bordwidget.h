// SPDX-License-Identifier: GPL-3.0-or-later
// The board box: shows its cached picture and hands mouse presses to the main window.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace Drietal {

class BordWidget : public QWidget {
    Q_OBJECT
public:
    explicit BordWidget(QWidget* parent = nullptr);

    // The picture to show; drawn by the caller, blitted here.
    QPixmap& beeld() { return m_beeld; }
    void beeldGewijzigd() { update(); }

signals:
    void muisIngedrukt(QPoint positie, Qt::MouseButton knop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_beeld;
};

// The frame around the card row to click next: a yellow outline that lets clicks through.
class RijKaderWidget : public QWidget {
public:
    explicit RijKaderWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Drietal
