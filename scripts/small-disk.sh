#!/usr/bin/env bash
# A size-limited folder for the full-disk test: a small tmpfs mounted on DIR.
#   small-disk.sh mount DIR MEGABYTES
#   small-disk.sh unmount DIR
# Where the machine does not allow mounting, DIR stays a plain folder and the test says so.
set -uo pipefail
action=${1:?mount or unmount}
dir=$(realpath -m "${2:?directory}")
case "$action" in
mount)
  mountpoint -q "$dir" && umount "$dir"
  mkdir -p "$dir"
  mount -t tmpfs -o "size=${3:?megabytes}m" tmpfs "$dir" 2>/dev/null ||
    echo "small-disk: this machine allows no mount; $dir is a plain folder"
  ;;
unmount)
  mountpoint -q "$dir" && umount "$dir"
  rmdir "$dir" 2>/dev/null
  ;;
esac
exit 0
