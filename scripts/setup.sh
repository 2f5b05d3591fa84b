#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game, its tests and its tools need; does nothing when they are
# already there. Runs as root, or through sudo.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libpulse-dev qt6-translations-l10n qt6-wayland
          fonts-comic-neue fonts-liberation2)
if [ "${1:-}" = "--tests" ]; then
    packages+=(xvfb xauth clang libclang-rt-14-dev pulseaudio pulseaudio-utils sox clang-format
               libxcb1-dev appstream desktop-file-utils dpkg-dev file lintian x11-utils
               at-spi2-core dbus orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
               openbox xdotool locales weston)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq -o DPkg::Lock::Timeout=300
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "${missing[@]}"
