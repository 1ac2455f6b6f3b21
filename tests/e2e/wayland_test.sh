#!/usr/bin/env bash
# The game as a native Wayland client under a headless sway: single taps of Space, Up,
# Backspace, F1, Enter and Escape count as under X11, held arrows steer at the rules' pace
# through the key's repeats (sway's default: after 600 ms, 25 a second), the message box, the
# options window and the About window open and take keys and clicks, the right-click menu
# shows, the zoom and full-screen keys enlarge the picture, and both Escape and
# closing the window end the game with status 0, with nothing unexpected said on stderr.
# Usage: wayland_test.sh GAME_BINARY MUSIC_WAV
source "$(dirname "$0")/e2e_common.sh"
require_tools sway swaymsg wtype grim convert compare python3 setpriv
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
  echo "cannot run: Qt's Wayland platform is missing (scripts/install_deps.sh installs it)"
  exit 77
fi

# sway refuses to run as root, so root runs everything here as a system user of its own.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  user=zundabar-wl
  id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --home-dir /nonexistent \
    --shell /usr/sbin/nologin "$user" 2>/dev/null || id -u "$user" >/dev/null 2>&1 || {
    echo "cannot run: no user $user for the compositor, and useradd failed"
    exit 77
  }
  as_user=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --init-groups)
  chown -R "$user:" "$work"
fi
# The game and what it loads are copied where the compositor's user can reach them.
cp "$game" "$work/run/zundabar"
for module in zundabar_audio.so zundabar_pads.so; do
  if [ -e "$(dirname "$game")/$module" ]; then cp "$(dirname "$game")/$module" "$work/run/"; fi
done
cp "$here/wl_pointer_device.py" "$work/"
cat >"$work/sway.conf" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1000x1000 position 0 0
default_border none
default_floating_border none
focus_follows_mouse no
input type:keyboard {
  repeat_delay 600
  repeat_rate 25
}
EOF

# A private session. setpriv and env exec what they run, so a background pid is the process.
session=("${as_user[@]}" env -i HOME="$work" PATH=/usr/bin:/bin LANG=C.UTF-8
  XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$XDG_CONFIG_HOME")
(cd "$work" && exec "${session[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman \
  WLR_LIBINPUT_NO_DEVICES=1 sway -c "$work/sway.conf") >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  wayland=$(cd "$XDG_RUNTIME_DIR" && compgen -G "wayland-[0-9]" | head -n 1) || true
  swaysock=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -n 1) || true
  [ -n "$wayland" ] && [ -n "$swaysock" ] && "${session[@]}" WAYLAND_DISPLAY="$wayland" \
    SWAYSOCK="$swaysock" swaymsg -t get_version >/dev/null 2>&1 && break
  sleep 0.05
done
session+=(WAYLAND_DISPLAY="$wayland" SWAYSOCK="$swaysock")
in_session() { "${session[@]}" "$@"; }
in_session swaymsg -t get_version >/dev/null 2>&1 || fail "sway did not start"

more_about_the_failure() {
  echo "--- the game's windows:"
  windows
  echo "--- what sway said:"
  cat "$work/sway.log"
}

# A headless seat has neither a keyboard nor a pointer. Each wtype run brings a keyboard of its
# own and takes it away when it ends, and a window that is given the keyboard only once a key is
# down hears of that key in its enter event alone, which Qt ignores: the tap is lost. So, as on
# any desktop, a keyboard stays plugged in for the whole test, and a pointer for the clicks.
# Started without a function in between, so that each pid is the device's own; the keyboard
# leaves by itself after the test's time limit, should the test be killed.
"${session[@]}" wtype -s 300000 &
pids+=($!)
"${session[@]}" python3 "$work/wl_pointer_device.py" >"$work/pointer.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  caps=$(in_session swaymsg -t get_seats |
    in_session python3 -c 'import json, sys; print(json.load(sys.stdin)[0]["capabilities"])') || true
  [ "$caps" = 3 ] && break
  sleep 0.05
