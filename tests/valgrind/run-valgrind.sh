#!/usr/bin/env bash
# A scripted run of the real program under valgrind's memcheck: start the battle, let a
# few phases pass, click Quit (the layout's element with id 7) and check that the program
# ends by itself with exit code 0, no memory error and no definite leak outside the
# suppressed GL driver and X libraries. Needs an X display (xvfb-run) and xdotool.
#   tests/valgrind/run-valgrind.sh VORNAK_BINARY GAME_DIR [SECONDS_BEFORE_QUIT [SECONDS_HELD]]
set -euo pipefail

binary=$(realpath "$1")
game_dir=$(realpath "$2")
settle=${3:-3}
hold=${4:-4}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/vornak-valgrind-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r "$game_dir/." "$work/"
cd "$work"

# The Quit button's middle, from the layout: origin + element position + half its size.
layout=$(find . -maxdepth 2 -iname maininterface.txt | head -n 1)
read -r quit_x quit_y < <(awk '
  NR == 2 { ox = $1; oy = $2 }
  NR > 2 && $1 == 7 { print ox + $5 + int($7 / 2), oy + $6 + int($8 / 2); exit }' "$layout")
[ -n "${quit_x:-}" ] || { echo "no element 7 in $layout" >&2; exit 1; }

VORNAK_NO_ERROR_BOX=1 SDL_AUDIODRIVER=dummy valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=99 \
  --num-callers=60 --keep-debuginfo=yes --suppressions="$here/driver.supp" --gen-suppressions=all --log-file="$work/memcheck.log" \
  "$binary" &
game=$!

window=""
for _ in $(seq 1 1200); do
  window=$(xdotool search --onlyvisible --name '^Vornak$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the game opened no window" >&2
  kill "$game" 2>/dev/null || true
  cat "$work/memcheck.log" >&2
  exit 1
fi

# Frames are slow under valgrind: wait until the buttons are drawn (the pixel under
# Quit is no longer black), then a little more for a few phases.
lit() {
  import -window "$window" -crop "1x1+$quit_x+$quit_y" txt:- 2>/dev/null |
    grep -qvE '#000000|^#'
}
for _ in $(seq 1 600); do
  lit && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.5
done
sleep "$settle"
# Frames are slow under valgrind: hold the button long enough for the game to see the
# press and the release in separate frames. On a loaded machine a frame that builds the
# driver's shaders can outlast the hold, so the click is tried again, a few times at most.
xdotool mousemove --window "$window" "$quit_x" "$quit_y"
sleep 1
status=0
for _ in 1 2 3 4; do
  xdotool mousedown 1
  sleep "$hold"
  xdotool mouseup 1
  for _ in $(seq 1 300); do
    kill -0 "$game" 2>/dev/null || break 2
    sleep 0.1
  done
done
if kill -0 "$game" 2>/dev/null; then
  echo "the game did not end after Quit was clicked" >&2
  kill "$game" 2>/dev/null || true
  status=1
fi
wait "$game" || status=$?

if [ "$status" -ne 0 ]; then
  echo "exit status $status; memcheck said:" >&2
  cat "$work/memcheck.log" >&2
  exit 1
fi
grep -E 'ERROR SUMMARY|definitely lost' "$work/memcheck.log"
