#!/usr/bin/env bash
# One conversion as a whole process: tolvarin-cli against its own start
# (--version: Qt Core loaded, nothing read) and against GNU Units, side by
# side with hyperfine on the shipped data files:
#
#   bench/cli/compare_units.sh [path/to/tolvarin-cli [path/to/another/tolvarin-cli]]
#
# The default program is build-release/bin/tolvarin-cli (scripts/build.sh bench
# builds it), which finds the shipped data files next to itself. A second
# program (an older build, say) is measured in the same rounds. Each round
# runs every command RUNS times (default 40), one after the other, so that
# a change in the machine's load falls on all alike; the summary gives the
# median of the rounds' medians over ROUNDS rounds (default 10), then page
# faults (perf stat) and peak resident memory of one run each. Needs the
# Debian packages hyperfine, units, linux-perf and time, and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
clis=("${1:-$here/build-release/bin/tolvarin-cli}")
[ $# -ge 2 ] && clis+=("$2")
rounds=${ROUNDS:-10}
runs=${RUNS:-40}

for tool in hyperfine units python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install hyperfine units python3)" >&2; exit 2; }
done
for cli in "${clis[@]}"; do
  [ -x "$cli" ] || { echo "$cli is not built" >&2; exit 2; }
  # Both must give the same answer before their times mean anything.
  [ "$("$cli" 5 km m)" = "$(units -t '5 km' m)" ] || { echo "$cli and units differ on 5 km in m" >&2; exit 1; }
done

commands=()
for cli in "${clis[@]}"; do commands+=("$cli --version" "$cli 5 km m" "$cli 5 km"); done
commands+=("units -t '5 km' m")

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
# The command that a round starts with comes out slower on this kind of
# machine, so each round starts with the next one.
for round in $(seq 1 "$rounds"); do
  first=$(( round % ${#commands[@]} ))
  order=("${commands[@]:$first}" "${commands[@]:0:$first}")
  hyperfine --warmup 5 -N --runs "$runs" --style none --export-json "$reports/$round.json" "${order[@]}" \
    >/dev/null 2>&1
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$reports" "${#clis[@]}" "${commands[@]}" <<'PY'
import glob, json, statistics, sys
programs = int(sys.argv[2])
commands = sys.argv[3:]
# Each round's results in the order of the command line, whatever order it ran them in.
rounds = []
for f in sorted(glob.glob(sys.argv[1] + "/*.json")):
    results = {r["command"]: r for r in json.load(open(f))["results"]}
    rounds.append([results[c] for c in commands])
def median(i, key="median"):
    return statistics.median(r[i][key] * 1000 for r in rounds)
def above(i, base):
    return statistics.median((r[i]["median"] - r[base]["median"]) * 1000 for r in rounds)
units = len(rounds[0]) - 1
print(f"{'command':<44} {'median ms':>9} {'mean ms':>8} {'above --version':>16}")
for p in range(programs):
    for k in range(3):
        i = 3 * p + k
        extra = "" if k == 0 else f"{above(i, 3 * p):16.2f}"
        print(f"{rounds[0][i]['command'][-44:]:<44} {median(i):9.2f} {median(i, 'mean'):8.2f} {extra}")
print(f"{rounds[0][units]['command']:<44} {median(units):9.2f} {median(units, 'mean'):8.2f}")
for p in range(programs):
    ratios = [r[3 * p + 1]["median"] / r[units]["median"] for r in rounds]
    print(f"program {p + 1}: 5 km m / units per round: min {min(ratios):.2f}, median {statistics.median(ratios):.2f}, "
          f"max {max(ratios):.2f}")
PY

# Page faults and peak resident memory of one run of each.
if command -v perf >/dev/null && [ -x /usr/bin/time ]; then
  echo "page faults (perf stat, mean of 20) and peak RSS:"
  for command in "${commands[@]}"; do
    faults=$(eval "perf stat -x, -e page-faults -r 20 $command" 2>&1 >/dev/null | awk -F, '/page-faults/ {print $1}')
    rss=$(eval "/usr/bin/time -f %M $command" 2>&1 >/dev/null | tail -1)
    printf '  %-44s %6s faults %7s kB\n' "${command:$(( ${#command} > 44 ? ${#command} - 44 : 0 ))}" "$faults" "$rss"
  done
fi
