#!/usr/bin/env bash
# The long run of the kill-while-saving test: kills the program [rounds] times (default 1000) at
# random moments while it saves [kaps] changed kaps (default 100), checking every document and the
# settings file after each kill.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh"
windir=$(vimo_build_windows)
arch=$(basename "$windir")
trap testenv_stop EXIT
testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-test"
VIMO_KILL_ROUNDS=${1:-1000} VIMO_KILL_KAPS=${2:-100} \
  "$VIMO_WINE" "$windir/e2e_tests.exe" --gtest_filter='KillWhileSaving.*'
