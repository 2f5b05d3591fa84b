// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/scorelijst.h"

#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace Algemeen {
namespace {

struct SorteerSleutel {
    bool zonderTijd = true;
    qint64 minuten = 0;
    qint64 seconden = 0;
    QString rest;

    bool operator<(const SorteerSleutel& o) const {
        if (zonderTijd != o.zonderTijd)
            return !zonderTijd;
        if (std::tie(minuten, seconden) != std::tie(o.minuten, o.seconden))
            return std::tie(minuten, seconden) < std::tie(o.minuten, o.seconden);
        return rest.compare(o.rest, Qt::CaseInsensitive) < 0;
    }
};

SorteerSleutel sleutel(const QString& regel) {
    static const QRegularExpression tijd(QStringLiteral("^\\s*(\\d{1,9}):(\\d{1,9})(.*)$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = tijd.match(regel);
    if (!m.hasMatch())
        return {true, 0, 0, regel};
    return {false, m.captured(1).toLongLong(), m.captured(2).toLongLong(), m.captured(3)};
}

} // namespace

QStringList gesorteerdeScores(QStringList regels) {
    std::stable_sort(regels.begin(), regels.end(),
                     [](const QString& a, const QString& b) { return sleutel(a) < sleutel(b); });
    return regels;
}

} // namespace Algemeen
