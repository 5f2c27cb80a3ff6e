#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz (scripts/build.sh fuzz) and runs each
# on its starting corpus for a bounded time under AddressSanitizer and
# UndefinedBehaviorSanitizer. A crash, a sanitizer report, a failed property,
# a hang or a leak ends the run with an error; the input that caused it is
# kept in build-fuzz/findings/.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 20 s, every target)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true

"$here/scripts/build.sh" fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for folder in "$here"/tests/fuzz/corpus/*/; do targets+=("$(basename "$folder")"); done
fi

findings="$here/build-fuzz/findings"
mkdir -p "$findings"
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
  # Inputs found along the way go to a scratch corpus; the stored corpus stays as it is.
  work=$(mktemp -d)
  echo "== fuzz_$target: ${seconds} s"
  if ! "$here/build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
      "$work" "$here/tests/fuzz/corpus/$target" 2>&1 | tail -n 40; then
    failed+=("$target")
  fi
  rm -rf "$work"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that failed: ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
echo "Every fuzz target ran ${seconds} s without a finding."
