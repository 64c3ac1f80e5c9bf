#!/usr/bin/env bash
# Rows of the VLAN table (RowStatus column .5) are created, activated, taken out of service and
# destroyed; a new row shows up in walks in OID order; wrong writes get their error-status.
source "$(dirname "$0")/simlib.sh"
VLAN=$DEV.7.6.1

start_sim
V3=("${V3_SHA_DES[@]}" "$SIM_ADDR")

vlan_ids() { snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $VLAN.5 | sed -E "s/^\.?${VLAN//./\\.}\.5\.([0-9]+) .*/\1/" | tr '\n' ' '; }
check "seed VLANs" "1 100 200 " "$(vlan_ids)"

check "createAndWait" "5" "$(snmp_set "${V3[@]}" $VLAN.5.150 i 5)"
check "new row waits out of service" "2" "$(snmp_get "${V3[@]}" $VLAN.5.150)"
check "new row in OID order" "1 100 150 200 " "$(vlan_ids)"
check "new row has its default egress list" '"00 00 00 00 "' "$(snmp_get -Ox "${V3[@]}" $VLAN.2.150 | tr -d '\n')"
check "columns of the new row" '"guests"' "$(snmp_set "${V3[@]}" $VLAN.1.150 s guests $VLAN.2.150 x 0F000000 | head -1)"
check "activate" "1" "$(snmp_set "${V3[@]}" $VLAN.5.150 i 1)"
check "notInService" "2" "$(snmp_set "${V3[@]}" $VLAN.5.150 i 2)"
check "active again" "1" "$(snmp_set "${V3[@]}" $VLAN.5.150 i 1)"
check "destroy" "6" "$(snmp_set "${V3[@]}" $VLAN.5.150 i 6)"
check "destroy removes every cell of the row" "" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $VLAN | grep '\.150 ')"
check "createAndGo with columns in one request" '"lab"' \
  "$(snmp_set "${V3[@]}" $VLAN.5.4000 i 4 $VLAN.1.4000 s lab | tail -1)"
check "createAndGo row is active" "1" "$(snmp_get "${V3[@]}" $VLAN.5.4000)"
check "last row sorts last" "1 100 200 4000 " "$(vlan_ids)"
check "v1 write community creates rows too" "5" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $VLAN.5.7 i 5)"

# NAME | set arguments | expected error-status
while IFS='|' read -r name args expected; do
  # shellcheck disable=SC2086
  check_contains "$name" "$expected" "$(snmp_set "${V3[@]}" $args)"
done <<CASES
createAndWait on an existing row|$VLAN.5.100 i 5|inconsistentValue
createAndGo on an existing row|$VLAN.5.100 i 4|inconsistentValue
active on a missing row|$VLAN.5.999 i 1|inconsistentValue
notInService on a missing row|$VLAN.5.999 i 2|inconsistentValue
notReady is never written|$VLAN.5.100 i 3|wrongValue
no such RowStatus|$VLAN.5.100 i 9|wrongValue
RowStatus as a string|$VLAN.5.100 s active|wrongType
column as the wrong type|$VLAN.1.100 i 7|wrongType
column of a missing row|$VLAN.1.999 s ghost|noCreation
object that does not exist|$DEV.99.1.0 i 1|noCreation
read-only object|1.3.6.1.2.1.1.1.0 s other|notWritable
CASES
check "destroying a missing row is no error" "6" "$(snmp_set "${V3[@]}" $VLAN.5.999 i 6)"
check "refused writes changed nothing" "1 7 100 200 4000 " "$(vlan_ids)"
check_contains "version 1 reports a bad RowStatus as badValue" "badValue" \
  "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $VLAN.5.100 i 5)"

# The surveillance device table keeps a new row's address, its index, in column .1.
DEVICES=$DEV.26.2.1.1
check "device row created" "4" "$(snmp_set "${V3[@]}" $DEVICES.5.0.17.34.0.0.0 i 4)"
check "its address is its index" '"00 11 22 00 00 00 "' "$(snmp_get -Ox "${V3[@]}" $DEVICES.1.0.17.34.0.0.0 | tr -d '\n')"
check "its mask starts full" '"FF FF FF FF FF FF "' "$(snmp_get -Ox "${V3[@]}" $DEVICES.3.0.17.34.0.0.0 | tr -d '\n')"
check "device row destroyed" "" "$(snmp_set "${V3[@]}" $DEVICES.5.0.17.34.0.0.0 i 6 >/dev/null; snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $DEVICES | grep '\.0\.17\.34\.0\.0\.0 ')"

# Tables indexed by an address repeat the index in their columns when a row is created.
ARP=$DEV.14.3.1.1
WHITE=$DEV.14.10.3.1
check "ARP entry created" "5" "$(snmp_set "${V3[@]}" $ARP.4.10.1.2.3 i 5)"
check "new ARP entry holds its gateway address" "10.1.2.3" "$(snmp_get "${V3[@]}" $ARP.1.10.1.2.3)"
check "white-list entry created" "4" "$(snmp_set "${V3[@]}" $WHITE.4.10.0.0.9.0.17.34.51.68.255 i 4)"
check "new white-list entry holds its address" "10.0.0.9" "$(snmp_get "${V3[@]}" $WHITE.1.10.0.0.9.0.17.34.51.68.255)"
check "new white-list entry holds its MAC" '"00 11 22 33 44 FF "' \
  "$(snmp_get -Ox "${V3[@]}" $WHITE.2.10.0.0.9.0.17.34.51.68.255 | tr -d '\n')"
check "trusted DHCP server entry holds its index" "2" \
  "$(snmp_set "${V3[@]}" $DEV.14.7.2.1.3.2 i 5 >/dev/null; snmp_get "${V3[@]}" $DEV.14.7.2.1.1.2)"

# Binding a host the scan found puts it on the white list; clearing a blocked host removes it.
BIND=$DEV.14.10
check "bind a scanned host" "1" "$(snmp_set "${V3[@]}" $BIND.2.1.5.0.27.33.10.0.16.3.192.0.2.20 i 1)"
check "bound host on the white list, active" "1" "$(snmp_get "${V3[@]}" $BIND.3.1.4.192.0.2.20.0.27.33.10.0.16)"
check "bound host's port" '"20 00 00 00 "' \
  "$(snmp_get -Ox "${V3[@]}" $BIND.3.1.3.192.0.2.20.0.27.33.10.0.16 | tr -d '\n')"
check "clear a blocked host" "1" "$(snmp_set "${V3[@]}" $BIND.4.1.5.0.27.33.10.0.153.1.7 i 1)"
check "cleared host is gone" "" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $BIND.4)"

finish
