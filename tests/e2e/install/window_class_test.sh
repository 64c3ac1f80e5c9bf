#!/usr/bin/env bash
# The module's window under a real X server (Xvfb) carries the window class the desktop entry
# names in StartupWMClass, so a desktop groups its windows under the entry and its icon.
# Runs itself again inside xvfb-run.
set -euo pipefail
module=${1:?path to sorvex-module}
desktop=${2:?path to sorvex-module.desktop}
if [ -z "${SORVEX_IN_XVFB:-}" ]; then
  SORVEX_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x400x24" bash "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
unset SORVEX_PROFILE_DIR
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-wmclass.XXXXXX")
# A device name of our own keeps this module apart from any other running on the machine.
printf '[DeviceInfo]\nDeviceName=SORVEX-A B1 wmclass%s\nXMLName=SorvexA.xml\n' "$$" >"$work/User.ini"
# Nothing answers on port 9 of loopback: the window opens all the same.
SORVEX_PROFILE_DIR=$work "$module" /A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161 >"$work/module.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$work"' EXIT

title="SORVEX-A B1 wmclass$$: 127.0.0.1:9"
window=
for _ in $(seq 1 100); do
  window=$(xwininfo -root -tree | awk -v t="\"$title\"" 'index($0, t) {print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window \"$title\""; cat "$work/module.log"; exit 1; }
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "\(.*\)", "\(.*\)"$/\2/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$expected" ] || { echo "FAIL: the desktop entry names no StartupWMClass"; exit 1; }
[ "$class" = "$expected" ] || { echo "FAIL: window class \"$class\", the desktop entry expects \"$expected\""; exit 1; }
echo "1 passed, 0 failed"
