#!/usr/bin/env bash
# Installs the Debian 12 packages the jukebox needs to build, test and run, or the packages named as
# arguments (for a check that needs more). Skips what is already there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev sqlite3 libicu-dev
    qt6-webengine-dev libqt6webenginecore6-bin
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev zbar-tools
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
    libgtest-dev gstreamer1.0-plugins-base-apps dbus-daemon dbus-bin playerctl
    libvorbis-dev libmp3lame-dev
    libtag1-dev libebur128-dev
    fonts-dejavu-core python3
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
