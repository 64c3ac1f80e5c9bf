#!/usr/bin/env bash
# Faults on demand: a delay is seen by the client (each request delayed on its own, so parallel
# requests are not served one after the other), an injected error-status is reported, every
# K-th request goes unanswered.
source "$(dirname "$0")/simlib.sh"
SYSNAME=1.3.6.1.2.1.1.5.0
FAN=$DEV.1.15.1.0

now_ms() { date +%s%3N; }

start_sim --delay-ms 600
t0=$(now_ms)
value=$(snmpget -m '' -r 0 -t 3 -Oqv "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME 2>&1)
elapsed=$(($(now_ms) - t0))
check "delayed answer arrives" '"lab-switch-01"' "$value"
if ((elapsed >= 570)); then pass "answer came after the delay (${elapsed} ms)"; else fail "answer after ${elapsed} ms, expected about 600"; fi
check_contains "client with a shorter timeout gives up" "Timeout" \
  "$(snmpget -m '' -r 0 -t 0.3 "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME 2>&1)"

t0=$(now_ms)
clients=()
for i in 1 2 3 4; do
  snmpget -m '' -r 0 -t 3 -Oqv "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME >"$WORK/parallel-$i" 2>&1 &
  clients+=($!)
done
wait "${clients[@]}"
elapsed=$(($(now_ms) - t0))
check "four parallel requests all answered" "4" "$(grep -l lab-switch-01 "$WORK"/parallel-* | wc -l)"
if ((elapsed < 1500)); then pass "parallel requests delayed side by side (${elapsed} ms)"; else fail "four delayed requests took ${elapsed} ms: served one after the other?"; fi

t0=$(now_ms)
rows=$(snmpbulkwalk -m '' -r 0 -t 3 -Cr40 -Oqn "${V3_SHA_DES[@]}" "$SIM_ADDR" 1.3.6.1.2.1.2.2.1.8 2>&1 | grep -c '^\.1\.3\.6\.1\.2\.1\.2\.2\.1\.8\.')
elapsed=$(($(now_ms) - t0))
check "get-bulk walk under delay is complete" "31" "$rows"
if ((elapsed < 1800)); then pass "get-bulk delayed once, not per repetition (${elapsed} ms)"; else fail "get-bulk walk took ${elapsed} ms"; fi
check "delayed set is applied" '"late"' "$(snmpset -m '' -r 0 -t 3 -Oqv "${V1_WRITE[@]}" "$SIM_ADDR" $SYSNAME s late 2>&1)"
stop_sim

start_sim --error $FAN=genErr --error "ENTERPRISE.10.75.5.2.1.10.0=resourceUnavailable" --error 1.3.6.1.2.1.1.6.0=5
check_contains "v1 get sees genErr" "genError" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $FAN)"
check_contains "v3 get sees genErr" "genError" "$(snmp_get "${V3_SHA_DES[@]}" "$SIM_ADDR" $FAN)"
check_contains "get-next landing on the object sees it" "genError" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $DEV.1.15)"
check_contains "v3 set sees resourceUnavailable" "resourceUnavailable" "$(snmp_set "${V3_SHA_DES[@]}" "$SIM_ADDR" $DEV.1.10.0 i 1)"
check_contains "numeric status" "genError" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.6.0)"
check "other objects answer normally" '"lab-switch-01"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME)"
stop_sim

start_sim --drop-every 3
pattern=""
for i in 1 2 3 4 5 6; do
  if snmpget -m '' -r 0 -t 0.5 "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME >/dev/null 2>&1; then pattern+="a"; else pattern+="-"; fi
done
check "every third request unanswered" "aa-aa-" "$pattern"

finish
