#!/usr/bin/env bash
# One conversion as a whole process, tolvarin-cli against GNU Units, side by
# side with hyperfine on the shipped data files:
#
#   bench/cli/compare_units.sh [path/to/tolvarin-cli]
#
# The default program is build/bin/tolvarin-cli, which finds the shipped data
# files next to itself. The pair is measured in ROUNDS short rounds (default
# 10) of RUNS runs per command (default 50), one command after the other in
# each round, so that a change in the machine's load falls on both alike; the
# summary gives the median of the rounds' medians. Needs the Debian packages
# hyperfine and units, and python3 to read hyperfine's reports.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
cli=${1:-$here/build/bin/tolvarin-cli}
rounds=${ROUNDS:-10}
runs=${RUNS:-50}

for tool in hyperfine units python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install hyperfine units python3)" >&2; exit 2; }
done
[ -x "$cli" ] || { echo "$cli is not built" >&2; exit 2; }

# Both must give the same answer before their times mean anything.
ours=$("$cli" 5 km m)
theirs=$(units -t '5 km' m)
echo "$cli 5 km m -> $ours"
echo "units -t '5 km' m -> $theirs"
[ "$ours" = "$theirs" ] || { echo "the results differ" >&2; exit 1; }

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
for round in $(seq 1 "$rounds"); do
  hyperfine --warmup 3 -N --runs "$runs" --style none \
    --export-json "$reports/$round.json" "$cli 5 km m" "units -t '5 km' m" >/dev/null 2>&1
done

python3 - "$reports" <<'PY'
import glob, json, statistics, sys
rounds = [json.load(open(f))["results"] for f in sorted(glob.glob(sys.argv[1] + "/*.json"))]
def ms(value): return value * 1000
for i, (ours, theirs) in enumerate(rounds, 1):
    print(f"round {i:2}: median tolvarin-cli {ms(ours['median']):5.2f} ms, units {ms(theirs['median']):5.2f} ms")
ours = statistics.median(ms(r[0]["median"]) for r in rounds)
theirs = statistics.median(ms(r[1]["median"]) for r in rounds)
# Processor time (user + system) is less disturbed by other work on the machine.
cpu_ours = statistics.median(ms(r[0]["user"] + r[0]["system"]) for r in rounds)
cpu_theirs = statistics.median(ms(r[1]["user"] + r[1]["system"]) for r in rounds)
print(f"median of the rounds: tolvarin-cli {ours:.2f} ms, units {theirs:.2f} ms, "
      f"units / tolvarin-cli = {theirs / ours:.2f}")
print(f"processor time: tolvarin-cli {cpu_ours:.2f} ms, units {cpu_theirs:.2f} ms, "
      f"units / tolvarin-cli = {cpu_theirs / cpu_ours:.2f}")
PY
