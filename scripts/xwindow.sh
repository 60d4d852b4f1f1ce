# Sourced by the screenshot scripts: finding a window under Xvfb and giving
# it keys and clicks (scripts/xinput.py).

# The id of the first window whose title holds $1, but not the main window's
# title unless $1 is that; waits up to five seconds.
window() {
  for _ in $(seq 50); do
    id=$(xwininfo -root -tree 2>/dev/null |
      awk -v t="$1" 'index($0, t) && (index(t, "\"Tavik  - ") || !index($0, "\"Tavik  -")) {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "No window \"$1\"." >&2
  exit 1
}

send() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/xinput.py" "$@"
}

# A click on the main window's banner gives it the keyboard.
focusMainWindow() {
  local main left top
  main=$(window '"Tavik  - ')
  sleep 1
  read -r left top < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')
  send "click:$((left + 100)),$((top + 60))"
}
