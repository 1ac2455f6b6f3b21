#!/usr/bin/env bash
# Plays the Windows game under Wine on a private X server, with real keys and clicks:
#   e2e_test.sh ZUNDABAR.EXE MUSIC.WAV MESSAGE_BOX_PROBE.EXE
# Damaged options in the registry are told once on stderr and the game plays: Space starts, the
# level ends in its message box (its exact text, OK alone, no icon, the main window its owner),
# Return closes it, F1 opens the options window, its jump Set button stores the option in the
# registry, Resume Game plays on, a click on the credit banner opens About and Close plays on,
# Ctrl+Plus doubles the window and Ctrl+0 brings it back, and Escape ends the game with status 0;
# the game has loaded Windows' own XInput for the pads. Then once more where no XInput library
# loads: the game starts, plays a level to its message box and ends as before, and tells nothing.
# Screenshots go to $E2E_SHOTS when it is set. Every wait is bounded.
set -euo pipefail

exe=$(realpath "$1")
if file -b "$exe" | grep -q '^PE32 '; then
  if ! how=$("$(dirname "$0")/wine_run.sh" --runs-32-bit); then
    echo "e2e: skipped: this machine cannot run 32-bit Windows programs"
    exit 77
  fi
  # The game, the probe and every program they start run where 32-bit programs run.
  if [ -z "${ZUNDABAR_32_BIT:-}" ]; then
    echo "e2e: 32-bit programs run $how"
    exec "$(dirname "$0")/with_32_bit.sh" "$0" "$@"
  fi
fi
music=$(realpath "$2")
probe=$(realpath "$3")
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
# Wine's 64-bit loader starts 64-bit programs itself and 32-bit ones through the 32-bit loader,
# which the wine command would start first for every program, slowly where it is emulated.
wine=wine
if [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
fi

xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "e2e: $*" >&2
  shot failure
  exit 1
}

shot() {
  if [ -n "${E2E_SHOTS:-}" ] && [ -n "${DISPLAY:-}" ]; then
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1.png" 2>/dev/null || true
  fi
}

