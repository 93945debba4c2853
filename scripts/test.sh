#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests, a few seconds of each fuzz target, Win32 tests
# under Wine, end-to-end tests.
# The Wine tests run side by side on VIMO_WINE_WORKERS workers (default: one more than the cores),
# each with its own X display, Wine prefix and wineserver.
# Ends with the time of each phase, the ten slowest tests and one line "tests: N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

logdir=$VIMO_BUILD/test-logs
mkdir -p "$logdir"
passed=0 failed=0 status=0
phases=()
phase_start=$SECONDS
phase() { # records the time since the last phase under a name
  phases+=("$(printf '%-28s %4d s' "$1" $((SECONDS - phase_start)))")
  phase_start=$SECONDS
}

count_gtest() { # log file of one test program's run
  local n f
  n=$(sed -nE 's/^\[==========\] ([0-9]+) tests? from .* ran\..*/\1/p' "$1" | tail -n1)
  f=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' "$1" | tail -n1)
  if [ -z "$n" ]; then failed=$((failed + 1)); status=1; return; fi
  f=${f:-0}
  passed=$((passed + n - f))
  failed=$((failed + f))
  [ "$f" -eq 0 ] || status=1
}

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

free_at_start=$(vimo_free_disk)
bash "$VIMO_ROOT/scripts/setup.sh" || exit 1
phase "set-up"

# The build the Wine tests run on comes first: the soak (ten minutes of the program left running)
# starts as soon as it is there and runs beside the other builds and the tests, on a display, Wine
# prefix and wineserver of its own.
arch=$(vimo_wine_arch)
echo "== Windows build ($arch)"
windir=
vimo_build_arch "$arch" && windir=$VIMO_BUILD/$arch
phase "Windows build ($arch)"
if [ -n "$windir" ]; then
  (VIMO_SOAK_MINUTES=10 timeout 1800 bash -c 'source "$1/scripts/lib.sh"; source "$1/scripts/testenv.sh"
    testenv_run_built_e2e "$2" "Soak.*" soak' _ "$VIMO_ROOT" "$windir") >"$logdir/soak.log" 2>&1 &
  soak_pid=$!
fi
# The other build: the product where the tests run on 64-bit Wine; the 64-bit build, which the download
# package holds beside the product, where they run on 32-bit Wine.
other=win32
[ "$arch" = win32 ] && other=win64
echo "== Windows build ($other)"
vimo_build_arch "$other" || { echo "$other build failed"; failed=$((failed + 1)); status=1; }
phase "Windows build ($other)"

echo "== host build"
host_ok=0
# Unoptimised, with line tables only: the sanitizers find the same faults, and the test files build
# several times faster.
vimo_configure_and_build "$VIMO_BUILD/host" "" -DVIMO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DCMAKE_C_FLAGS_DEBUG="-O0 -g1" && host_ok=1
phase "host build"

echo "== fuzz build"
fuzz_ok=0
vimo_build_fuzz && fuzz_ok=1
phase "fuzz build"

# The host tests need little time; they run while the Wine workers start. So do the fuzz targets, one
# after the other for a few seconds each.
if [ "$host_ok" = 1 ]; then
  (cd "$VIMO_BUILD/host" && ctest -j"$(nproc)" --output-on-failure --timeout 120) >"$logdir/host.log" 2>&1 &
  host_pid=$!
else
  echo "host build failed"; failed=$((failed + 1)); status=1
fi
if [ "$fuzz_ok" = 1 ]; then
  (cd "$VIMO_BUILD/fuzz" && ctest --output-on-failure --timeout 120) >"$logdir/fuzz.log" 2>&1 &
  fuzz_pid=$!
else
  echo "fuzz build failed"; failed=$((failed + 1)); status=1
fi

if [ -n "$windir" ]; then
  arch=$(basename "$windir")
  workers=${VIMO_WINE_WORKERS:-$(($(nproc) + 1))}
  echo "== Win32 and end-to-end tests under Wine ($arch, $workers workers)"
  trap testenv_stop EXIT
  if testenv_start_workers "$arch" "$VIMO_BUILD/wineprefix-$arch-test" "$workers"; then
    cp "$VIMO_TESTENV_DIR/resources.json" "$windir/test-displays.json" # the build's CTest reads it there
    (cd "$windir" && ctest -j"$workers" -E '^e2e\.Soak\.' --output-on-failure --timeout 300) >"$logdir/wine.log" 2>&1
  else
    echo "the Wine workers could not be started (disk: $(vimo_free_disk))" | tee "$logdir/wine.log"
  fi
  testenv_stop
  trap - EXIT
else
  echo "Windows build failed"; failed=$((failed + 1)); status=1
fi
if [ -n "${host_pid:-}" ]; then
  wait "$host_pid"
  cat "$logdir/host.log"
  count "$logdir/host.log"
fi
if [ -n "${fuzz_pid:-}" ]; then
  wait "$fuzz_pid"
  cat "$logdir/fuzz.log"
  count "$logdir/fuzz.log"
fi
[ -n "$windir" ] && { cat "$logdir/wine.log"; count "$logdir/wine.log"; }
if [ -n "${soak_pid:-}" ]; then
  wait "$soak_pid"
  cat "$logdir/soak.log"
  count_gtest "$logdir/soak.log"
fi
phase "tests (host, fuzz, Wine, soak)"

echo
echo "== free disk at the start and at the end: $free_at_start, $(vimo_free_disk)"
echo "== time of each phase"
printf '%s\n' "${phases[@]}"
echo "== ten slowest tests"
cat "$logdir"/host.log "$logdir"/wine.log 2>/dev/null |
  sed -nE 's/.*Test +#[0-9]+: ([^ ]+) \.+.* ([0-9.]+) sec$/\2 \1/p' | sort -rn | head -n 10
echo "tests: $passed passed, $failed failed"
exit $status
