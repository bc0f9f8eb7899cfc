# What a learner does with the real program, for the end-to-end stories:
# where the widgets are, clicking them, saving and reading back the saved
# algorithm, and looking at the canvas and the listing. Sourced after
# program.sh, not run.

# Clicks come fast: the X server keeps them in order, and the stories wait
# for files and pixels, not for time.
CLICK_PAUSE=${CLICK_PAUSE:-0.02}

# Where the learner aims, in tool-panel layout units: the middle of each
# Button and of each Label's line of text; the repeat Button beside the
# count Label c that lies on its middle; and a spot where nothing is.
declare -A TOOL=(
  [square]="40 165" [circle]="95 165" [blob]="150 165"
  [line1]="40 220" [line2]="95 220" [line3]="150 220"
  [lloop1]="40 275" [lloop2]="95 275" [lloop3]="150 275"
  [repeat]="160 375" [c]="140 350"
  [abs]="20 560" [rel]="50 560" [mul]="80 560" [div]="110 560"
  [undo]="47 590" [restart]="40 610"
  [x]="153 430" [y]="153 440"
  [save]="40 750" [load]="100 750" [quit]="160 750"
  [empty]="240 300"
)

# tool NAME [BUTTON] [TIMES]: clicks a tool-panel widget.
tool() {
  local i
  for ((i = 0; i < ${3:-1}; i++)); do
    click_at $(tool_xy ${TOOL[$1]}) "${2:-1}" # two words: x and y
  done
}

# The middle of grid cell (column, row) and of listing line K (from 1).
cell_xy() { canvas_xy $(($1 * 20 + 10)) $(($2 * 20 + 10)); }
line_xy() { listing_xy 128 $((20 + 10 * $1)); }

# Starts the program in a fresh working directory on the running X server
# and waits for its first frame; the previous working directory goes.
SAVE_COUNT=0
launch_program() {
  [[ -n "$WORKSPACE" && "${KEEP_WORKSPACE:-0}" != 1 ]] && rm -rf "$WORKSPACE"
  make_workspace
  SAVE_COUNT=0
  start_program
  await_output "hertz" && await_frame
}

# save_algorithm: clicks save and sets SAVED to the path of the algorithm
# file it writes once the file is there (the letters count the saves: a, b,
# ...).
SAVED=
save_algorithm() {
  SAVE_COUNT=$((SAVE_COUNT + 1))
  local letters=abcdefghijklmnopqrstuvwxyz file tries=0
  local letter=${letters:SAVE_COUNT-1:1}
  tool save
  while :; do
    for file in "$WORKSPACE"/vorpAlgorithms/seed_*-"$letter".alg; do
      [[ -e "$file" ]] && { SAVED=$file; return 0; }
    done
    ((tries++ < 100)) || { fail "save $letter wrote no algorithm file"; return 1; }
    sleep 0.05
  done
}

# The command lines of a saved algorithm: everything after the four header
# lines, without the CR of each line end.
algorithm_lines() { [[ -f "$1" ]] && tail -n +5 "$1" | tr -d '\r'; }

# check_saved WHAT LINE...: saves and compares the algorithm's lines.
check_saved() {
  local what=$1
  shift
  save_algorithm || return
  check_eq "$what" "$(printf '%s\n' "$@")" "$(algorithm_lines "$SAVED")"
}

# Pixel boxes at the 1280 x 1024 screen: a layout unit is 1.25 pixels wide
# and 4/3 pixels high.
# cell_fraction SHOT COLUMN ROW -> the dark share of grid cell (column, row).
cell_fraction() {
  dark_fraction "$1" $((320 + 25 * $2)) $((($3 * 20 * 4) / 3)) 26 27
}
# line_fraction SHOT K -> the dark share of the text of listing line K.
line_fraction() {
  dark_fraction "$1" 962 $(((25 + 10 * ($2 - 1)) * 4 / 3 + 1)) 300 12
}
# darkest SHOT X Y W H -> the lowest grey value 0..255 in the pixel box.
darkest() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format "%[fx:int(255*minima)]" info:
}

# await_shot TEST...: takes screenshots into $SHOT until the shell test
# passes (at most ~5 s); a test that never passes leaves the last one.
SHOT=
await_shot() {
  local tries=0
  SHOT="$WORKSPACE/shot.png"
  until screenshot "$SHOT" && eval "$*"; do
    ((tries++ < 50)) || return 1
    sleep 0.1
  done
}

# The canvas shows its grid: a vertical grid line near the canvas's bottom
# right, where no story draws, is grey rather than white.
grid_shown() { (($(darkest "$SHOT" 817 925 6 10) < 240)); }

# Messages are centred on the canvas in a grey box 20 units high, 7 units
# wide per character. message_shown X: the box's grey is at canvas point
# (X, 392), below the text; pick an X inside the box and off the grid lines.
message_shown() {
  in_range_quiet "$(grey_value "$SHOT" $(((256 + $1) * 5 / 4)) $((392 * 4 / 3)))" 196 212
}
in_range_quiet() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