# Waits up to $1 seconds for a visible window whose title is exactly $2; prints its id.
wait_window() {
  local seconds=$1 title=$2 id
  for ((i = 0; i < seconds * 5; i++)); do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Waits up to $1 seconds until no visible window has the title $2.
wait_gone() {
  local seconds=$1 title=$2
  for ((i = 0; i < seconds * 5; i++)); do
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# Return closes the end-of-level message box, within ten seconds.
close_message_with_return() {
  xdotool key Return
  for ((i = 0; i < 50; i++)); do
    [ "$(count_windows Zundabar)" -lt 2 ] && return 0
    sleep 0.2
  done
  fail "the message stayed open"
}

# Clicks the middle of a designed control in a window's client area, which without a window
# manager is the whole X window; the design tool (ZUNDABAR_DESIGN) says where it lies at 96 dpi.
click_control() {
  local window=$1 x y
  read -r x y < <("${ZUNDABAR_DESIGN:?ZUNDABAR_DESIGN names the zundabar_design tool}" --centre \
    "$2" "$3") || fail "the design has no $2 $3"
  xdotool mousemove --window "$window" "$x" "$y" click 1
}

echo "e2e: making a Wine prefix"
"$(dirname "$0")/wine_run.sh" --make-prefix >/dev/null 2>&1

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for ((i = 0; i < 50; i++)); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display"
export DISPLAY=:$(head -1 "$work/display")

# Options damaged as no game writes them: a number, a value far too long, bytes.
options_key='HKCU\Software\VB and VBA Program Settings\ZNDBR\Settings'
(
  unset DISPLAY
  "$wine" reg add "$options_key" /v Progression /t REG_DWORD /d 5 /f
  "$wine" reg add "$options_key" /v Crates /t REG_SZ /d "$(printf 'x%.0s' {1..300})" /f
  "$wine" reg add "$options_key" /v Music /t REG_BINARY /d 00ff00ff /f
) >/dev/null 2>&1 || fail "could not seed the registry"

mkdir "$work/game"
cp "$music" "$work/game/Music.wav"
# Wine names each library the game loads, XInput among them, in lines of its own on stderr.
(cd "$work/game" && WINEDEBUG=-all,+loaddll exec "$wine" "$exe" 2>"$work/stderr") &
game_pid=$!

main=$(wait_window 60 Zundabar) || fail "no main window"
sleep 1
shot start
xdotool key --window "$main" space
sleep 2
shot play

# Steer right now and then until the level's message box opens beside the main window.
for ((i = 0; i < 600; i++)); do
  [ "$(count_windows Zundabar)" -ge 2 ] && break
  ((i % 10 == 0)) && xdotool key --window "$main" Right
  sleep 0.2
done
[ "$(count_windows Zundabar)" -ge 2 ] || fail "no end-of-level message"
shot message
"$wine" "$probe" | tr -d '\r' > "$work/box" || fail "the probe found no message box"
score=$(sed -n 's/^text=.*Score: \([0-9]*\)$/\1/p' "$work/box")
[ -n "$score" ] || fail "the message box shows no score: $(cat "$work/box")"
loss="You have failed round 1.\\r\\nPress 'Enter' to play again.\\r\\nRemember, you can press"
loss+=" 'Escape' at any time during play to quit the game, and 'Backspace' to pause.\\r\\n"
loss+="Score: $score"
win="Winner! Press 'Enter' for round 2. Score: $score"
grep -qxF "text=$loss" "$work/box" || grep -qxF "text=$win" "$work/box" ||
  fail "the message box's text is not a level's end: $(cat "$work/box")"
diff <(grep -v '^text=' "$work/box") <(printf 'button=OK\nowner=Zundabar\n') >&2 ||
  fail "the message box has more than OK, an icon, or another owner"
echo "e2e: the message box says $(grep '^text=' "$work/box")"
close_message_with_return

xdotool key --window "$main" F1
options=$(wait_window 15 "Configuration Options") || fail "F1 opened no options window"
sleep 0.5
shot options
click_control "$options" optionsWindow setJumpButton
stored=""
for ((i = 0; i < 25; i++)); do
  stored=$("$wine" reg query 'HKCU\Software\VB and VBA Program Settings\ZNDBR\Settings' \
    /v Jump 2>/dev/null | tr -d '\r' | awk '$1 == "Jump" {print $3}' || true)
  [ -n "$stored" ] && break
  sleep 0.2
done
[[ "$stored" =~ ^([1-9]|10)$ ]] || fail "the jump Set button stored '$stored'"
echo "e2e: Jump stored as $stored"
click_control "$options" optionsWindow resumeButton
wait_gone 10 "Configuration Options" || fail "Resume Game left the options window open"

click_control "$main" mainWindow creditBanner
about=$(wait_window 15 "About Zundabar") || fail "the credit banner opened no About window"
sleep 0.5
shot about
click_control "$about" aboutWindow closeButton
wait_gone 10 "About Zundabar" || fail "Close left the About window open"

# ---- Display: one zoom step and back ----
# On a 1920 x 1080 screen Ctrl+Plus doubles the main window and Ctrl+0 brings it back to its own
# size; each choice is kept in the registry, and neither key moves, pauses or ends the game (the
# Escape below still ends it).
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ {print $2}'; }
wait_size() {
  local window=$1 wanted=$2
  for ((i = 0; i < 25; i++)); do
    [ "$(window_size "$window")" = "$wanted" ] && return 0
    sleep 0.2
  done
  return 1
}
stored_zoom() {
  "$wine" reg query 'HKCU\Software\Zundabar' /v Zoom 2>/dev/null | tr -d '\r' |
    awk '$1 == "Zoom" {print $3}' || true
}
own_size=$(window_size "$main")
[[ "$own_size" =~ ^([0-9]+)x([0-9]+)$ ]] || fail "the main window has no size ('$own_size')"
doubled="$((BASH_REMATCH[1] * 2))x$((BASH_REMATCH[2] * 2))"
xdotool key --window "$main" ctrl+plus
wait_size "$main" "$doubled" || fail "Ctrl+Plus made the window $(window_size "$main"), not $doubled"
sleep 0.5
shot zoomed
[ "$(stored_zoom)" = 0x2 ] || fail "Ctrl+Plus stored the zoom '$(stored_zoom)'"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended at Ctrl+Plus"
xdotool key --window "$main" ctrl+0
wait_size "$main" "$own_size" || fail "Ctrl+0 left the window $(window_size "$main")"
[ "$(stored_zoom)" = 0x1 ] || fail "Ctrl+0 stored the zoom '$(stored_zoom)'"
echo "e2e: zoomed to $doubled and back to $own_size"
# ---- End of the display block ----

# Escape ends the game with status 0, within ten seconds.
end_with_escape() {
  xdotool key --window "$main" Escape
  local status=""
  for ((i = 0; i < 50; i++)); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid" && status=0 || status=$?
      break
    fi
    sleep 0.2
  done
  game_pid=""
  [ "$status" = 0 ] || fail "Escape did not end the game with status 0 (status '$status')"
}

end_with_escape
for option in Progression Crates Music; do
  [ "$(grep -c "^zundabar: the option $option in " "$work/stderr")" = 1 ] ||
    fail "the damaged $option was not told once on stderr: $(cat "$work/stderr")"
done
grep -q 'Loaded .*xinput1_4\.dll' "$work/stderr" || fail "the game never loaded XInput"

# ---- Without XInput ----
(
  cd "$work/game"
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;xinput1_4=d;xinput9_1_0=d" WINEDEBUG=-all,+loaddll
  exec "$wine" "$exe" 2>"$work/stderr"
) &
game_pid=$!
main=$(wait_window 60 Zundabar) || fail "no main window without XInput"
sleep 1
xdotool key --window "$main" space
# Down held lands the monkey within seconds.
xdotool keydown --window "$main" Down
for ((i = 0; i < 150; i++)); do
  [ "$(count_windows Zundabar)" -ge 2 ] && break
  sleep 0.2
done
xdotool keyup --window "$main" Down
[ "$(count_windows Zundabar)" -ge 2 ] || fail "no end-of-level message without XInput"
close_message_with_return
end_with_escape
! grep -q 'Loaded .*xinput' "$work/stderr" || fail "XInput loaded where it was disabled"
grep '^zundabar:' "$work/stderr" | grep -v '^zundabar: the option ' >&2 &&
  fail "the game told more than the damaged options without XInput"
echo "e2e: played without XInput"
echo "e2e: passed"
