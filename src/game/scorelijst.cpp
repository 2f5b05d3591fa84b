// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/scorelijst.h"

#include "storage/paths.h"
#include "storage/recordformat.h"
#include "storage/scorefile.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace Regels {
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

namespace {

// The entries as the file can hold them; an entry left blank is dropped.
QStringList opslaanbaar(const QStringList& regels) {
    QStringList schoon;
    for (const QString& regel : regels) {
        const QString tekst = Opslag::maakOpslaanbaar(regel);
        if (!tekst.trimmed().isEmpty())
            schoon.append(tekst);
    }
    return schoon;
}

} // namespace

void ScoreLijst::voegToe(const QString& regel) {
    m_regels.append(regel);
    emit gewijzigd();
}

void ScoreLijst::wis() {
    if (m_regels.isEmpty())
        return;
    m_regels.clear();
    emit gewijzigd();
}

Opslag::LeesStatus ScoreLijst::laden() {
    const Opslag::GelezenScoreLijst gelezen = Opslag::leesScoreLijst(m_mappen.scoreLijstPad());
    // One entry the file cannot hold must not cost every later score: it is kept as near as the
    // file allows, and the file as found is kept beside it.
    const QStringList regels = opslaanbaar(gelezen.regels);
    m_regels.append(regels);
    m_bewaren = Opslag::moetBewaren(gelezen.status) || regels != gelezen.regels;
    if (!regels.isEmpty())
        emit gewijzigd();
    return gelezen.status;
}

Opslag::OpslaanStatus ScoreLijst::opslaan() {
    QDir().mkpath(m_mappen.dataMap());
    const auto status = Opslag::schrijfScoreLijst(m_mappen, m_mappen.scoreLijstPad(),
                                                  opslaanbaar(m_regels), m_bewaren);
    if (status == Opslag::OpslaanStatus::Opgeslagen)
        m_bewaren = false;
    return status;
}

} // namespace Regels
