#!/usr/bin/env bash
# The program folder outside the build: first install, data moved once from the build folder,
# an update after a rebuild keeping every data file byte for byte, a valid desktop entry.
# Usage: install_test.sh <repository root> <build folder>
set -euo pipefail
repo="$1"
real_build="$2"
work="$(mktemp -d)"
trap 'kill "${runner:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A build folder of our own, with the real store writer and icons and a stand-in executable.
fake_build() {
  local b="$work/build"
  rm -rf "$b"
  mkdir -p "$b/Quorvix" "$b/app" "$b/desktop"
  ln -s "$real_build/app/make_store" "$b/app/make_store"
  cp -r "$real_build/desktop/icons" "$b/desktop/"
  printf '#!/bin/sh\necho %s\n' "$1" >"$b/Quorvix/quorvix"
  chmod +x "$b/Quorvix/quorvix"
  "$b/app/make_store" "$b/Quorvix/unins000.dll"
}
install() {
  QUORVIX_BUILD="$work/build" QUORVIX_HOME="$work/home" XDG_DATA_HOME="$work/share" \
    "$repo/scripts/install" >"$work/out" 2>&1 || { cat "$work/out" >&2; return 1; }
}
checksums() { (cd "$work/home" && find . -type f ! -name quorvix -print0 | sort -z | xargs -0 sha256sum); }

# First install into an empty place: executable, initial store, entry and icons.
fake_build one
install || fail "first install"
[ "$("$work/home/quorvix")" = one ] || fail "executable not installed"
cmp -s "$work/home/unins000.dll" "$work/build/Quorvix/unins000.dll" || fail "initial store"
entry="$work/share/applications/quorvix.desktop"
desktop-file-validate "$entry" || fail "desktop entry not valid"
grep -qx "Exec=\"$work/home/quorvix\"" "$entry" || fail "entry does not start the installed program"
for size in 16x16 32x32 48x48 256x256; do
  [ -s "$work/share/icons/hicolor/$size/apps/quorvix.png" ] || fail "icon $size"
done
[ -s "$work/share/icons/hicolor/scalable/apps/quorvix.svg" ] || fail "scalable icon"

# Working in the folder, then a rebuild: every data file byte for byte, the new executable.
printf 'member bytes\0\1' >"$work/home/Tesserati.pro"
printf 'x' >"$work/home/1.jpg"
mkdir -p "$work/home/Documenti_Allegati" && printf 'doc' >"$work/home/Documenti_Allegati/a.pdf"
printf '[Accesso]\r\nValore=changed\r\n' >"$work/home/unins000.dll"
before="$(checksums)"
fake_build two
install || fail "update"
[ "$("$work/home/quorvix")" = two ] || fail "executable not updated"
[ "$(checksums)" = "$before" ] || fail "an update changed a data file"

# Data of an earlier version in the build folder moves once into a folder without data.
rm -rf "$work/home" "$work/share"
fake_build three
printf 'old members' >"$work/build/Quorvix/Tesserati.pro"
printf '[Accesso]\r\nValore=mine\r\n' >"$work/build/Quorvix/unins000.dll"
mkdir -p "$work/build/Quorvix/Documenti_Allegati" && printf 'doc' >"$work/build/Quorvix/Documenti_Allegati/b.pdf"
install || fail "install with data to move"
grep -q "spostati" "$work/out" || fail "the move is not announced"
[ "$(cat "$work/home/Tesserati.pro")" = "old members" ] || fail "archive not moved"
grep -q "Valore=mine" "$work/home/unins000.dll" || fail "password store not moved"
[ -f "$work/home/Documenti_Allegati/b.pdf" ] || fail "attachments not moved"
[ ! -e "$work/build/Quorvix/Tesserati.pro" ] || fail "archive left in the build folder"
# The next build lays out the initial store again: nothing moves a second time.
"$work/build/app/make_store" "$work/build/Quorvix/unins000.dll"
before="$(checksums)"
install || fail "second install"
[ "$(checksums)" = "$before" ] || fail "a second install changed the moved data"

# Never while a copy runs from the build folder.
rm -rf "$work/home"
fake_build four
printf 'busy' >"$work/build/Quorvix/Tesserati.pro"
cp /bin/sleep "$work/build/Quorvix/quorvix"
"$work/build/Quorvix/quorvix" 30 &
runner=$!
sleep 0.2
if install; then fail "moved data while a copy was running"; fi
grep -q "in esecuzione" "$work/out" || fail "no word about the running copy"
[ -e "$work/build/Quorvix/Tesserati.pro" ] || fail "data moved while running"
echo "install: all cases passed"
