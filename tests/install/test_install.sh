#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed copy of the game, run as a player who cannot write its folders and as root:
# it keeps its files in that user's data folder and writes nothing into its own folders.
#   test_install.sh BUILD        installs into a temporary prefix (ctest runs this)
#   test_install.sh --deb BUILD  as root: makes the .deb, has lintian check it (no warning may
#                                remain), installs it, and removes it again, leaving nothing (CI)
set -euo pipefail
deb=false
[ "${1:-}" != --deb ] || { deb=true; shift; }
build=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/drietalspel-install-XXXXXX)
chmod 755 "$work"
tester=drietaltest

opruimen() {
    kill ${pid:-} ${xvfb:-} 2>/dev/null || true
    if $deb; then
        [ -z "${pakket:-}" ] || ! dpkg -s drietalspel >/dev/null 2>&1 || dpkg -r drietalspel >/dev/null
        ! id "$tester" >/dev/null 2>&1 || userdel -r "$tester" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap opruimen EXIT

# Runs a command as user $1 with a fresh environment: home $2, then the variables and command.
# Call it in a subshell (&, $(...)): it becomes the command, so its process id is the command's.
als() {
    local wie=$1 home=$2 setpriv=(); shift 2
    [ "$wie" = "$(id -un)" ] || setpriv=(setpriv --reuid="$wie" --regid="$(id -g "$wie")" --init-groups)
    exec "${setpriv[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/xdg" "$@"
}

# Runs a command quietly; shows its output when it fails.
stil() { "$@" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }; }

