#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12, as root) and
# builds everything into build/. Sourced by run.sh and test.sh.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="${CORVANE_BUILD_DIR:-$ROOT/build}"
source "$ROOT/scripts/utf8-locale.sh"

PACKAGES=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3 libcli11-dev libgtest-dev nlohmann-json3-dev libssl-dev libxxhash-dev
  qt6-base-dev qt6-tools-dev-tools libgl-dev
  fonts-noto-cjk xvfb xauth xdg-utils qt6-translations-l10n
  desktop-file-utils appstream man-db file dpkg-dev
  sqlfluff mono-devel libmono-sqlite4.0-cil x11-apps xdotool imagemagick python3
  openbox cups-daemon cups-client
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
