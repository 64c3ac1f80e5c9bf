#!/usr/bin/env bash
# The objects the module reads are there and consistent: 28 ports and interfaces above 28, no
# speed on a down port, media codes that match the speeds, PoE rows "1.PORT" on the PoE model
# only, a forwarding table of the requested size; port writes and --live change the links.
source "$(dirname "$0")/simlib.sh"
IF=1.3.6.1.2.1.2.2.1
PORT=$DEV.1.13.1

# column OID: "index value" lines of a walk
column() { snmp_walk "${V1_READ[@]}" "$SIM_ADDR" "$1" | sed -E "s/^\.?${1//./\\.}\.([0-9.]+) (.*)/\1 \2/"; }

start_sim --fdb-entries 500
oper=$(column $IF.8)
check "ifOperStatus walk has 28 ports and more" "31" "$(echo "$oper" | wc -l)"
check "non-port interfaces lie above 28" "29 30 31 " "$(echo "$oper" | awk '$1 > 28 {printf "%s ", $1}')"

# Per port: oper, speed, media, operating mode must agree.
paste <(column $IF.8) <(column $IF.5 | head -28) <(column $PORT.7) <(column $PORT.3) | head -28 >"$WORK/ports"
bad=$(awk '{ port=$1; oper=$2; speed=$4; media=$6; mode=$8
  if (oper == 2 && (speed != 0 || mode != 1)) print "port " port " down with speed " speed " mode " mode
  if (oper == 1 && speed == 0) print "port " port " up without speed"
  if (media == 3 && oper == 1 && speed != 100000000) print "port " port " 100Base-X at " speed
  if (media == 4 && oper == 1 && speed != 1000000000) print "port " port " 1000Base-X at " speed
  if (port < 25 && media != 1) print "port " port " copper port with media " media
  if (port >= 25 && media == 1) print "combo port " port " with media 1" }' "$WORK/ports")
check "link objects consistent" "" "$bad"
check "combo media: copper, 1000Base-X, copper, 100Base-X" "2 4 2 3" "$(awk '$1 >= 25 {printf "%s%s", sep, $6; sep=" "}' "$WORK/ports")"
check "no PoE objects on SORVEX-A B1" "" "$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $DEV.22 | grep "^\.$DEV\.22\.")"
check "probe object" "1" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.25.1.0)"
check "fan object" "1" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.1.15.1.0)"
check "forwarding table: 500 learned and the switch's own" "501 501" \
  "$(column 1.3.6.1.2.1.17.7.1.2.2.1.2 | wc -l) $(column 1.3.6.1.2.1.17.7.1.2.2.1.3 | wc -l)"
check "aging time" "300" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.17.4.2.0)"
check "STP port table for 28 ports" "28" "$(column 1.3.6.1.2.1.17.2.15.1.3 | wc -l)"

# Port 1 is up at 100M: forcing 10M-Full changes its link, "Disable" takes it down.
check "port 1 forced to 10M full" "4" "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PORT.2.1 i 4)"
check "port 1 runs at 10M full" "10000000 5" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $IF.5.1 $PORT.3.1 | tr '\n' ' ' | sed 's/ $//')"
snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PORT.2.1 i 7 >/dev/null
check "disabled port 1 is down without speed" "2 2 0 1" \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $IF.7.1 $IF.8.1 $IF.5.1 $PORT.3.1 | tr '\n' ' ' | sed 's/ $//')"
snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $PORT.2.1 i 6 >/dev/null
check "auto brings port 1 back at 100M" "1 1 100000000 3" \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $IF.7.1 $IF.8.1 $IF.5.1 $PORT.3.1 | tr '\n' ' ' | sed 's/ $//')"
stop_sim

start_sim --model "SORVEX-AP B1"
poe=$(column $DEV.22.1.1.13)
check "PoE status rows indexed 1.PORT for ports 1-24" "$(seq -s ' ' 1 24)" "$(echo "$poe" | awk '{split($1, i, "."); printf "%s%s", (NR > 1 ? " " : ""), (i[1] == 1 ? i[2] : "bad")}')"
check_contains "PoE status texts" '"POWER ON"' "$poe"
check "PoE LED mode object" "1" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.22.8.0)"
check "port 3 powers its device" '"POWER ON" "12.9" "74.5"' \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.22.1.1.13.1.3 $DEV.22.1.1.9.1.3 $DEV.22.5.0 | tr '\n' ' ' | sed 's/ $//')"
snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $DEV.22.1.1.3.1.3 i 2 >/dev/null
check "PoE disabled on port 3: power off, power used drops" '"POWER OFF" "0.0" "61.6"' \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.22.1.1.13.1.3 $DEV.22.1.1.9.1.3 $DEV.22.5.0 | tr '\n' ' ' | sed 's/ $//')"
stop_sim

start_sim --model "SORVEX-AP B1" --live --live-interval-ms 100
first=$(column $IF.8 | head -28; column $PORT.7)
changed=0
for i in 1 2 3 4 5 6 7 8 9 10; do
  sleep 0.1
  [[ "$(column $IF.8 | head -28; column $PORT.7)" != "$first" ]] && changed=1 && break
done
if ((changed)); then pass "--live changes links"; else fail "--live changed no link in a second"; fi

finish
