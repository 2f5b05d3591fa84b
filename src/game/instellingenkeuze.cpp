// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/instellingenkeuze.h"

#include "storage/paths.h"
#include "storage/recordformat.h"
#include "storage/topicfiles.h"

#include <QDir>
#include <algorithm>

namespace Regels {
namespace {

// By name without regard to case, as a sorted list box shows them.
QStringList opNaam(QStringList namen) {
    std::stable_sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return namen;
}

} // namespace

QStringList keuzeOnderwerpen(const Opslag::Mappen& mappen) {
    return opNaam(Opslag::onderwerpen(mappen));
}

bool isCompleetOnderwerp(int woorden) {
    return woorden == kWoordenInOnderwerp;
}

QString onvolledigOnderwerpMelding(const QString& naam, int woorden) {
    const int tekort = kWoordenInOnderwerp - std::max(woorden, 0);
    QString uitleg;
    if (tekort == 0)
        return {};
    if (tekort == 1)
        uitleg = QStringLiteral("er moet nog 1 woord worden ingevuld.");
    else if (tekort > 1)
        uitleg = QStringLiteral("er moeten nog %1 woorden worden ingevuld.").arg(tekort);
    else if (tekort == -1)
        uitleg = QStringLiteral("er is 1 woord te veel.");
    else
        uitleg = QStringLiteral("er zijn %1 woorden te veel.").arg(-tekort);
    return QStringLiteral("Onderwerp '%1' is niet compleet,\n").arg(naam) + uitleg;
}

std::optional<QString> onderwerpWeigering(const Opslag::Mappen& mappen, const QString& naam) {
    const int woorden = Opslag::telWoorden(mappen, naam);
    if (isCompleetOnderwerp(woorden))
        return std::nullopt;
    return onvolledigOnderwerpMelding(naam, woorden);
}

QStringList keuzeAchtergronden(const Opslag::Mappen& mappen) {
    const QStringList bestanden =
        QDir(mappen.achtergrondMap())
            .entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    QStringList namen;
    for (const QString& bestand : bestanden) {
        const QString naam = bestand.chopped(4);
        if (!naam.isEmpty() && Opslag::isOpslaanbareTekst(naam))
            namen.append(naam);
    }
    return opNaam(namen);
}

QString achtergrondBestand(const Opslag::Mappen& mappen, const QString& naam) {
    return mappen.achtergrondMap() + QDir::separator() + naam + QStringLiteral(".jpg");
}

int achtergrondKeuze(const QStringList& namen, const QString& wallpaperFile) {
    const qsizetype scheiding =
        std::max(wallpaperFile.lastIndexOf(u'/'), wallpaperFile.lastIndexOf(u'\\'));
    const QString bestand = wallpaperFile.mid(scheiding + 1);
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (namen[i] + QStringLiteral(".jpg") == bestand)
            return int(i);
    }
    return -1;
}

bool begrensInstellingen(Opslag::OpgeslagenInstellingen& waarden) {
    const Opslag::OpgeslagenInstellingen voor = waarden;
    for (int* deel : {&waarden.ColorRed, &waarden.ColorGreen, &waarden.ColorBlue})
        *deel = std::clamp(*deel, Opslag::kMinKleurDeel, Opslag::kMaxKleurDeel);
    waarden.PauzeTijd = std::clamp(waarden.PauzeTijd, Opslag::kMinPauzeTijd, Opslag::kMaxPauzeTijd);
    return !(waarden == voor);
}

std::optional<QString> titelWeigering(const QString& titel) {
    if (titel.contains(u'"'))
        return QStringLiteral("De titel mag geen aanhalingsteken (\") bevatten:\n"
                              "dat teken kan niet worden bewaard.");
    if (const auto teken = Opslag::eersteOnopslaanbaar(titel))
        return QStringLiteral("De titel mag het teken '%1' niet bevatten:\n"
                              "dat teken kan niet worden bewaard.")
            .arg(*teken);
    return std::nullopt;
}

} // namespace Regels
