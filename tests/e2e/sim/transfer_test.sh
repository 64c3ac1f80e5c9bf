#!/usr/bin/env bash
# Writing a TFTP operation moves its status object through 4 (not started) and 3 (running) to 1
# (done), or to 2 with --transfer-fail; save and reboot are accepted.
source "$(dirname "$0")/simlib.sh"

# Reads a status object every 50 ms until it ends (1 or 2) or 5 s have passed; prints each value
# once, when it changes.
status_track() {
  local last="" value deadline=$((SECONDS + 5))
  while ((SECONDS < deadline)); do
    value=$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" "$1")
    [[ "$value" != "$last" ]] && printf '%s ' "$value" && last=$value
    [[ "$value" == 1 || "$value" == 2 ]] && return
    sleep 0.05
  done
}

start_sim --transfer-step-ms 500
check "configuration server and file" "192.0.2.99 cfg.bin" \
  "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.3.5.0 a 192.0.2.99 $DEV.3.6.0 s cfg.bin | tr -d '"' | tr '\n' ' ' | sed 's/ $//')"
check "configuration restore starts" "1" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.3.7.0 i 1)"
check "configuration status 4, 3, 1" "4 3 1 " "$(status_track $DEV.3.8.0)"
check "firmware backup starts" "2" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.3.3.0 i 2)"
check "firmware status 4, 3, 1" "4 3 1 " "$(status_track $DEV.3.4.0)"
check_contains "operation other than 1 and 2 refused" "wrongValue" "$(snmp_set "${V3_SHA_DES[@]}" "$SIM_ADDR" $DEV.3.7.0 i 3)"
check_contains "status is read-only" "notWritable" "$(snmp_set "${V3_SHA_DES[@]}" "$SIM_ADDR" $DEV.3.8.0 i 1)"
check "save configuration accepted" "1" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.1.10.0 i 1)"
check "reboot accepted" "1" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.1.9.0 i 1)"
stop_sim

start_sim --transfer-step-ms 500 --transfer-fail
snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.3.3.0 i 1 >/dev/null
check "failing firmware upgrade ends at 2" "4 3 2 " "$(status_track $DEV.3.4.0)"

finish
