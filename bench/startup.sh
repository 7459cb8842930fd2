#!/usr/bin/env bash
# Start-up against an empty Qt window: each program is started RUNS times (default 5, after one
# run of each that warms the file cache) on a fresh Xvfb screen without a window manager, timed
# by map_watch from its start until the X server maps its window (for the program, the main
# window, "VELDO ZOMELBuilder"); the runs alternate between the two.  Prints both medians and
# their ratio.  For reference it also times a main window with a menu bar and one label: the
# floor for any window that shows text.
#   bench/startup.sh [build folder]      (default: build)
# The screen is a fresh Xvfb on a free display, or on BENCH_DISPLAY (such as ":36") when set.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$here/build}/bin" && pwd)
runs=${RUNS:-5}
cmake --build "$bin/.." --target program map_watch empty_window label_window >/dev/null

work=$(mktemp -d)
xvfb=""
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes its display number once it accepts clients; it picks a free one unless told.
exec 3>"$work/display"
Xvfb ${BENCH_DISPLAY:-} -displayfd 3 -screen 0 1680x1050x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start${BENCH_DISPLAY:+ on $BENCH_DISPLAY}" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
# The program keeps its settings and log in the home folder: a fresh one, left behind.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

program() { "$bin/map_watch" "VELDO ZOMELBuilder" "$bin/zomelbuilder"; }
empty() { "$bin/map_watch" "Empty window" "$bin/empty_window"; }
label() { "$bin/map_watch" "Label window" "$bin/label_window"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

program >/dev/null
empty >/dev/null
label >/dev/null
: >"$work/program"
: >"$work/empty"
: >"$work/label"
for _ in $(seq "$runs"); do
  program >>"$work/program"
  empty >>"$work/empty"
  label >>"$work/label"
done
p=$(median <"$work/program")
e=$(median <"$work/empty")
l=$(median <"$work/label")
echo "program runs (ms):      $(tr '\n' ' ' <"$work/program")"
echo "empty window runs (ms): $(tr '\n' ' ' <"$work/empty")"
echo "label window runs (ms): $(tr '\n' ' ' <"$work/label")"
awk -v p="$p" -v e="$e" -v l="$l" 'BEGIN {
  printf "start-up median %.1f ms, empty Qt window %.1f ms: %.2fx\n", p, e, p / e
  printf "(a main window with a menu bar and one label: %.1f ms, %.2fx)\n", l, l / e }'
