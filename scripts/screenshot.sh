#!/usr/bin/env bash
# Starts the program on a virtual X display and saves a screenshot of the
# screen: scripts/screenshot.sh OUT.png [seconds to wait]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/norvalt.png}
if ! command -v import >/dev/null 2>&1; then
  echo "screenshot.sh needs ImageMagick's import: apt-get install imagemagick" >&2
  exit 2
fi
wait=${2:-3}
xvfb-run -a -s "-screen 0 1720x900x24" bash -c "
  '$root/build/app/norvalt' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid
"
echo "$out"
