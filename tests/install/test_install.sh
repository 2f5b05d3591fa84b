#!/usr/bin/env bash
# Installs into a temporary prefix, starts the installed game as a user who cannot write there
# (and, as root, as root too), lets it write its files, ends it the way a desktop session does
# (SIGTERM), and checks that the settings, the high-score list and the topics are in that user's
# data folder and that nothing was written under the prefix.
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/drietalspel-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
exe=$prefix/games/drietalspel
gedeeld=$prefix/share/games/drietalspel

for f in games/drietalspel share/games/drietalspel/Sounds/kaart.wav \
         share/games/drietalspel/Backgrounds/Wallpaper-01.jpg \
         share/games/drietalspel/Data/Geografie.dat \
         share/applications/nl.drietalspel.Drietalspel.desktop \
         share/metainfo/nl.drietalspel.Drietalspel.metainfo.xml \
         share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/nl.drietalspel.Drietalspel.png \
         share/icons/hicolor/scalable/apps/nl.drietalspel.Drietalspel.svg; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/nl.drietalspel.Drietalspel.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain \
        "$prefix/share/metainfo/nl.drietalspel.Drietalspel.metainfo.xml"
fi

# Starts the installed game as user $1 (the current one: as is) with home $2 and the environment in the
# rest, and waits for its settings file in that home's data folder.
start() {
    local wie=$1 home=$2; shift 2
    local als=()
    mkdir -p -m 700 "$home/xdg"
    if [ "$wie" != "$(id -un)" ]; then
        als=(setpriv --reuid="$wie" --regid="$(id -g "$wie")" --init-groups)
        chown "$wie:" "$home" "$home/xdg"
    fi
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/xdg" "$@" \
        "${als[@]}" "$exe" >"$work/log" 2>&1 &
    pid=$!
    data=$home/.local/share/Drietalspel
    for _ in $(seq 100); do
        [ -f "$data/Drietalspel.ini" ] && return 0
        sleep 0.1
    done
    echo "no settings file in $data"; cat "$work/log"; exit 1
}

# Ends the game started last with SIGTERM and checks the player's files in its data folder.
stop() {
    sleep 0.5
    kill -TERM "$pid"
    wait "$pid" || true
    [ -f "$data/Data/Scorelijst.lst" ] || { echo "no high-score list in $data/Data"; exit 1; }
    [ -f "$data/Data/Geografie.dat" ] || { echo "topics not seeded into $data/Data"; exit 1; }
    grep -q "$gedeeld/Backgrounds/Wallpaper-01.jpg" "$data/Drietalspel.ini" || {
        echo "the wallpaper does not point into the installed Backgrounds"; exit 1; }
}

# What lies in the installed folders, to compare before and after a run.
stand() {
    find "$prefix" -printf '%p %s %T@\n' | sort
}

# A player who cannot write the install folder: as root, the nobody user; otherwise the folder
# is made read-only. Root can write it, and still the game must not.
spelers=("$(id -un)")
if [ "$(id -u)" -eq 0 ]; then
    spelers=(nobody root)
else
    chmod -R a-w "$prefix"
fi
stand > "$work/before"
for speler in "${spelers[@]}"; do
    home=$work/home-$speler
    mkdir -p "$home"
    start "$speler" "$home" QT_QPA_PLATFORM=offscreen
    stop
    echo "$speler: the installed copy keeps the player's files in $data"
done
stand > "$work/after"
diff "$work/before" "$work/after" || { echo "files changed under the prefix"; exit 1; }
[ -z "$(find "$prefix" -newer "$work/before")" ] || { echo "something written under the prefix"; exit 1; }
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$prefix"
