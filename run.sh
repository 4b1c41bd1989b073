#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it from build/program/.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Vlm vlmcli meridox vlm_program_files
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start Velmor on a virtual screen instead:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $(pwd)/build/program/Vlm"
  exit 1
fi
exec ./build/program/Vlm "$@"
