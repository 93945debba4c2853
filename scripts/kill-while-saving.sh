#!/usr/bin/env bash
# The long run of the kill-while-saving test: kills the program [rounds] times (default 1000) at
# random moments while it saves [kaps] changed kaps (default 100), checking every document and the
# settings file after each kill.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"
VIMO_KILL_ROUNDS=${1:-1000} VIMO_KILL_KAPS=${2:-100} testenv_run_e2e 'KillWhileSaving.*' kill
