#!/usr/bin/env bash
# The switch's own SNMP agent tables: a new row takes its index columns (name, version, model,
# level, address) from its index, starts with its default columns so walks stay aligned, and is
# refused when its index does not have the table's form; the agent state can be written; the
# spanning-tree settings show in the BRIDGE-MIB port table.
source "$(dirname "$0")/simlib.sh"
AGENT=$DEV.25
COMMUNITY=$AGENT.5.1.1
HOST=$AGENT.6.1.1
USER=$AGENT.2.1.1
GROUP=$AGENT.3.1.1
VIEW=$AGENT.4.1.1

start_sim
W=("${V1_WRITE[@]}" "$SIM_ADDR")
R=("${V1_READ[@]}" "$SIM_ADDR")

check "seed communities" '"tundra" "lantern"' "$(snmp_walk "${R[@]}" $COMMUNITY.1 | cut -d' ' -f2- | tr '\n' ' ' | sed 's/ $//')"

# community "ab" = .2.97.98
check "createAndWait a community" "5" "$(snmp_set "${W[@]}" $COMMUNITY.3.2.97.98 i 5)"
check "its name comes from the index" '"ab"' "$(snmp_get "${R[@]}" $COMMUNITY.1.2.97.98)"
check "its policy starts empty" '""' "$(snmp_get "${R[@]}" $COMMUNITY.2.2.97.98)"
check "policy written" '"monitor"' "$(snmp_set "${W[@]}" $COMMUNITY.2.2.97.98 s monitor)"
check "activated" "1" "$(snmp_set "${W[@]}" $COMMUNITY.3.2.97.98 i 1)"
check "the name is not written" "notWritable" \
  "$(snmp_set -v2c -c lantern "$SIM_ADDR" $COMMUNITY.1.2.97.98 s other | grep -o notWritable)"
check "destroy" "6" "$(snmp_set "${W[@]}" $COMMUNITY.3.2.97.98 i 6)"
check "destroy removes the whole row" "" "$(snmp_walk "${R[@]}" $COMMUNITY | grep '\.2\.97\.98 ')"

# user "u" V3 = .1.117.3; group "g" v3 authPriv = .1.103.3.3; view "v" 1.3.6 = .1.118.3.1.3.6
check "user created" "4" "$(snmp_set "${W[@]}" $USER.8.1.117.3 i 4)"
check "user name and version from the index" '"u" 3' \
  "$(snmp_get "${R[@]}" $USER.1.1.117.3 $USER.2.1.117.3 | tr '\n' ' ' | sed 's/ $//')"
check "user defaults: no authentication, no privacy" "1 1" \
  "$(snmp_get "${R[@]}" $USER.4.1.117.3 $USER.6.1.117.3 | tr '\n' ' ' | sed 's/ $//')"
check "group created" "5" "$(snmp_set "${W[@]}" $GROUP.7.1.103.3.3 i 5)"
check "group name, model and level from the index" '"g" 3 3' \
  "$(snmp_get "${R[@]}" $GROUP.1.1.103.3.3 $GROUP.2.1.103.3.3 $GROUP.3.1.103.3.3 | tr '\n' ' ' | sed 's/ $//')"
check "view created" "5" "$(snmp_set "${W[@]}" $VIEW.5.1.118.3.1.3.6 i 5)"
check "view name from the index" '"v"' "$(snmp_get "${R[@]}" $VIEW.1.1.118.3.1.3.6)"
check "view columns" '"01 01 "' "$(snmp_set -Ox "${W[@]}" $VIEW.3.1.118.3.1.3.6 x 0101 $VIEW.4.1.118.3.1.3.6 i 2 | head -1)"
check "host created" "5" "$(snmp_set "${W[@]}" $HOST.4.10.0.0.1 i 5)"
check "host address from the index" "10.0.0.1" "$(snmp_get "${R[@]}" $HOST.1.10.0.0.1)"

# NAME | set arguments | expected error-status
while IFS='|' read -r name args expected; do
  # shellcheck disable=SC2086
  check_contains "$name" "$expected" "$(snmp_set "${V3_SHA_DES[@]}" "$SIM_ADDR" $args)"
done <<CASES
community index shorter than its length|$COMMUNITY.3.5.97.98 i 5|inconsistentName
community index longer than its name|$COMMUNITY.3.1.97.98 i 5|inconsistentName
user index without a version|$USER.8.1.117 i 5|inconsistentName
view index whose subtree is cut short|$VIEW.5.1.118.4.1.3 i 5|inconsistentName
host address out of range|$HOST.4.10.0.0.300 i 5|inconsistentName
host index of five numbers|$HOST.4.10.0.0.1.1 i 5|inconsistentName
existing row|$USER.8.3.111.112.115.1 i 5|inconsistentValue
CASES

check "agent state written" "2" "$(snmp_set "${W[@]}" $AGENT.1.0 i 2)"
check "still answering" "2" "$(snmp_get "${R[@]}" $AGENT.1.0)"
check "engine ID written" '"80 00 08 1C 04 "' "$(snmp_set -Ox "${W[@]}" $AGENT.7.0 x 8000081C04 | tr -d '\n')"

# Spanning tree: the path cost written per port shows in dot1dStpPortPathCost, 0 as the cost of
# the port's speed (20 Tb/s / speed); a port with spanning tree off is disabled.
STP_PORT=1.3.6.1.2.1.17.2.15.1
check "path cost written" "4242" "$(snmp_set "${W[@]}" $DEV.6.2.1.5.3 i 4242)"
check "path cost shown" "4242" "$(snmp_get "${R[@]}" $STP_PORT.5.3)"
speed=$(snmp_get "${R[@]}" 1.3.6.1.2.1.2.2.1.5.3)
check "automatic path cost" "0" "$(snmp_set "${W[@]}" $DEV.6.2.1.5.3 i 0)"
check "automatic path cost by speed" "$((20000000000000 / speed))" "$(snmp_get "${R[@]}" $STP_PORT.5.3)"
check "spanning tree off" "2" "$(snmp_set "${W[@]}" $STP_PORT.4.3 i 2)"
check "port disabled" "1" "$(snmp_get "${R[@]}" $STP_PORT.3.3)"
check "spanning tree on" "1" "$(snmp_set "${W[@]}" $STP_PORT.4.3 i 1)"
check "port forwarding" "5" "$(snmp_get "${R[@]}" $STP_PORT.3.3)"

finish
