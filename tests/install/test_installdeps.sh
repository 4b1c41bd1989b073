#!/usr/bin/env bash
# scripts/install-deps.sh with stand-ins for id, dpkg-query, apt-get and sudo:
# nothing missing needs nobody; a missing package is installed directly as
# root, through sudo for an ordinary user, and without sudo the script says in
# one line what to run as root and fails without calling apt-get.
#   test_installdeps.sh SOURCE_DIR
set -euo pipefail
script=$1/scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A PATH of stand-ins only, so that a sudo of the machine is never found by accident.
bin=$work/bin
mkdir -p "$bin"
for tool in grep env; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
cat > "$bin/id" <<'STUB'
#!/bin/sh
echo "$FAKE_UID"
STUB
cat > "$bin/dpkg-query" <<'STUB'
#!/bin/sh
# The last argument is the package; FAKE_MISSING names the one that is missing.
for p; do :; done
[ "$p" = "$FAKE_MISSING" ] && exit 1
echo "install ok installed"
STUB
cat > "$bin/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $* frontend=$DEBIAN_FRONTEND as=$FAKE_AS" >> "$LOG"
STUB
cat > "$bin/sudo.stub" <<'STUB'
#!/bin/sh
FAKE_AS=sudo exec "$@"
STUB
chmod +x "$bin"/*

run() { # uid missing-package with-sudo
  rm -f "$bin/sudo" "$work/log"
  [ "$3" = yes ] && ln -s sudo.stub "$bin/sudo"
  set +e
  env -i PATH="$bin" LOG="$work/log" FAKE_UID="$1" FAKE_MISSING="$2" FAKE_AS=direct \
    "$BASH" "$script" > "$work/out" 2> "$work/err"
  code=$?
  set -e
  touch "$work/log"
}

run 1000 "" no
[ "$code" = 0 ] || fail "nothing missing: exit $code"
[ ! -s "$work/log" ] || fail "nothing missing, yet apt-get ran"

run 0 libzip-dev no
[ "$code" = 0 ] || fail "root: exit $code $(cat "$work/err")"
grep -q "apt-get install -y -qq --no-install-recommends libzip-dev frontend=noninteractive as=direct" "$work/log" ||
  fail "root did not install directly: $(cat "$work/log")"

run 1000 libzip-dev yes
[ "$code" = 0 ] || fail "user with sudo: exit $code $(cat "$work/err")"
grep -q "apt-get install .*libzip-dev frontend=noninteractive as=sudo" "$work/log" ||
  fail "the user's install did not go through sudo: $(cat "$work/log")"

run 1000 libzip-dev no
[ "$code" != 0 ] || fail "user without sudo: the script succeeded"
[ ! -s "$work/log" ] || fail "user without sudo: apt-get ran"
[ "$(wc -l < "$work/err")" = 1 ] || fail "user without sudo: not one line: $(cat "$work/err")"
grep -q "run as root.*apt-get install .*libzip-dev" "$work/err" || fail "the line does not say what to run: $(cat "$work/err")"
echo "install-deps.sh as root, with sudo and without: OK"
