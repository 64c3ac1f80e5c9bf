#!/usr/bin/env bash
# The module (offscreen, real processes) against sorvex-sim with one fault each, side by side for
# 20 s, then SIGTERM: no crash, exit 0 within 2 s, and near-idle CPU while the switch is silent.
# Prints one line of figures per case.
set -u
MODULE=${2:?usage: $0 PATH-TO-sorvex-sim PATH-TO-sorvex-module}
source "$(dirname "$0")/../sim/simlib.sh" "$1"
export QT_QPA_PLATFORM=offscreen
RUN_S=${FAULT_RUN_SECONDS:-20}
TICKS=$(getconf CLK_TCK)

declare -A ADDR PID
v1() { echo "/A1/I$1/Rtundra/Wlantern/ETRUE/V1/P161"; }

ADDR[silent]=127.0.0.1:$(free_port) # nothing listens there
start_sim --delay-ms 4500;  ADDR[delay4500]=$SIM_ADDR
start_sim --drop-every 2;   ADDR[drop2]=$SIM_ADDR
start_sim --drop-every 3;   ADDR[drop3]=$SIM_ADDR
start_sim --error "ENTERPRISE.10.75.5.2.25.1.0=genErr" --error "ENTERPRISE.10.75.5.2.1.15.1.0=genErr" \
  --error "1.3.6.1.2.1.2.2.1.8.5=genErr" --error "ENTERPRISE.10.75.5.2.1.13.1.7.9=noSuchName"
ADDR[errors]=$SIM_ADDR
start_sim;                  ADDR[restart]=$SIM_ADDR; RESTART_PORT=$SIM_PORT; RESTART_PID=$SIM_PID
start_sim;                  ADDR[v3wrong]=$SIM_ADDR

LINE=()
for c in silent delay4500 drop2 drop3 errors restart; do LINE[${#LINE[@]}]=$c; done
for c in "${LINE[@]}"; do
  "$MODULE" "$(v1 "${ADDR[$c]}")" 2>"$WORK/$c.err" &
  PID[$c]=$!
done
"$MODULE" "/A1/I${ADDR[v3wrong]}/R/W/ETRUE/V3/P161/X/Y/T1/S3/Umd5des/Anotthepass/Bmd5privpass/H2/J2" \
  2>"$WORK/v3wrong.err" &
PID[v3wrong]=$!
CASES=("${LINE[@]}" v3wrong)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
sleep 5
silent_start=$(cpu_ticks "${PID[silent]}")
sleep 3
kill "$RESTART_PID" 2>/dev/null; wait "$RESTART_PID" 2>/dev/null # the switch goes away ...
sleep 4
start_sim PORT="$RESTART_PORT" # ... and comes back, rebooted
sleep $((RUN_S - 12))
silent_cpu=$(( ($(cpu_ticks "${PID[silent]}") - silent_start) * 1000 / (TICKS * (RUN_S - 5)) )) # per mille of a core

for c in "${CASES[@]}"; do
  pid=${PID[$c]}
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; fail "$c: the module ended on its own (status $?)"; sed -n 1,20p "$WORK/$c.err"; continue
  fi
  start=$(date +%s%N)
  kill -TERM "$pid"
  for ((i = 0; i < 100; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if kill -0 "$pid" 2>/dev/null; then
    fail "$c: still running 2 s after SIGTERM"; kill -KILL "$pid"; wait "$pid" 2>/dev/null; continue
  fi
  wait "$pid"; status=$?
  echo "case=$c exit_ms=$ms status=$status"
  check "$c: exit status" 0 "$status"
  (( ms <= 2000 )) && pass "$c: ended in $ms ms" || fail "$c: ended in $ms ms"
  if grep -qE "Sanitizer|Segmentation|terminate called" "$WORK/$c.err"; then fail "$c: crash report"; sed -n 1,30p "$WORK/$c.err"; fi
done
echo "silent switch: module CPU ${silent_cpu} per mille of a core"
(( silent_cpu < 30 )) && pass "silent switch: near idle" || fail "silent switch: ${silent_cpu} per mille of a core"
finish
