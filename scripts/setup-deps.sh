#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the benchmarks need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang clang-format
  libclang-rt-14-dev libfuzzer-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev ffmpeg
  libchromaprint-dev libchromaprint-tools libebur128-dev
  valgrind hyperfine time
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi

todo=$(missing)
if [ -z "$todo" ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if [ "${need_update:-0}" = 1 ] || [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v lock)" ] || true; then
  as_root apt-get update -qq
fi
# shellcheck disable=SC2086
as_root apt-get install -y -qq --no-install-recommends $todo