done
[ "$caps" = 3 ] || fail "the seat did not get a keyboard and a pointer (capabilities $caps)"

# The game's visible windows, a line each: id, client x y, WIDTHxHEIGHT, focused (1 or 0), title.
windows() {
  [ -n "${game_pid:-}" ] || return 0
  in_session swaymsg -t get_tree | in_session python3 -c '
import json, sys
def walk(n):
    if n.get("pid") == int(sys.argv[1]) and n.get("visible"):
        r, w = n["rect"], n["window_rect"]
        print(n["id"], r["x"] + w["x"], r["y"] + w["y"], "%dx%d" % (w["width"], w["height"]),
              int(n["focused"]), n["name"], sep="\t")
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))' "$game_pid"
}

windows_named() {
  windows | awk -F'\t' -v t="$1" '$6 == t' | wc -l
}

# "id x y WIDTHxHEIGHT" of a visible window with exactly this title, or nothing.
find_window() {
  windows | awk -F'\t' -v t="$1" '$6 == t { print $1, $2, $3, $4; exit }'
}

shot() {
  in_session grim -l 1 - >"$shots/$1.png"
}

tap() { in_session wtype -k "$1"; }
tap_with() { in_session wtype -M "$1" -k "$2" -m "$1"; }
hold() { in_session wtype -P "$1" -s "$2" -p "$1"; }

# Clicks at a point of a window's client area, then moves the cursor off the game's windows.
click_at() {
  in_session swaymsg -q seat - cursor set $(($1 + $3)) $(($2 + $4))
  in_session swaymsg -q seat - cursor press "${5:-button1}"
  in_session swaymsg -q seat - cursor release "${5:-button1}"
  in_session swaymsg -q seat - cursor set 0 0
  sleep 0.3
}

message_box() {
  windows | awk -F'\t' -v main="$main_id" '$6 == "Zundabar" && $1 != main { print $1; exit }'
}

close_message_box() {
  local box
  box=$(message_box)
  [ -n "$box" ] || return 1
  in_session swaymsg -q "[con_id=$box] focus"
  sleep 0.1
  tap Return
  sleep 0.3
}

start_game() {
  (cd "$work/run" && exec "${session[@]}" QT_QPA_PLATFORM=wayland ./zundabar) \
    >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  main_shown 492x498
}

# Waits for the main window at this size with the keyboard, as sway gives it to a window once
# it is mapped; sets main_id, main_x and main_y.
main_shown() {
  local found
  for _ in $(seq 100); do
    found=$(windows | awk -F'\t' -v size="$1" \
      '$6 == "Zundabar" && $4 == size && $5 == 1 { print $1, $2, $3; exit }')
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "no main window of $1 with the keyboard"
  read -r main_id main_x main_y <<<"$found"
}

# Succeeds when the monkey moves as asked (left or right) between the shots before and after a
# key. A landing's message box in between is closed, a monkey behind the cloud is pushed down
# out of it, and the key tried again.
moves() {
  local direction=$1 x1 x2 _
  shift
  for _ in 1 2 3 4 5; do
    close_message_box || true
    shot move-1
    "$@"
    sleep 0.1
    shot move-2
    read -r x1 _ <<<"$(monkey_at move-1)"
    read -r x2 _ <<<"$(monkey_at move-2)"
    if [ -n "$x1" ] && [ -n "$x2" ]; then
      [ "$direction" = left ] && [ "$x2" -lt "$x1" ] && return 0
      [ "$direction" = right ] && [ "$x2" -gt "$x1" ] && return 0
    else
      hold Down 300
    fi
  done
  return 1
}

# The jumps left, as the number on the grass shows them.
jumps_shown() {
  shot "$1"
  convert "$shots/$1.png" -crop 40x24+$((main_x + 224))+$((main_y + 430)) +repage \
    "$shots/$1-jumps.png"
}

