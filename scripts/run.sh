#!/usr/bin/env bash
# Builds VimoKap and runs it in a Wine desktop with a task bar: on $DISPLAY when there is one,
# otherwise on a private Xvfb display, where it leaves a screenshot and prints its path.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh"
windir=$(vimo_build_windows)
arch=$(basename "$windir")
progdir=$VIMO_BUILD/run-$arch
mkdir -p "$progdir"
cp -r "$windir/program/." "$progdir/"

trap testenv_stop EXIT
testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-run" "${DISPLAY:-}"
cd "$progdir"
if [ -n "${TESTENV_OWN_DISPLAY:-}" ]; then
  "$VIMO_WINE" VimoKap.exe &
  app=$!
  sleep "${VIMO_RUN_SECONDS:-8}"
  shot=$VIMO_BUILD/vimokap-screenshot.png
  import -display "$DISPLAY" -window root "$shot"
  echo "screenshot: $shot"
  kill "$app" 2>/dev/null || true
else
  echo "VimoKap runs on $DISPLAY; choose Exit in its tray menu to end it."
  "$VIMO_WINE" VimoKap.exe
fi
