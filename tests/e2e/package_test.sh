#!/usr/bin/env bash
# The Debian package as a school's machine gets it: made by package.sh from
# the test build tree, its control fields, contents and menu entry checked,
# unpacked with dpkg -x into a temporary root and started there through the
# installed command, from a folder that is not the workspace: full-screen
# under Xorg's dummy driver, then with --window under Xvfb (which offers no
# game mode), where the save Button writes into the XDG workspace, also
# after the window was resized.
set -uo pipefail
source "$(dirname "$0")/program.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'cleanup_program; rm -rf "$work"' EXIT

if ! deb=$("$root/scripts/package.sh" --build "$QUOVADRIN_BUILD" --out "$work/out" 2>"$work/package.log" | tail -n 1) ||
  [[ ! -f "$deb" ]]; then
  cat "$work/package.log" >&2
  fail "package.sh made no package"
  exit 1
fi

echo "-- control fields"
field() { dpkg-deb -f "$deb" "$1"; }
check_eq "package" "quovadrin" "$(field Package)"
check_eq "section" "education" "$(field Section)"
check_eq "architecture" "$(dpkg --print-architecture)" "$(field Architecture)"
depends=$(field Depends)
for runtime in libglut3.12 libglu1-mesa libpng16-16 libgl1; do
  grep -qE "(^|, )$runtime( |,|$)" <<<"$depends" || fail "Depends lacks $runtime: $depends"
done
grep -q -- "-dev" <<<"$depends" && fail "Depends names a development package: $depends"
[[ "$(field Installed-Size)" =~ ^[0-9]+$ ]] || fail "no Installed-Size"

echo "-- contents"
dpkg -x "$deb" "$work/root" || fail "dpkg -x failed"
# Every file is the program, its launcher, an image, the menu entry or the
# icon: nothing else of the build.
others=$(cd "$work/root" && find . -type f | grep -v -E \
  '^\./usr/(bin/quovadrin|libexec/quovadrin/quovadrin|share/quovadrin/(vorpData|alphabetTextures)/[^/]+\.png|share/applications/quovadrin\.desktop|share/icons/hicolor/[0-9]+x[0-9]+/apps/quovadrin\.png)$')
check_eq "files from the build" "" "$others"
for images in vorpData alphabetTextures; do
  check_eq "$images installed" "$(ls "$QUOVADRIN_BUILD/data/$images")" \
    "$(ls "$work/root/usr/share/quovadrin/$images")"
done
desktop="$work/root/usr/share/applications/quovadrin.desktop"
check_eq "desktop-file-validate" "" "$(desktop-file-validate "$desktop" 2>&1)"
grep -q '^Categories=.*Education;' "$desktop" || fail "menu entry not in Education"
[[ -f "$work/root/usr/share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png" ]] ||
  fail "the entry's icon is not installed"

quovadrin="$work/root/usr/bin/quovadrin"
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere"
export XDG_DATA_HOME="$work/xdg"
learner="$XDG_DATA_HOME/quovadrin"
WORKSPACE="$work/shots"
mkdir -p "$WORKSPACE"
PROGRAM_OUT="$work/stdout.txt"
start_installed() {
  (cd "$elsewhere" && exec "$quovadrin" "$@" >"$PROGRAM_OUT" 2>"$work/stderr.txt") &
  PROGRAM_PID=$!
}

echo "-- images found nowhere"
mv "$work/root/usr/share/quovadrin" "$work/moved"
# Without a display too: the program says what is missing before it needs one.
(cd "$elsewhere" && exec env -u DISPLAY "$quovadrin" >"$PROGRAM_OUT" 2>&1 </dev/null)
check_eq "exit status without images" "1" "$?"
check_eq "the one line" "Die Bilder (vorpData/ und alphabetTextures/) wurden nicht gefunden, gesucht in: $learner, $work/root/usr/share/quovadrin" \
  "$(cat "$PROGRAM_OUT")"
mv "$work/moved" "$work/root/usr/share/quovadrin"
# The launcher made the workspace on the way.
[[ -d "$learner/vorpAlgorithms" && -d "$learner/vorpImages" ]] || fail "no workspace created"

echo "-- full screen from another folder"
start_xorg_dummy 1280x1024
start_installed
await_output "hertz" || fail "no start-up report"
await_frame || fail "no frame drawn"
sleep 0.5
screenshot "$WORKSPACE/full.png"
in_range "square icon strokes" "$(dark_fraction "$WORKSPACE/full.png" 19 187 62 66)" 0.03 0.6
in_range "listing text" "$(dark_fraction "$WORKSPACE/full.png" 960 33 120 13)" 0.05 0.6
check_stderr "$work/stderr.txt"
press_key Escape
await_exit
check_eq "exit status after Escape" "0" "$EXIT_STATUS"
stop_xserver

echo "-- a window where no game mode is possible"
start_xvfb 1024x768x24
start_installed --window
await_output "^Fenster" || fail "no start-up report in the window"
check_eq "report" $'Starte Quovadrin.\nFenster mit 1024x768 Pixeln' "$(cat "$PROGRAM_OUT")"
await_frame 512 384 || fail "no frame drawn in the window"
SCREEN_W=1024 SCREEN_H=768
click_at $(tool_xy 40 750)
# saved PATTERN: the one file matching it in the workspace, once it is there.
saved() {
  local tries=0
  until compgen -G "$learner/$1" >/dev/null; do
    ((tries++ < 50)) || return 1
    sleep 0.1
  done
  compgen -G "$learner/$1"
}
picture=$(saved "vorpImages/seed_*-a.png") || fail "no picture saved"
algorithm=$(saved "vorpAlgorithms/seed_*-a.alg") || fail "no algorithm saved"
grep -q $'^Wiederhole 20 mal:\r$' "$algorithm" || fail "the saved algorithm lacks the example"
# The picture is the canvas at the window's size: half its width, all its height.
check_eq "picture size" "512x768" "$(identify -format '%wx%h' "$picture")"

echo "-- the resized window keeps the layout"
xdotool search --name '^Quovadrin$' windowsize --sync 800 600 || fail "window not resized"
sleep 0.5
SCREEN_W=800 SCREEN_H=600
click_at $(tool_xy 40 750)
picture=$(saved "vorpImages/seed_*-b.png") || fail "no picture saved after the resize"
check_eq "picture size after the resize" "400x600" "$(identify -format '%wx%h' "$picture")"
check_eq "nothing saved in the start folder" "" "$(ls "$elsewhere")"
press_key Escape
await_exit
check_eq "exit status of the window" "0" "$EXIT_STATUS"

exit $TEST_FAILED
