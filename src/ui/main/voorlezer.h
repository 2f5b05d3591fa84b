// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader must say without the focus moving: the result of a pick, the end of the
// think time, the pause. A window's own voice for them.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QWidget;

namespace Drietal {

class Voorlezer : public QObject {
    Q_OBJECT
public:
    // The announcements go out through invisible children of venster.
    explicit Voorlezer(QWidget* venster);

    // Has the screen reader say tekst after what it is saying now.
    void zeg(const QString& tekst);

signals:
    void gezegd(const QString& tekst);

private:
    // Orca reads a notification's name when it handles the event, and of two events of one
    // object close together it keeps the last: messages go out through a few objects in turn.
    std::array<QWidget*, 4> m_dragers{};
    std::size_t m_volgende = 0;
};

} // namespace Drietal
