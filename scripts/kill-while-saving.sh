#!/usr/bin/env bash
# The long run of the kill-while-saving test: kills the program [rounds] times (default 1000) at
# random moments while it saves [kaps] changed kaps (default 100), checking every document and the
# settings file after each kill. Runs given different numbers [run] (default 0) have folders, Wine
# prefixes and kill moments of their own, and can go side by side.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"
run=${3:-0}
prefix=kill # run 0 keeps the prefix name it always had
[ "$run" = 0 ] || prefix=kill$run
VIMO_KILL_ROUNDS=${1:-1000} VIMO_KILL_KAPS=${2:-100} VIMO_KILL_RUN=$run testenv_run_e2e 'KillWhileSaving.*' "$prefix"
