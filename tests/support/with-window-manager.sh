#!/usr/bin/env bash
# Runs a test program on a virtual screen of its own (Xvfb) under the openbox
# window manager, as a user's desktop would stack the program's windows.
# Exits 77 (CTest: skipped) when Xvfb or openbox is not installed.
set -u
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox is not installed: skipped"
  exit 77
fi
work=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start"
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

# openbox with a home of its own, so that no user settings come in.
HOME="$work" openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
