# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need a real window manager: a scratch folder
# ($work), Xvfb on a free display ($DISPLAY, chosen by the server itself) with
# openbox, ended with every process in `pids` on exit.
work=$(mktemp -d)
pids=()
virtual_display_cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap virtual_display_cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 display_number <&"$display_fd" || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display_number"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# libxkbcommon-x11 hands strndup() a buffer without a terminator, which is allowed but
# what AddressSanitizer's strict string checks report; they stay on for our own code elsewhere.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"; fi
