#!/usr/bin/env bash
# Installs what building and testing VimoKap needs on a Debian 12 machine (run as root).
# Quick on a machine that already has everything: it only asks dpkg.
set -euo pipefail

packages=(g++ cmake ninja-build googletest libgtest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine32:i386 wine64 xvfb xdotool imagemagick x11-apps x11-utils
  fonts-liberation fonts-dejavu-core python3 procps)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
fi
