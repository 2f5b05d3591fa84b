#include "game/bord.h"

#include <cmath>

namespace Algemeen {

std::optional<int> geraaktVak(int rij, int x, int y) {
    if (rij < 0 || rij >= kRijen)
        return std::nullopt;
    const int x0 = kKaartLinks[rij] + 2;
    if (x <= x0 || x >= x0 + kGezichtBreedte)
        return std::nullopt;
    for (int vak = 0; vak < kVakken; ++vak) {
        const int y0 = kaartBoven(vak) + 2;
        if (y > y0 && y < y0 + 26)
            return vak;
    }
    return std::nullopt;
}

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

} // namespace Algemeen