# A tap of Up spends a jump: the number of jumps left changes (the monkey may rise out of sight).
jumps() {
  for _ in 1 2 3; do
    close_message_box || true
    jumps_shown before-jump
    tap Up
    sleep 0.2
    jumps_shown after-jump
    [ -z "$(message_box)" ] && ! same_pixels before-jump-jumps after-jump-jumps && return 0
  done
  return 1
}

# A tap of Backspace stops the picture with no message box up. A box that came with a landing
# is closed and the key tapped again, as a key pressed under the box counts only after it.
pauses() {
  for _ in 1 2 3; do
    close_message_box || true
    tap BackSpace
    sleep 0.3
    if ! picture_moves paused && [ -z "$(message_box)" ]; then return 0; fi
  done
  return 1
}

# Without a sound server Qt's audio backend says so, under X11 alike; nothing else may be said.
check_quiet() {
  local said
  said=$(grep -v -e '^PulseAudioService: pa_context_connect() failed$' \
    -e '^No audio device detected$' "$work/game.log" || true)
  [ -z "$said" ] || fail "the game said on stderr: $said"
}

# Waits until the window of this title has this client size.
wait_size() {
  for _ in $(seq 50); do
    [ "$(find_window "$1" | cut -d' ' -f4)" = "$2" ] && return 0
    sleep 0.1
  done
  fail "the window '$1' is $(find_window "$1" | cut -d' ' -f4), not $2"
}

# A crop of the screen to the right of the main window, where a menu opened at the window's
# bottom right shows.
beside_main() {
  shot "$1"
  convert "$shots/$1.png" -crop 250x200+$((main_x + 492))+$((main_y + 490)) +repage \
    "$shots/$1-crop.png"
}

same_pixels() {
  [ "$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1)" = 0 ]
}

# The compositor neither stretched nor framed the main window.
start_game
shot start
prompt_shown || fail "no start prompt"
# One tap of Space, pressed once only. Play has started once the prompt is gone or the monkey,
# drawn only by the game tick, is on the screen (a ledge may cross the prompt's place).
tap space
for _ in $(seq 20); do
  if ! prompt_shown || [ -n "$(monkey_top prompt)" ]; then started=yes; break; fi
  sleep 0.1
done
[ -n "${started:-}" ] || fail "a tap of Space did not start play"
monkey_falls || fail "the monkey was not seen falling"
echo "Space: a tap started play, and the monkey falls"

# Against the right wall Right moves nothing, and against the left one Left does not.
moves right hold Right 300 || moves left hold Left 300 || fail "holding an arrow did not steer"
# Held past the repeat delay, through the repeats that Qt makes itself.
steers_at_the_rules_pace 3000 || fail "a held arrow did not steer at the rules' pace"
jumps || fail "a tap of Up did not jump"
echo "held arrows steer, a tap of Up jumps"

# Down held brings a landing; its message box takes the keyboard, and a tap of Enter goes on.
for _ in $(seq 8); do
  [ -n "$(message_box)" ] && break
  hold Down 1500
done
box=$(message_box)
[ -n "$box" ] || fail "no message box after holding Down"
sleep 0.3
shot message
[ "$(windows | awk -F'\t' -v id="$box" '$1 == id { print $5 }')" = 1 ] ||
  fail "the message box did not take the keyboard"
tap Return
sleep 0.3
[ -z "$(message_box)" ] || fail "a tap of Enter did not close the message box"
picture_moves after-message || fail "play did not go on after the message box"
echo "a landing's message box closed with Enter, and play goes on"

pauses || fail "a tap of Backspace did not pause play"
tap BackSpace
sleep 0.3
picture_moves resumed || close_message_box || fail "a second tap of Backspace did not resume"
echo "Backspace: paused and resumed"

