#!/usr/bin/env bash
# The power and discovery objects: the LLDP MIB outside 1.3.6.1 walks on into the rest of the
# tree, a new time profile row gets its index column, and the PSE TLV table exists on the PoE
# model only.
source "$(dirname "$0")/simlib.sh"
LLDP=1.0.8802.1.1.2
PROFILE=$DEV.32.1.1

start_sim
check "LLDP neighbours: local ports 2, 7, 24" "2 7 24 " \
  "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $LLDP.1.4.1.1.9 | sed -E 's/^\.?[0-9.]+\.1\.4\.1\.1\.9\.0\.([0-9]+)\.[0-9]+ .*/\1/' | tr '\n' ' ')"
check "local chassis ID" '"00 1E 58 4C 20 00 "' "$(snmp_get -Ox "${V1_READ[@]}" "$SIM_ADDR" $LLDP.1.3.2.0 | tr -d '\n')"
check_contains "get-next after the LLDP MIB goes on to 1.3.6.1" ".1.3.6.1.2.1.1.1.0" \
  "$(snmpgetnext -m '' -r 0 -t 1 -On "${V1_READ[@]}" "$SIM_ADDR" $LLDP.1.4.1.1.10.0.24.3)"
check_contains "the LLDP MIB is read-only" "noSuchName" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $LLDP.1.3.3.0 s x)"
check "LLDP state set" "2" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.24.1.0 i 2)"

check "time profiles 1 and 2" "1 2 " "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $PROFILE.1 | sed -E 's/.* //' | tr '\n' ' ')"
check "createAndWait profile 3" "5" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PROFILE.21.3 i 5)"
check "new profile row has its index" "3" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $PROFILE.1.3)"
check "name and active" '"Lunch" 1' \
  "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PROFILE.2.3 s Lunch $PROFILE.21.3 i 1 | tr '\n' ' ' | sed 's/ $//')"
check "destroy profile 3" "1 2 " \
  "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PROFILE.21.3 i 6 >/dev/null; snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $PROFILE.1 | sed -E 's/.* //' | tr '\n' ' ')"
check "power saving: LED shut-off ports" '"F0 00 00 00 "' "$(snmp_get -Ox "${V1_READ[@]}" "$SIM_ADDR" $DEV.31.1.1.0 | tr -d '\n')"
check "no PSE TLV table on SORVEX-A B1" "" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $DEV.24.8 | grep "^\.$DEV\.24\.8\.")"
stop_sim

start_sim --model "SORVEX-AP B1"
check "PSE TLV of ports 1-24" "24" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $DEV.24.8.1.2 | grep -c "^\.$DEV\.24\.8\.1\.2\.")"
stop_sim

finish
