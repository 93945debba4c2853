# The Wine test environment, shared by the test, run and bench scripts (source this file).
#   testenv_start ARCH PREFIX [DISPLAY]   - one environment: an X display (a private Xvfb unless one is
#                                           given), the Wine prefix (made once and reused), a warm
#                                           persistent wineserver; its variables are exported here
#   testenv_start_workers ARCH PREFIX N   - N such environments side by side, each with its own Xvfb
#                                           display, its own copy of PREFIX and its own wineserver, so
#                                           that tests which move the pointer can run in parallel
#   testenv_stop                          - ends exactly what was started
# Each environment is described by an env file that scripts/wine-run.sh reads: VIMO_TESTENV names the
# first one; under CTest, the display resource a test was given picks VIMO_TESTENV_DIR/worker-<id>.env.
# shellcheck shell=bash

TESTENV_XVFB_PIDS=()
TESTENV_PREFIXES=()

testenv_wine() { # arch: the Wine loader of that arch
  if [ "$1" = win64 ]; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

# Runs a command in the Wine environment of one prefix (without touching the caller's variables).
testenv_in_prefix() { # arch prefix command...
  local arch=$1 prefix=$2
  shift 2
  local loader
  loader=$(testenv_wine "$arch")
  (
    export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    export XDG_CONFIG_HOME=$prefix/config
    if [ "$arch" = win64 ]; then export WINELOADER=$loader; else unset WINELOADER; fi
    "$@"
  )
}

# Makes a prefix once: fonts, no crash dialog, one desktop with a task bar for every program.
testenv_make_prefix() { # arch prefix
  local arch=$1 prefix=$2 wine
  wine=$(testenv_wine "$arch")
  [ -f "$prefix/.vimo-ready" ] && return 0
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  testenv_in_prefix "$arch" "$prefix" bash -c '
    wine=$1
    "$wine" wineboot -i >/dev/null 2>&1 || true
    reg() { "$wine" reg add "$@" /f >/dev/null; }
    reg "HKCU\\Software\\Wine\\Fonts\\Replacements" /v Arial /d "Liberation Sans"
    reg "HKCU\\Software\\Wine\\Fonts\\Replacements" /v "Courier New" /d "Liberation Mono"
    reg "HKCU\\Software\\Wine\\Fonts\\Replacements" /v "Times New Roman" /d "Liberation Serif"
    reg "HKCU\\Software\\Wine\\WineDbg" /v ShowCrashDialog /t REG_DWORD /d 0
    reg "HKCU\\Software\\Wine\\Explorer" /v Desktop /d shell
    reg "HKCU\\Software\\Wine\\Explorer\\Desktops" /v shell /d 1024x768
    wineserver -w' _ "$wine"
  touch "$prefix/.vimo-ready"
}

# Takes the virtual desktop out of a prefix: its programs' windows become windows of the X display,
# so that with a compositing manager layered windows blend with what is under them, as on Windows.
testenv_true_alpha() { # arch prefix
  local arch=$1 prefix=$2 wine
  wine=$(testenv_wine "$arch")
  [ -f "$prefix/.vimo-true-alpha" ] && return 0
  testenv_in_prefix "$arch" "$prefix" bash -c '
    "$1" reg delete "HKCU\\Software\\Wine\\Explorer" /v Desktop /f >/dev/null 2>&1 || true
    wineserver -w' _ "$wine"
  touch "$prefix/.vimo-true-alpha"
}

# Starts a private Xvfb; its display name goes to TESTENV_DISPLAY, its pid joins TESTENV_XVFB_PIDS.
testenv_xvfb() {
  local fdfile i
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  TESTENV_XVFB_PIDS+=($!)
  for i in $(seq 200); do [ -s "$fdfile" ] && break; sleep 0.05; done
  TESTENV_DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# Starts the wineserver of a prepared prefix on a display and writes the env file.
testenv_launch() { # arch prefix display envfile
  local arch=$1 prefix=$2 display=$3 envfile=$4 wine
  wine=$(testenv_wine "$arch")
  TESTENV_PREFIXES+=("$arch:$prefix")
  # Sound goes to ALSA's null device: the media player plays (and reports its states) without a card.
  mkdir -p "$prefix/config/alsa"
  printf 'pcm.!default { type null }\nctl.!default { type null }\n' >"$prefix/config/alsa/asoundrc"
  DISPLAY=$display testenv_in_prefix "$arch" "$prefix" bash -c 'wineserver -p; "$1" cmd /c exit >/dev/null 2>&1 || true' _ "$wine"
  cat >"$envfile" <<ENV
export WINEPREFIX='$prefix' WINEARCH='$arch' WINEDEBUG='-all' DISPLAY='$display'
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=' VIMO_WINE='$wine' XDG_CONFIG_HOME='$prefix/config'
$([ "$arch" = win64 ] && echo "export WINELOADER='$wine'" || echo "unset WINELOADER")
ENV
}

testenv_start() { # arch prefix [display]
  local arch=$1 prefix=$2 display=${3:-}
  testenv_make_prefix "$arch" "$prefix"
  TESTENV_OWN_DISPLAY=
  if [ -z "$display" ]; then
    testenv_xvfb
    display=$TESTENV_DISPLAY
    TESTENV_OWN_DISPLAY=1
  fi
  testenv_launch "$arch" "$prefix" "$display" "$prefix.env"
  # shellcheck disable=SC1090
  source "$prefix.env"
  export VIMO_TESTENV=$prefix.env
}

# Copies a prepared prefix for a worker. The program files of the Windows tree (most of a prefix's size)
# are only ever read, so the copy shares them with the template through hard links; every other file
# (registry, INI files, whatever a program may write in place) is a copy of its own.
testenv_copy_prefix() { # template worker
  cp -al "$1" "$2" || return 1
  find "$2" -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.ocx' \
    -o -iname '*.acm' -o -iname '*.cpl' -o -iname '*.ax' -o -iname '*.nls' -o -iname '*.tlb' -o -iname '*.ttf' \
    -o -iname '*.fon' \) -exec sh -c 'for f; do cp -p "$f" "$f.own" && mv -f "$f.own" "$f" || exit 1; done' _ {} +
}

testenv_start_workers() { # arch prefix count
  local arch=$1 template=$2 count=$3 k worker display
  testenv_make_prefix "$arch" "$template"
  export VIMO_TESTENV_DIR=$template.workers
  mkdir -p "$VIMO_TESTENV_DIR"
  for ((k = 0; k < count; k++)); do
    worker=$template-w$k
    if [ ! -f "$worker/.vimo-ready" ] || [ "$template/.vimo-ready" -nt "$worker/.vimo-ready" ]; then
      rm -rf "$worker"
      testenv_copy_prefix "$template" "$worker" || return 1
      touch "$worker/.vimo-ready"
    fi
    testenv_xvfb
    display=$TESTENV_DISPLAY
    testenv_launch "$arch" "$worker" "$display" "$VIMO_TESTENV_DIR/worker-$k.env"
  done
  export VIMO_TESTENV=$VIMO_TESTENV_DIR/worker-0.env
  # The displays CTest hands out, one per worker.
  {
    printf '{"version":{"major":1,"minor":0},"local":[{"displays":['
    for ((k = 0; k < count; k++)); do printf '%s{"id":"%d","slots":1}' "$([ "$k" -gt 0 ] && echo ,)" "$k"; done
    printf ']}]}\n'
  } >"$VIMO_TESTENV_DIR/resources.json"
}

testenv_stop() {
  local entry pid
  for entry in "${TESTENV_PREFIXES[@]}"; do
    testenv_in_prefix "${entry%%:*}" "${entry#*:}" wineserver -k >/dev/null 2>&1 || true
  done
  for pid in "${TESTENV_XVFB_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  TESTENV_PREFIXES=()
  TESTENV_XVFB_PIDS=()
}

testenv_run_e2e() { # gtest-filter name: builds, then runs those end-to-end tests in a Wine prefix and on a
  # display of their own (the prefix named after name), so that several long runs can go side by side
  bash "$VIMO_ROOT/scripts/setup.sh"
  local windir
  windir=$(vimo_build_windows) || return 1
  testenv_run_built_e2e "$windir" "$1" "$2"
}

testenv_run_built_e2e() { # windows-build-dir gtest-filter name: the same without building
  local arch
  arch=$(basename "$1")
  trap testenv_stop EXIT
  testenv_start "$arch" "$VIMO_BUILD/wineprefix-$arch-$3"
  "$VIMO_WINE" "$1/e2e_tests.exe" --gtest_filter="$2"
}
