#!/usr/bin/env bash
# A soak: the real game under Xvfb with random key presses for SECONDS. Its resident memory after
# the warm-up may grow by less than 2 MiB, and it must neither crash nor stop answering.
# Usage: soak_test.sh GAME_BINARY MUSIC_WAV SECONDS
source "$(dirname "$0")/e2e_lib.sh"
seconds=${3:?usage: soak_test.sh GAME_BINARY MUSIC_WAV SECONDS}
# Long enough for the first message boxes, whose first showing loads what they need once.
warmup=$((seconds / 4 > 15 ? seconds / 4 : 15))
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
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  [ -n "$(ps -o stat= -p "$game_pid" | grep -v Z)" ] || fail "the game ended after $presses presses"
  xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  presses=$((presses + 1))
  if [ $SECONDS -ge $next_sample ]; then
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
