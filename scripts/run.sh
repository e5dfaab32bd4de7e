#!/usr/bin/env bash
# The main job: installs what is missing, builds the release configuration and runs the
# reference Cleaner helper on FILE (or on the built-in sample).
# Usage: scripts/run.sh [cleaner-helper options] [FILE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup-deps.sh >&2
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j "$(nproc)" >&2

helper=build/linux-release/tools/cleaner-helper/cleaner-helper
if [ -x "$helper" ]; then
  exec "$helper" "$@"
fi
echo "The Cleaner helper is not built yet; the module build produced:" >&2
find build/linux-release/src -maxdepth 2 -name '*.so' -o -maxdepth 2 -name '*.a' | sort
