# Shared by the run and test scripts: paths, the choice of Windows build, and build steps.
# shellcheck shell=bash
VIMO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VIMO_BUILD=${VIMO_BUILD:-$VIMO_ROOT/build}

# The product is the 32-bit program. Its tests run under 32-bit Wine where the kernel can execute
# 32-bit Linux binaries; on kernels that cannot (no IA32 emulation), the same sources are built for
# 64-bit Windows and tested under 64-bit Wine, and the 32-bit program is still built.
# 32-bit Wine and what its tests need beside it (the media player's tests play sounds).
VIMO_WINE32_PACKAGES=(wine32:i386 gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386)

vimo_wine32_runs() { # 32-bit Wine is installed and the kernel runs it
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

vimo_wine_arch() { # win32 where 32-bit Wine runs with all it needs, else win64
  # VIMO_WINE_ARCH=win64 tries the 64-bit side on a machine that could take the other.
  if [ -n "${VIMO_WINE_ARCH:-}" ]; then echo "$VIMO_WINE_ARCH"; return; fi
  if vimo_wine32_runs && dpkg -s "${VIMO_WINE32_PACKAGES[@]}" >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}

vimo_free_disk() { # the space left where the builds go, for the logs
  df -h --output=avail "$(dirname "$VIMO_BUILD")" | tail -n1 | tr -d ' '
}

vimo_configure_and_build() { # dir toolchain-or-empty extra-cmake-args...
  local dir=$1 toolchain=$2
  shift 2
  local args=(-G Ninja -S "$VIMO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@")
  [ -n "$toolchain" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$VIMO_ROOT/cmake/$toolchain")
  if [ ! -f "$dir/build.ninja" ]; then cmake "${args[@]}" >/dev/null || return 1; fi
  cmake --build "$dir" -- -j"$(nproc)"
}

vimo_build_fuzz() { # the fuzz targets (cmake/Fuzz.cmake), built by clang with libFuzzer
  vimo_configure_and_build "$VIMO_BUILD/fuzz" "" -DVIMO_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
}

vimo_build_arch() { # win32 or win64: one Windows build
  local toolchain=mingw-i686.cmake compile_only=OFF
  [ "$1" = win64 ] && toolchain=mingw-x86_64.cmake
  [ "$1" != "$(vimo_wine_arch)" ] && compile_only=ON
  # Optimised without debug information: the cross builds are the bulk of the build time, and their
  # static links with full debug information the slowest steps.
  vimo_configure_and_build "$VIMO_BUILD/$1" "$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DVIMO_TESTS_COMPILE_ONLY="$compile_only" >&2
}

vimo_build_windows() { # builds the product and the build the tests run on; prints the latter's dir
  local arch
  arch=$(vimo_wine_arch)
  # The build the tests run on comes first, so that long tests can start while the other builds.
  vimo_build_arch "$arch" || return 1
  if [ "$arch" = win64 ]; then vimo_build_arch win32 || return 1; fi
  echo "$VIMO_BUILD/$arch"
}
