#!/usr/bin/env bash
# Completes command lines of tolvarin-cli with its bash completion and
# compares the offered words.
#
#   completion_test.sh TOLVARIN_CLI COMPLETION_FILE
set -uo pipefail
cli=$1
# shellcheck source=/dev/null
source "$2"

# The words as bash splits them ("=" is a word of its own); the last one is
# being completed. Then the words expected, sorted.
cases=(
  "|as info list search"
  "l|list"
  "as h|hex"
  "as b|base based bin"
  "list Ob|Objem Obsah"
  "-5 |"
  "--format |D F J S"
  "--format = S|S"
  "--csv --t|--topic --tsv"
  "--topic Del|Delka"
  "--level 2 |as info list search"
  "--data = /nonexistent --topic |"
)

failures=0
for entry in "${cases[@]}"; do
  line=${entry%%|*}
  expected=${entry#*|}
  read -ra COMP_WORDS <<<"$line"
  COMP_WORDS=("$cli" "${COMP_WORDS[@]}")
  [[ $line == "" || $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _tolvarin_cli
  offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
  if [[ $offered != "$expected" ]]; then
    echo "FAILED: 'tolvarin-cli $line' offered '$offered', expected '$expected'"
    failures=$((failures + 1))
  fi
done
echo "$(( ${#cases[@]} - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
