#!/usr/bin/env bash
# Builds Orbel and runs its main job: the Qt host where a display exists,
# otherwise a scripted tour of the CLI.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default > /dev/null
cmake --build --preset default -j "$(nproc)"

host=build/default/apps/orbel-host/orbel-host
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$host" ]; then
  exec "$host"
fi
exec ./scripts/tour.sh build/default/apps/orbel/orbel
