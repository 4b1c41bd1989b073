#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout, runs vlmcli
# from the prefix and, when run as root, starts the program as an ordinary user
# (nobody, through setpriv: no account is added) and checks that nothing was
# written into the root-owned prefix. It leaves the machine as it found it:
# the build folder's install_manifest.txt, which "cmake --install" rewrites,
# is put back, and the list of accounts is checked unchanged at the end.
#   test_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
export VLM_SERVER=${VLM_SERVER:-http://127.0.0.1:9}
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
prefix=$work/prefix
manifest=$build/install_manifest.txt
accounts_before=$(getent passwd | sha256sum)
restore_manifest() {
  if [ -f "$work/install_manifest.txt" ]; then
    cp -p "$work/install_manifest.txt" "$manifest"
  else
    rm -f "$manifest"
  fi
}
[ -f "$manifest" ] && cp -p "$manifest" "$work/install_manifest.txt"
trap 'restore_manifest; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

folder=$prefix/lib/velmor
for f in vlmcli libmeridox.so VlmMain.mdb Empty_Vlm.mdb; do
  [ -f "$folder/$f" ] || fail "missing $folder/$f"
done
[ -x "$folder/vlmcli" ] || fail "vlmcli is not executable"
[ "$(readlink "$prefix/bin/vlmcli")" = "../lib/velmor/vlmcli" ] || fail "bin/vlmcli is not a link into the program folder"
# The shipped database is the fresh one, not the build folder's working copy.
cmp -s "$folder/VlmMain.mdb" "$build/data/VlmMain.mdb" || fail "VlmMain.mdb is not the fresh database"

gui=0
if [ -f "$build/program/Vlm" ] && [ -f "$folder/Vlm" ]; then
  gui=1
  [ "$(readlink "$prefix/bin/Vlm")" = "../lib/velmor/Vlm" ] || fail "bin/Vlm is not a link"
  desktop=$prefix/share/applications/$app_id.desktop
  [ -f "$desktop" ] || fail "missing $desktop"
  grep -qx "Exec=$prefix/bin/Vlm" "$desktop" || fail "Exec line does not name $prefix/bin/Vlm"
  grep -qx "Icon=velmor" "$desktop" || fail "Icon line"
  grep -qx "Type=Application" "$desktop" || fail "Type line"
  for icon in scalable/apps/velmor.svg 48x48/apps/velmor.png 256x256/apps/velmor.png; do
    [ -f "$prefix/share/icons/hicolor/$icon" ] || fail "missing icon $icon"
  done
  [ -f "$prefix/share/metainfo/$app_id.metainfo.xml" ] || fail "missing AppStream metadata"
  for f in index.html LowPower.res Graph.rav Help; do
    if [ -e "$build/program/$f" ] && [ ! -e "$folder/$f" ]; then fail "missing $folder/$f"; fi
  done
fi

# The companion runs from the prefix and finds the library in the program folder.
"$prefix/bin/vlmcli" --help | grep -q convert || fail "vlmcli --help does not list convert"
out=$("$prefix/bin/vlmcli" convert to-wgs84 150000 170000)
[ "$out" = "50°50'25\" N, 4°22'08\" E" ] || fail "vlmcli convert from the prefix gave '$out'"

# Nothing of the build folder or of the accounts may change by this test.
leaves_the_machine_as_found() {
  restore_manifest
  if [ -f "$work/install_manifest.txt" ]; then
    cmp -s "$work/install_manifest.txt" "$manifest" || fail "install_manifest.txt was changed"
  else
    [ ! -e "$manifest" ] || fail "install_manifest.txt was left behind"
  fi
  [ "$(getent passwd | sha256sum)" = "$accounts_before" ] || fail "the list of accounts was changed"
}

if [ "$(id -u)" -ne 0 ]; then
  echo "Not root: the run as an ordinary user from a root-owned prefix is skipped."
  leaves_the_machine_as_found
  exit 0
fi
user=nobody
group=$(id -gn "$user" 2>/dev/null) || { echo "No user nobody: ordinary-user run skipped."; leaves_the_machine_as_found; exit 0; }
command -v setpriv > /dev/null || { echo "No setpriv: ordinary-user run skipped."; leaves_the_machine_as_found; exit 0; }

chown -R root:root "$prefix"
chmod -R go-w "$prefix"
chmod 755 "$work"
home=$work/home
mkdir -p "$home"
chown "$user:$group" "$home"
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | sort); }
snapshot > "$work/before.txt"

as_user() {
  setpriv --reuid="$user" --regid="$group" --clear-groups -- env -i PATH=/usr/bin:/bin \
    HOME="$home" QT_QPA_PLATFORM=offscreen VLM_SERVER="$VLM_SERVER" XDG_RUNTIME_DIR="$home/run" "$@"
}
as_user mkdir -p "$home/run"
as_user chmod 700 "$home/run"

out=$(as_user "$prefix/bin/vlmcli" convert to-lambert 50:50:25 4:22:08)
[ "$out" = "150010, 169985" ] || fail "vlmcli as an ordinary user gave '$out'"

if [ "$gui" = 1 ]; then
  # The program keeps running until it is stopped: a clean start is all we ask.
  set +e
  as_user timeout 8 "$prefix/bin/Vlm" > "$work/vlm.log" 2>&1
  code=$?
  set -e
  [ "$code" = 124 ] || { cat "$work/vlm.log"; fail "Vlm ended early with code $code"; }
  copy=$home/.local/share/Velmor/VlmMain.mdb
  [ -f "$copy" ] || fail "the first start did not copy the database to $copy"
  [ -s "$copy" ] || fail "the user's database is empty"
  [ "$(stat -c %U "$copy")" = "$user" ] || fail "the user's database is not the user's"
  grep -rqs "DbPath=$home/.local/share/Velmor/" "$home/.config" || fail "DbPath does not name the user's data folder"
fi

snapshot > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "something was written into the prefix"
leaves_the_machine_as_found
echo "Install layout and ordinary-user run: OK"
