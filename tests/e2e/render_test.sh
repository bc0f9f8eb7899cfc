#!/usr/bin/env bash
# A teacher renders a folder of saved algorithm files with the real program,
# without any display and from a folder without the program's images: one
# file is no file at all (a folder in its place), one is garbled. The others
# get their pictures and all of them the overview page; the broken one is
# told in one German line and the exit status is 1. Then the seed: from the
# file name, from --seed, the same bytes every time; the step cap; the usage
# line.
set -uo pipefail
source "$(dirname "$0")/program.sh"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
program=$QUOVADRIN_BUILD/quovadrin

# save_file NAME LINE...: an algorithm file as the program writes it.
save_file() {
  local name=$1
  shift
  {
    printf '%s\r\n' "*************************************" "*    Quovadrin Algorithmus Datei    *" \
      "*************************************" ""
    printf '%s\r\n' "$@"
  } >"$WORK/class/$name"
}

# render ARGS...: the program with no display, from the empty folder $WORK/cwd;
# sets STATUS, OUT and ERR.
render() {
  (cd "$WORK/cwd" && env -u DISPLAY -u XAUTHORITY "$program" --render "$@" \
    >"$WORK/out.txt" 2>"$WORK/err.txt")
  STATUS=$?
  OUT=$(cat "$WORK/out.txt")
  ERR=$(cat "$WORK/err.txt")
}

# dark_at PNG X Y: the pixel is ink (darker than half grey).
dark_at() { (($(convert "$1" -format "%[fx:int(255*p{$2,$3}.r)]" info:) < 128)); }

mkdir -p "$WORK/class" "$WORK/cwd"
# A square at cell (5, 7) and a circle beside it: a picture whose lines are known.
save_file seed_1700000000-a.alg "Gib x den Wert 5" "Gib y den Wert 7" "Zeichne Quadrat" \
  "Addiere 2 zu x" "Zeichne Kreis"
# Random Shapes of every kind in a loop.
save_file seed_1700000001-b.alg "Gib dx den Wert 3" "Wiederhole 12 mal:" \
  "  Zufallswert fuer x zwischen max und min" "  Zufallswert fuer y zwischen max und min" \
  "  Zeichne Blob" "  Zeichne weiche Linie" "  Zeichne weichen Linienzug" "  Zeichne freie Linie" \
  "Wiederhole bis hier."
printf '\x00\xff\x13garbled\r\nZeich\x00ne Kreis\r\n\xc3' >"$WORK/class/seed_1700000002-c.alg"
mkdir "$WORK/class/seed_1700000003-d.alg" # not a file
cp "$WORK/class/seed_1700000001-b.alg" "$WORK/class/klasse5.alg"

