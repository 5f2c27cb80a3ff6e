#!/usr/bin/env bash
# Start-up to the first shown main window, and the resident memory after it,
# for Tolvarin and ConvertAll (Debian package convertall), side by side on
# the same X server. Run under Xvfb:
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/startup/compare_convertall.sh build/bin/tolvarin [runs]
set -euo pipefail
tolvarin=$(realpath "${1:-build/bin/tolvarin}")
runs=${2:-7}
export XDG_CONFIG_HOME=$(mktemp -d)   # a fresh settings store, never the user's

# Prints "milliseconds kilobytes" for one start of the command whose window
# title contains the given text.
measure() {
  local title=$1
  shift
  local start end pid rss
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  local polls=0
  # Gentle polling: a flood of X connections gets refused by the server.
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    sleep 0.01
    polls=$((polls + 1))
    if [ $polls -gt 1000 ]; then echo "no window: $*" >&2; kill $pid 2>/dev/null; return 1; fi
  done
  end=$(date +%s%N)
  sleep 0.5   # let it settle before reading its memory
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null || true
  sleep 1   # let the X server forget the closed window and its connections
  echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for program in tolvarin convertall; do
  : > /tmp/startup-$program.txt
  for _ in $(seq "$runs"); do
    if [ $program = tolvarin ]; then measure "Tolvarin 1" "$tolvarin" >> /tmp/startup-$program.txt
    else measure "ConvertAll" convertall >> /tmp/startup-$program.txt; fi
  done
  echo "$program: median start $(cut -d' ' -f1 /tmp/startup-$program.txt | median) ms," \
       "median RSS $(cut -d' ' -f2 /tmp/startup-$program.txt | median) kB"
done
