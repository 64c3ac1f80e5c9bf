#!/usr/bin/env bash
# A restarted simulator looks like a rebooted switch to a version-3 client: same engine ID,
# engine boots one higher, and version-3 requests keep working.
source "$(dirname "$0")/simlib.sh"
ENGINE=1.3.6.1.6.3.10.2.1

start_sim
port=$SIM_PORT
check "v3 get before restart" '"lab-switch-01"' "$(snmp_get "${V3_SHA_DES[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.5.0)"
engine_before=$(snmp_get "${V3_MD5_DES[@]}" "$SIM_ADDR" $ENGINE.1.0)
boots_before=$(snmp_get "${V3_MD5_DES[@]}" "$SIM_ADDR" $ENGINE.2.0)
stop_sim

start_sim PORT="$port"
check "v3 get after restart" '"lab-switch-01"' "$(snmp_get "${V3_SHA_DES[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.5.0)"
check "engine ID survives the restart" "$engine_before" "$(snmp_get "${V3_MD5_DES[@]}" "$SIM_ADDR" $ENGINE.1.0)"
check "engine boots counted up" "$((boots_before + 1))" "$(snmp_get "${V3_MD5_DES[@]}" "$SIM_ADDR" $ENGINE.2.0)"
ent=$((0x80000000 | ${SORVEX_ENTERPRISE_NUMBER:-32473}))
check_contains "engine ID names the enterprise" \
  "$(printf '%02X %02X %02X %02X 04' $((ent >> 24)) $(((ent >> 16) & 255)) $(((ent >> 8) & 255)) $((ent & 255)))" "$engine_before"
stop_sim

# A simulator that was killed hard still counts the next start as a reboot.
start_sim PORT="$port"
kill -9 "$SIM_PID"; wait "$SIM_PID" 2>/dev/null
start_sim PORT="$port"
check "boots counted after a hard stop" "$((boots_before + 3))" "$(snmp_get "${V3_NONE[@]}" "$SIM_ADDR" $ENGINE.2.0)"

finish
