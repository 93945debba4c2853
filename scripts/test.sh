#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests, Win32 tests under Wine, end-to-end tests.
# Ends with one summary line "tests: N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh" || exit 1
logdir=$VIMO_BUILD/test-logs
mkdir -p "$logdir"
passed=0 failed=0 status=0

count() { # log file of a ctest run
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n1)
  if [ -z "$line" ]; then failed=$((failed + 1)); status=1; return; fi
  local f n
  f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  n=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + n - f))
  failed=$((failed + f))
  [ "$f" -eq 0 ] || status=1
}

echo "== host build and unit tests"
if vimo_configure_and_build "$VIMO_BUILD/host" "" -DVIMO_SANITIZE=ON; then
  (cd "$VIMO_BUILD/host" && ctest -j"$(nproc)" --output-on-failure --timeout 120) 2>&1 | tee "$logdir/host.log"
  count "$logdir/host.log"
else
  echo "host build failed"; failed=$((failed + 1)); status=1
fi

echo "== Windows builds"
if windir=$(vimo_build_windows); then
  arch=$(basename "$windir")
  echo "== Win32 and end-to-end tests under Wine ($arch)"
  trap testenv_stop EXIT
  testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-test"
  # One at a time: several tests move the one pointer of the display.
  (cd "$windir" && ctest -j1 --output-on-failure --timeout 300) 2>&1 | tee "$logdir/wine.log"
  count "$logdir/wine.log"
  testenv_stop
  trap - EXIT
else
  echo "Windows build failed"; failed=$((failed + 1)); status=1
fi

echo "tests: $passed passed, $failed failed"
exit $status
