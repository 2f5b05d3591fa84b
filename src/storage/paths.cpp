// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/paths.h"

#include "storage/fileaccess.h"
#include "storage/samples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Opslag {
namespace {

QString& programmaMapOverride() {
    static QString map;
    return map;
}

QString& gebruikersMapOverride() {
    static QString map;
    return map;
}

QString pad(const QString& map, const QString& rest) {
    return map + QDir::separator() + rest;
}

// At the first use of the user's folder, the settings and the high-score list of the program
// folder come along (a portable copy that can no longer be written), where it has none yet.
void neemOver(const QString& programma, const QString& persoonlijk) {
    for (const QString& bestand :
         {QStringLiteral("Drietalspel.ini"), QStringLiteral("Data/Scorelijst.lst")}) {
        const QFileInfo doel(pad(persoonlijk, bestand));
        if (!doel.exists() && !doel.isSymLink())
            kopieerBestand(pad(programma, bestand), doel.filePath());
    }
}

// Longest file name most Linux file systems hold, in bytes of the name's UTF-8 form.
constexpr qsizetype kMaxNaamBytes = 255;

} // namespace

Indeling indelingVoor(const QString& exeMap) {
    const auto heeftGeluiden = [](const QString& map) {
        return QFileInfo(pad(map, QStringLiteral("Sounds"))).isDir();
    };
    const QString gedeeld =
        QDir::cleanPath(exeMap + QStringLiteral("/" DRIETAL_GEDEELDE_MAP_VANAF_EXE));
    if (!heeftGeluiden(exeMap) && heeftGeluiden(gedeeld))
        return {gedeeld, true};
    return {exeMap, false};
}

QString programmaMap() {
    if (!programmaMapOverride().isEmpty())
        return programmaMapOverride();
    if (QCoreApplication::instance())
        return indelingVoor(QCoreApplication::applicationDirPath()).programma;
    return QDir::currentPath();
}

void zetProgrammaMap(const QString& map) {
    programmaMapOverride() = map;
}

QString gebruikersMap() {
    return gebruikersMapOverride().isEmpty() ? programmaMap() : gebruikersMapOverride();
}

void zetGebruikersMap(const QString& map) {
    gebruikersMapOverride() = map;
}

bool isSchrijfbareMap(const QString& map) {
    for (const QString& m : {map, pad(map, QStringLiteral("Data"))}) {
        if (m != map && !QFileInfo(m).isDir())
            continue;
        QTemporaryFile proef(pad(m, QStringLiteral(".schrijfproef-XXXXXX")));
        if (!proef.open())
            return false;
    }
    return true;
}

QString kiesGebruikersMap(const QString& programma, const QString& persoonlijk,
                          bool programmaSchrijfbaar) {
    if (programmaSchrijfbaar) {
        zetGebruikersMap({});
        return programma;
    }
    const QString eigenData = pad(persoonlijk, QStringLiteral("Data"));
    if (!QFileInfo(eigenData).isDir() && QDir().mkpath(eigenData))
        neemOver(programma, persoonlijk);
    biedVoorbeeldenAan(pad(programma, QStringLiteral("Data")), eigenData);
    zetGebruikersMap(persoonlijk);
    return persoonlijk;
}

QString dataMap() {
    return pad(gebruikersMap(), QStringLiteral("Data"));
}
QString instellingenPad() {
    return pad(gebruikersMap(), QStringLiteral("Drietalspel.ini"));
}
QString scoreLijstPad() {
    return pad(dataMap(), QStringLiteral("Scorelijst.lst"));
}
QString achtergrondMap() {
    return pad(programmaMap(), QStringLiteral("Backgrounds"));
}

QString geluidPad(const QString& bestandsnaam) {
    return programmaMap() + QStringLiteral("/Sounds/") + bestandsnaam;
}

bool isGeldigeOnderwerpNaam(const QString& naam) {
    if (naam.isEmpty() || naam == u"." || naam == u"..")
        return false;
    static const QString verboden = QStringLiteral("/\\<>:\"|?*");
    for (QChar c : naam) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || verboden.contains(c))
            return false;
    }
    if (naam.trimmed().isEmpty())
        return false;
    return (naam + QStringLiteral(".dat")).toUtf8().size() <= kMaxNaamBytes;
}

std::optional<QString> onderwerpPad(const QString& naam) {
    if (!isGeldigeOnderwerpNaam(naam))
        return std::nullopt;
    return pad(dataMap(), naam + QStringLiteral(".dat"));
}

QString achtergrondPad(const QString& opgeslagen) {
    if (opgeslagen.isEmpty())
        return {};
    const QString eigen = pad(achtergrondMap(), opgeslagen);
    QString normaal = opgeslagen;
    normaal.replace(u'\\', u'/');
    const QString bestandsnaam = normaal.section(u'/', -1);
    if (bestandsnaam == opgeslagen)
        return eigen;
    if (QFileInfo(normaal).isAbsolute() && QFileInfo::exists(normaal))
        return normaal;
    return pad(achtergrondMap(), bestandsnaam);
}

} // namespace Opslag
