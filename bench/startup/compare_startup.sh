#!/usr/bin/env bash
# Start-up to the first painted main window, side by side in one run:
# Tolvarin, a bare Qt Widgets window of Tolvarin's first-start size, the same
# window with a menu bar, a line of text and a status bar ("text", the least
# window that loads fonts), and ConvertAll (Debian package convertall: apt-get install convertall; skipped
# with a note when it is not installed). The rounds interleave the programs,
# in a rotating order, and every start gets a fresh home and settings folder.
#
#   bench/startup/compare_startup.sh [BUILD_DIR] [ROUNDS] [SETTLE_MS]
#
# BUILD_DIR is a Release tree configured with TOLVARIN_BENCH on (default
# build-release, what scripts/build.sh bench makes); it holds tolvarin, bench_bare_window and bench_first_paint_probe
# (built when the X11 DAMAGE headers, libxdamage-dev, are there). Without a
# display the script runs itself under xvfb-run at 1280x800x24.
#
# Every program is timed the same way by the probe: from just before fork to
# the first damage of its mapped window (its first paint), without polling.
# "map" is when that window was mapped. Resident memory (VmRSS) is read
# SETTLE_MS (default 1000) after the first paint; page faults (minor + major)
# at the first paint.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
build=$(realpath "${1:-build-release}")
rounds=${2:-15}
settle=${3:-1000}
probe=$build/bin/bench_first_paint_probe
for f in "$probe" "$build/bin/tolvarin" "$build/bin/bench_bare_window"; do
  [ -x "$f" ] || { echo "missing $f (configure $build with TOLVARIN_BENCH=ON and build it)" >&2; exit 2; }
done

programs=(tolvarin bare text)
if command -v convertall >/dev/null; then programs+=(convertall)
else echo "note: ConvertAll is not installed (apt-get install convertall); it is left out"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One start of a program under a fresh home; appends the probe's line to
# $work/NAME.txt when counted.
start() {
  local name=$1 counted=$2 home
  home=$(mktemp -d "$work/home.XXXXXX")
  mkdir -m 700 "$home/run"
  # Qt reads the Czech locale from LANG, whether the C library has it or not.
  local run=(env LANG=cs_CZ.UTF-8 LC_ALL=cs_CZ.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home/.config"
             XDG_RUNTIME_DIR="$home/run" "$probe")
  local line
  case $name in
    tolvarin) line=$("${run[@]}" Tolvarin "$settle" "$build/bin/tolvarin") || true ;;
    bare) line=$("${run[@]}" "Bare Qt window" "$settle" "$build/bin/bench_bare_window" "$width" "$height") || true ;;
    text) line=$("${run[@]}" "Bare Qt window" "$settle" "$build/bin/bench_bare_window" "$width" "$height" text) || true ;;
    convertall) line=$("${run[@]}" ConvertAll "$settle" convertall) || true ;;
  esac
  rm -rf "$home"
  [ -n "$line" ] || { echo "$name: no painted window in this start" >&2; return 0; }
  if [ "$counted" = yes ]; then echo "$line" >> "$work/$name.txt"; fi
  echo "$line"
}

# Tolvarin's first-start size sets the bare window's; this start and one of
# each other program warm the file cache and are not counted.
read -r _ _ _ _ _ width height < <(start tolvarin no)
for name in "${programs[@]:1}"; do start "$name" no >/dev/null; done

echo "load before: $(cat /proc/loadavg)"
for round in $(seq "$rounds"); do
  # A rotating order, so that no program always follows the same one.
  for i in "${!programs[@]}"; do
    name=${programs[$(( (i + round) % ${#programs[@]} ))]}
    start "$name" yes >/dev/null
  done
done
echo "load after:  $(cat /proc/loadavg)"

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else printf "%.2f\n", (a[NR/2]+a[NR/2+1])/2}'; }
column_median() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
column_mean() { cut -d' ' -f"$2" "$work/$1.txt" | awk '{s+=$1} END {printf "%.2f\n", s/NR}'; }

echo "$rounds rounds, window ${width}x${height}, memory read ${settle} ms after the first paint (medians; the paint's mean too)"
printf '%-11s %9s %9s %9s %9s %9s %9s\n' program "paint ms" "mean ms" "map ms" "paint/bare" "RSS kB" "faults"
bare_paint=$(column_median bare 2)
for name in "${programs[@]}"; do
  paint=$(column_median "$name" 2)
  printf '%-11s %9s %9s %9s %9.2f %9s %9s\n' "$name" "$paint" "$(column_mean "$name" 2)" "$(column_median "$name" 1)" \
    "$(echo "$paint $bare_paint" | awk '{print $1 / $2}')" "$(column_median "$name" 4)" "$(column_median "$name" 3)"
done
# The ratio round by round: the programs of one round met the same load.
for yardstick in bare text; do
  paste -d' ' <(cut -d' ' -f2 "$work/tolvarin.txt") <(cut -d' ' -f2 "$work/$yardstick.txt") |
    awk '{print $1 / $2}' | sort -n |
    awk -v y="$yardstick" '{a[NR]=$1} END {printf "tolvarin/%s per round: median %.2f, min %.2f, max %.2f\n", y, a[int((NR+1)/2)], a[1], a[NR]}'
done
