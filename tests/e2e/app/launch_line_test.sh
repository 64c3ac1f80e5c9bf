#!/usr/bin/env bash
# Launch lines no session could work with: the real module says why and opens no device window
# (it would poll this machine's own agent, or never send). The message box waits for its OK, which
# no script can press, so each module is sent SIGTERM once the message has been shown, and ends.
set -uo pipefail
module=${1:?path to sorvex-module}
work=$(mktemp -d /tmp/sorvex-launch.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true"
failures=0
no_address="The launch line names no address (it needs /I<address>) !"

# expect NAME MESSAGE ARGS...
expect() {
  local name=$1 message=$2
  shift 2
  local log="$work/${#pids[@]}.log"
  "$module" "$@" 2>"$log" &
  local pid=$!
  pids+=("$pid")
  local shown=0
  for _ in $(seq 1 40); do
    if grep -qF -- "$message" "$log"; then shown=1; break; fi
    sleep 0.05
  done
  sleep 0.3 # a window or a poll would show by now
  if ((shown == 0)); then
    echo "FAIL $name: \"$message\" not shown"; failures=$((failures + 1)); sed 's/^/    /' "$log" | head -5
  elif grep -qE "listening|GET Port|Read User.ini" "$log"; then
    echo "FAIL $name: the module went on after the message"; failures=$((failures + 1)); head -5 "$log"
  else
    # Nothing holds the module but its message box: a SIGTERM ends it.
    kill -TERM "$pid"
    local ended=0
    for _ in $(seq 1 40); do
      if ! kill -0 "$pid" 2>/dev/null; then ended=1; break; fi
      sleep 0.05
    done
    if ((ended)); then echo "ok   $name"; else echo "FAIL $name: still running 2 s after SIGTERM"; failures=$((failures + 1)); fi
  fi
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

expect "a blank" "$no_address" " "
expect "no /I" "$no_address" /A1/Rtundra
expect "10,000 slashes" "$no_address" "$(printf '/%.0s' $(seq 1 10000))"
expect "an empty address" "$no_address" /A1/I/Rtundra/Wlantern/ETRUE/V1/P161
expect "version 2" 'The launch line names SNMP version "2"; only 1 and 3 are supported !' \
  /A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V2/P161
expect "version 12" 'SNMP version "12"' /A1/I127.0.0.1:9/R/W/E/V12/P161/X/Y/T1/S1/Uuser

if ((failures)); then echo "$failures failed"; exit 1; fi
echo "all passed"
