#!/usr/bin/env bash
# One module per device, with real processes: a second start for the same device name and
# address brings the first to the front and ends with status 0; another address runs on its own.
# Addresses are loopback ports where nothing answers.
set -euo pipefail
module=${1:?path to sorvex-module}
work=$(mktemp -d /tmp/sorvex-single.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true"
# A device name of our own keeps this test apart from any module running on the machine.
profile="$work/profile"
mkdir -p "$profile"
printf '[DeviceInfo]\nDeviceName=SORVEX-A B1 test%s\nXMLName=SorvexA.xml\n' "$$" > "$profile/User.ini"
export SORVEX_PROFILE_DIR="$profile"

wait_for_line() { # file text
  for _ in $(seq 1 100); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
  echo "FAIL: \"$2\" never appeared in $1"; cat "$1"; return 1
}

"$module" /A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161 2> "$work/first.log" &
pids+=($!)
first=$!
wait_for_line "$work/first.log" "listening"

start=$(date +%s%N)
set +e
timeout 10 "$module" /A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161 2> "$work/second.log"
status=$?
set -e
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || { echo "FAIL: second start ended with $status"; cat "$work/second.log"; exit 1; }
[ "$elapsed_ms" -lt 5000 ] || { echo "FAIL: second start took $elapsed_ms ms"; exit 1; }
wait_for_line "$work/first.log" "Activation requested"
kill -0 "$first" || { echo "FAIL: the first instance is gone"; exit 1; }

"$module" /A1/I127.0.0.2:9/Rtundra/Wlantern/ETRUE/V1/P161 2> "$work/other.log" &
pids+=($!)
wait_for_line "$work/other.log" "listening"
kill -0 "$!" || { echo "FAIL: the instance for another address ended"; exit 1; }
echo "1 passed, 0 failed"
