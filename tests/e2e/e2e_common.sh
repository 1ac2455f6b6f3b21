# What the end-to-end tests share on any display: a private options folder and a working folder
# holding the music, the processes to end, and how to read the game's picture in a screenshot.
# Before the game is looked at, the display's script defines shot NAME (the whole screen into
# $shots/NAME.png), find_window TITLE (what it knows of a visible window of that title, or
# nothing), close_message_box (succeeds when it closed one) and start_game, which sets game_pid
# and main_x and main_y, where the main window's client area is on the screen.
set -euo pipefail

# Exits with the skip status when a tool is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "cannot run: $tool is missing (scripts/install_deps.sh installs it)"
      exit 77
    fi
  done
}

game=$(realpath "$1")
music=$(realpath "$2")
work=$(mktemp -d)
shots=${E2E_SHOTS:-$work/shots}
mkdir -p "$shots" "$work/config" "$work/run"
cp "$music" "$work/run/Music.wav"
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
settings_file="$XDG_CONFIG_HOME/VB and VBA Program Settings/ZNDBR.conf"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Every process started in the background, each started directly so that its pid is its own.
# Last started, first ended: the game before what it runs on.
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# To stderr, as it may be called where stdout is being read. A display may add what it knows by
# defining more_about_the_failure.
fail() {
  {
    echo "FAILED: $*"
    if declare -F more_about_the_failure >/dev/null; then more_about_the_failure || true; fi
    echo "--- what the game said:"
    cat "$work/game.log" 2>/dev/null || true
  } >&2
  exit 1
}

# Waits up to $1 seconds for the game to end; returns its exit status, or 124 if it still runs.
wait_exit() {
  local deadline=$((SECONDS + $1))
  # An ended child stays a zombie until it is waited for, so look at its state.
  while [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ]; do
    [ $SECONDS -le $deadline ] || return 124
    sleep 0.05
  done
  wait "$game_pid"
}

# Waits for a visible window with exactly this title; prints what find_window knows of it.
wait_window() {
  local found=""
  for _ in $(seq 100); do
    found=$(find_window "$1") || true
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "no window titled '$1' appeared"
  echo "$found"
}

stored() {
  grep -q "^$1\$" "$settings_file" 2>/dev/null
}

# The start prompt's dark text in the sky, or nothing once it is hidden.
prompt_shown() {
  shot prompt
  local darkest
  darkest=$(convert "$shots/prompt.png" -crop 169x29+$((main_x + 171))+$((main_y + 114)) +repage \
    -colorspace Gray -format '%[fx:minima.r]' info:)
  awk -v d="$darkest" 'BEGIN { exit !(d < 0.2) }'
}

# The left column, top row and bottom row of the monkey's brown pixels in a screenshot, or
# nothing when it is hidden.
monkey_at() {
  convert "$shots/$1.png" -crop 472x446+$((main_x + 9))+$((main_y + 9)) +repage \
    -fill black +opaque 'rgb(153,102,0)' -format '%@' info: 2>/dev/null |
    awk -F'[x+]' '$1 > 0 && $1 < 100 { print $3, $4, $4 + $2 - 1 }'
}

monkey_top() {
  monkey_at "$1" | cut -d' ' -f2
}

# The left column of the monkey's brown pixels when all 21 columns of them show, in either pose,
# or nothing: the cloud, drawn over the monkey, may hide a side.
monkey_left_whole() {
  convert "$shots/$1.png" -crop 472x446+$((main_x + 9))+$((main_y + 9)) +repage \
    -fill black +opaque 'rgb(153,102,0)' -format '%@' info: 2>/dev/null |
    awk -F'[x+]' '$1 == 21 { print $3 }'
}

# Holds an arrow for $1 ms (with hold ARROW MS, which the display's script defines) and succeeds
# when the monkey moved at least 85 % of the way the rules give for that time: 4 units every
# 60 ms tick, 0.472 pixels a unit. The arrow with room for the whole way is held. A look spoilt
# by a landing, by the cloud in front of the monkey or by the right edge, which pushes left and
# down bring it out of, is made again; a monkey that moved too little is not.
steers_at_the_rules_pace() {
  local arrow x1 x2
  for _ in $(seq 8); do
    close_message_box || true
    shot pace-before
    x1=$(monkey_left_whole pace-before)
    if [ -z "$x1" ]; then
      hold Left 300
      hold Down 300
      continue
    fi
    arrow=Left
    [ "$x1" -lt 236 ] && arrow=Right
    hold "$arrow" "$1"
    shot pace-after
    x2=$(monkey_left_whole pace-after)
    [ -n "$x2" ] && [ "$(windows_named Zundabar)" -eq 1 ] || continue
    awk -v arrow="$arrow" -v x1="$x1" -v x2="$x2" -v ms="$1" 'BEGIN {
      moved = arrow == "Left" ? x1 - x2 : x2 - x1
      ruled = ms / 60 * 4 * 0.472
      printf "%s held %d ms: the monkey moved %d px (%.1f px/s), %.0f %% of the rules %.1f px\n",
        arrow, ms, moved, moved * 1000 / ms, 100 * moved / ruled, ruled
      exit !(moved >= 0.85 * ruled)
    }'
    return
  done
  echo "the monkey was never seen whole before and after a held arrow"
  return 1
}

# The top and bottom rows of the monkey's brown pixels added up, or nothing when it is hidden.
# The sum grows while the monkey falls, also while it comes out from behind the cloud, which is
# drawn over it, or goes behind it.
monkey_depth() {
  monkey_at "$1" | awk '{ print $2 + $3 }'
}

# Something moves on the screen between two looks half a second apart; looked at for up to two
# seconds, as a loaded machine may hold a picture back for a while.
picture_moves() {
  for _ in 1 2 3 4; do
    shot "$1-1"
    sleep 0.5
    shot "$1-2"
    cmp -s "$shots/$1-1.png" "$shots/$1-2.png" || return 0
  done
  return 1
}

# The monkey falls: its rows grow between two looks. A level that ends at once (the start
# may lie just above the ledge) is dismissed and the next one watched instead.
monkey_falls() {
  local attempt i t previous
  for attempt in 1 2 3; do
    previous=""
    for i in $(seq 6); do
      sleep 0.25
      shot "falling-$attempt-$i"
      t=$(monkey_depth "falling-$attempt-$i")
      echo "look $attempt.$i: monkey's top and bottom rows add up to ${t:-hidden}"
      if [ -n "$t" ] && [ -n "$previous" ] && [ "$t" -gt "$previous" ]; then return 0; fi
      previous=$t
    done
    close_message_box || true
  done
  return 1
}

# Where a designed control lies in its window's client area: "X Y WIDTH HEIGHT", or "X Y" of its
# centre with --centre. The tests give the design tool's path in ZUNDABAR_DESIGN.
design_place() {
  "${ZUNDABAR_DESIGN:?ZUNDABAR_DESIGN names the zundabar_design tool}" "$@" ||
    fail "the design has no $*"
}
