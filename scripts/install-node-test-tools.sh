#!/usr/bin/env bash
# Installs the npm packages the tests use (a second reader of the Access files
# the program writes, tests/jet4/node) from the committed package-lock.json.
# Needs node and npm; does nothing when they were installed from this lock.
set -euo pipefail
cd "$(dirname "$0")/../tests/jet4/node"
if ! command -v npm >/dev/null 2>&1; then
  echo "npm is missing: the tests that read files with mdb-reader will fail" >&2
  exit 0
fi
lock=$(sha256sum package-lock.json | cut -d' ' -f1)
if [ "$(cat node_modules/.installed-from-lock 2>/dev/null)" = "$lock" ]; then
  exit 0
fi
npm ci --no-audit --no-fund --loglevel=error
echo "$lock" > node_modules/.installed-from-lock
