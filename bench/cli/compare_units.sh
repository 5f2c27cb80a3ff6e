#!/usr/bin/env bash
# One conversion as a whole process, tolvarin-cli against GNU Units, side by
# side with hyperfine on the shipped data files:
#
#   bench/cli/compare_units.sh [path/to/tolvarin-cli]
#
# The default program is build/bin/tolvarin-cli, which finds the shipped data
# files next to itself. ROUNDS (default 3) runs the pair several times, so
# that a change in the machine's load shows as a spread between the rounds;
# RUNS (default 200) is the number of runs per command and round. Needs the
# Debian packages hyperfine and units, and python3 to read hyperfine's report.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
cli=${1:-$here/build/bin/tolvarin-cli}
rounds=${ROUNDS:-3}
runs=${RUNS:-200}

for tool in hyperfine units python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install hyperfine units python3)" >&2; exit 2; }
done
[ -x "$cli" ] || { echo "$cli is not built" >&2; exit 2; }

# Both must give the same answer before their times mean anything.
ours=$("$cli" 5 km m)
theirs=$(units -t '5 km' m)
echo "tolvarin-cli 5 km m   -> $ours"
echo "units -t '5 km' m     -> $theirs"
[ "$ours" = "$theirs" ] || { echo "the results differ" >&2; exit 1; }

report=$(mktemp)
trap 'rm -f "$report"' EXIT
for round in $(seq 1 "$rounds"); do
  hyperfine --warmup 3 -N --runs "$runs" --style none \
    --export-json "$report" "$cli 5 km m" "units -t '5 km' m" >/dev/null
  python3 - "$report" "$round" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
ours, theirs = (r["median"] * 1000 for r in results)
# Processor time is less disturbed than wall time by other work on the machine.
cpu_ours, cpu_theirs = ((r["user"] + r["system"]) * 1000 for r in results)
print(f"round {sys.argv[2]}: median tolvarin-cli {ours:.2f} ms, units {theirs:.2f} ms, "
      f"ratio units/tolvarin-cli {theirs / ours:.2f}; "
      f"processor time {cpu_ours:.2f} ms against {cpu_theirs:.2f} ms")
PY
done
