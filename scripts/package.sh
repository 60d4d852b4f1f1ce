#!/usr/bin/env bash
# Builds the Debian package in a build folder (default: build) and checks it:
# lintian with no error or warning, the desktop entry through
# desktop-file-validate, the AppStream metadata through appstreamcli (no
# network), the files and fields the package must hold, and the two programs
# run from the unpacked package (never installed into the system) by a user
# with an empty home. The package's programs link Debian's shared Swiss
# Ephemeris (its Depends comes from dpkg-shlibdeps); a plain `cmake --install`
# must still give the portable folder, linked as the build folder was.
#   scripts/package.sh [build-dir]    (configured here when it is not yet)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The package links Debian's shared Swiss Ephemeris, so that its security
# updates reach the programs; the build folder gets its own way back at the
# end, for the portable folder.
swe_link=$(sed -n 's/^TAVIK_SWE_LINK:STRING=//p' "$build/CMakeCache.txt")
swe_link=${swe_link:-STATIC}
cmake -S . -B "$build" -DTAVIK_SWE_LINK=SHARED >/dev/null
cmake --build "$build" -j"$(nproc)" --target tavik tavik-almanac
rm -f "$build"/tavik_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(Tavik VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$(ls "$build"/tavik_"$version"*_amd64.deb 2>/dev/null | head -1 || true)
if [ -z "$deb" ]; then
  echo "No $build/tavik_${version}_amd64.deb was written." >&2
  exit 1
fi
echo "== $deb"
failed=0
fail() { echo "!! $*" >&2; failed=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -f "$deb" > "$work/control"

for f in usr/bin/tavik usr/bin/tavik-almanac usr/share/tavik/Pic/ujholdak.txt \
         usr/share/tavik/Pic/Lunar-map.jpg usr/share/applications/tavik.desktop \
         usr/share/metainfo/io.github.tavik_hold.Tavik.metainfo.xml \
         usr/share/doc/tavik/copyright usr/share/doc/tavik/changelog.gz \
         usr/share/man/man1/tavik.1.gz usr/share/man/man1/tavik-almanac.1.gz \
         usr/share/man/hu/man1/tavik.1.gz usr/share/man/hu/man1/tavik-almanac.1.gz; do
  [ -e "$work/root/$f" ] || fail "the package lacks /$f"
done
for size in 16 24 32 48 64 128 256; do
  icon="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/tavik.png"
  [ -e "$icon" ] || { fail "the package lacks the ${size}px icon"; continue; }
  file "$icon" | grep -q ", $size x $size," || fail "the ${size}px icon is $(file -b "$icon")"
done
[ -z "$(find "$work/root" -path '*/usr/bin/Pic' -o -path '*/usr/Pic')" ] || fail "a portable Pic folder in the package"
grep -qx 'Section: science' "$work/control" || fail "section is not science"
grep -q '^Recommends:.*qt6-translations-l10n' "$work/control" || fail "no Recommends: qt6-translations-l10n"
grep -q '^Depends:.*libqt6widgets6' "$work/control" || fail "dpkg-shlibdeps found no Qt dependency"
grep -q '^Depends:.*libswe2\.0' "$work/control" || fail "dpkg-shlibdeps found no Swiss Ephemeris dependency"
for program in tavik tavik-almanac; do
  readelf -d "$work/root/usr/bin/$program" | grep -q 'NEEDED.*\[libswe\.so' ||
    fail "the package's $program does not link the shared Swiss Ephemeris"
done
grep -q 'holdsarló kor és fázis számoló' "$work/control" || fail "no Hungarian description"
head -1 "$work/root/usr/share/doc/tavik/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"

# Nothing outside /usr, everything owned by root, only the two programs in /usr/bin.
dpkg-deb -c "$deb" > "$work/contents"
outside=$(awk '$6 != "./" && $6 !~ /^\.\/usr\// {print $6}' "$work/contents")
[ -z "$outside" ] || fail "files outside /usr in the package: $outside"
notroot=$(awk '$2 != "root/root" {print $6}' "$work/contents")
[ -z "$notroot" ] || fail "files not owned by root in the package: $notroot"
[ "$(awk '$6 ~ /^\.\/usr\/bin\/./ {print $6}' "$work/contents" | sort | tr '\n' ' ')" = \
  "./usr/bin/tavik ./usr/bin/tavik-almanac " ] || fail "/usr/bin holds more or less than tavik and tavik-almanac"

# The programs as unpacked, run by a user with an empty home and no display:
# the version, the data folders of --help (the shipped one is found beside the
# executable as ../share/tavik/Pic), the lists of tavik-almanac written into
# the user's folder, and nothing written into the unpacked package.
mkdir "$work/home"
touch "$work/stamp"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME HOME="$work/home" "$@"; }
run "$work/root/usr/bin/tavik" --version > "$work/version.txt" 2>&1 || fail "tavik --version failed"
grep -qx "Tavik $version" "$work/version.txt" || fail "tavik --version does not print $version: $(head -1 "$work/version.txt")"
run "$work/root/usr/bin/tavik" --help > "$work/help.txt" 2>&1 || fail "tavik --help failed"
grep -qxF "  $work/home/.local/share/tavik/Pic" "$work/help.txt" || fail "tavik --help names no user folder under the home"
grep -qxF "  $work/root/usr/share/tavik/Pic" "$work/help.txt" || fail "tavik --help names no shipped folder beside the program"
if run "$work/root/usr/bin/tavik" --no-such-option > /dev/null 2>&1; then rc=0; else rc=$?; fi
[ "$rc" -eq 2 ] || fail "tavik --no-such-option exits with $rc, not 2"
run "$work/root/usr/bin/tavik-almanac" --only ujholdak --from 2026 --to 2026 \
  --out "$work/home/.local/share/tavik/Pic" > "$work/almanac.txt" 2>&1 || fail "tavik-almanac failed: $(cat "$work/almanac.txt")"
[ -s "$work/home/.local/share/tavik/Pic/ujholdak.txt" ] || fail "tavik-almanac wrote no ujholdak.txt into the user's folder"
[ -z "$(find "$work/root" -newer "$work/stamp")" ] || fail "running the programs wrote into the package's files"

echo "== desktop-file-validate"
desktop-file-validate "$work/root/usr/share/applications/tavik.desktop" || fail "desktop-file-validate"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/io.github.tavik_hold.Tavik.metainfo.xml" ||
  fail "appstreamcli validate"
echo "== lintian"
# Errors and warnings fail the check, and so does lintian not running at all.
lintian --tag-display-limit 0 --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

echo "== portable install"
cmake -S . -B "$build" -DTAVIK_SWE_LINK="$swe_link" >/dev/null
cmake --build "$build" -j"$(nproc)" --target tavik tavik-almanac
cmake --install "$build" --prefix "$work/portable" >/dev/null
for f in tavik tavik-almanac Pic/ujholdak.txt Pic/000-ujhold.gif; do
  [ -e "$work/portable/$f" ] || fail "cmake --install gives no $f"
done
[ ! -e "$work/portable/bin" ] && [ ! -e "$work/portable/share" ] || fail "cmake --install put system folders into the portable one"

if [ "$failed" -ne 0 ]; then
  echo "The package check failed." >&2
  exit 1
fi
echo "The package check passed."
