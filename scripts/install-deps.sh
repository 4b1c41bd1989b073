#!/usr/bin/env bash
# Installs the Debian packages Velmor needs to build, run and test.
# Only missing packages are installed; a machine that has them all is left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev
  libgctp-dev libhpdf-dev libzip-dev zlib1g-dev libjpeg-dev
  sqlite3 libsqlite3-dev
  mdbtools mdbtools-dev
  libgtest-dev libgmock-dev libbenchmark-dev libproj-dev proj-data
  clang libclang-rt-14-dev
  fonts-liberation2
  xvfb xauth imagemagick openbox x11-utils
  qpdf poppler-utils unzip zip python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
