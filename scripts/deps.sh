#!/usr/bin/env bash
# Installs the Debian 12 packages Tavik needs to build, run and test; only
# those that are missing, so a second run does nothing.
set -euo pipefail
packages=(
  # building: the program, the almanac tool (Swiss Ephemeris) and the picture tool (giflib)
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libfontconfig-dev
  # the English interface: lupdate, lrelease and their CMake functions
  qt6-l10n-tools qt6-tools-dev
  # the logbook's SQLite database through Qt SQL
  libqt6sql6-sqlite
  libswe-dev swe-basic-data
  libgif-dev
  # the map pictures' PNG writer
  zlib1g-dev
  # the faces the windows ask for, and Qt's own Hungarian texts
  fonts-liberation qt6-translations-l10n
  # benchmarks and fuzz targets (scripts/fuzz.sh)
  libbenchmark-dev
  clang libclang-rt-14-dev
  # the Debian package and its checks
  file lintian desktop-file-utils appstream
  # the shores and borders of the maps, remade by scripts/coastlines.sh (maps/data)
  gmt gmt-gshhg-low gmt-gshhg-high
  # start-up benchmark and screenshots under Xvfb (scripts/screenshot.sh)
  xvfb xauth x11-utils imagemagick python3 python3-icalendar libxtst6 faketime
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
