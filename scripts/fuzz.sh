#!/usr/bin/env bash
# Fuzzes every reader of outside data: builds build/fuzz and runs each fuzz target in turn for the given
# number of seconds (default 600) or until it has made the given number of executions (default: no
# limit), starting from its inputs (tests/fuzz/inputs/<name>) and from the corpus earlier runs have grown
# (build/fuzz/fuzz-work/<name>/corpus). Names after those two fuzz only those targets.
# Usage: scripts/fuzz.sh [seconds] [executions] [name...]
# Prints one line per target, "<name>: N executions, finding: none" or the finding's file. A crash, leak,
# timeout or out-of-memory input found is copied into the target's inputs folder, where the host build's
# fuzz.<name>.inputs test replays it from then on. Exits with 1 when anything was found.
# VIMO_FUZZ_WORKERS=N fuzzes each target in N processes at once (libFuzzer's fork mode); the executions
# counted are those of all of them.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

seconds=${1:-600}
runs=${2:--1}
shift $(($# < 2 ? $# : 2))
bash "$VIMO_ROOT/scripts/setup.sh" || exit 1
vimo_build_fuzz || exit 1

# Fresh allocations are not filled and freed memory waits in a smaller quarantine: the targets allocate
# much, and with the defaults their runs went largely to filling and mapping pages (the settings target
# ran at 0.4 times the speed, with six times the memory); a use after free within one input is still caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=16}

workers=${VIMO_FUZZ_WORKERS:-1}
fork=()
[ "$workers" -gt 1 ] && fork=(-fork="$workers")

status=0
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for src in "$VIMO_ROOT"/tests/fuzz/*_fuzz.cpp; do names+=("$(basename "$src" _fuzz.cpp)"); done
fi
for name in "${names[@]}"; do
  inputs=$VIMO_ROOT/tests/fuzz/inputs/$name
  work=$VIMO_BUILD/fuzz/fuzz-work/$name
  found=$work/fuzz-sh # this run's findings only
  rm -rf "$found"
  mkdir -p "$work/corpus" "$found"
  # libFuzzer stops itself after the given time; the outer limit only guards against a stuck process.
  timeout --kill-after=30 $((seconds + 300)) "$VIMO_BUILD/fuzz/${name}_fuzz" "${fork[@]}" -max_total_time="$seconds" -runs="$runs" \
    -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$found/" \
    "$work/corpus" "$inputs" >"$work/fuzz.log" 2>&1
  made=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$work/fuzz.log" | tail -n1)
  # Fork mode prints no final statistics: its last progress line counts the executions of every process.
  [ -n "$made" ] || made=$(sed -nE 's/^#([0-9]+): cov:.*/\1/p' "$work/fuzz.log" | tail -n1)
  finding=none
  for file in "$found"/crash-* "$found"/leak-* "$found"/timeout-* "$found"/oom-*; do
    [ -e "$file" ] || continue
    cp "$file" "$inputs/"
    finding=tests/fuzz/inputs/$name/$(basename "$file")
    status=1
  done
  echo "$name: ${made:-?} executions, finding: $finding"
done
exit $status
