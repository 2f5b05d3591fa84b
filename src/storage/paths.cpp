// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/paths.h"

#include "storage/fileaccess.h"
#include "storage/samples.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <utility>

namespace Opslag {
namespace {

QString pad(const QString& map, const QString& rest) {
    return map + QDir::separator() + rest;
}

// At the first use of the user's folder, the settings and the high-score list of the program
// folder come along (a portable copy that can no longer be written), where it has none yet.
void neemOver(const Mappen& mappen) {
    for (const QString& bestand :
         {QStringLiteral("Drietalspel.ini"), QStringLiteral("Data/Scorelijst.lst")}) {
        const QFileInfo doel(pad(mappen.gebruikersMap(), bestand));
        if (!doel.exists() && !doel.isSymLink())
            kopieerBestand(mappen, pad(mappen.programmaMap(), bestand), doel.filePath());
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

Mappen::Mappen(QString programma, QString gebruiker)
    : m_programma(std::move(programma)),
      m_gebruiker(gebruiker.isEmpty() ? m_programma : std::move(gebruiker)) {}

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

Mappen kiesMappen(const QString& programma, const QString& persoonlijk, bool programmaSchrijfbaar) {
    if (programmaSchrijfbaar)
        return Mappen(programma);
    const Mappen mappen(programma, persoonlijk);
    if (!QFileInfo(mappen.dataMap()).isDir() && QDir().mkpath(mappen.dataMap()))
        neemOver(mappen);
    biedVoorbeeldenAan(mappen, pad(programma, QStringLiteral("Data")));
    return mappen;
}

QString Mappen::dataMap() const {
    return pad(m_gebruiker, QStringLiteral("Data"));
}
QString Mappen::instellingenPad() const {
    return pad(m_gebruiker, QStringLiteral("Drietalspel.ini"));
}
QString Mappen::scoreLijstPad() const {
    return pad(dataMap(), QStringLiteral("Scorelijst.lst"));
}
QString Mappen::achtergrondMap() const {
    return pad(m_programma, QStringLiteral("Backgrounds"));
}

QString Mappen::geluidPad(const QString& bestandsnaam) const {
    return m_programma + QStringLiteral("/Sounds/") + bestandsnaam;
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

std::optional<QString> Mappen::onderwerpPad(const QString& naam) const {
    if (!isGeldigeOnderwerpNaam(naam))
        return std::nullopt;
    return pad(dataMap(), naam + QStringLiteral(".dat"));
}

QString Mappen::achtergrondPad(const QString& opgeslagen) const {
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
