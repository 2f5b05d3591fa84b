#!/usr/bin/env bash
# Installs into a temporary prefix, starts the installed game as a user who cannot write there,
# lets it write its files, ends it the way a desktop session does (SIGTERM), and checks that the
# settings, the high-score list and the topics are in that user's data folder and that nothing
# was written under the prefix.
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/drietalspel-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/drietalspel lib/drietalspel/drietalspel lib/drietalspel/drietalspel-geluid.so \
         lib/drietalspel/Sounds/kaart.wav \
         lib/drietalspel/Backgrounds/Wallpaper-01.jpg lib/drietalspel/Data/Geografie.dat \
         share/applications/nl.drietalspel.Drietalspel.desktop \
         share/metainfo/nl.drietalspel.Drietalspel.metainfo.xml \
         share/icons/hicolor/256x256/apps/nl.drietalspel.Drietalspel.png; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/nl.drietalspel.Drietalspel.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain \
        "$prefix/share/metainfo/nl.drietalspel.Drietalspel.metainfo.xml"
fi

# A player who cannot write the install folder: as root, the nobody user; otherwise the folder
# is made read-only.
home=$work/home
mkdir -p -m 777 "$home"
run=()
if [ "$(id -u)" -eq 0 ]; then
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$prefix"
fi
find "$prefix" -type f -printf '%P %s %T@\n' | sort > "$work/before"
xdg=$work/xdg
mkdir -p -m 700 "$xdg"
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$xdg"

env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$xdg" QT_QPA_PLATFORM=offscreen \
    "${run[@]}" "$prefix/bin/drietalspel" >"$work/log" 2>&1 &
pid=$!
data=$home/.local/share/Drietalspel
for _ in $(seq 100); do
    [ -f "$data/Drietalspel.ini" ] && break
    sleep 0.1
done
[ -f "$data/Drietalspel.ini" ] || { echo "no settings file in $data"; cat "$work/log"; exit 1; }
sleep 0.5
kill -TERM "$pid"
wait "$pid" || true

[ -f "$data/Data/Scorelijst.lst" ] || { echo "no high-score list in $data/Data"; exit 1; }
[ -f "$data/Data/Geografie.dat" ] || { echo "topics not seeded into $data/Data"; exit 1; }
grep -q "Backgrounds/Wallpaper-01.jpg" "$data/Drietalspel.ini" || {
    echo "the wallpaper does not point into the installed Backgrounds"; exit 1; }
find "$prefix" -type f -printf '%P %s %T@\n' | sort > "$work/after"
diff "$work/before" "$work/after" || { echo "files changed under the prefix"; exit 1; }
[ -z "$(find "$prefix" -newer "$work/before")" ] || { echo "something written under the prefix"; exit 1; }
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$prefix"
echo "installed copy keeps the player's files in $data"
