#!/usr/bin/env bash
# Installs what the build needs from Debian's packages (only what is missing), then builds
# everything under build/ and assembles the program folder build/Qvlzantor/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-webengine-dev qt6-translations-l10n
  libsqlite3-dev libcurl4-openssl-dev libgumbo-dev
  libjpeg-dev libgif-dev libwebp-dev libpng-dev zlib1g-dev
  p7zip-full fonts-liberation2 adwaita-icon-theme xdg-utils
  pulseaudio-utils alsa-utils
  libgtest-dev python3 python3-pyftpdlib python3-aiosmtpd
  xvfb xauth xdotool
  python3-fonttools zbar-tools libreoffice-writer libreoffice-l10n-fr poppler-utils
  libsane-dev libsane1 sane-utils qt6-multimedia-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages (run as root to install them): ${missing[*]}" >&2
    exit 1
  fi
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# UNITY_BUILD=ON compiles each module's files together as one unit, in a build well under half
# the time (as CI does); names private to a file must then be unique in its module.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DCMAKE_UNITY_BUILD="${UNITY_BUILD:-OFF}" >/dev/null
cmake --build build --parallel "$(nproc)"
