#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh"
vimo_configure_and_build "$VIMO_BUILD/bench-host" "" -DVIMO_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release
[ -x "$VIMO_BUILD/bench-host/host_bench" ] && "$VIMO_BUILD/bench-host/host_bench"
windir=$(vimo_build_windows)
arch=$(basename "$windir")
cmake --build "$windir" --target win_bench
trap testenv_stop EXIT
testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-test"
"$VIMO_WINE" "$windir/win_bench.exe"
