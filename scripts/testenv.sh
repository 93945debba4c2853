# The Wine test environment, shared by the test and run scripts (source this file).
#   testenv_start ARCH PREFIX [DISPLAY]  - X display (a private Xvfb unless one is given), the Wine prefix
#                                          (made once and reused), a warm persistent wineserver
#   testenv_stop                         - ends exactly what testenv_start started
# testenv_start writes PREFIX.env, which scripts/wine-run.sh reads to run a program in this environment.
# shellcheck shell=bash

testenv_start() {
  local arch=$1 prefix=$2 display=${3:-}
  export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  if [ "$arch" = win64 ]; then
    export VIMO_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
  else
    export VIMO_WINE=/usr/lib/wine/wine
    unset WINELOADER
  fi
  TESTENV_XVFB_PID=
  if [ -z "$display" ]; then
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    TESTENV_XVFB_PID=$!
    local i
    for i in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
    display=:$(head -n1 "$fdfile")
    rm -f "$fdfile"
  fi
  export DISPLAY=$display
  mkdir -p "$(dirname "$prefix")"
  if [ ! -f "$prefix/.vimo-ready" ]; then
    rm -rf "$prefix"
    "$VIMO_WINE" wineboot -i >/dev/null 2>&1 || true
    local reg=("$VIMO_WINE" reg add)
    "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
    # Every program of this prefix joins one desktop that has a task bar, as on a real machine.
    "${reg[@]}" 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null
    "${reg[@]}" 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null
    wineserver -w
    touch "$prefix/.vimo-ready"
  fi
  wineserver -p
  "$VIMO_WINE" cmd /c exit >/dev/null 2>&1 || true
  cat >"$prefix.env" <<ENV
export WINEPREFIX='$WINEPREFIX' WINEARCH='$WINEARCH' WINEDEBUG='$WINEDEBUG' DISPLAY='$DISPLAY'
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES' VIMO_WINE='$VIMO_WINE'
${WINELOADER:+export WINELOADER='$WINELOADER'}
ENV
  export VIMO_TESTENV=$prefix.env
}

testenv_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  if [ -n "${TESTENV_XVFB_PID:-}" ]; then
    kill "$TESTENV_XVFB_PID" 2>/dev/null || true
    wait "$TESTENV_XVFB_PID" 2>/dev/null || true
  fi
  TESTENV_XVFB_PID=
}
