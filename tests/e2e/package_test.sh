#!/usr/bin/env bash
# The Debian package as a school's machine gets it: made by package.sh from
# the test build tree, its control fields, contents and menu entry checked,
# held to what a distribution asks of a package (lintian, AppStream, the
# manual page and the documents beside it),
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
# Every file is the program, its launcher, an image, the menu entry, the
# icon, the software-centre entry, the manual page or a document of the
# package: nothing else of the build.
app_id=org.example.quovadrin
others=$(cd "$work/root" && find . -type f | grep -v -E \
  '^\./usr/(bin/quovadrin|libexec/quovadrin/quovadrin|share/quovadrin/(vorpData|alphabetTextures)/[^/]+\.png|share/icons/hicolor/[0-9]+x[0-9]+/apps/quovadrin\.png)$' |
  grep -v -x -F -e "./usr/share/applications/$app_id.desktop" -e "./usr/share/metainfo/$app_id.metainfo.xml" \
    -e ./usr/share/man/man1/quovadrin.1.gz -e ./usr/share/doc/quovadrin/copyright \
    -e ./usr/share/doc/quovadrin/changelog.gz -e ./usr/share/lintian/overrides/quovadrin)
check_eq "files from the build" "" "$others"
for images in vorpData alphabetTextures; do
  check_eq "$images installed" "$(ls "$QUOVADRIN_BUILD/data/$images")" \
    "$(ls "$work/root/usr/share/quovadrin/$images")"
done
desktop="$work/root/usr/share/applications/$app_id.desktop"
check_eq "desktop-file-validate" "" "$(desktop-file-validate "$desktop" 2>&1)"
grep -q '^Categories=.*Education;' "$desktop" || fail "menu entry not in Education"
[[ -f "$work/root/usr/share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png" ]] ||
  fail "the entry's icon is not installed"

echo "-- what a distribution checks"
# Lintian with the profile of this machine's release: no error and no
# warning; what it finds wrong for this package is overridden, each override
# with its reason, and an override that no longer matches anything goes.
lintian --display-info --show-overrides "$deb" >"$work/lintian.txt" 2>&1
check_eq "lintian exit status" "0" "$?"
lintian_out=$(grep -v '^running with root privileges' "$work/lintian.txt")
echo "$lintian_out"
check_eq "lintian errors, warnings and stale overrides" "" \
  "$(grep -E '^[EW]: |unused-override|mismatched-override' <<<"$lintian_out")"
overrides="$work/root/usr/share/lintian/overrides/quovadrin"
check_eq "overrides without a reason" "" "$(awk 'NF && !/^#/ && prev !~ /^#/ { print } { prev = $0 }' "$overrides")"
# The software-centre entry, alone and with the menu entry it launches.
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
appstream_out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli rejects the metainfo"
echo "$appstream_out"
appstreamcli validate-tree --no-net "$work/root" >"$work/tree.txt" 2>&1 ||
  fail "appstreamcli rejects the installed tree: $(cat "$work/tree.txt")"
# The manual page renders without a warning, and it and --help name the same
# options, so neither falls behind the other.
manpage="$work/root/usr/share/man/man1/quovadrin.1.gz"
MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$manpage" >"$work/man.txt" 2>"$work/man.err" ||
  fail "man cannot show the page"
check_eq "warnings of the manual page" "" "$(cat "$work/man.err")"
help_text=$(XDG_DATA_HOME="$work/help" "$work/root/usr/bin/quovadrin" --help) || fail "--help failed"
options() { grep -o -E -- '--[a-z]+' | sort -u | paste -s -d ' '; }
check_eq "options named in --help" "--help --out --render --seed --window" "$(options <<<"$help_text")"
check_eq "options of the manual page" "$(options <<<"$help_text")" "$(options <"$work/man.txt")"
# One version everywhere: package, changelog, newest release of the metainfo.
doc="$work/root/usr/share/doc/quovadrin"
check_eq "changelog version" "$(field Version)" "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
check_eq "metainfo release" "$(field Version)" \
  "$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" ||
  fail "copyright is not machine-readable"

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
