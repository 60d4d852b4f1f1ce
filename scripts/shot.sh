# What the screenshot scripts share, sourced by them first: the source tree
# (root), the run under Xvfb, the scratch folder the program runs from, its
# site and its end.
root=$(cd "$(dirname "$0")/.." && pwd)

# inXvfb WxH ARGS...: the calling script again, with ARGS, under an Xvfb
# screen of that size; nothing when it already runs under one.
inXvfb() {
  if [ -z "${TAVIK_SHOT_INNER:-}" ]; then
    exec env TAVIK_SHOT_INNER=1 xvfb-run -a -s "-screen 0 ${1}x24" "$0" "${@:2}"
  fi
}

# newScratch PROGRAM: scratch, a new folder holding the program and the
# pictures beside it.
newScratch() {
  scratch=$(mktemp -d)
  cp -r "$root/Pic" "$scratch/"
  cp "$1" "$scratch/"
}

# programShot DEFAULT [out.png] [program]: out (DEFAULT unless told) and
# program (build/app/tavik unless told), the program in a new scratch folder
# with Szeged as its site.
programShot() {
  out=$(realpath -m "${2:-$1}")
  program=$(realpath -m "${3:-$root/build/app/tavik}")
  newScratch "$program"
  szegedSite
}

# szegedSite: the observing site Szeged in the scratch folder's config/.
szegedSite() {
  mkdir -p "$scratch/config/tavik"
  printf '[site]\nname=Szeged\nlatitude=46.253\nlongitude=20.148\nelevation=80\ntimezone=Europe/Budapest\n' \
    > "$scratch/config/tavik/tavik.conf"
}

# watchProgram, right after the program is started in the background: it is
# ended and the scratch folder removed when the script ends; the window
# helpers of xwindow.sh are loaded.
watchProgram() {
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
  . "$root/scripts/xwindow.sh"
}
