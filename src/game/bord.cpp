// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bord.h"

#include <cmath>

namespace Regels {

QString drietalCode(int vak1, int vak2, int vak3) {
    return QStringLiteral("%1-%2-%3").arg(vak1).arg(vak2).arg(vak3);
}

QString klokTekst(float spelTijd) {
    const long totaal = std::lround(spelTijd);
    const long minuten = totaal / 60;
    const long seconden = totaal - 60 * minuten;
    return QStringLiteral("%1:%2")
        .arg(minuten, 2, 10, QLatin1Char('0'))
        .arg(seconden, 2, 10, QLatin1Char('0'));
}

} // namespace Regels
