#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A newcomer's first start under a real window manager (Xvfb + openbox): no
# settings, no Default.prg, no sound card. Both boxes must come one after the
# other, each above the window and focused, answer F1, Enter and Escape, and
# the window must take keys once they are gone.
#   first_start.sh PROGRAM MANUAL [SCREENSHOT-FOLDER]
set -euo pipefail
program=$1
manual=$2
shots=${3:-}

# shellcheck source=../support/virtual_display.sh
source "$(dirname "$0")/../support/virtual_display.sh"

fail() {
  echo "FAIL: $*" >&2
  [[ -s "$work/output.txt" ]] && { echo "The program said:"; head -n 40 "$work/output.txt"; } >&2
  [[ -n "$shots" ]] && import -display "$DISPLAY" -window root "$shots/first-start-failure.png" 2>/dev/null
  exit 1
}

# A fresh program folder is a fresh settings folder.
cp "$program" "$work/tonalis"
cp "$manual" "$work/"
printf 'pcm.!default { type hw card 97 }\n' > "$work/no-sound.conf"

(cd "$work" && QT_QPA_PLATFORM=xcb ALSA_CONFIG_PATH="$work/no-sound.conf" ./tonalis >"$work/output.txt" 2>&1) &
pids+=($!)

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
wait_for() {  # NAME: the id of the visible window of that name, within 10 s
  local id=""
  for _ in $(seq 200); do
    id=$(window_named "$1")
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.05
  done
  fail "no window named '$1'"
}
wait_gone() {
  for _ in $(seq 200); do
    [[ -z "$(window_named "$1")" ]] && return
    sleep 0.05
  done
  fail "window '$1' is still there"
}
# Position of a window in the manager's stacking order, bottom first.
stack_position() {
  local hex
  hex=$(printf '0x%x' "$1")
  xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep -n -x -i "$hex" | cut -d: -f1
}
# Whether the window, or a child of it, has the input focus.
focused() {
  local active
  active=$(xdotool getactivewindow 2>/dev/null || true)
  [[ "$active" == "$1" ]]
}
above_and_focused() {  # BOX MAIN WHAT
  local box=$1 main=$2
  for _ in $(seq 100); do
    focused "$box" && break
    sleep 0.05
  done
  focused "$box" || fail "$3: the box does not have the focus"
  (( $(stack_position "$box") > $(stack_position "$main") )) || fail "$3: the box is beneath the window"
}

main=$(wait_for '^Tonalis v3 by Velkaro$')
load=$(wait_for '^Unable to load data file ')
[[ -z "$(window_named '^DTMF$')" ]] || fail "the sound-card warning came with the load failure, not after it"
above_and_focused "$load" "$main" "load failure"
[[ -n "$shots" ]] && import -window root "$shots/first-start-load.png"

# F1 on the box opens the manual; the box stays and takes Enter.
xdotool key F1
viewer=$(wait_for '^ Tonalis v2$')
xdotool windowactivate --sync "$load"
xdotool key Return
wait_gone '^Unable to load data file '

sound=$(wait_for '^DTMF$')
above_and_focused "$sound" "$main" "sound-card warning"
[[ -n "$shots" ]] && import -window root "$shots/first-start-sound.png"
# F1 here too brings the manual to the front; Escape then dismisses the box.
xdotool key F1
for _ in $(seq 100); do
  focused "$viewer" && break
  sleep 0.05
done
focused "$viewer" || fail "F1 on the sound-card warning did not bring the manual forward"
xdotool windowactivate --sync "$sound"
xdotool key Escape
wait_gone '^DTMF$'

# The window takes keys: F1 there brings the manual back after it was closed.
xdotool windowactivate --sync "$viewer" key alt+F4  # openbox's close
wait_gone '^ Tonalis v2$'
xdotool windowactivate --sync "$main"
xdotool key F1
wait_for '^ Tonalis v2$' >/dev/null
[[ -n "$shots" ]] && import -window root "$shots/first-start-after.png"
echo "first start: both boxes above the window, one after the other; the window takes keys"
