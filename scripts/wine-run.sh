#!/usr/bin/env bash
# Runs a Windows program in a Wine test environment that scripts/testenv.sh started.
# CTest uses it as the emulator of the cross builds: a test that was given a display resource runs in
# that worker's environment, anything else in the first one.
envfile=${VIMO_TESTENV:-}
if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAYS:-}" ] && [ -n "${VIMO_TESTENV_DIR:-}" ]; then
  id=${CTEST_RESOURCE_GROUP_0_DISPLAYS#id:}
  envfile=$VIMO_TESTENV_DIR/worker-${id%%,*}.env
fi
if [ -z "$envfile" ] || [ ! -f "$envfile" ]; then
  echo "wine-run: no test environment; run the tests through scripts/test.sh" >&2
  exit 2
fi
# shellcheck disable=SC1090
source "$envfile"
exec "$VIMO_WINE" "$@"
