#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: under Xvfb and openbox, on a
# session bus with the AT-SPI bus, accessibility_tree.py walks its tree.
#   accessibility.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=../support/virtual_display.sh
source "$here/../support/virtual_display.sh"

# Sound into a file, a settings folder of its own, no box at the start.
cat >"$work/asound.conf" <<CONF
pcm.!default { type asym
  playback.pcm { type file slave.pcm { type null } file "$work/played.raw" format "raw" }
  capture.pcm { type null } }
CONF
mkdir -p "$work/settings"
touch "$work/settings/Default.prg"

# The Debian Python that has pyatspi, whatever python3 comes first on PATH.
export work program here
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ALSA_CONFIG_PATH="$work/asound.conf" \
    TONALIS_SETTINGS_DIR="$work/settings" "$program" >"$work/output.txt" 2>&1 &
  status=0
  /usr/bin/python3 "$here/accessibility_tree.py" "$(basename "$program")" || status=$?
  kill %2 %1 2>/dev/null || true
  [[ $status -eq 0 ]] || { echo "The program said:"; head -n 40 "$work/output.txt"; } >&2
  exit $status
'
