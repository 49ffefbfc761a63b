#!/usr/bin/env bash
# Set-up, then the program in its window (under a virtual X server when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
program=build/Qvlzantor/Qvl_eZantor
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
exec xvfb-run -a -s "-screen 0 1400x1100x24" "$program"
