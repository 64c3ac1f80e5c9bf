#!/usr/bin/env bash
# Every security level the module can launch with reaches the simulator; wrong credentials do
# not; the read community cannot write while the write community and the v3 users can.
source "$(dirname "$0")/simlib.sh"
SYSNAME=1.3.6.1.2.1.1.5.0

# Configuration the host might have must not reach the simulator.
mkdir -p "$WORK/hostconf" "$WORK/home/.snmp"
for conf in "$WORK/hostconf/sorvex-sim.conf" "$WORK/hostconf/snmpd.conf" "$WORK/home/.snmp/sorvex-sim.conf"; do
  echo "rocommunity public" >"$conf"
done
SNMPCONFPATH=$WORK/hostconf HOME=$WORK/home start_sim

check "v1 read community" '"lab-switch-01"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME)"
check "v1 write community reads too" '"lab-switch-01"' "$(snmp_get "${V1_WRITE[@]}" "$SIM_ADDR" $SYSNAME)"
check_contains "v1 community from the host's configuration gets no answer" "Timeout" "$(snmp_get -v1 -c public "$SIM_ADDR" $SYSNAME)"

for level in NONE MD5 SHA MD5_DES SHA_DES; do
  declare -n creds="V3_$level"
  check "v3 $level" '"lab-switch-01"' "$(snmp_get "${creds[@]}" "$SIM_ADDR" $SYSNAME)"
done
check_contains "v3 wrong auth password refused" "Authentication failure" \
  "$(snmp_get -v3 -u shades -l authPriv -a SHA -A wrongpassword -x DES -X shaprivpass "$SIM_ADDR" $SYSNAME)"
check_contains "v3 unknown user refused" "Unknown user name" "$(snmp_get -v3 -u nobody -l noAuthNoPriv "$SIM_ADDR" $SYSNAME)"
# md5des is an authPriv user: a request without privacy must not be served.
check_contains "authPriv user refused without privacy" "authorizationError" \
  "$(snmp_get -v3 -u md5des -l authNoPriv -a MD5 -A md5authpass "$SIM_ADDR" $SYSNAME)"

check_contains "v1 read community cannot set" "noSuchName" "$(snmp_set "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME s by-reader)"
check "refused set left the value" '"lab-switch-01"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME)"
check "v1 write community sets" '"by-writer"' "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $SYSNAME s by-writer)"
check "the set value is read back" '"by-writer"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME)"
check "v3 authPriv user sets" '"by-v3"' "$(snmp_set "${V3_SHA_DES[@]}" "$SIM_ADDR" $SYSNAME s by-v3)"
check "v3 set read back over v1" '"by-v3"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $SYSNAME)"

finish
