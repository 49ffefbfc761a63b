#!/usr/bin/env bash
# Set-up as for the program, then the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300