# The package is made, checked by lintian as an ordinary user and installed with what it needs.
if $deb; then
    "$(dirname "$0")/../../scripts/setup.sh" --tests
    (cd "$build" && rm -f drietalspel_*.deb && stil cpack -G DEB)
    pakket=$work/$(basename "$build"/drietalspel_*.deb)
    cp "$build"/drietalspel_*.deb "$pakket"
    ! id "$tester" >/dev/null 2>&1 || userdel -r "$tester" 2>/dev/null
    useradd -m -d "$work/home-$tester" "$tester"
    uit=$(als "$tester" "$work/home-$tester" \
              lintian --fail-on error,warning "$pakket" 2>&1) && [ -z "$uit" ] ||
        { echo "lintian:"; echo "$uit"; exit 1; }
    DEBIAN_FRONTEND=noninteractive stil apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "$pakket"
    prefix=/usr
    mappen=(/usr/games /usr/share/games/drietalspel /usr/lib/*/drietalspel)
else
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    mappen=("$prefix")
fi
exe=$prefix/games/drietalspel
gedeeld=$prefix/share/games/drietalspel
desktop=$prefix/share/applications/nl.drietalspel.Drietalspel.desktop

for f in lib/*/drietalspel/drietalspel-geluid.so share/man/{,nl/}man6/drietalspel.6.gz \
         share/icons/hicolor/48x48/apps/nl.drietalspel.Drietalspel.png \
         share/games/drietalspel/Sounds/kaart.wav; do
    compgen -G "$prefix/$f" >/dev/null || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$desktop"
# The icon a desktop scales itself must be whole XML.
stil python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
    "$prefix/share/icons/hicolor/scalable/apps/nl.drietalspel.Drietalspel.svg"
stil appstreamcli validate --no-net --strict "$prefix/share/metainfo/nl.drietalspel.Drietalspel.metainfo.xml"

# Waits up to ten seconds for a condition; says what it waited for when it never held.
wacht() {
    local waarop=$1; shift
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    echo "waited in vain for $waarop"; cat "$work/log" 2>/dev/null; exit 1
}
# The game's window, of the class the desktop entry names, so a dock can match the two.
venster() {
    xwininfo -display "$display" -root -tree |
        grep -qF "(\"drietalspel\" \"$(sed -n 's/^StartupWMClass=//p' "$desktop")\")"
}

# A player who cannot write the install folders: the test user for the package; as root, the
# nobody user; otherwise the folder is made read-only. Root can write them, and still the game
# must not. The package's game runs on an X server, the other offscreen.
scherm=(QT_QPA_PLATFORM=offscreen)
if $deb; then
    spelers=("$tester" root)
    Xvfb -displayfd 3 -nolisten tcp -ac 3>"$work/display" 2>/dev/null &
    xvfb=$!
    wacht "Xvfb" test -s "$work/display"
    display=:$(cat "$work/display")
    scherm=(DISPLAY="$display")
elif [ "$(id -u)" -eq 0 ]; then
    spelers=(nobody root)
else
    spelers=("$(id -un)")
    chmod -R a-w "$prefix"
fi
# The desktop entry's action "Map met onderwerpen openen", with an xdg-open noting what it gets.
actie=$(sed -n '/^\[Desktop Action onderwerpen\]/,/^\[/s/^Exec=//p' "$desktop")
[ -n "$actie" ] || { echo "the desktop entry has no action onderwerpen"; exit 1; }
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" > "$HOME/geopend"\n' > "$work/bin/xdg-open"
chmod 755 "$work/bin/xdg-open"
find "${mappen[@]}" -printf '%p %s %T@\n' | sort > "$work/before"
for wie in "${spelers[@]}"; do
    home=$work/home-$wie
    mkdir -p -m 700 "$home/xdg"
    [ "$wie" = "$(id -un)" ] || chown "$wie:" "$home" "$home/xdg"
    data=$home/.local/share/Drietalspel
    # It has written its settings file (and shows its window) when a desktop session ends it
    # (SIGTERM); then the settings, the high-score list and the topics are in its data folder.
    (als "$wie" "$home" "${scherm[@]}" "$exe") >"$work/log" 2>&1 &
    pid=$!
    wacht "the settings file in $data" test -f "$data/Drietalspel.ini"
    ! $deb || wacht "a window of class Drietalspel" venster
    sleep 0.5
    kill -TERM "$pid"
    wait "$pid" || true
    pid=
    for f in Data/Scorelijst.lst Data/Geografie.dat; do
        [ -f "$data/$f" ] || { echo "no $f in $data"; cat "$work/log"; exit 1; }
    done
    grep -q "$gedeeld/Backgrounds/Wallpaper-01.jpg" "$data/Drietalspel.ini" || {
        echo "the wallpaper does not point into the installed Backgrounds"; exit 1; }
    # The action, run the way a menu runs it, opens the topics that player has just been given.
    (als "$wie" "$home" PATH="$work/bin:$prefix/games:/usr/bin:/bin" "${scherm[@]}" timeout 20 \
        sh -c "$actie") >"$work/log" 2>&1 || { echo "the action failed"; cat "$work/log"; exit 1; }
    wacht "xdg-open from the action" test -s "$home/geopend"
    [ "$(cat "$home/geopend")" = "$data/Data" ] || {
        echo "the action opened '$(cat "$home/geopend")'"; exit 1; }
    echo "$wie: the installed copy keeps the player's files in $data and opens them"
done
find "${mappen[@]}" -printf '%p %s %T@\n' | sort > "$work/after"
diff "$work/before" "$work/after" || { echo "files changed in the install folders"; exit 1; }
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$prefix"
$deb || exit 0

# Removing the package leaves none of its files and none of its own folders.
dpkg --verify drietalspel
dpkg -L drietalspel > "$work/files"
stil dpkg -r drietalspel
pakket=
! grep -i "warning" "$work/log" || { echo "dpkg warned at removal"; exit 1; }
while read -r f; do  # a shared folder such as /usr/games stays
    [ ! -e "$f" ] || { [ -d "$f" ] && [[ "$f" != *drietalspel* ]]; } ||
        { echo "left behind: $f"; exit 1; }
done < "$work/files"
echo "the package installs, runs and removes cleanly"
