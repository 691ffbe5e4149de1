#!/usr/bin/env bash
# Prepares this machine (Debian 12, run as root) for both builds and all tests:
#   1. Debian packages for the native build, the MinGW-w64 cross build, Wine and the window tests;
#   2. libjpeg-turbo (libjpeg 6b API) and libpng cross-built as static libraries from Debian's
#      source packages into build/deps/mingw (skipped when they are already there);
#   3. the Wine prefix template build/wineprefix with a 1024x768 virtual desktop.
# Safe to run again: every step checks first and does only what is missing (root is needed only
# for what apt-get has to do).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
DEPS="$BUILD/deps"
PREFIX="$DEPS/mingw"
MINGW_ROOT=/usr/x86_64-w64-mingw32

PACKAGES=(
  # native build and tests
  cmake ninja-build g++ make pkg-config python3
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  # Windows cross build
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev libz-mingw-w64-dev
  # building the picture libraries from Debian's sources
  dpkg-dev nasm
  # running and watching the Windows programs
  wine wine64 fonts-wine xvfb xauth xdotool imagemagick x11-utils util-linux
  # checking PDF documents and the clipboard through X (the Edit Mode's Save As and Copy)
  qpdf poppler-utils xclip
  # rendering the test printer's PostScript output
  ghostscript
  # Wine's X11 driver: render, screen and cursor extensions (recommended by libwine)
  libxrender1 libxrandr2 libxcursor1 libxi6 libxcomposite1 libxinerama1 libxfixes3
  # test data generators and formatting
  python3-numpy python3-pil clang-format fonts-dejavu-core
  # drawing the program's artwork from its SVG sources
  librsvg2-bin
  # compiling the help files (chmcmd)
  fp-utils
)

log() { printf '[setup] %s\n' "$*" >&2; }

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "scripts/setup.sh: $1 needs root; run it as root" >&2
    exit 1
  fi
}

mkdir -p "$BUILD"
# One setup at a time on this machine (several build trees may call it together).
exec 9>"$BUILD/.setup.lock"
flock 9

export DEBIAN_FRONTEND=noninteractive
APT_UPDATED=0
apt_update_once() {
  if [ "$APT_UPDATED" -eq 0 ]; then
    log "apt-get update"
    apt-get update -qq
    APT_UPDATED=1
  fi
}

