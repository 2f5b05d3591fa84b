// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel over the board: the shading with the instructions drawn on it, shown and
// hidden by the help button.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace Drietal {

// The address of the program's home page, named in the help and opened by the toolbar.
extern const char* const kThuisAdres;

class HelpPaneel : public QWidget {
    Q_OBJECT
public:
    explicit HelpPaneel(QWidget* parent = nullptr);

    // Draws the instructions onto the panel's picture. Drawing again gives the same picture.
    void tekenHelp();
    const QPixmap& beeld() const { return m_beeld; }

    // The lines' texts, and their fonts when the panel's font is basis: each fitted to the room
    // its line has, so a wider font than the one asked for is not cut off at the edge.
    static QStringList regels();
    static QList<QFont> regelLetters(QFont basis);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_schaduw; // the shading alone, drawn once
    QPixmap m_beeld;   // what the panel shows
};

} // namespace Drietal
