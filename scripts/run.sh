#!/usr/bin/env bash
# Builds VimoKap and runs it. On a private Xvfb display (when there is no $DISPLAY) it runs with true
# alpha (a compositing manager, no Wine virtual desktop), is used as a new user would use it (kaps
# made from the tray, a note typed, pictures dropped on a photo album) and leaves a screenshot; it
# prints where the screenshot and the program directory are. On $DISPLAY it runs until Exit.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$VIMO_ROOT/scripts/testenv.sh"

bash "$VIMO_ROOT/scripts/setup.sh"
windir=$(vimo_build_windows)
arch=$(basename "$windir")
progdir=$VIMO_BUILD/run-$arch
prefix=$VIMO_BUILD/wineprefix-$arch-run
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

testenv_make_prefix "$arch" "$prefix"
testenv_true_alpha "$arch" "$prefix"
trap 'kill "${compositor:-}" 2>/dev/null || true; testenv_stop' EXIT
testenv_start "$arch" "$prefix" "${DISPLAY:-}"

if [ -n "${TESTENV_OWN_DISPLAY:-}" ]; then
  # A fresh program directory each time, so the screenshot shows a first run.
  rm -rf "$progdir"
  mkdir -p "$progdir"
  cp -r "$windir/program/." "$progdir/"
  xcompmgr -d "$DISPLAY" >/dev/null 2>&1 &
  compositor=$!
  pictures=$VIMO_BUILD/run-pictures
  mkdir -p "$pictures"
  convert -size 640x480 gradient:'#2b5876-#4e4376' "$pictures/dusk.png"
  convert -size 640x480 plasma:'#f6d365-#fda085' -blur 0x2 "$pictures/sunrise.png"
  convert -size 640x480 radial-gradient:'#a8e063-#56ab2f' "$pictures/meadow.png"
  "$VIMO_WINE" "$windir/showcase_win.exe" "$(winpath "$progdir")" "$(winpath "$pictures")" || true
  sleep "${VIMO_RUN_SECONDS:-2}" # the last picture and the clock settle on the screen
  shot=$VIMO_BUILD/vimokap-screenshot.png
  import -display "$DISPLAY" -window root "$shot"
  echo "screenshot: $shot"
  echo "program directory: $progdir"
  echo "to start it again there: cd $progdir && WINEPREFIX=$prefix $VIMO_WINE VimoKap.exe"
else
  mkdir -p "$progdir"
  cp -r "$windir/program/." "$progdir/"
  echo "VimoKap runs on $DISPLAY from $progdir; choose Exit in its tray menu to end it."
  echo "Kaps show true alpha where the display has a compositing manager (for example xcompmgr)."
  cd "$progdir"
  "$VIMO_WINE" VimoKap.exe
fi