install_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    log "packages: all present"
    return
  fi
  log "packages: installing ${missing[*]}"
  need_root "installing packages"
  apt_update_once
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# apt-get source needs deb-src entries; add them beside the system's deb822 sources, with the
# same URIs and suites (the system file itself stays as it is).
ensure_deb_src() {
  local found
  found=$(apt-cache showsrc libpng1.6 2>/dev/null || true)
  if [ -n "$found" ]; then
    return
  fi
  local system=/etc/apt/sources.list.d/debian.sources
  local ours=/etc/apt/sources.list.d/clarivue-deb-src.sources
  if [ ! -f "$ours" ]; then
    if [ ! -f "$system" ]; then
      echo "no $system to derive deb-src entries from; add deb-src lines by hand" >&2
      exit 1
    fi
    log "adding deb-src entries: $ours"
    need_root "adding deb-src entries"
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:([^\n]* )?deb( |\n|$)/ {
           sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
      "$system" >"$ours"
  fi
  APT_UPDATED=0
  apt_update_once
}

# Unpacks Debian's source package NAME into $DEPS/src and prints the source folder. A mirror
# may lack the newest upload's files for a while: then older versions of the package are tried.
fetch_source() {
  local name=$1 dir versions v
  mkdir -p "$DEPS/src"
  dir=$(find "$DEPS/src" -mindepth 1 -maxdepth 1 -type d -name "$2-*" | head -n 1)
  if [ -z "$dir" ]; then
    ensure_deb_src
    versions=$(apt-cache showsrc "$name" | sed -n 's/^Version: //p' | sort -r -V -u)
    for v in "" $versions; do
      if (cd "$DEPS/src" && apt-get source -qq "$name${v:+=$v}" >"$DEPS/source-$name.log" 2>&1); then
        break
      fi
      find "$DEPS/src" -mindepth 1 -maxdepth 1 -type d -name "$2-*" -exec rm -rf {} +
    done
    dir=$(find "$DEPS/src" -mindepth 1 -maxdepth 1 -type d -name "$2-*" | head -n 1)
    if [ -z "$dir" ]; then
      echo "apt-get source $name failed:" >&2
      cat "$DEPS/source-$name.log" >&2
      exit 1
    fi
  fi
  printf '%s\n' "$dir"
}

CROSS_CMAKE=(-G Ninja -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-w64.cmake"
  -DCMAKE_INSTALL_PREFIX="$PREFIX")

build_libjpeg() {
  if [ -f "$PREFIX/lib/libjpeg.a" ] && [ -f "$PREFIX/include/jpeglib.h" ]; then
    log "libjpeg: cached"
    return
  fi
  local src out simd=ON
  src=$(fetch_source libjpeg-turbo libjpeg-turbo)
  out="$DEPS/build-libjpeg"
  rm -rf "$out"
  log "libjpeg: building from $(basename "$src") (SIMD with nasm)"
  if ! cmake -S "$src" -B "$out" "${CROSS_CMAKE[@]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
      -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
      >"$DEPS/libjpeg-configure-simd.log" 2>&1; then
    log "libjpeg: SIMD not available, building without"
    simd=OFF
    rm -rf "$out"
    cmake -S "$src" -B "$out" "${CROSS_CMAKE[@]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
      -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF -DWITH_SIMD=OFF \
      >"$DEPS/libjpeg-configure.log" 2>&1
  fi
  cmake --build "$out" --target jpeg-static >"$DEPS/libjpeg-build.log" 2>&1 || {
    tail -n 30 "$DEPS/libjpeg-build.log" >&2
    exit 1
  }
  mkdir -p "$PREFIX/include" "$PREFIX/lib"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$out/jconfig.h" "$PREFIX/include/"
  cp "$out/libjpeg.a" "$PREFIX/lib/libjpeg.a.tmp"
  mv "$PREFIX/lib/libjpeg.a.tmp" "$PREFIX/lib/libjpeg.a"
  log "libjpeg: done (SIMD $simd)"
}

build_libpng() {
  if [ -f "$PREFIX/lib/libpng16.a" ] && [ -f "$PREFIX/include/png.h" ]; then
    log "libpng: cached"
    return
  fi
  local src out
  src=$(fetch_source libpng1.6 libpng1.6)
  out="$DEPS/build-libpng"
  rm -rf "$out"
  log "libpng: building from $(basename "$src")"
  cmake -S "$src" -B "$out" "${CROSS_CMAKE[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DZLIB_INCLUDE_DIR="$MINGW_ROOT/include" -DZLIB_LIBRARY="$MINGW_ROOT/lib/libz.a" \
    >"$DEPS/libpng-configure.log" 2>&1 || {
    tail -n 30 "$DEPS/libpng-configure.log" >&2
    exit 1
  }
  cmake --build "$out" --target png_static >"$DEPS/libpng-build.log" 2>&1 || {
    tail -n 30 "$DEPS/libpng-build.log" >&2
    exit 1
  }
  mkdir -p "$PREFIX/include" "$PREFIX/lib"
  cp "$src/png.h" "$src/pngconf.h" "$out/pnglibconf.h" "$PREFIX/include/"
  cp "$out/libpng16.a" "$PREFIX/lib/libpng16.a.tmp"
  mv "$PREFIX/lib/libpng16.a.tmp" "$PREFIX/lib/libpng16.a"
  log "libpng: done"
}

install_packages
start=$(date +%s)
build_libjpeg
build_libpng
log "picture libraries ready in $(($(date +%s) - start)) s: $PREFIX"

start=$(date +%s)
"$ROOT/tests/wine/make-prefix.sh" "$BUILD/wineprefix"
log "Wine prefix ready in $(($(date +%s) - start)) s: $BUILD/wineprefix"
