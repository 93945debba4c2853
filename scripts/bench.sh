#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh"
vimo_configure_and_build "$VIMO_BUILD/bench-host" "" -DVIMO_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release
for bench in "$VIMO_BUILD"/bench-host/*_bench; do [ -x "$bench" ] && "$bench"; done
windir=$(vimo_build_windows)
arch=$(basename "$windir")
trap testenv_stop EXIT
testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-test"
for bench in "$windir"/*_win_bench.exe; do "$VIMO_WINE" "$bench"; done
