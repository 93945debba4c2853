#!/usr/bin/env bash
# Runs a Windows program in the Wine test environment that scripts/testenv.sh started.
# CTest uses it as the emulator of the cross builds.
if [ -z "${VIMO_TESTENV:-}" ] || [ ! -f "$VIMO_TESTENV" ]; then
  echo "wine-run: no test environment; run the tests through scripts/test.sh" >&2
  exit 2
fi
# shellcheck disable=SC1090
source "$VIMO_TESTENV"
exec "$VIMO_WINE" "$@"
