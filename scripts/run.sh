#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh" "$root/build"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: starting the program on a virtual X display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$root/build/app/norvalt"
fi
exec "$root/build/app/norvalt"
