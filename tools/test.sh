#!/usr/bin/env bash
# Set-up as for the program, then the whole test suite; then the suite once more from build-asan/,
# built with AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer, where any finding
# fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300)

cmake -S . -B build-asan -G Ninja -DQVL_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
