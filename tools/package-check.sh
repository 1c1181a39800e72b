#!/usr/bin/env bash
# Builds the Debian package, checks its files and dependencies, installs it, starts the installed program
# on a demo folder and removes it again. Needs root (or sudo) for the install.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v desktop-file-validate >/dev/null || $sudo apt-get install -y -q --no-install-recommends desktop-file-utils
command -v dpkg-shlibdeps >/dev/null || $sudo apt-get install -y -q --no-install-recommends dpkg-dev
command -v sqlite3 >/dev/null || $sudo apt-get install -y -q --no-install-recommends sqlite3

(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/lumetra_*.deb | head -n 1)
echo "package: $deb"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/lumetra ./usr/share/applications/lumetra.desktop ./usr/share/lumetra/files/nocover.jpg \
            ./usr/share/lumetra/files/lumetra.htm ./usr/share/icons/hicolor/48x48/apps/lumetra.png \
            ./usr/share/icons/hicolor/scalable/apps/lumetra.svg; do
    grep -qF " $path" <<<"$contents" || { echo "missing from the package: $path" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6core6 libqt6widgets6 libqt6sql6-sqlite libqt6multimedia6 libqt6webenginewidgets6 \
           gstreamer1.0-plugins-good gstreamer1.0-libav; do
    grep -q "$dep" <<<"$depends" || { echo "the package does not depend on $dep" >&2; exit 1; }
done
desktop-file-validate packaging/lumetra.desktop

# Install it as a user would and start the installed program on a demo folder.
$sudo apt-get install -y -q "./$deb" >/dev/null
trap '$sudo apt-get remove -y -q lumetra >/dev/null' EXIT
demo=$(mktemp -d)
build/bin/lumetra-demo "$demo/app" >/dev/null 2>&1
QT_QPA_PLATFORM=offscreen /usr/bin/lumetra --app-dir "$demo/app" >"$demo/log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do grep -q "albums loaded" "$demo/log" && break; sleep 0.2; done
kill -TERM $pid
wait $pid
grep -q "Lumetra Jukebox: 30 albums loaded." "$demo/log" || { cat "$demo/log" >&2; exit 1; }
[ "$(sqlite3 "$demo/app/tracks.lum" 'select count(*) from opts')" = 1 ] || { echo "no state record after close" >&2; exit 1; }
rm -rf "$demo"
echo "package check passed"
