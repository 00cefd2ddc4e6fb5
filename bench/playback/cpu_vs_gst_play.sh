#!/usr/bin/env bash
# CPU time (user + system, all threads) of 10 s of 1 x playback under Xvfb: gst-play-1.0 against
# a player command on the same clip, as a ratio in one run (goal: the player uses no more).
# Usage: cpu_vs_gst_play.sh CLIP PLAYER [ARGS...]   (CLIP is appended to the player's arguments)
#   e.g. bench/playback/cpu_vs_gst_play.sh clip.avi build/src/halvo-player
# Without Xvfb running, the script restarts itself under xvfb-run.
set -euo pipefail

seconds=${PLAY_SECONDS:-10}
[ $# -ge 2 ] || { sed -n '2,7p' "$0"; exit 2; }
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"; fi

clip=$1
shift

# Without the X video sinks gst-play-1.0 falls back to a fake sink and shows nothing, which would
# make it a peer that does less work; the benchmark is their only user, so it installs them.
"$(dirname "$0")/../../scripts/setup" gstreamer1.0-x

ticks=$(getconf CLK_TCK)

# Runs a command for the play time and prints the CPU seconds it used.
cpu_seconds_of() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep "$seconds"
  local stat
  stat=$(cat "/proc/$pid/stat")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # Fields after the parenthesised name: utime is the 12th, stime the 13th.
  echo "${stat##*) }" | awk -v t="$ticks" '{ printf "%.2f", ($12 + $13) / t }'
}

peer=$(cpu_seconds_of gst-play-1.0 --no-interactive "$clip")
ours=$(cpu_seconds_of "$@" "$clip")
awk -v p="$peer" -v o="$ours" -v s="$seconds" 'BEGIN {
  printf "%d s of playback: gst-play-1.0 %.2f s CPU, player %.2f s CPU, ratio %.2f (goal <= 1.00)\n",
         s, p, o, (p > 0 ? o / p : 0) }'
