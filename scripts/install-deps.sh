#!/usr/bin/env bash
# Installs the Debian packages Velmor needs to build, run, test and package.
# Only missing packages are installed; a machine that has them all is left alone
# (no root needed then). Installing needs root: as root the script installs
# directly, as an ordinary user through sudo when it exists; without sudo (a
# Debian installed with a root password) it says in one line what to run as root.
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
  clang libclang-rt-14-dev clang-format
  fonts-liberation2
  xvfb xauth imagemagick openbox x11-utils
  qpdf poppler-utils unzip zip python3
  dpkg-dev file desktop-file-utils appstream
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null 2>&1; then
    echo "Missing packages; run as root (su -): apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "Installing missing packages: ${missing[*]}"
# env carries the setting through sudo, which starts from a clean environment.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq || true
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
