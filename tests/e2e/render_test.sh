#!/usr/bin/env bash
# A teacher renders a folder of saved algorithm files with the real program,
# without any display and from a folder without the program's images: one
# file is no file at all (a pipe in its place), one is garbled. The others
# get their pictures and all of them the overview page; the broken one is
# told in one German line and the exit status is 1. Then the seed: from the
# file name, from --seed, the same bytes every time; the step cap; a class
# folder of learners' folders; a picture of gigabytes between two good
# files; running out of memory; rendering twice into the input folder; names
# that look like options, carry escape sequences or are as long as a name
# may be; the usage line.
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
mkfifo "$WORK/class/seed_1700000003-d.alg" # not a file: reading it would wait forever
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
order=$(grep -o '<h3><a href="#karte-[0-9]*">[^<]*</a></h3>' "$page" | sed 's/<[^>]*>//g' | tr '\n' ' ')
check_eq "order of the files" \
  "klasse5.alg seed_1700000000-a.alg seed_1700000001-b.alg seed_1700000002-c.alg seed_1700000003-d.alg " \
  "$order"
grep -q '<h2>class</h2>' "$page" || fail "the group is not titled by its folder"
# Each picture is inside the page, byte for byte as in its file after the
# XML declaration, so the page is one file a teacher can move or mail.
for svg in "$WORK"/pictures/*.svg; do
  tail -n +2 "$svg" >"$WORK/document.txt"
  grep -F -q -f <(head -3 "$WORK/document.txt") "$page" || fail "the overview lacks $(basename "$svg")"
done
check_eq "embedded pictures" "4" "$(grep -o '<svg ' "$page" | wc -l)"
grep -q '<img ' "$page" && fail "a picture is linked instead of embedded"
grep -q 'Kein Bild: Das ist keine gewöhnliche Datei.' "$page" ||
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
  "Wiederhole 10 mal:" "Wiederhole 10 mal:" "Wiederhole 10 mal:" "Zeichne Quadrat" \
  "Wiederhole bis hier." "Wiederhole bis hier." "Wiederhole bis hier." "Wiederhole bis hier." \
  "Wiederhole bis hier." "Wiederhole bis hier."
render "$WORK/class/seed_5-a.alg" --out "$WORK/capped"
check_eq "exit status at the step cap" "0" "$STATUS"
check_eq "the step cap's line" \
  "$WORK/class/seed_5-a.alg: Zuviele Befehle, das Bild zeigt die Formen bis dahin." "$ERR"
xmllint --noout "$WORK/capped/seed_5-a.svg" || fail "the capped picture is not valid"

echo "-- a class folder: one group per learner, in the order of the learners' names"
mkdir -p "$WORK/klasse/Carla" "$WORK/klasse/Anna" "$WORK/klasse/Ben"
cp "$WORK/class/seed_1700000000-a.alg" "$WORK/klasse/Carla/stern.alg"
cp "$WORK/class/seed_1700000001-b.alg" "$WORK/klasse/Anna/stern.alg"
cp "$WORK/class/seed_1700000001-b.alg" "$WORK/klasse/Ben/seed_1700000001-b.alg"
cp "$WORK/pictures/seed_1700000000-a.png" "$WORK/klasse/Ben/" # no algorithm: passed quietly
render "$WORK/klasse" --out "$WORK/klasse-out"
check_eq "exit status of a class folder" "0" "$STATUS"
check_eq "standard error of a class folder" "" "$ERR"
check_eq "the groups" "Anna Ben Carla " \
  "$(grep -o '<h2>[^<]*</h2>' "$WORK/klasse-out/index.html" | sed 's/<[^>]*>//g' | tr '\n' ' ')"
check_eq "the cards" "Anna/stern.alg seed_1700000001-b.alg Carla/stern.alg " \
  "$(grep -o '<h3><a href="#karte-[0-9]*">[^<]*</a></h3>' "$WORK/klasse-out/index.html" |
    sed 's/<[^>]*>//g' | tr '\n' ' ')"
[[ -f "$WORK/klasse-out/stern.svg" && -f "$WORK/klasse-out/stern_2.svg" ]] ||
  fail "two files of one name do not keep a picture each"
cmp -s "$WORK/klasse-out/seed_1700000001-b.svg" "$WORK/pictures/seed_1700000001-b.svg" ||
  fail "a file drawn from a folder differs from the same file given by name"

echo "-- a picture of gigabytes between two good files"
mkdir -p "$WORK/big"
cp "$WORK/class/seed_1700000000-a.alg" "$WORK/big/seed_1-a.alg"
save_file seed_2-b.alg "Gib n den Wert 400" "Wiederhole 2147483647 mal:" "  Zeichne weichen Linienzug" \
  "Wiederhole bis hier."
mv "$WORK/class/seed_2-b.alg" "$WORK/big/"
cp "$WORK/class/seed_1700000001-b.alg" "$WORK/big/seed_3-c.alg"
render "$WORK/big/seed_1-a.alg" "$WORK/big/seed_2-b.alg" "$WORK/big/seed_3-c.alg" --out "$WORK/big-out"
check_eq "exit status with a picture too large" "1" "$STATUS"
check_eq "the too large picture's line" \
  "$WORK/big/seed_2-b.alg: Bild waere groesser als 32 MiB, kein Bild." "$ERR"
check_eq "what is written" "index.html seed_1-a.svg seed_3-c.svg" "$(cd "$WORK/big-out" && ls -A | tr '\n' ' ' | sed 's/ $//')"
grep -q 'Kein Bild: Es wäre größer als 32 MiB.' "$WORK/big-out/index.html" ||
  fail "the card does not say why it has no picture"
grep -q "2 von 3 Bildern gezeichnet" <<<"$OUT" || fail "no summary: $OUT"

echo "-- running out of memory ends only that file"
{
  printf '%s\r\n' "*************************************" "*    Quovadrin Algorithmus Datei    *" \
    "*************************************" "" "Gib n den Wert 400"
  for ((i = 0; i < 100000; i++)); do printf 'Zeichne weichen Linienzug\r\n'; done
} >"$WORK/big/seed_4-d.alg"
(
  ulimit -v 600000
  render "$WORK/big/seed_1-a.alg" "$WORK/big/seed_4-d.alg" "$WORK/big/seed_3-c.alg" --out "$WORK/oom-out"
  echo "$STATUS" >"$WORK/oom-status.txt"
)
check_eq "exit status out of memory" "1" "$(cat "$WORK/oom-status.txt")"
check_eq "the memory line" "$WORK/big/seed_4-d.alg: zu wenig Speicher, kein Bild." "$(cat "$WORK/err.txt")"
check_eq "the pictures besides" "index.html seed_1-a.svg seed_3-c.svg" \
  "$(cd "$WORK/oom-out" && ls -A | tr '\n' ' ' | sed 's/ $//')"

echo "-- twice into the folder it reads: the pictures and the overview are no algorithms"
mkdir -p "$WORK/k"
cp "$WORK/class/seed_1700000000-a.alg" "$WORK/class/seed_1700000001-b.alg" "$WORK/k/"
render "$WORK"/k/* --out "$WORK/k"
check_eq "first run into its own folder" "0" "$STATUS"
before=$(cd "$WORK/k" && md5sum -- *)
render "$WORK"/k/* --out "$WORK/k"
check_eq "second run into its own folder" "1" "$STATUS"
check_eq "one line for each name that is no algorithm" \
  "$WORK/k/index.html: weder Algorithmusdatei (.alg) noch Ordner, uebersprungen.
$WORK/k/seed_1700000000-a.svg: weder Algorithmusdatei (.alg) noch Ordner, uebersprungen.
$WORK/k/seed_1700000001-b.svg: weder Algorithmusdatei (.alg) noch Ordner, uebersprungen." "$ERR"
check_eq "the same files, the same bytes" "$before" "$(cd "$WORK/k" && md5sum -- *)"
check_eq "two cards" "2" "$(grep -c '<figure class="card"' "$WORK/k/index.html")"

echo "-- names: after --, with escape sequences, as long as a name may be"
mkdir -p "$WORK/names/-h"
cp "$WORK/class/seed_1700000000-a.alg" "$WORK/names/-h/"
(cd "$WORK/names" && env -u DISPLAY "$program" --render --out bilder -- -h >"$WORK/out.txt" 2>"$WORK/err.txt")
check_eq "a folder called -h after --" "0" "$?"
[[ -f "$WORK/names/bilder/seed_1700000000-a.svg" ]] || fail "the folder -h was not drawn"
grep -q "Aufruf" "$WORK/out.txt" && fail "-h after -- printed the help"
hostile=$'\e[2J\e]0;gehackt\a\nseed_9-a.alg'
render "$WORK/names/$hostile" --out "$WORK/names-out"
check_eq "exit status of a missing hostile name" "1" "$STATUS"
check_eq "the hostile name escaped" \
  "$WORK/names/\\x1b[2J\\x1b]0;gehackt\\x07\\x0aseed_9-a.alg: Datei kann nicht gelesen werden, kein Bild." "$ERR"
LC_ALL=C grep -q $'[\x01-\x08\x0b-\x1f\x7f]' "$WORK/err.txt" "$WORK/out.txt" && fail "a control character reached the console"
check_eq "standard output holds only the summary" "1" "$(wc -l <"$WORK/out.txt")"
long=$(printf 'x%.0s' $(seq 246)).alg
cp "$WORK/class/seed_1700000000-a.alg" "$WORK/names/$long"
render "$WORK/names/$long" --out "$WORK/names-out"
check_eq "a name of 250 bytes" "0" "$STATUS"
[[ -f "$WORK/names-out/${long%.alg}.svg" ]] || fail "no picture for the name of 250 bytes"

echo "-- without files, without a folder, with a seed that is no number, twice --out: the usage line"
usage="Aufruf: quovadrin --render DATEI.alg|ORDNER... --out ORDNER [--seed N]"
for args in "$WORK/class/seed_5-a.alg" "--out $WORK/x" "$WORK/class/seed_5-a.alg --out $WORK/x --seed abc" \
  "$WORK/class/seed_5-a.alg --out" "$WORK/class/seed_5-a.alg --out $WORK/x --out $WORK/y"; do
  # shellcheck disable=SC2086 # the words are the arguments
  render $args
  check_eq "exit status of '$args'" "2" "$STATUS"
  check_eq "usage for '$args'" "$usage" "$ERR"
done
[[ ! -e "$WORK/x" && ! -e "$WORK/y" ]] || fail "a usage error made a folder"
exit $TEST_FAILED