close_message_box || true
tap F1
found=$(wait_window "Configuration Options")
read -r _ options_x options_y size <<<"$found"
wait_size "Configuration Options" 351x276
sleep 0.3
shot options
# From Set (the focus) two tabs reach the progression slider; its Set stores the value.
for key in Tab Tab Right Right Right; do tap "$key"; done
click_at "$options_x" "$options_y" $(design_place --centre optionsWindow setProgressionButton)
stored Progression=5 || fail "the progression slider's value was not stored"
click_at "$options_x" "$options_y" $(design_place --centre optionsWindow cratesBox)
click_at "$options_x" "$options_y" $(design_place --centre optionsWindow setCratesButton)
stored Crates=False || fail "unticking crates and Set did not store False"
click_at "$options_x" "$options_y" $(design_place --centre optionsWindow resumeButton)
[ "$(windows_named "Configuration Options")" -eq 0 ] || fail "Resume Game left the options shown"
picture_moves after-options || close_message_box || fail "Resume Game did not resume play"
echo "F1: the options window stored Progression=5 and Crates=False, Resume Game played on"

# During play a click on the banner stops play and opens the About window, whose Close plays on.
# (Opened while paused, it would leave the start listener running beside the game tick.)
for _ in 1 2 3; do
  close_message_box || true
  click_at "$main_x" "$main_y" $(design_place --centre mainWindow creditBanner)
  found=$(wait_window "About Zundabar" 2>/dev/null) && break
done
read -r _ about_x about_y size <<<"$found"
wait_size "About Zundabar" 312x289
sleep 0.3
shot about
picture_moves about-open && fail "play went on behind the About window"
click_at "$about_x" "$about_y" $(design_place --centre aboutWindow closeButton)
[ "$(windows_named "About Zundabar")" -eq 0 ] || fail "the About window is still shown"
picture_moves after-about || close_message_box || fail "Close did not start play"
echo "About: opened from the credit banner, Close started play"

# The right-click menu is a popup, placed by the window; the Escape that closes it is not the
# game's, which plays on.
for _ in 1 2 3; do
  close_message_box || true
  beside_main no-menu
  click_at "$main_x" "$main_y" 470 490 button3
  beside_main menu
  same_pixels no-menu-crop menu-crop || break
done
same_pixels no-menu-crop menu-crop && fail "no menu after a right click"
tap Escape
sleep 0.3
beside_main menu-closed
same_pixels no-menu-crop menu-closed-crop || fail "Escape left the menu up"
picture_moves after-menu || close_message_box || fail "Escape in the menu stopped play"
echo "a right click opened the menu, and its Escape closed it only"

# Paused, Ctrl+Plus doubles the window, where the compositor keeps it; F11 shows the picture
# full screen at the largest whole factor that fits, 2x, centred between black bars; Alt+Enter
# and Ctrl+0 go back. Play then goes on.
pauses || fail "a tap of Backspace did not pause play before the zoom"
tap_with ctrl plus
main_shown 984x996
shot zoomed
# The cursor goes where the picture will be, out of the black bars.
in_session swaymsg -q seat - cursor set 500 500
tap F11
main_shown 1000x1000
sleep 0.3
shot full-screen
picture=$(convert "$shots/full-screen.png" -format '%@' info:)
[ "$picture" = "984x996+8+2" ] || fail "the full-screen picture lies at $picture"
tap_with alt Return
main_shown 984x996
tap_with ctrl 0
main_shown 492x498
tap BackSpace
sleep 0.3
picture_moves after-zoom || close_message_box || fail "play did not go on after the zoom"
echo "Ctrl+Plus: 2x; F11: full screen at 2x; Alt+Enter and Ctrl+0: back to 1x"

# Escape quits during play only: a message box is closed first.
for _ in 1 2 3; do
  close_message_box || true
  tap Escape
  if wait_exit 2; then quit=yes; break; fi
done
[ -n "${quit:-}" ] || fail "a tap of Escape did not end the game with status 0"
check_quiet
echo "Escape: the game ended with status 0"

start_game
in_session swaymsg -q "[con_id=$main_id] kill"
status=0
wait_exit 5 || status=$?
[ "$status" = 0 ] || fail "closing the window did not end the game with status 0 (status $status)" \
  "$(ps -L -o tid=,stat=,wchan:32=,comm= -p "$game_pid")"
check_quiet
echo "close: the game ended with status 0"
echo "passed"