echo "-- a folder of saved files, one of them no file"
render "$WORK"/class/*.alg --out "$WORK/pictures"
check_eq "exit status" "1" "$STATUS"
check_eq "the one line on standard error" \
  "$WORK/class/seed_1700000003-d.alg: Datei kann nicht gelesen werden, kein Bild." "$ERR"
grep -q "4 von 5 Bildern gezeichnet, Uebersicht: $WORK/pictures/index.html" <<<"$OUT" ||
  fail "no summary on standard output: $OUT"
check_eq "the pictures and the overview" \
  "index.html klasse5.svg seed_1700000000-a.svg seed_1700000001-b.svg seed_1700000002-c.svg" \
  "$(cd "$WORK/pictures" && echo *)"
for svg in "$WORK"/pictures/*.svg; do
  xmllint --noout "$svg" || fail "$svg is not valid XML"
  rsvg-convert "$svg" -o "${svg%.svg}.png" || fail "rsvg-convert cannot draw $svg"
  check_eq "size of $(basename "$svg")" "512x768" "$(identify -format %wx%h "${svg%.svg}.png")"
done
# The square's left edge at x = 100, its inside white; the circle's top at (150, 141).
png=$WORK/pictures/seed_1700000000-a.png
dark_at "$png" 100 150 || fail "no square edge at (100, 150)"
dark_at "$png" 110 150 && fail "the square is filled"
dark_at "$png" 150 140 || dark_at "$png" 150 141 || fail "no circle top at (150, 140)"
in_range "ink of the random picture" "$(dark_fraction "$WORK/pictures/seed_1700000001-b.png" 0 0 512 768)" \
  0.005 0.5

echo "-- the overview names every file in order, with each picture beside its listing"
page=$WORK/pictures/index.html
order=$(grep -o '<h2>[^<]*</h2>' "$page" | sed 's/<[^>]*>//g' | tr '\n' ' ')
check_eq "order of the files" \
  "klasse5.alg seed_1700000000-a.alg seed_1700000001-b.alg seed_1700000002-c.alg seed_1700000003-d.alg " \
  "$order"
for svg in "$WORK"/pictures/*.svg; do
  grep -q "<img src=\"$(basename "$svg")\"" "$page" || fail "the overview lacks $(basename "$svg")"
done
grep -q 'Kein Bild: Die Datei kann nicht gelesen werden.' "$page" ||
  fail "the overview does not say which file failed"
grep -q '<li style="--level: 1">Zufallswert fuer x zwischen max und min</li>' "$page" ||
  fail "the listing lacks the indented loop"
grep -q '@page { size: A4' "$page" || fail "no A4 page style"
grep -E -q '(src|href)="(https?:)?//' "$page" && fail "the overview needs the network"

echo "-- the seed: from the name, else --seed, else 1; the same bytes every time"
cp "$WORK/pictures/seed_1700000001-b.svg" "$WORK/first.svg"
render "$WORK/class/klasse5.alg" "$WORK/class/seed_1700000001-b.alg" --seed 1700000001 \
  --out "$WORK/again"
check_eq "exit status with good files" "0" "$STATUS"
check_eq "standard error with good files" "" "$ERR"
cmp -s "$WORK/first.svg" "$WORK/again/seed_1700000001-b.svg" || fail "a second rendering differs"
cmp -s "$WORK/again/klasse5.svg" "$WORK/again/seed_1700000001-b.svg" ||
  fail "--seed did not stand in for the seed of the name"
cmp -s "$WORK/pictures/klasse5.svg" "$WORK/pictures/seed_1700000001-b.svg" &&
  fail "a name without a seed did not take 1"
render seed_1700000001-b.alg --out here # relative to the folder it runs in
check_eq "a missing file" "1" "$STATUS"
check_eq "a missing file's line" "seed_1700000001-b.alg: Datei kann nicht gelesen werden, kein Bild." "$ERR"
(cd "$WORK/class" && env -u DISPLAY "$program" --render seed_1700000000-a.alg --out ../rel >/dev/null) ||
  fail "relative paths from another folder"
[[ -f "$WORK/rel/seed_1700000000-a.svg" ]] || fail "no picture from relative paths"

echo "-- a program that never ends stops at the step cap and keeps its Shapes"
save_file seed_5-a.alg "Wiederhole 10 mal:" "Wiederhole 10 mal:" "Wiederhole 10 mal:" \
  "Wiederhole 10 mal:" "Wiederhole 10 mal:" "Wiederhole 10 mal:" "Zeichne Kreis" \
  "Wiederhole bis hier." "Wiederhole bis hier." "Wiederhole bis hier." "Wiederhole bis hier." \
  "Wiederhole bis hier." "Wiederhole bis hier."
render "$WORK/class/seed_5-a.alg" --out "$WORK/capped"
check_eq "exit status at the step cap" "0" "$STATUS"
check_eq "the step cap's line" \
  "$WORK/class/seed_5-a.alg: Zuviele Befehle, das Bild zeigt die Formen bis dahin." "$ERR"
xmllint --noout "$WORK/capped/seed_5-a.svg" || fail "the capped picture is not valid"

echo "-- without files, without a folder, with a seed that is no number: the usage line"
usage="Aufruf: quovadrin --render DATEI.alg... --out ORDNER [--seed N]"
for args in "$WORK/class/seed_5-a.alg" "--out $WORK/x" "$WORK/class/seed_5-a.alg --out $WORK/x --seed abc" \
  "$WORK/class/seed_5-a.alg --out"; do
  # shellcheck disable=SC2086 # the words are the arguments
  render $args
  check_eq "exit status of '$args'" "2" "$STATUS"
  check_eq "usage for '$args'" "$usage" "$ERR"
done
[[ ! -e "$WORK/x" ]] || fail "a usage error made a folder"
exit $TEST_FAILED
