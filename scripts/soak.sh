#!/usr/bin/env bash
# The long soak run: the program with 38 kaps, the dock and the window bar busy for [minutes]
# (default 120), its memory, open files, threads, windows and drawing objects sampled every minute.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"
# A prefix of its own: the test command's ten-minute soak uses "soak", and two runs in one prefix share
# one wineserver, which the first to end stops.
VIMO_SOAK_MINUTES=${1:-120} testenv_run_e2e 'Soak.*' soak-long
