#!/usr/bin/env bash
# A soak: the real game under Xvfb with random key presses for SECONDS. Its resident memory after
# the warm-up may grow by less than 2 MiB, and it must neither crash nor stop answering.
# Usage: soak_test.sh GAME_BINARY MUSIC_WAV SECONDS
source "$(dirname "$0")/e2e_lib.sh"
seconds=${3:?usage: soak_test.sh GAME_BINARY MUSIC_WAV SECONDS}
# The warm-up lasts past the first music replay (21.5 s) and until the first end-of-level message
# box has shown, as both load what they need once; a loaded machine may take a while to get there.
warmup=$((seconds / 4 > 25 ? seconds / 4 : 25))
warmup_cap=$((seconds / 2 > warmup ? seconds / 2 : warmup))
max_growth_kib=2048

rss_kib() { awk '/VmRSS/ { print $2 }' "/proc/$game_pid/status"; }

start_game
start_play
keys=(Left Right Up Down Down Down space BackSpace Return)
presses=0
baseline=""
peak=0
samples=()
next_sample=$((SECONDS + warmup))
last_warmup=$((SECONDS + warmup_cap))
box_seen=""
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || fail "the game ended after $presses presses"
  xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  presses=$((presses + 1))
  if [ -z "$box_seen" ] && xdotool search --onlyvisible --name '^Zundabar$' 2>/dev/null |
    grep -qvx "$main_window"; then
    box_seen=yes
  fi
  if [ $SECONDS -ge $next_sample ] && { [ -n "$box_seen" ] || [ $SECONDS -ge $last_warmup ]; }; then
    rss=$(rss_kib)
    [ -n "$baseline" ] || baseline=$rss
    [ "$rss" -gt "$peak" ] && peak=$rss
    samples+=("$rss")
    next_sample=$((SECONDS + 5))
  fi
  sleep 0.03
done
final=$(rss_kib)
[ "$final" -gt "$peak" ] && peak=$final
growth=$((peak - baseline))
echo "resident memory every 5 s (KiB): ${samples[*]}"
echo "soak: $seconds s, $presses key presses, resident memory after warm-up $baseline KiB," \
  "peak $peak KiB, at the end $final KiB, growth $growth KiB"
[ "$growth" -lt "$max_growth_kib" ] || fail "resident memory grew by $growth KiB"
status=0
quit_with_escape || status=$?
[ "$status" = 0 ] || fail "the game did not quit with status 0 after the soak (status $status)"
echo "passed"
