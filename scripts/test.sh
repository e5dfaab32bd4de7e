#!/usr/bin/env bash
# The test command: installs what is missing, then configures, builds and tests every preset,
# stopping at the first failure. Usage: scripts/test.sh [preset...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup-deps.sh

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux-debug linux-asan linux-release win32 win64)
jobs=$(nproc)

# Some kernels run 64-bit user code only; 32-bit Windows programs (under 32-bit Wine) then cannot
# run at all, and the 64-bit Windows build carries the Windows tests instead.
can_run_i386() { /lib/ld-linux.so.2 --help >/dev/null 2>&1; }

wine_pid=
stop_wine() {
  if [ -n "$wine_pid" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wait "$wine_pid" 2>/dev/null || true
    wine_pid=
  fi
}
trap stop_wine EXIT

# Wine gets a prefix of the build's own and one persistent wineserver for the preset's tests,
# started with its streams detached so that it holds no pipe of ours open.
start_wine() {
  local preset=$1 loader=wine
  [ "$preset" = win64 ] && loader=/usr/lib/wine/wine64
  export WINEPREFIX="$root/build/$preset/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== $preset: creating Wine prefix"
    "$loader" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  wineserver -p -f </dev/null >/dev/null 2>&1 &
  wine_pid=$!
  # Start Wine's own background processes now, so no test's output pipe is inherited by them.
  "$loader" wineboot </dev/null >/dev/null 2>&1 || true
}

for preset in "${presets[@]}"; do
  echo "== $preset: configure"
  cmake --preset "$preset" -DKT_WERROR=ON >/dev/null
  echo "== $preset: build"
  cmake --build --preset "$preset" -j "$jobs"
  if [ "$preset" = win32 ] && ! can_run_i386; then
    echo "== $preset: built; this kernel cannot execute 32-bit code, so its tests run in win64"
    continue
  fi
  case "$preset" in win*) start_wine "$preset" ;; esac
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
  stop_wine
done
echo "== all presets passed: ${presets[*]}"
