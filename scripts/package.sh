#!/usr/bin/env bash
# Builds the download package build/VimoKap-<version>.zip: the 32-bit program and hook library with
# every shipped skin, the 64-bit build of both with the skins in x64\, and a read-me for Windows
# users. The version comes from base/version.h.
#   package.sh [--no-build] [--unpack-to DIR]
#     --no-build      package what the builds hold (the test command has built them)
#     --unpack-to DIR unpack the package into DIR (emptied first), as a user would
set -euo pipefail
source "$(dirname "$0")/lib.sh"

build=1 unpack=
while (($#)); do
  case $1 in
  --no-build) build= ;;
  --unpack-to) unpack=$2; shift ;;
  *) echo "package: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done

if [ -n "$build" ]; then
  bash "$VIMO_ROOT/scripts/setup.sh"
  vimo_configure_and_build "$VIMO_BUILD/win32" mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >&2
  vimo_configure_and_build "$VIMO_BUILD/win64" mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >&2
fi

version=$(sed -nE 's/^#define VIMO_VERSION_TEXT "(.*)"/\1/p' "$VIMO_ROOT/base/version.h")
[ -n "$version" ] || { echo "package: no version in base/version.h" >&2; exit 1; }
name=VimoKap-$version
stage=$VIMO_BUILD/package/$name
rm -rf "$VIMO_BUILD/package"
mkdir -p "$stage/x64"
for arch in win32 win64; do
  program=$VIMO_BUILD/$arch/program
  for f in VimoKap.exe VimoDetect.dll Skin; do
    [ -e "$program/$f" ] || { echo "package: $program/$f is missing (build first)" >&2; exit 1; }
  done
done
cp -r "$VIMO_BUILD/win32/program/VimoKap.exe" "$VIMO_BUILD/win32/program/VimoDetect.dll" \
  "$VIMO_BUILD/win32/program/Skin" "$stage/"
cp -r "$VIMO_BUILD/win64/program/VimoKap.exe" "$VIMO_BUILD/win64/program/VimoDetect.dll" \
  "$VIMO_BUILD/win64/program/Skin" "$stage/x64/"
# What a user downloads carries no debugging information.
i686-w64-mingw32-strip "$stage/VimoKap.exe" "$stage/VimoDetect.dll"
x86_64-w64-mingw32-strip "$stage/x64/VimoKap.exe" "$stage/x64/VimoDetect.dll"
# The read-me with Windows line ends and the version filled in.
sed "s/VERSION/$version/; s/\$/\r/" "$VIMO_ROOT/docs/package-readme.txt" >"$stage/README.txt"

zip=$VIMO_BUILD/$name.zip
rm -f "$zip"
python3 - "$VIMO_BUILD/package" "$name" "$zip" <<'PY'
import os, sys, zipfile
root, name, target = sys.argv[1:]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in os.walk(os.path.join(root, name)):
        for f in sorted(files):
            path = os.path.join(folder, f)
            z.write(path, os.path.relpath(path, root))
PY
echo "package: $zip"

if [ -n "$unpack" ]; then
  rm -rf "$unpack"
  mkdir -p "$unpack"
  python3 -m zipfile -e "$zip" "$unpack"
  echo "unpacked: $unpack/$name"
fi
