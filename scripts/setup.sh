#!/usr/bin/env bash
# Installs what building and testing VimoKap needs on a Debian 12 machine (run as root).
# Quick on a machine that already has everything: it only asks dpkg.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# A package installed for both architectures is named with its own (`dpkg -s` cannot tell the two apart by
# name alone).
# clang and libclang-rt-dev (libFuzzer and the sanitizer runtimes) build the fuzz targets.
packages=(g++ cmake ninja-build googletest libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  clang libclang-rt-dev wine wine64 xvfb xdotool imagemagick x11-apps x11-utils
  fonts-liberation fonts-dejavu-core python3 procps iproute2 dovecot-pop3d
  gstreamer1.0-plugins-base:amd64 gstreamer1.0-plugins-good:amd64 xcompmgr)
# 32-bit Wine is wanted only where the kernel can run it, with what its tests need beside it. They are
# installed with the rest when they can be; when they cannot be (an architecture's index missing while a
# mirror syncs, say), the tests run under 64-bit Wine without them, and a machine that has everything
# else is not asked again.
optional=("${VIMO_WINE32_PACKAGES[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# Where 32-bit Wine is there and runs, what it needs beside it is asked for too.
if vimo_wine32_runs; then
  for p in "${optional[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
fi
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # An index that fails to download (a mirror in the middle of a sync) is tried again; if it still fails,
  # the install goes on with the indexes there are.
  for try in 1 2 3; do
    apt-get update -qq && break
    [ "$try" = 3 ] || sleep 10
  done
  # The POP3 server is only a peer of the tests, started privately on 127.0.0.1: the package's own
  # service must not start (and take port 110) on install.
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' >/usr/sbin/policy-rc.d && chmod +x /usr/sbin/policy-rc.d
    # Taken away however the install ends: left behind, it would stop every service the machine installs.
    trap 'rm -f /usr/sbin/policy-rc.d' EXIT
  fi
  if ! apt-get install -y -qq --no-install-recommends "${packages[@]}" "${optional[@]}" >/dev/null; then
    echo "setup: installing again without ${optional[*]}"
    apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
  fi
fi
