#!/usr/bin/env bash
# Set-up, then the program in its window (under a virtual X server when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
# The program's working folder is its own folder, as when it is started from its shortcut.
cd build/Qvlzantor
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./Qvl_eZantor
fi
exec xvfb-run -a -s "-screen 0 1400x1100x24" ./Qvl_eZantor
