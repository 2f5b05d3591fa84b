// SPDX-License-Identifier: GPL-3.0-or-later
// The solution preview: the penalty of this look and the ten codes of the deal, for three
// ticks of a second.
#pragma once

#include "core/tijdbron.h"
#include "game/bord.h"

#include <QDialog>
#include <array>

class QLabel;

namespace Drietal {

class Oplossing : public QDialog {
    Q_OBJECT
public:
    Oplossing(Kern::TijdBron& tijd, float strafTijd,
              const std::array<QString, Regels::kVakken>& drietalCodes, const QColor& kleur,
              QWidget* parent = nullptr);

    QLabel* strafLabel() const { return m_strafLabel; }
    QLabel* codesLabel() const { return m_codesLabel; }
    int resterend() const { return m_resterend; }

private:
    void tik();

    QLabel* m_strafLabel = nullptr;
    QLabel* m_codesLabel = nullptr;
    int m_resterend = 3;
    Kern::SeamTimer m_timer;
};

} // namespace Drietal
