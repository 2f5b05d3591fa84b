// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files lie. Everything hangs off the program folder, found from the folder
// that holds the executable (never the current folder).
#pragma once

#include <QString>
#include <optional>

namespace Opslag {

// The program folder that goes with an executable in exeMap. The build's program folder and a
// portable copy keep Sounds, Backgrounds and Data beside the executable. An installed copy, the
// executable in games/ and its files in share/games/drietalspel of the same prefix (Debian's
// layout for games), finds them from there, so every prefix works and none needs a launcher.
struct Indeling {
    QString programma;
    bool geinstalleerd = false;
};
Indeling indelingVoor(const QString& exeMap);

// Where the program's own files lie (sounds, wallpapers, the sample topics) and where the user's
// files lie (the settings, Data with the topics and the high-score list). Made once at start-up
// and handed to whatever reads or writes those files; a test makes its own.
class Mappen {
public:
    // The user's folder is the program folder itself when gebruiker is empty.
    explicit Mappen(QString programma, QString gebruiker = {});

    const QString& programmaMap() const { return m_programma; }
    const QString& gebruikersMap() const { return m_gebruiker; }
    QString dataMap() const;
    QString instellingenPad() const;
    QString scoreLijstPad() const;
    QString achtergrondMap() const;
    QString geluidPad(const QString& bestandsnaam) const;

    // The file of topic naam, or nullopt when the name is refused (see isGeldigeOnderwerpNaam).
    std::optional<QString> onderwerpPad(const QString& naam) const;

    // The picture file for a stored wallpaper value. A bare file name lies in Backgrounds; a path
    // that no longer exists (say a folder written on another computer) falls back to the file of
    // the same name in Backgrounds.
    QString achtergrondPad(const QString& opgeslagen) const;

private:
    QString m_programma;
    QString m_gebruiker;
};

// The folders of a copy whose program folder is programma. A portable copy the user may write in
// keeps the settings, the high-score list and the topics in its program folder. An installed copy
// never writes into its own folders, even when root could, so they stay the package's alone and
// removing it leaves nothing behind: pass programmaSchrijfbaar false for it, as for a read-only
// portable copy. Those keep the files in the user's own data folder, persoonlijk. At its first use
// that folder takes over the settings file and the high-score list of the program folder, where it
// has none; at every start it is offered the sample topics of the program folder's Data (see
// biedVoorbeeldenAan).
Mappen kiesMappen(const QString& programma, const QString& persoonlijk, bool programmaSchrijfbaar);

// True when files can be created in the folder (and in its Data, if that exists).
bool isSchrijfbareMap(const QString& map);

// A topic name is a plain file name: not empty, not "." or "..", no path separator, no control
// character, none of the characters Windows forbids in names (so a topic folder can be shared),
// and short enough for the file system. The name is never a pattern and never leaves Data.
bool isGeldigeOnderwerpNaam(const QString& naam);

} // namespace Opslag
